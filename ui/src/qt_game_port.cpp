#include "ui/qt_game_port.h"

#include <QApplication>
#include <QLocale>
#include <QString>

#include "ui/utf8.h"

namespace veldamo::ui {

QtGamePort::QtGamePort(TLabel& level_label, TLabel& status_label)
    : level_label_(level_label), status_label_(status_label) {}

void QtGamePort::SetLevelText(std::string_view text) { level_label_.SetCaption(FromUtf8(text)); }

void QtGamePort::SetStatusText(std::string_view text) { status_label_.SetCaption(FromUtf8(text)); }

std::uint32_t QtGamePort::TickCount() { return SystemTickCount(); }

std::int32_t QtGamePort::Random(std::int32_t n) { return random_.Below(n); }

void QtGamePort::Beep() { QApplication::beep(); }

std::string QtGamePort::DecimalSeparator() {
  const std::string separator = QLocale::system().decimalPoint().toStdString();
  return separator.empty() ? std::string(".") : separator;
}

}  // namespace veldamo::ui

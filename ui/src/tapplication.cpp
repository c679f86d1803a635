#include "ui/tapplication.h"

#include <QApplication>

namespace veldamo::ui {

namespace {
TApplication* g_application = nullptr;
}

TApplication::TApplication() {
  if (g_application == nullptr) g_application = this;
}

TApplication::~TApplication() {
  // The forms go before the screen object and its cursors.
  forms_.clear();
  if (g_application == this) g_application = nullptr;
}

TApplication* Application() { return g_application; }

void TApplication::SetTitle(const QString& title) { QCoreApplication::setApplicationName(title); }

QString TApplication::Title() const { return QCoreApplication::applicationName(); }

void TApplication::SetIcon(const QIcon& icon) {
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

int TApplication::Run() {
  if (main_form_ == nullptr) return 0;
  main_form_->show();
  return QApplication::exec();
}

void TApplication::Terminate() { QCoreApplication::quit(); }

}  // namespace veldamo::ui

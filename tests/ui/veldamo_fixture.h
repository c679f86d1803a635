// A running VELDAMO inside the test process: the application object and the
// main window built from the given resources, shown and exposed.
#pragma once

#include <QTest>

#include <memory>
#include <sstream>
#include <string_view>

#include "picture/bmp.h"
#include "puzzle/solve.h"
#include "ui/embedded.h"
#include "ui/form1.h"
#include "ui/program.h"
#include "ui/tapplication.h"
#include "ui/utf8.h"

namespace veldamo::testing {

inline QString Utf8(std::string_view s) { return ui::FromUtf8(s); }

struct Running {
  ui::TApplication app;
  ui::TForm1* form = nullptr;
  std::ostringstream errors;

  explicit Running(const ui::ResourceBytes& resources = ui::EmbeddedResources()) {
    if (ui::StartVeldamo(app, resources, errors)) form = ui::Form1;
  }

  // Shows the window and makes it the active one, as after start-up.
  bool Show() {
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowExposed(form) && QTest::qWaitForWindowActive(form);
  }

  // The shades the picture shows at the cells' seed points.
  Shades ShownShades() const {
    const QImage shown = form->Image1->grab().toImage();
    Shades shades{};
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      const CellInfo& info = CellTableEntry(cell);
      const QRgb rgb = shown.pixel(info.x, info.y);
      const TColor c = static_cast<TColor>(qRed(rgb)) | static_cast<TColor>(qGreen(rgb)) << 8U |
                       static_cast<TColor>(qBlue(rgb)) << 16U;
      shades[static_cast<std::size_t>(cell - 1)] = ShadeOfColor(c).value_or(-1);
    }
    return shades;
  }

  // A press at a view point through the window system's path.
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(form->windowHandle(), button, modifiers,
                      form->Image1->mapTo(form, at));
  }
  void PressCell(std::int32_t cell, Qt::MouseButton button = Qt::LeftButton) {
    Press(QPoint(CellTableEntry(cell).x, CellTableEntry(cell).y), button);
  }
};

// The built-in resources with one of them replaced.
inline ui::ResourceBytes WithPicture(QByteArray bytes) {
  ui::ResourceBytes r = ui::EmbeddedResources();
  r.picture = std::move(bytes);
  return r;
}
inline ui::ResourceBytes WithCursor(QByteArray bytes) {
  ui::ResourceBytes r = ui::EmbeddedResources();
  r.cursor = std::move(bytes);
  return r;
}
inline ui::ResourceBytes WithIcon(QByteArray bytes) {
  ui::ResourceBytes r = ui::EmbeddedResources();
  r.icon = std::move(bytes);
  return r;
}

// Ways of damaging a resource file.
inline QByteArray Truncated(QByteArray bytes) { return bytes.left(bytes.size() / 2); }
inline QByteArray Flipped(QByteArray bytes, qsizetype at) {
  bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
  return bytes;
}

}  // namespace veldamo::testing

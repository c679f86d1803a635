// A Qt generic plugin that plays the program from inside, for runs under
// valgrind (QT_QPA_GENERIC_PLUGINS=veldamoplay). Once the main window is on
// the screen it wins a beginner game and an advanced game by pressing the
// picture, presses around and off the picture, and quits with the quit
// button. It reads the shades from the painted picture. If a game cannot be
// won it leaves the event loop with exit code 3.
#include <QApplication>
#include <QGenericPlugin>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "puzzle/solve.h"

namespace {

using veldamo::kCellCount;
using veldamo::Shades;

constexpr int kFailed = 3;

// The colour of a grabbed pixel as the game stores it (0x00BBGGRR).
veldamo::TColor ColorOf(QRgb rgb) {
  return static_cast<veldamo::TColor>(qRed(rgb)) | static_cast<veldamo::TColor>(qGreen(rgb)) << 8U |
         static_cast<veldamo::TColor>(qBlue(rgb)) << 16U;
}

class Player : public QObject {
 public:
  Player() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &Player::Step);
    timer_.start();
  }

 private:
  void Step() {
    QWidget* form = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && top->windowHandle() != nullptr && top->windowHandle()->isExposed()) {
        form = top;
      }
    }
    if (form == nullptr) return;
    auto* image = form->findChild<QWidget*>(QStringLiteral("Image1"));
    if (image == nullptr) return Fail("no Image1");
    switch (step_++) {
      case 0: return Click(form, "Button1");
      case 1: return Win(form, image, veldamo::kBeginner);
      case 2: return Click(form, "Button2");
      case 3: return Win(form, image, veldamo::kAdvanced);
      case 4: return PressAround(form, image);
      case 5:
        timer_.stop();
        return Click(form, "Button3");
      default: return;
    }
  }

  void Click(QWidget* form, const char* name) {
    auto* button = form->findChild<QWidget*>(QString::fromLatin1(name));
    if (button == nullptr) return Fail(name);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  void Press(QWidget* form, QWidget* image, QPoint at) {
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, image->mapTo(form, at));
  }

  std::optional<Shades> ShownShades(QWidget* image) {
    const QImage shown = image->grab().toImage();
    Shades shades{};
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      const auto& info = veldamo::CellTableEntry(cell);
      const auto shade = veldamo::ShadeOfColor(ColorOf(shown.pixel(info.x, info.y)));
      if (!shade) return std::nullopt;
      shades[static_cast<std::size_t>(cell - 1)] = *shade;
    }
    return shades;
  }

  void Win(QWidget* form, QWidget* image, std::int32_t level) {
    const auto shown = ShownShades(image);
    if (!shown) return Fail("a part shows no shade");
    const std::vector<std::int32_t> presses = veldamo::SolvePresses(*shown, level);
    if (presses.empty()) return Fail("the board cannot be solved");
    for (const std::int32_t cell : presses) {
      const auto& info = veldamo::CellTableEntry(cell);
      Press(form, image, QPoint(info.x, info.y));
    }
    const auto after = ShownShades(image);
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      if (!after || (*after)[static_cast<std::size_t>(cell - 1)] !=
                        veldamo::CellTableEntry(cell).initial_shade) {
        return Fail("the presses did not restore the picture");
      }
    }
    std::fprintf(stderr, "play: won the %s game\n",
                 level == veldamo::kBeginner ? "beginner" : "advanced");
  }

  // Presses outside a game: on parts, outlines, the corners and off the view.
  void PressAround(QWidget* form, QWidget* image) {
    for (const QPoint at : {QPoint(0, 0), QPoint(199, 299), QPoint(100, 170), QPoint(60, 115),
                            QPoint(86, 73), QPoint(-5, 40), QPoint(205, 150)}) {
      Press(form, image, at);
    }
  }

  void Fail(const char* why) {
    std::fprintf(stderr, "play: %s\n", why);
    timer_.stop();
    QCoreApplication::exit(kFailed);
  }

  QTimer timer_;
  int step_ = 0;
};

}  // namespace

class PlayPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "play.json")

 public:
  QObject* create(const QString& key, const QString& /*options*/) override {
    if (key.compare(QLatin1String("veldamoplay"), Qt::CaseInsensitive) != 0) return nullptr;
    return new Player;
  }
};

#include "play_plugin.moc"

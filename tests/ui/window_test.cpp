// The main window as laid out: every control, the fonts, the bevels, the
// picture view, the cursor and the keyboard focus.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

#include "picture/images.h"
#include "puzzle/game.h"
#include "puzzle/texts.h"
#include "ui/tscreen.h"
#include "veldamo_fixture.h"

using namespace veldamo;
using veldamo::testing::Running;
using veldamo::testing::Utf8;

namespace {

QImage VisibleHalfOfAsset() {
  const auto loaded = picture::LoadBmp(ui::AsBytes(ui::EmbeddedResources().picture));
  QImage half(picture::kViewWidth, picture::kHeight, QImage::Format_RGB32);
  for (int y = 0; y < picture::kHeight; ++y) {
    for (int x = 0; x < picture::kViewWidth; ++x) {
      const TColor c = loaded.value->Pixel(x, y);
      half.setPixel(x, y, qRgb(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8U) & 0xFFU),
                               static_cast<int>((c >> 16U) & 0xFFU)));
    }
  }
  return half;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Running> running_;
  ui::TForm1* form() { return running_->form; }

 private slots:
  void init() {
    running_ = std::make_unique<Running>();
    QVERIFY(form() != nullptr);
    QVERIFY(running_->Show());
  }
  void cleanup() { running_.reset(); }

  void windowProperties() {
    QCOMPARE(form()->windowTitle(), QStringLiteral("VELDAMO ver0.1"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("VELDAMO"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("veldamo"));
    QCOMPARE(form()->size(), QSize(462, 339));
    QCOMPARE(form()->minimumSize(), QSize(462, 339));
    QCOMPARE(form()->maximumSize(), QSize(462, 339));
    const Qt::WindowFlags flags = form()->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form()->palette().color(QPalette::Window), ui::BtnFaceColor());
  }

  void centredOnFirstShow() {
    const QRect screen = form()->screen()->geometry();
    const QRect outer = form()->frameGeometry();
    QCOMPARE(outer.left() - screen.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top() - screen.top(), (screen.height() - outer.height()) / 2);
    // Later showings keep the window where it is.
    form()->move(10, 20);
    form()->hide();
    form()->show();
    QVERIFY(QTest::qWaitForWindowExposed(form()));
    QCOMPARE(form()->pos(), QPoint(10, 20));
  }

  void controls_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("tag");
    // Label sizes follow their start-up captions: 16-px lines, 8-px
    // half-width and 16-px full-width characters (15 px high for Label3).
    QTest::newRow("Panel1") << "Form1" << QRect(8, 8, 217, 321) << "Panel1" << 0;
    QTest::newRow("Image1") << "Panel1" << QRect(9, 8, 200, 300) << "" << 0;
    QTest::newRow("Button1") << "Form1" << QRect(232, 64, 105, 33) << "初級開始(&A)" << 1;
    QTest::newRow("Button2") << "Form1" << QRect(344, 64, 105, 33) << "上級開始(&B)" << 2;
    QTest::newRow("Panel3") << "Form1" << QRect(232, 8, 217, 41) << "" << 0;
    QTest::newRow("Label1") << "Panel3" << QRect(52, 12, 96, 16) << "難易度：初級" << 0;
    QTest::newRow("Button3") << "Form1" << QRect(345, 296, 104, 33) << "やめる(&X)" << 0;
    QTest::newRow("Panel2") << "Form1" << QRect(232, 112, 217, 81) << "" << 0;
    QTest::newRow("Label2") << "Panel2" << QRect(9, 17, 176, 48) << Utf8(texts::kGreeting) << 0;
    QTest::newRow("Panel4") << "Form1" << QRect(232, 208, 217, 65) << "" << 0;
    QTest::newRow("Label3") << "Panel4" << QRect(9, 10, 168, 45) << QString::fromUtf8(ui::kCredits)
                            << 0;
  }

  void controls() {
    QFETCH(QString, parent);
    QFETCH(QRect, bounds);
    QFETCH(QString, caption);
    QFETCH(int, tag);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* widget = form()->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), bounds);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
    auto* component = dynamic_cast<ui::TComponent*>(widget);
    QVERIFY(component != nullptr);
    QCOMPARE(component->Tag, tag);
    if (auto* panel = dynamic_cast<ui::TPanel*>(widget)) QCOMPARE(panel->Caption(), caption);
    if (auto* label = dynamic_cast<ui::TLabel*>(widget)) QCOMPARE(label->Caption(), caption);
    if (auto* button = dynamic_cast<ui::TButton*>(widget)) QCOMPARE(button->Caption(), caption);
  }

  void controlsInDeclarationOrder() {
    QStringList direct;
    for (QObject* child : form()->children()) {
      if (child->isWidgetType()) direct << child->objectName();
    }
    QCOMPARE(direct, QStringList({"Panel1", "Button1", "Button2", "Panel3", "Button3", "Panel2",
                                  "Panel4"}));
    QCOMPARE(form()->Panel1->children().size(), 1);
    QCOMPARE(form()->Panel1->children().front(), form()->Image1);
  }

  void fonts() {
    const QFont font = form()->font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(font.pixelSize(), 16);
    const QFontMetrics metrics(font);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("難易度：初級")), 96);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("Label2")), 48);
    for (QWidget* w : form()->findChildren<QWidget*>()) {
      if (w != form()->Label3) QCOMPARE(w->font(), font);
    }
    QCOMPARE(form()->Label1->LinePitch(), 16);

    ui::TLabel* credits = form()->Label3;
    QCOMPARE(QFontInfo(credits->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(credits->font().pixelSize(), 15);
    QVERIFY(credits->font().italic());
    QCOMPARE(credits->FontColor(), QColor(0, 0, 255));
    QCOMPARE(credits->Color(), ui::BtnFaceColor());
    QCOMPARE(credits->LinePitch(), 15);
  }

  // Every status text fits within 192 x 48 inside Panel2, and the label
  // takes the size of its text whenever its caption changes.
  void statusTextsFitPanel2_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::newRow("greeting") << Utf8(texts::kGreeting) << QSize(176, 48);
    QTest::newRow("restore") << Utf8(texts::kRestorePlease) << QSize(144, 32);
    QTest::newRow("mixed") << Utf8(texts::kMixed) << QSize(160, 48);
    QTest::newRow("win") << Utf8(texts::WinText("12.3")) << QSize(176, 48);
    QTest::newRow("win, long time") << Utf8(texts::WinText("99999.9")) << QSize(176, 48);
    QTest::newRow("all black") << Utf8(texts::kAllBlack) << QSize(192, 16);
    QTest::newRow("all white") << Utf8(texts::kAllWhite) << QSize(160, 32);
  }

  void statusTextsFitPanel2() {
    QFETCH(QString, text);
    QFETCH(QSize, size);
    form()->Label2->SetCaption(text);
    QCOMPARE(form()->Label2->size(), size);
    QCOMPARE(form()->Label2->pos(), QPoint(9, 17));
    QVERIFY(QRect(9, 17, 192, 48).contains(form()->Label2->geometry()));
  }

  void panelBevels_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("outerRaised");
    QTest::addColumn<int>("innerBevel");  // 0 none, 1 lowered
    QTest::newRow("Panel1") << "Panel1" << true << 0;
    QTest::newRow("Panel3") << "Panel3" << true << 1;
    QTest::newRow("Panel2") << "Panel2" << true << 1;
    QTest::newRow("Panel4") << "Panel4" << false << 0;
  }

  void panelBevels() {
    QFETCH(QString, panel);
    QFETCH(bool, outerRaised);
    QFETCH(int, innerBevel);
    auto* widget = form()->findChild<ui::TPanel*>(panel);
    const QImage shot = widget->grab().toImage();
    const int w = shot.width();
    const int h = shot.height();
    const QRgb light = ui::BtnHighlightColor().rgb();
    const QRgb dark = ui::BtnShadowColor().rgb();
    const QRgb face = ui::BtnFaceColor().rgb();
    QVERIFY(light != dark);
    const QRgb outer_tl = outerRaised ? light : dark;
    const QRgb outer_br = outerRaised ? dark : light;
    QCOMPARE(shot.pixel(0, 0), outer_tl);
    QCOMPARE(shot.pixel(w - 2, 0), outer_tl);
    QCOMPARE(shot.pixel(0, h - 2), outer_tl);
    QCOMPARE(shot.pixel(w - 1, 0), outer_br);
    QCOMPARE(shot.pixel(0, h - 1), outer_br);
    QCOMPARE(shot.pixel(w - 1, h - 1), outer_br);
    if (innerBevel == 1) {
      QCOMPARE(shot.pixel(1, 1), dark);
      QCOMPARE(shot.pixel(w - 2, h - 2), light);
      QCOMPARE(shot.pixel(2, h / 2), face);
    } else {
      QCOMPARE(shot.pixel(1, h / 2), face);
    }
  }

  // The view shows the visible half of the picture, pixel for pixel, and
  // covers Panel1's caption; at twice the pixel ratio every pixel becomes a
  // 2 x 2 block, never smoothed.
  void viewShowsVisibleHalf() {
    const QImage expected = VisibleHalfOfAsset();
    QCOMPARE(form()->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);

    QImage doubled(400, 600, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2.0);
    form()->Image1->render(&doubled);
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 400; ++x) {
        if (doubled.pixel(x, y) != expected.pixel(x / 2, y / 2)) {
          QFAIL(qPrintable(QStringLiteral("doubled pixel %1,%2 differs").arg(x).arg(y)));
        }
      }
    }
  }

  void startUpState() {
    QCOMPARE(form()->Label1->Caption(), Utf8(texts::kLevelBeginner));
    QCOMPARE(form()->Label2->Caption(), Utf8(texts::kGreeting));
    QCOMPARE(form()->Label3->Caption(), QString::fromUtf8(ui::kCredits));
    const QStringList credits = QString::fromUtf8(ui::kCredits).split(u'\n');
    QCOMPARE(credits.size(), 3);
    QVERIFY(credits[1].startsWith(QStringLiteral("  ")) && !credits[1].startsWith("   "));
    QVERIFY(credits[2].contains(u'@'));
    const GameState& game = ui::Game();
    QCOMPARE(game.Level, kBeginner);
    QVERIFY(!game.GameRunning);
    QCOMPARE(game.StartTime, 0U);
    // The hit map is painted.
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      const CellInfo& info = CellTableEntry(cell);
      QCOMPARE(form()->Image1->Canvas().Pixel(info.x + 200, info.y), info.hit_color);
      QCOMPARE(game.CellState[cell], info.initial_shade);
    }
  }

  // Over the picture the custom cursor, tip at (0, 0); elsewhere the arrow.
  void cursors() {
    QCOMPARE(form()->Image1->CursorNumber(), 1);
    QVERIFY(ui::Screen()->HasCursor(1));
    const QCursor shown = form()->Image1->cursor();
    QCOMPARE(shown.shape(), Qt::BitmapCursor);
    QCOMPARE(shown.hotSpot(), QPoint(0, 0));
    const auto decoded = picture::DecodeCursor(ui::AsBytes(ui::EmbeddedResources().cursor));
    QVERIFY(decoded);
    QCOMPARE(shown.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             ui::ToQImage(*decoded.value));
    QCOMPARE(form()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form()->Button1->cursor().shape(), Qt::ArrowCursor);
  }

  void tabMovesAmongButtonsOnly() {
    for (QWidget* w : form()->findChildren<QWidget*>()) {
      const bool button = dynamic_cast<ui::TButton*>(w) != nullptr;
      QCOMPARE(w->focusPolicy() != Qt::NoFocus, button);
    }
    QTRY_COMPARE(QApplication::focusWidget(), form()->Button1);
    const QList<QWidget*> forward = {form()->Button2, form()->Button3, form()->Button1};
    for (QWidget* next : forward) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), form()->Button3);
  }

  // No button answers Enter or Esc for the window.
  void noDefaultOrCancelButton() {
    for (auto* button : form()->findChildren<QPushButton*>()) {
      QVERIFY(!button->autoDefault());
      QVERIFY(!button->isDefault());
    }
    form()->Button1->setFocus();
    QTest::keyClick(form()->Button1, Qt::Key_Return);
    QTest::keyClick(form()->Button1, Qt::Key_Escape);
    QTest::qWait(50);
    QVERIFY(form()->isVisible());
    QCOMPARE(form()->Label2->Caption(), Utf8(texts::kGreeting));
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

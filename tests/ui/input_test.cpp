// Input reaching the game: accelerators, mouse presses on the picture, and
// whole games played by presses.
#include <QApplication>
#include <QTest>

#include <memory>

#include "puzzle/game.h"
#include "puzzle/texts.h"
#include "veldamo_fixture.h"

using namespace veldamo;
using veldamo::testing::Running;
using veldamo::testing::Utf8;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

enum class Effect { kBeginnerStart, kAdvancedStart, kQuit, kNothing };

}  // namespace

Q_DECLARE_METATYPE(Effect)

class InputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Running> running_;
  ui::TForm1* form() { return running_->form; }

  void ExpectEffect(Effect effect) {
    switch (effect) {
      case Effect::kBeginnerStart:
        QTRY_COMPARE(form()->Label2->Caption(), Utf8(texts::kRestorePlease));
        QCOMPARE(form()->Label1->Caption(), Utf8(texts::kLevelBeginner));
        QCOMPARE(ui::Game().Level, kBeginner);
        QVERIFY(ui::Game().GameRunning);
        break;
      case Effect::kAdvancedStart:
        QTRY_COMPARE(form()->Label2->Caption(), Utf8(texts::kRestorePlease));
        QCOMPARE(form()->Label1->Caption(), Utf8(texts::kLevelAdvanced));
        QCOMPARE(ui::Game().Level, kAdvanced);
        QVERIFY(ui::Game().GameRunning);
        break;
      case Effect::kQuit:
        QTRY_VERIFY(!form()->isVisible());
        break;
      case Effect::kNothing:
        QTest::qWait(200);  // longer than an animated click
        QVERIFY(form()->isVisible());
        QCOMPARE(form()->Label2->Caption(), Utf8(texts::kGreeting));
        QVERIFY(!ui::Game().GameRunning);
        break;
    }
  }

 private slots:
  void init() {
    running_ = std::make_unique<Running>();
    QVERIFY(form() != nullptr);
    QVERIFY(running_->Show());
  }
  void cleanup() { running_.reset(); }

  void accelerators_data() {
    QTest::addColumn<int>("focusButton");  // 1..3; 0 leaves the focus alone
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Effect>("effect");
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Alt+A") << 0 << int(Qt::Key_A) << alt << Effect::kBeginnerStart;
    QTest::newRow("Alt+B") << 0 << int(Qt::Key_B) << alt << Effect::kAdvancedStart;
    QTest::newRow("Alt+X") << 0 << int(Qt::Key_X) << alt << Effect::kQuit;
    QTest::newRow("a, focus on Button3") << 3 << int(Qt::Key_A) << 0 << Effect::kBeginnerStart;
    QTest::newRow("B, focus on Button1") << 1 << int(Qt::Key_B) << shift << Effect::kAdvancedStart;
    QTest::newRow("b, focus on Button2") << 2 << int(Qt::Key_B) << 0 << Effect::kAdvancedStart;
    QTest::newRow("x, focus on Button1") << 1 << int(Qt::Key_X) << 0 << Effect::kQuit;
    QTest::newRow("X, focus on Button2") << 2 << int(Qt::Key_X) << shift << Effect::kQuit;
    QTest::newRow("Ctrl+A") << 1 << int(Qt::Key_A) << int(Qt::ControlModifier) << Effect::kNothing;
    QTest::newRow("c, no such accelerator") << 1 << int(Qt::Key_C) << 0 << Effect::kNothing;
  }

  void accelerators() {
    QFETCH(int, focusButton);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Effect, effect);
    const QList<ui::TButton*> buttons = {form()->Button1, form()->Button2, form()->Button3};
    if (focusButton > 0) {
      buttons[focusButton - 1]->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), buttons[focusButton - 1]);
    }
    QTest::keyClick(form()->windowHandle(), static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    ExpectEffect(effect);
  }

  void buttonClicks_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<Effect>("effect");
    QTest::newRow("Button1") << 1 << Effect::kBeginnerStart;
    QTest::newRow("Button2") << 2 << Effect::kAdvancedStart;
    QTest::newRow("Button3") << 3 << Effect::kQuit;
  }

  void buttonClicks() {
    QFETCH(int, button);
    QFETCH(Effect, effect);
    const QList<ui::TButton*> buttons = {form()->Button1, form()->Button2, form()->Button3};
    QTest::mouseClick(buttons[button - 1], Qt::LeftButton);
    ExpectEffect(effect);
  }

  // Every button, with or without modifier keys, is one click on the part
  // pressed and its neighbours; before a start no text changes.
  void pressesOnParts_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("left") << int(Qt::LeftButton) << 0;
    QTest::newRow("right") << int(Qt::RightButton) << 0;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
    QTest::newRow("left + Shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
    QTest::newRow("right + Ctrl") << int(Qt::RightButton) << int(Qt::ControlModifier);
    QTest::newRow("middle + Alt") << int(Qt::MiddleButton) << int(Qt::AltModifier);
  }

  void pressesOnParts() {
    QFETCH(int, button);
    QFETCH(int, modifiers);
    const Shades before = running_->ShownShades();
    const std::int32_t cell = 4;  // left eye patch: itself and the head
    running_->Press(QPoint(CellTableEntry(cell).x, CellTableEntry(cell).y),
                    static_cast<Qt::MouseButton>(button),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    QCOMPARE(ui::Game().ClickedCell, cell);
    Shades expected = before;
    expected[3] = 1 - expected[3];
    expected[2] = 1 - expected[2];
    QCOMPARE(running_->ShownShades(), expected);
    QCOMPARE(form()->Label2->Caption(), Utf8(texts::kGreeting));
  }

  void pressOffAnyPart() {
    running_->PressCell(4);
    const Shades before = running_->ShownShades();
    running_->Press(QPoint(2, 2));  // the frame
    QCOMPARE(ui::Game().ClickedCell, 0);
    QCOMPARE(running_->ShownShades(), before);
  }

  // With a button held, presses go to the view even off it; off the view
  // they hit nothing, whatever lies under the point in the picture.
  void pressOffTheViewWhileHeld() {
    QWindow* window = form()->windowHandle();
    const CellInfo& eye = CellTableEntry(4);
    QTest::mousePress(window, Qt::LeftButton, {},
                      form()->Image1->mapTo(form(), QPoint(eye.x, eye.y)));
    QCOMPARE(ui::Game().ClickedCell, 4);
    const Shades after_first = running_->ShownShades();
    const QPoint off_view(3, 100);  // on Panel1's left edge: view x -14
    QTest::mouseMove(window, off_view);
    QTest::mousePress(window, Qt::RightButton, {}, off_view);
    QCOMPARE(ui::Game().ClickedCell, 0);
    QCOMPARE(running_->ShownShades(), after_first);
    QTest::mouseRelease(window, Qt::RightButton, {}, off_view);
    QTest::mouseRelease(window, Qt::LeftButton, {}, off_view);
  }

  // A double click is two presses: at three shades a part moves on by two.
  void doubleClickIsTwoPresses() {
    QTest::mouseClick(form()->Button2, Qt::LeftButton);
    QCOMPARE(ui::Game().Level, kAdvanced);
    const Shades before = running_->ShownShades();
    const CellInfo& eye = CellTableEntry(4);
    QTest::mouseDClick(form()->windowHandle(), Qt::LeftButton, {},
                       form()->Image1->mapTo(form(), QPoint(eye.x, eye.y)));
    Shades expected = before;
    expected[3] = (expected[3] + 2) % 3;
    expected[2] = (expected[2] + 2) % 3;
    QCOMPARE(running_->ShownShades(), expected);
  }

  // A click's change is painted before the click returns.
  void clickRepaintsAtOnce() {
    PaintCounter counter;
    form()->Image1->installEventFilter(&counter);
    const Shades before = running_->ShownShades();
    form()->ClickHere(6);
    QVERIFY(counter.paints >= 1);
    QVERIFY(running_->ShownShades() != before);
    form()->Image1->removeEventFilter(&counter);
  }

  void wholeGame_data() {
    QTest::addColumn<int>("startButton");
    QTest::newRow("beginner") << 1;
    QTest::newRow("advanced") << 2;
  }

  void wholeGame() {
    QFETCH(int, startButton);
    QTest::mouseClick(startButton == 1 ? form()->Button1 : form()->Button2, Qt::LeftButton);
    const std::int32_t level = startButton == 1 ? kBeginner : kAdvanced;
    QCOMPARE(ui::Game().Level, level);
    const Shades shown = running_->ShownShades();
    for (std::int32_t shade : shown) QVERIFY(shade >= 0 && shade < level + 2);

    const std::vector<std::int32_t> presses = SolvePresses(shown, level);
    QVERIFY(!presses.empty());
    const QString win_head = Utf8(texts::kWinHead);
    for (std::size_t i = 0; i < presses.size(); ++i) {
      QVERIFY(!form()->Label2->Caption().startsWith(win_head));
      running_->PressCell(presses[i], i % 2 == 0 ? Qt::LeftButton : Qt::RightButton);
    }
    const QString status = form()->Label2->Caption();
    QVERIFY2(status.startsWith(win_head), qPrintable(status));
    QVERIFY(status.endsWith(Utf8(texts::kWinTail)));
    QVERIFY(!ui::Game().GameRunning);
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      QCOMPARE(running_->ShownShades()[static_cast<std::size_t>(cell - 1)],
               CellTableEntry(cell).initial_shade);
    }
    // After the win, presses change the picture but not the text.
    running_->PressCell(1);
    QCOMPARE(form()->Label2->Caption(), status);
  }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"

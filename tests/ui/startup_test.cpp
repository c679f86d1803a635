// Start-up and quitting: damaged built-in resources, and the program's exit
// code whichever way its window is closed.
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <memory>
#include <sstream>

#include "picture/images.h"
#include "ui/tscreen.h"
#include "veldamo_fixture.h"

using namespace veldamo;
using veldamo::testing::Running;

class StartupTest : public QObject {
  Q_OBJECT

  // Damaged copies of a good .cur or .ico file, one row each.
  static void DamagedCopies(const QByteArray& good) {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << testing::Truncated(good);
    QTest::newRow("bad file type") << testing::Flipped(good, 2);
    QTest::newRow("bad header size") << testing::Flipped(good, 22);
  }

 private slots:
  void init() { QApplication::setWindowIcon(QIcon()); }

  void damagedPicture_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = ui::EmbeddedResources().picture;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << testing::Truncated(good);
    QTest::newRow("bad signature") << testing::Flipped(good, 0);
    QTest::newRow("bad width") << testing::Flipped(good, 18);
    QTest::newRow("bad bit count") << testing::Flipped(good, 28);
  }

  // The error goes to the error stream; no window is made and the program
  // would end with a non-zero code.
  void damagedPicture() {
    QFETCH(QByteArray, bytes);
    {
      Running running(testing::WithPicture(bytes));
      QVERIFY(running.form == nullptr);
      QVERIFY(ui::Form1 == nullptr);
      QVERIFY(running.errors.str().find("picture") != std::string::npos);
    }
    std::ostringstream errors;
    QCOMPARE(ui::RunVeldamo(testing::WithPicture(bytes), errors), 1);
    QVERIFY(!errors.str().empty());
  }

  void damagedCursor_data() { DamagedCopies(ui::EmbeddedResources().cursor); }

  // The picture shows the default arrow; start-up goes on.
  void damagedCursor() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!picture::DecodeCursor(ui::AsBytes(bytes)));
    Running running(testing::WithCursor(bytes));
    QVERIFY(running.form != nullptr);
    QVERIFY(!ui::Screen()->HasCursor(1));
    QCOMPARE(running.form->Image1->CursorNumber(), 1);
    QCOMPARE(running.form->Image1->cursor().shape(), Qt::ArrowCursor);
  }

  void damagedIcon_data() { DamagedCopies(ui::EmbeddedResources().icon); }

  // The window keeps the desktop's default icon; start-up goes on.
  void damagedIcon() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!picture::DecodeIcon(ui::AsBytes(bytes)));
    Running running(testing::WithIcon(bytes));
    QVERIFY(running.form != nullptr);
    QVERIFY(QApplication::windowIcon().isNull());
  }

  void builtInIcon() {
    Running running;
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    const auto decoded = picture::DecodeIcon(ui::AsBytes(ui::EmbeddedResources().icon));
    QVERIFY(decoded);
    QCOMPARE(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
             ui::ToQImage(*decoded.value));
  }

  // The run returns 0 once the window is closed, by the quit button or by
  // a close request from the window system.
  void runEndsWithZero_data() {
    QTest::addColumn<bool>("quitButton");
    QTest::newRow("quit button") << true;
    QTest::newRow("window closed") << false;
  }

  void runEndsWithZero() {
    QFETCH(bool, quitButton);
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      ui::TForm1* form = ui::Form1;
      if (form == nullptr || !form->isVisible() || !form->windowHandle()->isExposed()) return;
      closer.stop();
      if (quitButton) {
        QTest::mouseClick(form->Button3, Qt::LeftButton);
      } else {
        form->windowHandle()->close();
      }
    });
    closer.start();
    std::ostringstream errors;
    QCOMPARE(ui::RunVeldamo(ui::EmbeddedResources(), errors), 0);
    QVERIFY(errors.str().empty());
    QVERIFY(ui::Form1 == nullptr);
  }

  // The built program, closed from inside by the test driver plugin.
  void programExitsWithZero_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("quit button") << "button";
    QTest::newRow("Alt+X") << "alt-x";
    QTest::newRow("close request") << "close";
  }

  void programExitsWithZero() {
    QFETCH(QString, how);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELDAMO_TEST_PLUGIN_DIR));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("veldamodriver:") + how);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELDAMO_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(30000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

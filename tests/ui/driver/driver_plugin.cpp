// A Qt generic plugin that drives a program from inside for tests: once a
// top-level window is on the screen it closes it in the way named after the
// plugin's key (QT_QPA_GENERIC_PLUGINS=veldamodriver:<how>):
//   button  a mouse click on the widget named Button3
//   alt-x   Alt+X typed into the window
//   close   a close request from the window system, as the title bar's
//           close button or a window manager's Alt+F4 sends it
#include <QApplication>
#include <QGenericPlugin>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

class Driver : public QObject {
 public:
  explicit Driver(QString how) : how_(std::move(how)) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &Driver::Poll);
    timer_.start();
  }

 private:
  void Poll() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      QWindow* window = top->windowHandle();
      if (!top->isVisible() || window == nullptr || !window->isExposed()) continue;
      timer_.stop();
      Act(top, window);
      return;
    }
  }

  void Act(QWidget* top, QWindow* window) {
    if (how_ == QLatin1String("button")) {
      if (auto* button = top->findChild<QWidget*>(QStringLiteral("Button3"))) {
        QTest::mouseClick(button, Qt::LeftButton);
      }
    } else if (how_ == QLatin1String("alt-x")) {
      QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
    } else if (how_ == QLatin1String("close")) {
      window->close();
    }
  }

  QString how_;
  QTimer timer_;
};

}  // namespace

class DriverPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")

 public:
  QObject* create(const QString& key, const QString& how) override {
    if (key.compare(QLatin1String("veldamodriver"), Qt::CaseInsensitive) != 0) return nullptr;
    return new Driver(how);
  }
};

#include "driver_plugin.moc"

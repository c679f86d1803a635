// A Qt generic plugin for the start-up benchmark. Loaded into any Qt program
// (QT_QPA_GENERIC_PLUGINS=veldamofirstpaint) it writes "first-paint" to
// standard output once the first window has been exposed and painted, then
// ends the program normally.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

class FirstPaint : public QObject {
 public:
  FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!reported_ && event->type() == QEvent::Expose && watched->isWindowType()) {
      // The window paints while it handles this event; report right after.
      reported_ = true;
      QTimer::singleShot(0, this, [] {
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};

}  // namespace

class FirstPaintPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")

 public:
  QObject* create(const QString& key, const QString& /*how*/) override {
    if (key.compare(QLatin1String("veldamofirstpaint"), Qt::CaseInsensitive) != 0) return nullptr;
    return new FirstPaint();
  }
};

#include "first_paint_plugin.moc"

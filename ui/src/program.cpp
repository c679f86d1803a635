#include "ui/program.h"

#include <QGuiApplication>

#include <utility>

#include "picture/bmp.h"
#include "ui/form1.h"

namespace veldamo::ui {

bool StartVeldamo(TApplication& app, const ResourceBytes& resources, std::ostream& errors) {
  app.SetIcon(IconFromBytes(resources.icon));
  app.SetTitle(QString::fromLatin1(kApplicationTitle));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  picture::Decoded<picture::Surface> loaded = picture::LoadBmp(AsBytes(resources.picture));
  if (!loaded) {
    errors << "VELDAMO: the built-in picture cannot be loaded: " << loaded.error << '\n';
    return false;
  }
  app.CreateForm(Form1, std::move(*loaded.value), resources.cursor);
  return true;
}

int RunVeldamo(const ResourceBytes& resources, std::ostream& errors) {
  TApplication app;
  if (!StartVeldamo(app, resources, errors)) return 1;
  return app.Run();
}

}  // namespace veldamo::ui

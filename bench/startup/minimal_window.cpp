// The yardstick for start-up: a Qt Widgets program that shows one empty
// window of VELDAMO's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.setFixedSize(462, 339);
  window.show();
  return QApplication::exec();
}

// A second yardstick: the minimal window with one three-line label of
// Japanese text in the game's font, to show what drawing any text costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("text"));
  window.setFixedSize(462, 339);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(16);
  window.setFont(font);
  QLabel label(QString::fromUtf8("陰極まれば陽に転じ\n 陽極まれば陰に転ず\n  陰陽和して大極に至る"),
               &window);
  label.move(241, 129);
  window.show();
  return QApplication::exec();
}

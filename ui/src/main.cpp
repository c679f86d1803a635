// VELDAMO: the panda puzzle.

#include <QApplication>

#include <iostream>

#include "ui/embedded.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
  // Qt takes its own platform options; the program itself reads no others.
  QApplication qt(argc, argv);
  return veldamo::ui::RunVeldamo(veldamo::ui::EmbeddedResources(), std::cerr);
}

#include <QApplication>
#include <QPalette>

#include "ui/tcomponent.h"

namespace veldamo::ui {

QColor BtnFaceColor() { return QApplication::palette().color(QPalette::Button); }
QColor BtnHighlightColor() { return QApplication::palette().color(QPalette::Light); }
QColor BtnShadowColor() { return QApplication::palette().color(QPalette::Dark); }

}  // namespace veldamo::ui

// The picture view: shows its canvas's surface at natural size from the
// top-left corner, clipped to the view, and reports every mouse press.
#pragma once

#include <QWidget>

#include <memory>

#include "picture/canvas.h"
#include "ui/tcomponent.h"

namespace veldamo::ui {

class TImage : public QWidget, public TComponent {
 public:
  explicit TImage(QWidget* parent);

  // The picture's drawing surface, owned by the view; all black until a
  // picture is set.
  picture::Canvas& Canvas();
  void SetPicture(picture::Surface surface);

  // Paints the given area of the view from the surface before returning.
  void RepaintNow(picture::DirtyRect area);

  // The cursor shown over the view, as a number of the screen's cursor table.
  void SetCursorNumber(int number);
  int CursorNumber() const { return cursor_number_; }

  // Fired for each press of the left, right or middle button, including each
  // press of a double click. X, Y are view coordinates.
  TMouseEvent OnMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Press(QMouseEvent* event);

  std::unique_ptr<picture::Canvas> canvas_;  // made when first needed
  int cursor_number_ = 0;
};

}  // namespace veldamo::ui

// The pieces every component of our small component layer shares: the Tag,
// the event types, and the system colours the layout refers to.
#pragma once

#include <QColor>
#include <QtCore/qnamespace.h>

#include <cstdint>
#include <functional>

#include "puzzle/tcolor.h"

namespace veldamo::ui {

// Every component carries a free integer, Tag, that handlers may read.
class TComponent {
 public:
  virtual ~TComponent() = default;
  std::int32_t Tag = 0;
};

using TNotifyEvent = std::function<void(TComponent* Sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = Qt::KeyboardModifiers;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button,
                                       TShiftState Shift, int X, int Y)>;

// A TColor (0x00BBGGRR) as a QColor.
inline QColor ToQColor(TColor c) {
  return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8U) & 0xFFU),
                static_cast<int>((c >> 16U) & 0xFFU));
}

// The desktop's button face, and the light and dark edges of a 3-D bevel.
QColor BtnFaceColor();
QColor BtnHighlightColor();
QColor BtnShadowColor();

}  // namespace veldamo::ui

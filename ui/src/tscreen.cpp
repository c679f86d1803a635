#include "ui/tscreen.h"

#include <array>
#include <utility>

namespace veldamo::ui {

namespace {

TScreen* g_screen = nullptr;

// The predefined shapes, numbers -2 down to -20.
constexpr std::array<Qt::CursorShape, 19> kPredefined = {
    Qt::ArrowCursor,         // -2  arrow
    Qt::CrossCursor,         // -3  cross
    Qt::IBeamCursor,         // -4  I-beam
    Qt::SizeAllCursor,       // -5  size
    Qt::SizeBDiagCursor,     // -6  size NE-SW
    Qt::SizeVerCursor,       // -7  size N-S
    Qt::SizeFDiagCursor,     // -8  size NW-SE
    Qt::SizeHorCursor,       // -9  size W-E
    Qt::UpArrowCursor,       // -10 up arrow
    Qt::WaitCursor,          // -11 hourglass
    Qt::DragMoveCursor,      // -12 drag
    Qt::ForbiddenCursor,     // -13 no drop
    Qt::SplitHCursor,        // -14 horizontal split
    Qt::SplitVCursor,        // -15 vertical split
    Qt::DragCopyCursor,      // -16 multiple drag
    Qt::WaitCursor,          // -17 database wait
    Qt::ForbiddenCursor,     // -18 no
    Qt::BusyCursor,          // -19 application starting
    Qt::WhatsThisCursor,     // -20 help
};

}  // namespace

TScreen::TScreen() {
  if (g_screen == nullptr) g_screen = this;
}

TScreen::~TScreen() {
  if (g_screen == this) g_screen = nullptr;
}

TScreen* Screen() { return g_screen; }

void TScreen::SetCursor(int number, std::optional<QCursor> cursor) {
  if (cursor) {
    cursors_.insert_or_assign(number, std::move(*cursor));
  } else {
    cursors_.erase(number);
  }
}

QCursor TScreen::Cursor(int number) const {
  if (const auto it = cursors_.find(number); it != cursors_.end()) return it->second;
  if (number == -1) return QCursor(Qt::BlankCursor);
  if (number <= -2 && number >= -20) {
    return QCursor(kPredefined[static_cast<std::size_t>(-2 - number)]);
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace veldamo::ui

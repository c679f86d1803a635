// The screen object's cursor table: cursor numbers to cursor images.
// 0 is the default arrow, -1 no cursor, -2 down to -20 the predefined
// shapes; positive numbers are the program's own. A number with no entry
// shows the default arrow.
#pragma once

#include <QCursor>

#include <map>
#include <optional>

namespace veldamo::ui {

class TScreen {
 public:
  TScreen();
  ~TScreen();
  TScreen(const TScreen&) = delete;
  TScreen& operator=(const TScreen&) = delete;

  // Registers `cursor` under `number`, replacing any earlier entry; with no
  // cursor the number is left without an entry.
  void SetCursor(int number, std::optional<QCursor> cursor);
  bool HasCursor(int number) const { return cursors_.contains(number); }
  QCursor Cursor(int number) const;

 private:
  std::map<int, QCursor> cursors_;
};

// The live screen object, or nullptr when there is none.
TScreen* Screen();

}  // namespace veldamo::ui

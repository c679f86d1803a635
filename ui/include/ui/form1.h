// The main window: the panda picture on the left; the level panel, the two
// start buttons, the status panel, the credits panel and the quit button on
// the right. The game state lives at module level, outside the window.
#pragma once

#include <QByteArray>

#include <memory>

#include "picture/canvas_painter.h"
#include "picture/surface.h"
#include "puzzle/board.h"
#include "ui/qt_game_port.h"
#include "ui/tbutton.h"
#include "ui/tform.h"
#include "ui/timage.h"
#include "ui/tlabel.h"
#include "ui/tpanel.h"

namespace veldamo::ui {

// The credits shown in Label3: a project line, an author line and a contact.
inline constexpr char kCredits[] =
    "VELDAMO Project Group\n  by the VELDAMO team\nveldamo@example.org";

class TForm1 : public TForm {
 public:
  // `picture` is the loaded picture asset; `cursor_resource` the bytes of
  // the custom cursor, registered at creation as screen cursor number 1.
  TForm1(picture::Surface picture, QByteArray cursor_resource);
  ~TForm1() override;

  // The controls, owned by the window.
  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TPanel* Panel3 = nullptr;
  TLabel* Label1 = nullptr;
  TButton* Button3 = nullptr;
  TPanel* Panel2 = nullptr;
  TLabel* Label2 = nullptr;
  TPanel* Panel4 = nullptr;
  TLabel* Label3 = nullptr;

  void Image1MouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void FormCreate(TComponent* Sender);
  void ClickHere(std::int32_t n);
  void Reverse(std::int32_t i);
  void PandaInit();
  void Button1Click(TComponent* Sender);
  void Fill(TImage* image, std::int32_t x, std::int32_t y, TColor colour);
  void Button3Click(TComponent* Sender);

 private:
  void ApplyLayout(picture::Surface picture);

  QByteArray cursor_resource_;
  std::unique_ptr<QtGamePort> port_;
  std::unique_ptr<picture::CanvasPainter> painter_;
};

// The one main window, once created.
extern TForm1* Form1;

// The game state, for reading.
const GameState& Game();

}  // namespace veldamo::ui

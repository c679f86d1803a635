#include "ui/form1.h"

#include <QPalette>

#include <utility>

#include "picture/hit.h"
#include "puzzle/game.h"
#include "puzzle/system.h"
#include "puzzle/texts.h"
#include "ui/embedded.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/tscreen.h"
#include "ui/utf8.h"

namespace veldamo::ui {

TForm1* Form1 = nullptr;

namespace {

// The game state: module-level, lasting the whole run.
GameState game;

constexpr int kCustomCursor = 1;

template <typename Widget>
Widget* Create(QWidget* parent, const layout::Control& data) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(data.name));
  widget->setGeometry(data.bounds.left, data.bounds.top, data.bounds.width, data.bounds.height);
  widget->Tag = data.tag;
  return widget;
}

}  // namespace

const GameState& Game() { return game; }

TForm1::TForm1(picture::Surface picture, QByteArray cursor_resource)
    : cursor_resource_(std::move(cursor_resource)) {
  ApplyLayout(std::move(picture));
  FormCreate(this);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::ApplyLayout(picture::Surface picture) {
  setObjectName(QStringLiteral("Form1"));
  SetCaption(FromUtf8(layout::kFormCaption));
  SetClientSize(layout::kClientWidth, layout::kClientHeight);
  SetPosition(TPosition::poScreenCenter);
  setFont(LayoutFont(FromUtf8(kGothicFace), layout::kFontHeight));
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, ToQColor(layout::kFontColor));
  colours.setColor(QPalette::ButtonText, ToQColor(layout::kFontColor));
  setPalette(colours);

  Panel1 = Create<TPanel>(this, layout::kPanel1);
  Panel1->SetCaption(FromUtf8(layout::kPanel1.caption));
  Panel1->SetBevelOuter(TPanelBevel::bvRaised);

  Image1 = Create<TImage>(Panel1, layout::kImage1);
  Image1->SetPicture(std::move(picture));
  Image1->SetCursorNumber(layout::kImage1Cursor);
  Image1->OnMouseDown = [this](TComponent* sender, TMouseButton button, TShiftState shift, int x,
                               int y) { Image1MouseDown(sender, button, shift, x, y); };

  const auto start = [this](TComponent* sender) { Button1Click(sender); };
  Button1 = Create<TButton>(this, layout::kButton1);
  Button1->SetCaption(FromUtf8(layout::kButton1.caption));
  Button1->OnClick = start;
  Button2 = Create<TButton>(this, layout::kButton2);
  Button2->SetCaption(FromUtf8(layout::kButton2.caption));
  Button2->OnClick = start;

  Panel3 = Create<TPanel>(this, layout::kPanel3);
  Panel3->SetBevelOuter(TPanelBevel::bvRaised);
  Panel3->SetBevelInner(TPanelBevel::bvLowered);
  Label1 = Create<TLabel>(Panel3, layout::kLabel1);
  Label1->SetCaption(FromUtf8(layout::kLabel1.caption));

  Button3 = Create<TButton>(this, layout::kButton3);
  Button3->SetCaption(FromUtf8(layout::kButton3.caption));
  Button3->OnClick = [this](TComponent* sender) { Button3Click(sender); };

  Panel2 = Create<TPanel>(this, layout::kPanel2);
  Panel2->SetBevelOuter(TPanelBevel::bvRaised);
  Panel2->SetBevelInner(TPanelBevel::bvLowered);
  Label2 = Create<TLabel>(Panel2, layout::kLabel2);
  Label2->SetCaption(FromUtf8(layout::kLabel2.caption));

  Panel4 = Create<TPanel>(this, layout::kPanel4);
  Panel4->SetBevelOuter(TPanelBevel::bvLowered);
  Panel4->SetBevelInner(TPanelBevel::bvNone);
  Label3 = Create<TLabel>(Panel4, layout::kLabel3);
  Label3->SetFont(LayoutFont(FromUtf8(kGothicFace), layout::kLabel3FontHeight, layout::kLabel3Italic));
  Label3->SetFontColor(ToQColor(layout::kLabel3FontColor));
  Label3->SetColor(BtnFaceColor());
  Label3->SetCaption(FromUtf8(layout::kLabel3.caption));

  // Only the buttons take the focus, in this order.
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Button3);

  port_ = std::make_unique<QtGamePort>(*Label1, *Label2);
  painter_ = std::make_unique<picture::CanvasPainter>(
      Image1->Canvas(), [this](picture::DirtyRect changed) { Image1->RepaintNow(changed); });
}

void TForm1::Image1MouseDown(TComponent* /*Sender*/, TMouseButton /*Button*/,
                             TShiftState /*Shift*/, int X, int Y) {
  PressCell(game, *painter_, *port_, picture::HitTest(Image1->Canvas(), X, Y));
}

void TForm1::FormCreate(TComponent* /*Sender*/) {
  PandaInit();
  picture::PaintHitMap(Image1->Canvas(), game);
  port_->Seed(TimeOfDaySeed());
  if (TScreen* screen = Screen()) {
    screen->SetCursor(kCustomCursor, CursorFromBytes(cursor_resource_));
  }
  Image1->SetCursorNumber(kCustomCursor);
  game.Level = kBeginner;
  Label2->SetCaption(FromUtf8(texts::kGreeting));
  Label3->SetCaption(FromUtf8(kCredits));
  game.StartTime = 0;
  game.GameRunning = false;
}

void TForm1::ClickHere(std::int32_t n) { veldamo::ClickHere(game, *painter_, n); }

void TForm1::Reverse(std::int32_t i) { veldamo::Reverse(game, *painter_, i); }

void TForm1::PandaInit() { veldamo::PandaInit(game, *painter_); }

void TForm1::Button1Click(TComponent* Sender) { StartGame(game, *painter_, *port_, Sender->Tag); }

void TForm1::Fill(TImage* image, std::int32_t x, std::int32_t y, TColor colour) {
  picture::Fill(image->Canvas(), x, y, colour);
}

void TForm1::Button3Click(TComponent* /*Sender*/) { Close(); }

}  // namespace veldamo::ui

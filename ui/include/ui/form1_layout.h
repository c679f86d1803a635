// The main window's layout: fixed data applied when the window is created.
// Coordinates are pixels relative to the control's parent.
#pragma once

#include <cstdint>

#include "puzzle/tcolor.h"

namespace veldamo::ui::layout {

struct Bounds {
  int left;
  int top;
  int width;
  int height;
};

struct Control {
  const char* name;
  Bounds bounds;
  const char* caption;  // UTF-8; nullptr where the control has none
  std::int32_t tag;
};

inline constexpr char kFormCaption[] = "VELDAMO ver0.1";
inline constexpr int kClientWidth = 462;
inline constexpr int kClientHeight = 339;
inline constexpr int kFontHeight = 16;  // character height in pixels
inline constexpr TColor kFontColor = clBlack;

// In creation (declaration) order.
inline constexpr Control kPanel1 = {"Panel1", {8, 8, 217, 321}, "Panel1", 0};
inline constexpr Control kImage1 = {"Image1", {9, 8, 200, 300}, nullptr, 0};
inline constexpr Control kButton1 = {"Button1", {232, 64, 105, 33}, "初級開始(&A)", 1};
inline constexpr Control kButton2 = {"Button2", {344, 64, 105, 33}, "上級開始(&B)", 2};
inline constexpr Control kPanel3 = {"Panel3", {232, 8, 217, 41}, "", 0};
inline constexpr Control kLabel1 = {"Label1", {52, 12, 96, 16}, "難易度：初級", 0};
inline constexpr Control kButton3 = {"Button3", {345, 296, 104, 33}, "やめる(&X)", 0};
inline constexpr Control kPanel2 = {"Panel2", {232, 112, 217, 81}, "", 0};
inline constexpr Control kLabel2 = {"Label2", {9, 17, 48, 16}, "Label2", 0};
inline constexpr Control kPanel4 = {"Panel4", {232, 208, 217, 65}, "", 0};
inline constexpr Control kLabel3 = {"Label3", {9, 10, 48, 15}, "Label3", 0};

inline constexpr int kImage1Cursor = 5;

// Label3 has a font and colour of its own.
inline constexpr int kLabel3FontHeight = 15;
inline constexpr bool kLabel3Italic = true;
inline constexpr TColor kLabel3FontColor = clBlue;

}  // namespace veldamo::ui::layout

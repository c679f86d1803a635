// Looks at a running VELDAMO on an X server for the real-window test.
//   x11_probe cursor <mycsr.cur>
//       the pointer's current cursor is the custom cursor, image and hot spot
//   x11_probe not-cursor <mycsr.cur>
//       the pointer's current cursor is some other cursor
//   x11_probe icon <window id> <mainicon.ico>
//       the window's _NET_WM_ICON holds the program icon at 32 x 32
//   x11_probe picture <screenshot.png> <x> <y> <panda.bmp>
//       the 200 x 300 area at x, y shows the picture's visible half
//   x11_probe same <a.png> <b.png> <x> <y> <w> <h>
//       the two screenshots agree in that area
//   x11_probe solve <screenshot.png> <x> <y> <level>
//       prints, one "x y" per line, screen points whose presses restore the
//       panda shown with its view's top-left corner at x, y
// Exit code 0 when the check holds, 1 when it does not, 2 on bad use.
#include <QFile>
#include <QImage>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "picture/bmp.h"
#include "picture/images.h"
#include "puzzle/solve.h"

namespace {

using veldamo::TColor;

std::optional<QByteArray> ReadFile(const char* path) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

std::span<const std::uint8_t> Bytes(const QByteArray& b) {
  return {reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())};
}

std::optional<veldamo::picture::Image32> Decode(const char* path, bool cursor) {
  const auto bytes = ReadFile(path);
  if (!bytes) return std::nullopt;
  auto decoded = cursor ? veldamo::picture::DecodeCursor(Bytes(*bytes))
                        : veldamo::picture::DecodeIcon(Bytes(*bytes));
  if (!decoded) {
    std::fprintf(stderr, "%s: %s\n", path, decoded.error.c_str());
    return std::nullopt;
  }
  return *decoded.value;
}

TColor ColourAt(const QImage& image, int x, int y) {
  const QRgb rgb = image.pixel(x, y);
  return static_cast<TColor>(qRed(rgb)) | static_cast<TColor>(qGreen(rgb)) << 8U |
         static_cast<TColor>(qBlue(rgb)) << 16U;
}

// Compares 32 x 32 ARGB pixels (alpha 0 or 255) with the decoded image.
bool SameImage(const veldamo::picture::Image32& expected, const std::vector<std::uint32_t>& argb) {
  int wrong = 0;
  for (std::size_t i = 0; i < expected.argb.size(); ++i) {
    const std::uint32_t want = expected.argb[i];
    const std::uint32_t got = argb[i];
    const bool both_clear = (want >> 24U) == 0 && (got >> 24U) == 0;
    if (!both_clear && want != got) ++wrong;
  }
  if (wrong != 0) std::fprintf(stderr, "%d of 1024 pixels differ\n", wrong);
  return wrong == 0;
}

int CheckCursor(const char* cur_path, bool want_ours) {
  const auto expected = Decode(cur_path, true);
  if (!expected) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  XFixesCursorImage* shown = XFixesGetCursorImage(display);
  bool ours = false;
  if (shown != nullptr) {
    std::fprintf(stderr, "cursor %dx%d, hot spot %d,%d\n", shown->width, shown->height,
                 shown->xhot, shown->yhot);
    if (shown->width == 32 && shown->height == 32) {
      std::vector<std::uint32_t> argb(1024);
      for (std::size_t i = 0; i < argb.size(); ++i) {
        argb[i] = static_cast<std::uint32_t>(shown->pixels[i]);
      }
      ours = shown->xhot == expected->hot_x && shown->yhot == expected->hot_y &&
             SameImage(*expected, argb);
    }
    XFree(shown);
  }
  XCloseDisplay(display);
  return ours == want_ours ? 0 : 1;
}

int CheckIcon(const char* window_id, const char* ico_path) {
  const auto expected = Decode(ico_path, false);
  if (!expected) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  const Window window = std::strtoul(window_id, nullptr, 0);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const Atom icon_atom = XInternAtom(display, "_NET_WM_ICON", False);
  int result = 1;
  if (XGetWindowProperty(display, window, icon_atom, 0, 1L << 20, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success &&
      data != nullptr && format == 32) {
    // Format-32 properties come as longs: width, height, then the pixels, for
    // each size in turn.
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long at = 0; at + 2 <= count;) {
      const unsigned long w = values[at];
      const unsigned long h = values[at + 1];
      if (at + 2 + w * h > count) break;
      std::fprintf(stderr, "icon %lux%lu\n", w, h);
      if (w == 32 && h == 32) {
        std::vector<std::uint32_t> argb(1024);
        for (std::size_t i = 0; i < argb.size(); ++i) {
          argb[i] = static_cast<std::uint32_t>(values[at + 2 + i]);
        }
        if (SameImage(*expected, argb)) result = 0;
      }
      at += 2 + w * h;
    }
  }
  if (data != nullptr) XFree(data);
  XCloseDisplay(display);
  return result;
}

int CheckPicture(const char* png, int x0, int y0, const char* bmp_path) {
  const QImage shot(QString::fromLocal8Bit(png));
  const auto bytes = ReadFile(bmp_path);
  if (shot.isNull() || !bytes) return 2;
  const auto loaded = veldamo::picture::LoadBmp(Bytes(*bytes));
  if (!loaded) return 2;
  int wrong = 0;
  for (int y = 0; y < veldamo::picture::kHeight; ++y) {
    for (int x = 0; x < veldamo::picture::kViewWidth; ++x) {
      if (ColourAt(shot, x0 + x, y0 + y) != loaded.value->Pixel(x, y)) ++wrong;
    }
  }
  if (wrong != 0) std::fprintf(stderr, "%d of 60000 pixels differ\n", wrong);
  return wrong == 0 ? 0 : 1;
}

int CheckSame(const char* a_png, const char* b_png, int x0, int y0, int w, int h) {
  const QImage a(QString::fromLocal8Bit(a_png));
  const QImage b(QString::fromLocal8Bit(b_png));
  if (a.isNull() || b.isNull()) return 2;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return 1;
    }
  }
  return 0;
}

int Solve(const char* png, int x0, int y0, int level) {
  const QImage shot(QString::fromLocal8Bit(png));
  if (shot.isNull()) return 2;
  veldamo::Shades shades{};
  for (std::int32_t cell = 1; cell <= veldamo::kCellCount; ++cell) {
    const veldamo::CellInfo& info = veldamo::CellTableEntry(cell);
    const auto shade = veldamo::ShadeOfColor(ColourAt(shot, x0 + info.x, y0 + info.y));
    if (!shade) {
      std::fprintf(stderr, "cell %d shows no shade\n", cell);
      return 1;
    }
    shades[static_cast<std::size_t>(cell - 1)] = *shade;
  }
  const std::vector<std::int32_t> presses = veldamo::SolvePresses(shades, level);
  if (presses.empty()) return 1;
  for (std::int32_t cell : presses) {
    const veldamo::CellInfo& info = veldamo::CellTableEntry(cell);
    std::printf("%d %d\n", x0 + info.x, y0 + info.y);
  }
  return 0;
}

int Int(const char* s) { return static_cast<int>(std::strtol(s, nullptr, 10)); }

}  // namespace

int main(int argc, char* argv[]) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "cursor" && argc == 3) return CheckCursor(argv[2], true);
  if (command == "not-cursor" && argc == 3) return CheckCursor(argv[2], false);
  if (command == "icon" && argc == 4) return CheckIcon(argv[2], argv[3]);
  if (command == "picture" && argc == 6) {
    return CheckPicture(argv[2], Int(argv[3]), Int(argv[4]), argv[5]);
  }
  if (command == "same" && argc == 8) {
    return CheckSame(argv[2], argv[3], Int(argv[4]), Int(argv[5]), Int(argv[6]), Int(argv[7]));
  }
  if (command == "solve" && argc == 6) {
    return Solve(argv[2], Int(argv[3]), Int(argv[4]), Int(argv[5]));
  }
  std::fprintf(stderr, "usage: see the comment at the top of x11_probe.cpp\n");
  return 2;
}

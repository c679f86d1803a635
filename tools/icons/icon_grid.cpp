#include "icon_grid.h"

#include <charconv>
#include <string>

namespace veldamo::icons {
namespace {

using picture::Decoded;

// The value of one drawing character, or kTransparent, or -2 if unknown.
using CellOf = int (*)(char);

int CursorCell(char c) {
  switch (c) {
    case '.': return kTransparent;
    case '#': return 0;
    case 'o': return 1;
    default: return -2;
  }
}

int IconCell(char c) {
  if (c == '.') return kTransparent;
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -2;
}

bool ParseInt(std::string_view s, int& out) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc{} && end == s.data() + s.size();
}

// "hotspot X Y" with both inside the image.
bool ParseHotSpot(std::string_view line, Grid& g) {
  constexpr std::string_view kKey = "hotspot ";
  if (!line.starts_with(kKey)) return false;
  line.remove_prefix(kKey.size());
  const auto space = line.find(' ');
  if (space == std::string_view::npos) return false;
  return ParseInt(line.substr(0, space), g.hot_x) && ParseInt(line.substr(space + 1), g.hot_y) &&
         g.hot_x >= 0 && g.hot_x < kSize && g.hot_y >= 0 && g.hot_y < kSize;
}

Decoded<Grid> Parse(std::string_view text, CellOf cell_of, bool wants_hot_spot) {
  Grid g;
  bool have_hot_spot = false;
  int row = 0;
  int line_no = 0;
  auto fail = [&](const std::string& why) {
    return Decoded<Grid>::Fail("line " + std::to_string(line_no) + ": " + why);
  };
  while (!text.empty()) {
    const auto nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    ++line_no;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;

    if (line.starts_with("hotspot")) {
      if (!wants_hot_spot) return fail("this drawing has no hot spot");
      if (have_hot_spot || row > 0) return fail("the hot spot comes once, before the rows");
      if (!ParseHotSpot(line, g)) return fail("expected \"hotspot X Y\" with X, Y in 0-31");
      have_hot_spot = true;
      continue;
    }
    if (wants_hot_spot && !have_hot_spot) return fail("expected \"hotspot X Y\" first");
    if (row == kSize) return fail("more than 32 rows");
    if (line.size() != static_cast<std::size_t>(kSize)) {
      return fail("row has " + std::to_string(line.size()) + " characters, expected 32");
    }
    for (int x = 0; x < kSize; ++x) {
      const char c = line[static_cast<std::size_t>(x)];
      const int v = cell_of(c);
      if (v == -2) {
        return fail("unknown character '" + std::string(1, c) + "' in column " +
                    std::to_string(x + 1));
      }
      g.cells[static_cast<std::size_t>(row * kSize + x)] = v;
    }
    ++row;
  }
  if (row != kSize) {
    return Decoded<Grid>::Fail("drawing has " + std::to_string(row) + " rows, expected 32");
  }
  return Decoded<Grid>::Ok(g);
}

}  // namespace

Decoded<Grid> ParseCursorGrid(std::string_view text) { return Parse(text, CursorCell, true); }
Decoded<Grid> ParseIconGrid(std::string_view text) { return Parse(text, IconCell, false); }

}  // namespace veldamo::icons

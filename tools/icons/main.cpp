// veldamo_icons cursor|icon SOURCE.txt OUTPUT
// Turns a text drawing into a .cur or .ico file. The same drawing always
// gives the same bytes.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "icon_encode.h"
#include "icon_grid.h"

namespace {

int Usage() {
  std::cerr << "usage: veldamo_icons cursor|icon SOURCE.txt OUTPUT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace veldamo::icons;
  if (argc != 4) return Usage();
  const std::string_view kind = argv[1];
  if (kind != "cursor" && kind != "icon") return Usage();

  std::ifstream in(argv[2], std::ios::binary);
  if (!in) {
    std::cerr << argv[2] << ": cannot open\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();

  const bool cursor = kind == "cursor";
  const auto grid = cursor ? ParseCursorGrid(text.str()) : ParseIconGrid(text.str());
  if (!grid) {
    std::cerr << argv[2] << ": " << grid.error << '\n';
    return 1;
  }
  const auto bytes = cursor ? EncodeCursorFile(*grid.value) : EncodeIconFile(*grid.value);

  // Write beside the target, then rename, so a failed run leaves the old file.
  const std::string out = argv[3];
  const std::string tmp = out + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f.flush()) {
      std::cerr << tmp << ": cannot write\n";
      return 1;
    }
  }
  if (std::rename(tmp.c_str(), out.c_str()) != 0) {
    std::cerr << out << ": cannot replace\n";
    std::remove(tmp.c_str());
    return 1;
  }
  return 0;
}

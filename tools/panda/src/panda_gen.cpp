// Draws the panda picture and writes the BMP asset and a 2x PNG preview of
// the whole picture (visible half and hit map side by side).
//   panda_gen <picture.bmp> <preview.png>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "panda/bmp_writer.h"
#include "panda/drawing.h"
#include "panda/png_writer.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "panda_gen: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: panda_gen <picture.bmp> <preview.png>\n");
    return 2;
  }
  using namespace veldamo::panda;
  const IndexRaster picture = DrawPicture();
  const bool ok = WriteFile(argv[1], EncodeBmp(picture)) &&
                  WriteFile(argv[2], EncodePngPreview(picture, 2));
  return ok ? 0 : 1;
}

// make_icon_pngs MAINICON.ico OUTDIR SIZE...
// Writes OUTDIR/<SIZE>x<SIZE>/veldamo.png for each size: the program icon
// scaled by nearest neighbour, so the pixel drawing stays crisp.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/images.h"

namespace {

using veldamo::picture::Image32;

// Each target pixel takes the source pixel under its centre.
QImage Scale(const Image32& icon, int size) {
  QImage out(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    auto* line = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    const int sy = (2 * y + 1) * Image32::kSize / (2 * size);
    for (int x = 0; x < size; ++x) {
      const int sx = (2 * x + 1) * Image32::kSize / (2 * size);
      line[x] = icon.argb[static_cast<std::size_t>(sy * Image32::kSize + sx)];
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: make_icon_pngs MAINICON.ico OUTDIR SIZE...\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  const auto icon = veldamo::picture::DecodeIcon(bytes);
  if (!icon) {
    std::cerr << argv[1] << ": " << icon.error << '\n';
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::cerr << "bad size: " << argv[i] << '\n';
      return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1").arg(size);
    const QString file = dir + QStringLiteral("/veldamo.png");
    if (!QDir().mkpath(dir) || !Scale(*icon.value, size).save(file, "PNG")) {
      std::cerr << file.toStdString() << ": cannot write\n";
      return 1;
    }
  }
  return 0;
}

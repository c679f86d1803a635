#include "ui/embedded.h"

#include <QPixmap>
#include <QResource>

#include <cstring>

// Registers the resource file compiled into this static library; at global
// scope, as Qt requires.
static void InitResources() { Q_INIT_RESOURCE(veldamo); }

namespace {

// The resources are stored uncompressed, so this is the built-in data
// itself, not a copy.
QByteArray ReadResource(const char* path) {
  return QResource(QString::fromLatin1(path)).uncompressedData();
}

}  // namespace

namespace veldamo::ui {

ResourceBytes EmbeddedResources() {
  InitResources();
  return ResourceBytes{ReadResource(":/veldamo/panda.bmp"), ReadResource(":/veldamo/mycsr.cur"),
                       ReadResource(":/veldamo/mainicon.ico")};
}

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
          static_cast<std::size_t>(bytes.size())};
}

QImage ToQImage(const picture::Image32& image) {
  constexpr int kSize = picture::Image32::kSize;
  QImage out(kSize, kSize, QImage::Format_ARGB32);
  for (int y = 0; y < kSize; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    std::memcpy(row, image.argb.data() + static_cast<std::ptrdiff_t>(y) * kSize,
                sizeof(std::uint32_t) * kSize);
  }
  return out;
}

std::optional<QCursor> CursorFromBytes(const QByteArray& bytes) {
  const picture::Decoded<picture::Image32> decoded = picture::DecodeCursor(AsBytes(bytes));
  if (!decoded) return std::nullopt;
  return QCursor(QPixmap::fromImage(ToQImage(*decoded.value)), decoded.value->hot_x,
                 decoded.value->hot_y);
}

QIcon IconFromBytes(const QByteArray& bytes) {
  const picture::Decoded<picture::Image32> decoded = picture::DecodeIcon(AsBytes(bytes));
  if (!decoded) return {};
  return QIcon(QPixmap::fromImage(ToQImage(*decoded.value)));
}

}  // namespace veldamo::ui

// DecodeCursor on arbitrary bytes. A cursor that decodes has its hot spot on
// the image and only black, white and transparent pixels.
#include <cstddef>
#include <cstdint>
#include <span>

#include "consume.h"
#include "picture/images.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using veldamo::fuzz::Require;
  namespace pic = veldamo::picture;
  veldamo::fuzz::Hash hash;
  const auto result = pic::DecodeCursor(std::span<const std::uint8_t>(data, size));
  if (veldamo::fuzz::Refused(result, hash)) return 0;

  const pic::Image32& image = *result.value;
  Require(image.hot_x >= 0 && image.hot_x < pic::Image32::kSize, "hot spot x on the image");
  Require(image.hot_y >= 0 && image.hot_y < pic::Image32::kSize, "hot spot y on the image");
  hash.Add(static_cast<std::uint64_t>(image.hot_x));
  hash.Add(static_cast<std::uint64_t>(image.hot_y));
  for (const std::uint32_t argb : image.argb) {
    Require(argb == pic::kTransparentArgb || argb == pic::OpaqueArgb(veldamo::clBlack) ||
                argb == pic::OpaqueArgb(veldamo::clWhite),
            "a cursor pixel is black, white or transparent");
    hash.Add(argb);
  }
  hash.Sink();
  return 0;
}

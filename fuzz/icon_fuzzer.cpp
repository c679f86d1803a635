// DecodeIcon on arbitrary bytes. An icon that decodes shows only colours of
// the standard 16-colour palette, opaque, or transparent pixels.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "consume.h"
#include "picture/images.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using veldamo::fuzz::Require;
  namespace pic = veldamo::picture;
  veldamo::fuzz::Hash hash;
  const auto result = pic::DecodeIcon(std::span<const std::uint8_t>(data, size));
  if (veldamo::fuzz::Refused(result, hash)) return 0;

  const pic::Image32& image = *result.value;
  Require(image.hot_x == 0 && image.hot_y == 0, "an icon has no hot spot");
  for (const std::uint32_t argb : image.argb) {
    const bool in_palette =
        std::any_of(pic::kStandardPalette.begin(), pic::kStandardPalette.end(),
                    [argb](veldamo::TColor c) { return pic::OpaqueArgb(c) == argb; });
    Require(argb == pic::kTransparentArgb || in_palette,
            "an icon pixel is a palette colour or transparent");
    hash.Add(argb);
  }
  hash.Sink();
  return 0;
}

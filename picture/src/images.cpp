#include "picture/images.h"

#include <string>

namespace veldamo::picture {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr int kSize = Image32::kSize;
constexpr std::size_t kRows = static_cast<std::size_t>(kSize);
// One bit per pixel: 32 bits make 4 bytes, already a multiple of 4.
constexpr std::size_t kMaskRowBytes = 4;
constexpr std::size_t kMaskBytes = kMaskRowBytes * kRows;
constexpr std::size_t kEntryOffset = kIconDirBytes;
constexpr std::size_t kDirectoryBytes = kIconDirBytes + kIconDirEntryBytes;
constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};

// Little-endian reads. Callers check the length first.
std::uint32_t U8(Bytes b, std::size_t at) { return b[at]; }
std::uint32_t U16(Bytes b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t U32(Bytes b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
// Signed 32-bit field, widened so that the message shows e.g. -64.
long long I32(Bytes b, std::size_t at) {
  const std::uint32_t u = U32(b, at);
  return u >= 0x80000000u ? static_cast<long long>(u) - 0x100000000LL : static_cast<long long>(u);
}

// A colour as #RRGGBB, the way image tools show it.
std::string Rgb(TColor c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const std::uint32_t rgb = (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
  std::string s = "#";
  for (int shift = 20; shift >= 0; shift -= 4) {
    s += kDigits[rgb >> static_cast<unsigned>(shift) & 0xFu];
  }
  return s;
}

std::string Num(long long v) { return std::to_string(v); }
std::string Num(std::uint32_t v) { return std::to_string(v); }
std::string Num(std::size_t v) { return std::to_string(v); }

std::string ByteCount(std::size_t n) { return Num(n) + (n == 1 ? " byte" : " bytes"); }

// Built step by step: GCC 12 at -O3 misreports "(" + std::string as an
// overlapping copy (-Wrestrict).
std::string At(int x, int y) {
  std::string s = "(";
  s += std::to_string(x);
  s += ", ";
  s += std::to_string(y);
  s += ')';
  return s;
}

// What each kind of file must hold.
struct Format {
  const char* name;          // "cursor" or "icon", starts every message
  std::uint32_t dir_type;    // 2 for a cursor, 1 for an icon
  std::uint32_t bits;        // bits per pixel of the colour bitmap
  std::size_t palette;       // colour table entries
  std::size_t image_bytes;   // header + colour table + colour bitmap + AND mask
  std::size_t colour_bytes;  // the colour (XOR) bitmap
};

constexpr Format kCursor = {"cursor", 2, 1, 2, kCursorImageBytes, kMaskBytes};
constexpr Format kIcon = {"icon", 1, 4, 16, kIconImageBytes, 16 * kRows};

static_assert(kBitmapHeaderBytes + 4 * kCursor.palette + kCursor.colour_bytes + kMaskBytes ==
              kCursorImageBytes);
static_assert(kBitmapHeaderBytes + 4 * kIcon.palette + kIcon.colour_bytes + kMaskBytes ==
              kIconImageBytes);

struct Located {
  Bytes image;  // exactly format.image_bytes long
  int hot_x = 0;
  int hot_y = 0;
};

// Checks the directory and its one entry against the file; returns the image.
Decoded<Located> ReadDirectory(Bytes file, const Format& f) {
  const std::string who = std::string(f.name) + ": ";
  auto fail = [&](const std::string& why) { return Decoded<Located>::Fail(who + why); };

  if (file.size() < kDirectoryBytes) {
    return fail("file is " + ByteCount(file.size()) + ", too short for the " +
                Num(kDirectoryBytes) + "-byte directory");
  }
  if (const auto reserved = U16(file, 0); reserved != 0) {
    return fail("directory reserved field is " + Num(reserved) + ", expected 0");
  }
  if (const auto type = U16(file, 2); type != f.dir_type) {
    return fail("directory type is " + Num(type) + ", expected " + Num(f.dir_type) + " (" +
                f.name + ")");
  }
  if (const auto count = U16(file, 4); count != 1) {
    return fail("directory lists " + Num(count) + " images, expected exactly 1");
  }

  const std::size_t e = kEntryOffset;
  // A width or height byte of 0 stands for 256.
  const auto width = U8(file, e) == 0 ? 256u : U8(file, e);
  const auto height = U8(file, e + 1) == 0 ? 256u : U8(file, e + 1);
  if (width != 32 || height != 32) {
    return fail("directory entry gives " + Num(width) + " x " + Num(height) +
                " pixels, expected 32 x 32");
  }
  if (const auto reserved = U8(file, e + 3); reserved != 0) {
    return fail("directory entry reserved byte is " + Num(reserved) + ", expected 0");
  }
  const auto colours = U8(file, e + 2);
  const auto field4 = U16(file, e + 4);
  const auto field6 = U16(file, e + 6);
  Located out;
  if (f.dir_type == kCursor.dir_type) {
    if (colours != 0 && colours != 2) {
      return fail("directory entry colour count is " + Num(colours) + ", expected 2 (or 0)");
    }
    // In a cursor's entry the planes and bit-count fields hold the hot spot.
    if (field4 >= 32 || field6 >= 32) {
      return fail("hot spot (" + Num(field4) + ", " + Num(field6) +
                  ") lies outside the 32 x 32 image");
    }
    out.hot_x = static_cast<int>(field4);
    out.hot_y = static_cast<int>(field6);
  } else {
    if (colours != 16) {
      return fail("directory entry colour count is " + Num(colours) + ", expected 16");
    }
    if (field4 > 1) {
      return fail("directory entry plane count is " + Num(field4) + ", expected 1 (or 0)");
    }
    if (field6 != 0 && field6 != f.bits) {
      return fail("directory entry bit count is " + Num(field6) + ", expected " + Num(f.bits) +
                  " (or 0)");
    }
  }

  const auto size = U32(file, e + 8);
  const auto offset = U32(file, e + 12);
  if (size != f.image_bytes) {
    return fail("directory entry gives the image " + ByteCount(size) + ", expected " +
                Num(f.image_bytes));
  }
  if (offset < kDirectoryBytes) {
    return fail("image offset " + Num(offset) + " lies inside the " + Num(kDirectoryBytes) +
                "-byte directory");
  }
  // 64-bit sum: offset + size cannot wrap.
  const std::uint64_t end = std::uint64_t{offset} + size;
  if (end > file.size()) {
    return fail("image of " + Num(size) + " bytes at offset " + Num(offset) +
                " runs past the end of the file (" + ByteCount(file.size()) + ")");
  }
  if (end < file.size()) {
    return fail("unexpected data after the image: " +
                ByteCount(file.size() - static_cast<std::size_t>(end)));
  }
  out.image = file.subspan(offset, size);
  return Decoded<Located>::Ok(out);
}

// Checks the 40-byte bitmap header and the colour table. Empty when sound.
std::string CheckHeader(Bytes img, const Format& f) {
  if (img[0] == kPngSignature[0] && img[1] == kPngSignature[1] && img[2] == kPngSignature[2] &&
      img[3] == kPngSignature[3]) {
    return "image is PNG-compressed; only uncompressed bitmaps are supported";
  }
  if (const auto size = U32(img, 0); size != kBitmapHeaderBytes) {
    return "bitmap header size is " + Num(size) + ", expected 40";
  }
  if (const auto w = I32(img, 4); w != kSize) {
    return "bitmap width is " + Num(w) + ", expected 32";
  }
  if (const auto h = I32(img, 8); h != 2 * kSize) {
    return "bitmap height is " + Num(h) + ", expected 64 (32 rows of colour, 32 of mask)";
  }
  if (const auto planes = U16(img, 12); planes != 1) {
    return "bitmap plane count is " + Num(planes) + ", expected 1";
  }
  if (const auto bits = U16(img, 14); bits != f.bits) {
    return "bitmap has " + Num(bits) + " bits per pixel, expected " + Num(f.bits);
  }
  if (const auto compression = U32(img, 16); compression != 0) {
    return "bitmap compression is " + Num(compression) + ", expected 0 (uncompressed)";
  }
  const std::size_t xor_and = f.colour_bytes + kMaskBytes;
  if (const auto size_image = U32(img, 20);
      size_image != 0 && size_image != f.colour_bytes && size_image != xor_and) {
    return "bitmap image size is " + Num(size_image) + ", expected 0, " + Num(f.colour_bytes) +
           " or " + Num(xor_and);
  }
  if (const auto used = U32(img, 32); used != 0 && used != f.palette) {
    return "bitmap uses " + Num(used) + " colours, expected " + Num(f.palette) + " (or 0)";
  }
  if (const auto important = U32(img, 36); important > f.palette) {
    return "bitmap marks " + Num(important) + " colours important, more than its " +
           Num(f.palette);
  }
  for (std::size_t i = 0; i < f.palette; ++i) {
    const std::size_t at = kBitmapHeaderBytes + 4 * i;
    // RGBQUAD: blue, green, red, reserved.
    const TColor got = U8(img, at + 2) | U8(img, at + 1) << 8 | U8(img, at) << 16;
    const TColor want = f.palette == 2 ? (i == 0 ? clBlack : clWhite) : kStandardPalette[i];
    if (got != want) {
      return "colour table entry " + Num(i) + " is " + Rgb(got) + ", expected " + Rgb(want) +
             (f.palette == 2 ? " (black, white)" : " (the standard 16-colour palette)");
    }
    if (const auto reserved = U8(img, at + 3); reserved != 0) {
      return "colour table entry " + Num(i) + " has reserved byte " + Num(reserved) +
             ", expected 0";
    }
  }
  return {};
}

// True when the AND-mask bit of pixel (x, y) marks it transparent.
bool MaskBit(Bytes mask, int x, int y) {
  const auto row = static_cast<std::size_t>(kSize - 1 - y);  // stored bottom-up
  const auto col = static_cast<std::size_t>(x);
  const unsigned byte = mask[row * kMaskRowBytes + col / 8];
  return (byte >> (7 - col % 8) & 1u) != 0;
}

}  // namespace

Decoded<Image32> DecodeCursor(Bytes file) {
  auto located = ReadDirectory(file, kCursor);
  if (!located) return Decoded<Image32>::Fail(located.error);
  const Bytes img = located.value->image;
  if (auto why = CheckHeader(img, kCursor); !why.empty()) {
    return Decoded<Image32>::Fail("cursor: " + why);
  }
  const Bytes colour = img.subspan(kBitmapHeaderBytes + 4 * kCursor.palette, kMaskBytes);
  // The AND mask ends the image (a subspan of `colour` would run past its end).
  const Bytes mask = img.subspan(img.size() - kMaskBytes, kMaskBytes);

  Image32 out;
  out.hot_x = located.value->hot_x;
  out.hot_y = located.value->hot_y;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool white = MaskBit(colour, x, y);
      const bool transparent = MaskBit(mask, x, y);
      if (transparent && white) {
        return Decoded<Image32>::Fail("cursor: pixel " + At(x, y) +
                                      " inverts the screen, which is not supported");
      }
      out.argb[static_cast<std::size_t>(y * kSize + x)] =
          transparent ? kTransparentArgb : OpaqueArgb(white ? clWhite : clBlack);
    }
  }
  return Decoded<Image32>::Ok(out);
}

Decoded<Image32> DecodeIcon(Bytes file) {
  auto located = ReadDirectory(file, kIcon);
  if (!located) return Decoded<Image32>::Fail(located.error);
  const Bytes img = located.value->image;
  if (auto why = CheckHeader(img, kIcon); !why.empty()) {
    return Decoded<Image32>::Fail("icon: " + why);
  }
  const Bytes colour = img.subspan(kBitmapHeaderBytes + 4 * kIcon.palette, kIcon.colour_bytes);
  const Bytes mask = img.subspan(img.size() - kMaskBytes, kMaskBytes);
  constexpr std::size_t kRowBytes = 16;  // 32 pixels at 4 bits

  Image32 out;
  for (int y = 0; y < kSize; ++y) {
    const auto row = static_cast<std::size_t>(kSize - 1 - y) * kRowBytes;
    for (int x = 0; x < kSize; ++x) {
      const auto col = static_cast<std::size_t>(x);
      // High nibble first.
      const unsigned pair = colour[row + col / 2];
      const unsigned index = (col % 2 == 0 ? pair >> 4 : pair) & 0xFu;
      const bool transparent = MaskBit(mask, x, y);
      if (transparent && index != 0) {
        return Decoded<Image32>::Fail("icon: transparent pixel " + At(x, y) +
                                      " holds colour index " + std::to_string(index) +
                                      ", expected 0");
      }
      out.argb[static_cast<std::size_t>(y * kSize + x)] =
          transparent ? kTransparentArgb : OpaqueArgb(kStandardPalette[index]);
    }
  }
  return Decoded<Image32>::Ok(out);
}

}  // namespace veldamo::picture

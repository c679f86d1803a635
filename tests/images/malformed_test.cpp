// Damaged and foreign cursor and icon files are refused with a message that
// names the fault, and no input makes a decoder read outside the bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "picture/images.h"
#include "test_files.h"

namespace veldamo::picture {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets in both files: entry at 6, bitmap header at 22, colour table at 62.
constexpr std::size_t kEntry = 6;
constexpr std::size_t kHeader = 22;
constexpr std::size_t kTable = 62;
constexpr std::size_t kCursorXorTopRow = kTable + 8 + 31 * 4;
constexpr std::size_t kIconColourTopRow = kTable + 64 + 31 * 16;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
auto Set8(std::size_t at, std::uint32_t v) { return [=](Bytes& b) { Put(b, at, v, 1); }; }
auto Set16(std::size_t at, std::uint32_t v) { return [=](Bytes& b) { Put(b, at, v, 2); }; }
auto Set32(std::size_t at, std::uint32_t v) { return [=](Bytes& b) { Put(b, at, v, 4); }; }

enum class Kind { kCursor, kIcon };

struct Case {
  const char* name;
  Kind file;
  std::function<void(Bytes&)> damage;
  const char* error;  // a part of the expected message; empty: must decode
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Decoded<Image32> Decode(Kind k, const Bytes& b) {
  return k == Kind::kCursor ? DecodeCursor(b) : DecodeIcon(b);
}
Bytes Original(Kind k) {
  return k == Kind::kCursor ? images_test::CursorFile() : images_test::IconFile();
}

const Kind C = Kind::kCursor;
const Kind I = Kind::kIcon;

const std::vector<Case> kCases = {
    // Directory and entry.
    {"Empty", C, [](Bytes& b) { b.clear(); }, "cursor: file is 0 bytes, too short for the 22-byte directory"},
    {"OnlyDirectoryHeader", I, [](Bytes& b) { b.resize(6); }, "icon: file is 6 bytes, too short"},
    {"DirReserved", C, Set16(0, 1), "directory reserved field is 1, expected 0"},
    {"IconGivenAsCursor", C, Set16(2, 1), "cursor: directory type is 1, expected 2 (cursor)"},
    {"CursorGivenAsIcon", I, Set16(2, 2), "icon: directory type is 2, expected 1 (icon)"},
    {"NoImages", C, Set16(4, 0), "directory lists 0 images, expected exactly 1"},
    {"TwoImages", I, Set16(4, 2), "directory lists 2 images, expected exactly 1"},
    {"EntryWidth", C, Set8(kEntry, 16), "directory entry gives 16 x 32 pixels, expected 32 x 32"},
    {"EntryHeight256", I, Set8(kEntry + 1, 0), "directory entry gives 32 x 256 pixels"},
    {"EntryReserved", I, Set8(kEntry + 3, 255), "directory entry reserved byte is 255, expected 0"},
    {"CursorColourCount", C, Set8(kEntry + 2, 16), "directory entry colour count is 16, expected 2"},
    {"CursorColourCountZero", C, Set8(kEntry + 2, 0), ""},
    {"HotSpotX", C, Set16(kEntry + 4, 32), "hot spot (32, 0) lies outside the 32 x 32 image"},
    {"HotSpotY", C, Set16(kEntry + 6, 0xFFFF), "hot spot (0, 65535) lies outside"},
    {"IconColourCount", I, Set8(kEntry + 2, 0), "directory entry colour count is 0, expected 16"},
    {"IconPlanes", I, Set16(kEntry + 4, 2), "directory entry plane count is 2, expected 1"},
    {"IconBitCount", I, Set16(kEntry + 6, 8), "directory entry bit count is 8, expected 4"},
    {"IconBitCountZero", I, Set16(kEntry + 6, 0), ""},
    {"ImageSizeShort", C, Set32(kEntry + 8, 303), "directory entry gives the image 303 bytes, expected 304"},
    {"ImageSizeHuge", I, Set32(kEntry + 8, 0xFFFFFFFF), "gives the image 4294967295 bytes, expected 744"},
    {"OffsetInDirectory", C, Set32(kEntry + 12, 0), "image offset 0 lies inside the 22-byte directory"},
    {"OffsetWraps", I, Set32(kEntry + 12, 0xFFFFFFF0), "image of 744 bytes at offset 4294967280 runs past the end of the file (766 bytes)"},
    {"OffsetOneOn", C, Set32(kEntry + 12, 23), "runs past the end of the file (326 bytes)"},
    {"Truncated", I, [](Bytes& b) { b.pop_back(); }, "runs past the end of the file (765 bytes)"},
    {"TrailingByte", C, [](Bytes& b) { b.push_back(0); }, "unexpected data after the image: 1 byte"},
    {"GapBeforeImage", I, [](Bytes& b) { b.insert(b.begin() + kHeader, 0xAA); Put(b, kEntry + 12, 23, 4); }, ""},
    // Bitmap header.
    {"Png", I, [](Bytes& b) { Put(b, kHeader, 0x474E5089, 4); }, "icon: image is PNG-compressed"},
    {"HeaderSizeCore", C, Set32(kHeader, 12), "cursor: bitmap header size is 12, expected 40"},
    {"HeaderSizeV5", I, Set32(kHeader, 124), "bitmap header size is 124, expected 40"},
    {"Width", I, Set32(kHeader + 4, 16), "bitmap width is 16, expected 32"},
    {"HeightWithoutMask", C, Set32(kHeader + 8, 32), "bitmap height is 32, expected 64"},
    {"HeightTopDown", I, Set32(kHeader + 8, static_cast<std::uint32_t>(-64)), "bitmap height is -64, expected 64"},
    {"Planes", C, Set16(kHeader + 12, 0), "bitmap plane count is 0, expected 1"},
    {"CursorBits", C, Set16(kHeader + 14, 4), "cursor: bitmap has 4 bits per pixel, expected 1"},
    {"IconBits", I, Set16(kHeader + 14, 8), "icon: bitmap has 8 bits per pixel, expected 4"},
    {"Compression", I, Set32(kHeader + 16, 2), "bitmap compression is 2, expected 0 (uncompressed)"},
    {"ImageSizeField", C, Set32(kHeader + 20, 100), "bitmap image size is 100, expected 0, 128 or 256"},
    {"ImageSizeFieldZero", I, Set32(kHeader + 20, 0), ""},
    {"ImageSizeFieldColourOnly", I, Set32(kHeader + 20, 512), ""},
    {"ColoursUsed", C, Set32(kHeader + 32, 3), "bitmap uses 3 colours, expected 2 (or 0)"},
    {"ColoursUsedExact", I, Set32(kHeader + 32, 16), ""},
    {"ColoursImportant", I, Set32(kHeader + 36, 17), "bitmap marks 17 colours important, more than its 16"},
    // Colour tables.
    {"CursorWhiteIsRed", C, Set32(kTable + 4, 0x00FF0000), "colour table entry 1 is #FF0000, expected #FFFFFF (black, white)"},
    {"CursorTableReserved", C, Set8(kTable + 3, 1), "colour table entry 0 has reserved byte 1, expected 0"},
    {"IconFuchsiaIsAqua", I, Set32(kTable + 13 * 4, 0x0000FFFF), "colour table entry 13 is #00FFFF, expected #FF00FF (the standard 16-colour palette)"},
    // Pixels the image cannot show.
    {"InvertingPixel", C, [](Bytes& b) { b[kCursorXorTopRow + 3] |= 0x01; }, "cursor: pixel (31, 0) inverts the screen"},
    {"TransparentWithColour", I, [](Bytes& b) { b[kIconColourTopRow] |= 0x10; }, "icon: transparent pixel (0, 0) holds colour index 1, expected 0"},
};

class Malformed : public ::testing::TestWithParam<Case> {};

TEST_P(Malformed, IsRefusedWithItsReason) {
  const Case& c = GetParam();
  Bytes b = Original(c.file);
  c.damage(b);
  const auto got = Decode(c.file, b);
  if (std::string(c.error).empty()) {
    EXPECT_TRUE(got) << got.error;
  } else {
    EXPECT_FALSE(got);
    EXPECT_NE(got.error.find(c.error), std::string::npos) << "message: " << got.error;
  }
}

INSTANTIATE_TEST_SUITE_P(Images, Malformed, ::testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(Robustness, EveryTruncationIsRefused) {
  for (const Kind k : {C, I}) {
    const Bytes whole = Original(k);
    for (std::size_t n = 0; n < whole.size(); ++n) {
      const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      const auto got = Decode(k, part);
      EXPECT_FALSE(got) << n << " bytes";
      EXPECT_FALSE(got.error.empty());
    }
  }
}

// Random damage: whatever happens, the result is an image or a message.
// Under the sanitizers this also proves every read stays inside the input.
TEST(Robustness, RandomDamageNeverCrashes) {
  std::mt19937 rng(20261211);
  for (const Kind k : {C, I}) {
    const Bytes whole = Original(k);
    std::uniform_int_distribution<std::size_t> at(0, whole.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255), count(1, 4);
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
      Bytes b = whole;
      for (int i = count(rng); i > 0; --i) b[at(rng)] = static_cast<std::uint8_t>(byte(rng));
      if (round % 7 == 0) b.resize(at(rng));
      const auto got = Decode(k, b);
      EXPECT_NE(got.value.has_value(), !got.error.empty());
      refused += got ? 0 : 1;
    }
    EXPECT_GT(refused, 0);
  }
}

}  // namespace
}  // namespace veldamo::picture

#include "picture/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "test_seed.h"

namespace veldamo::picture {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8U);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFFU);
  Put16(b, at + 2, v >> 16U);
}

// The colour of palette entry i: 3 bits red, 3 bits green, 2 bits blue.
TColor EntryColor(int i) {
  static constexpr std::uint32_t kRg[8] = {0x00, 0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0, 0xFF};
  static constexpr std::uint32_t kB[4] = {0x00, 0x40, 0x80, 0xFF};
  const auto u = static_cast<unsigned>(i);
  return kRg[u >> 5U] | kRg[(u >> 2U) & 7U] << 8U | kB[u & 3U] << 16U;
}

// The palette index stored for picture pixel (x, y): differs along rows and
// columns so a flipped or shifted row shows.
std::uint8_t IndexAt(int x, int y) { return static_cast<std::uint8_t>(x * 7 + y * 13); }

// A well-formed file in the asset's layout.
Bytes ValidBmp() {
  Bytes b(kBmpFileSize, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, 121078);
  Put32(b, 10, 1078);
  Put32(b, 14, 40);
  Put32(b, 18, 400);
  Put32(b, 22, 300);
  Put16(b, 26, 1);
  Put16(b, 28, 8);
  Put32(b, 34, 120000);
  Put32(b, 38, 3790);
  Put32(b, 42, 3780);
  for (int i = 0; i < 256; ++i) {
    const TColor c = EntryColor(i);
    const auto at = 54 + 4 * static_cast<std::size_t>(i);
    b[at] = static_cast<std::uint8_t>(c >> 16U);     // blue
    b[at + 1] = static_cast<std::uint8_t>(c >> 8U);  // green
    b[at + 2] = static_cast<std::uint8_t>(c);        // red
  }
  for (int r = 0; r < 300; ++r) {
    for (int x = 0; x < 400; ++x) {
      b[1078 + static_cast<std::size_t>(r) * 400 + static_cast<std::size_t>(x)] =
          IndexAt(x, 299 - r);
    }
  }
  return b;
}

TEST(LoadBmp, DecodesRowsBottomUpThroughThePalette) {
  const auto loaded = LoadBmp(ValidBmp());
  ASSERT_TRUE(loaded) << loaded.error;
  EXPECT_TRUE(loaded.error.empty());
  const Surface& s = *loaded.value;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(s.Pixel(x, y), EntryColor(IndexAt(x, y))) << x << "," << y;
    }
  }
}

TEST(LoadBmp, PaletteEntriesBecomeTColorValues) {
  // Entry 224 is red and 28 lime in 0x00BBGGRR; 146 grey, 255 white.
  EXPECT_EQ(EntryColor(224), clRed);
  EXPECT_EQ(EntryColor(28), clLime);
  EXPECT_EQ(EntryColor(146), clGray);
  EXPECT_EQ(EntryColor(255), clWhite);
  Bytes b = ValidBmp();
  b[1078 + 299 * 400] = 224;  // top-left pixel lives in the last stored row
  b[1078] = 28;               // bottom-left pixel in the first
  const auto loaded = LoadBmp(b);
  ASSERT_TRUE(loaded) << loaded.error;
  EXPECT_EQ(loaded.value->Pixel(0, 0), clRed);
  EXPECT_EQ(loaded.value->Pixel(0, 299), clLime);
}

struct Variant {
  const char* name;
  std::function<void(Bytes&)> change;
  const char* error;  // part of the expected message; nullptr when accepted
};

void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }

class LoadBmpVariant : public testing::TestWithParam<Variant> {};

TEST_P(LoadBmpVariant, IsAcceptedOrRefusedWithItsReason) {
  Bytes b = ValidBmp();
  GetParam().change(b);
  const auto loaded = LoadBmp(b);
  if (GetParam().error == nullptr) {
    EXPECT_TRUE(loaded) << loaded.error;
    return;
  }
  ASSERT_FALSE(loaded);
  EXPECT_NE(loaded.error.find(GetParam().error), std::string::npos) << loaded.error;
}

const Variant kVariants[] = {
    {"Empty", [](Bytes& b) { b.clear(); }, "does not start with \"BM\""},
    {"OneByte", [](Bytes& b) { b.resize(1); }, "does not start with \"BM\""},
    {"WrongMagic", [](Bytes& b) { b[1] = 'A'; }, "does not start with \"BM\""},
    {"OnlyMagic", [](Bytes& b) { b.resize(2); }, "truncated: 2 bytes"},
    // Another kind of BMP is named for its kind, not its size.
    {"SmallTrueColourFile",
     [](Bytes& b) {
       b.resize(54 + 4 * 3);
       Put32(b, 2, 66);
       Put32(b, 10, 54);
       Put32(b, 18, 2);
       Put32(b, 22, 2);
       Put16(b, 28, 24);
     },
     "width is 2"},
    {"TrueColourPicture",
     [](Bytes& b) {
       Put16(b, 28, 24);
       Put32(b, 2, 54 + 360000);
     },
     "bits per pixel is 24"},
    {"HeaderCut", [](Bytes& b) { b.resize(53); }, "truncated: 53 bytes, the headers"},
    {"HeadersOnly", [](Bytes& b) { b.resize(54); }, "truncated: 54 bytes, the colour table"},
    {"PaletteCut", [](Bytes& b) { b.resize(1077); }, "truncated: 1077 bytes, the colour table"},
    {"NoPixels", [](Bytes& b) { b.resize(1078); }, "truncated: 1078 bytes, the pixel data"},
    {"LastByteMissing", [](Bytes& b) { b.pop_back(); }, "truncated: 121077 bytes"},
    {"TrailingByte", [](Bytes& b) { b.push_back(0); }, "1 bytes after the pixel data"},
    {"FileSizeField", [](Bytes& b) { Put32(b, 2, 121077); }, "file size field is 121077"},
    {"Reserved1", [](Bytes& b) { Put16(b, 6, 1); }, "reserved"},
    {"Reserved2", [](Bytes& b) { Put16(b, 8, 0x8000); }, "reserved"},
    {"PixelOffset", [](Bytes& b) { Put32(b, 10, 54); }, "pixel data offset is 54"},
    {"CoreHeader", [](Bytes& b) { Put32(b, 14, 12); }, "information header size is 12"},
    {"V5Header", [](Bytes& b) { Put32(b, 14, 124); }, "information header size is 124"},
    {"Width", [](Bytes& b) { Put32(b, 18, 399); }, "width is 399"},
    {"NegativeWidth", [](Bytes& b) { Put32(b, 18, static_cast<std::uint32_t>(-400)); },
     "width is -400"},
    {"Height", [](Bytes& b) { Put32(b, 22, 301); }, "height is 301"},
    {"ZeroHeight", [](Bytes& b) { Put32(b, 22, 0); }, "height is 0"},
    {"TopDown", [](Bytes& b) { Put32(b, 22, static_cast<std::uint32_t>(-300)); },
     "top-down"},
    {"HugeHeight", [](Bytes& b) { Put32(b, 22, 0x7FFFFFFF); }, "height is 2147483647"},
    {"Planes", [](Bytes& b) { Put16(b, 26, 2); }, "plane count is 2"},
    {"TrueColour", [](Bytes& b) { Put16(b, 28, 24); }, "bits per pixel is 24"},
    {"FourBit", [](Bytes& b) { Put16(b, 28, 4); }, "bits per pixel is 4"},
    {"Rle8", [](Bytes& b) { Put32(b, 30, 1); }, "compression is 1"},
    {"Bitfields", [](Bytes& b) { Put32(b, 30, 3); }, "compression is 3"},
    {"ImageSize", [](Bytes& b) { Put32(b, 34, 119999); }, "image size is 119999"},
    {"ColoursUsed16", [](Bytes& b) { Put32(b, 46, 16); }, "colours used is 16"},
    {"ColoursUsed257", [](Bytes& b) { Put32(b, 46, 257); }, "colours used is 257"},
    {"ImportantColours", [](Bytes& b) { Put32(b, 50, 300); }, "important colours is 300"},
    {"PaletteReserved", [](Bytes& b) { b[54 + 4 * 17 + 3] = 1; }, "entry 17"},
    {"LastPaletteReserved", [](Bytes& b) { b[54 + 4 * 255 + 3] = 0xFF; }, "entry 255"},
    // Accepted: fields that the stated layout fixes but that carry no meaning
    // here, or that say the same thing another way.
    {"ImageSizeZero", [](Bytes& b) { Put32(b, 34, 0); }, nullptr},
    {"ColoursUsed256", [](Bytes& b) { Put32(b, 46, 256); }, nullptr},
    {"ImportantColours256", [](Bytes& b) { Put32(b, 50, 256); }, nullptr},
    {"OtherResolution", [](Bytes& b) { Put32(b, 38, 0); Put32(b, 42, 0xFFFFFFFF); }, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Layout, LoadBmpVariant, testing::ValuesIn(kVariants),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// Whatever the bytes, the loader answers with a value or a message and reads
// nothing out of bounds (the sanitizer build checks the reads).
TEST(LoadBmp, SurvivesRandomDamage) {
  const Bytes valid = ValidBmp();
  const std::uint32_t seed = testing_support::TestSeed("random damage");
  std::mt19937 rng(seed);
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::uniform_int_distribution<std::size_t> header_at(0, 1077);
  std::uniform_int_distribution<std::size_t> length(0, kBmpFileSize + 8);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    Bytes b = valid;
    const int flips = 1 + round % 4;
    for (int k = 0; k < flips; ++k) b[header_at(rng)] = static_cast<std::uint8_t>(byte(rng));
    if (round % 3 == 0) b.resize(length(rng), 0);
    const auto loaded = LoadBmp(b);
    EXPECT_NE(loaded.value.has_value(), !loaded.error.empty());
  }
}

}  // namespace
}  // namespace veldamo::picture

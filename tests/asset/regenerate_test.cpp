// The committed picture and preview are exactly what the generator draws.
#include <gtest/gtest.h>

#include <string_view>

#include "asset_view.h"
#include "panda/bmp_writer.h"
#include "panda/drawing.h"
#include "panda/png_writer.h"

namespace veldamo::asset_test {
namespace {

TEST(AssetRegenerate, CommittedFilesMatchTheGeneratorByteForByte) {
  const panda::IndexRaster picture = panda::DrawPicture();
  EXPECT_TRUE(panda::EncodeBmp(picture) == AssetBytes())
      << "resources/panda.bmp is stale: rebuild the panda_assets target";
  EXPECT_TRUE(panda::EncodePngPreview(picture, 2) == ReadFile(VELDAMO_PANDA_PNG))
      << "resources/panda-preview.png is stale: rebuild the panda_assets target";
}

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

TEST(AssetRegenerate, PreviewChecksumsMatchKnownValues) {
  EXPECT_EQ(panda::Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(panda::Crc32(Bytes("")), 0u);
  EXPECT_EQ(panda::Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(panda::Adler32(Bytes("")), 1u);
}

}  // namespace
}  // namespace veldamo::asset_test

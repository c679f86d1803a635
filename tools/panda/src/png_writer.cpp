#include "panda/png_writer.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "panda/bmp_writer.h"

namespace veldamo::panda {

namespace {

// Writes bits least significant first, as deflate packs them.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      acc_ |= ((value >> static_cast<unsigned>(i)) & 1U) << used_;
      if (++used_ == 8) Flush();
    }
  }

  // Huffman codes go most significant bit first.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bits(code >> static_cast<unsigned>(i), 1);
  }

  void Flush() {
    if (used_ == 0) return;
    out_.push_back(static_cast<std::uint8_t>(acc_));
    acc_ = 0;
    used_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint32_t acc_ = 0;
  unsigned used_ = 0;
};

// The fixed literal/length code of deflate.
void Symbol(BitWriter& w, std::uint32_t s) {
  if (s < 144) {
    w.Code(0x30 + s, 8);
  } else if (s < 256) {
    w.Code(0x190 + (s - 144), 9);
  } else if (s < 280) {
    w.Code(s - 256, 7);
  } else {
    w.Code(0xC0 + (s - 280), 8);
  }
}

constexpr std::array<std::uint32_t, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11, 13,
                                                    15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::size_t kMaxMatch = 258;

// A match of `length` (3..258) bytes at distance 1.
void RunMatch(BitWriter& w, std::uint32_t length) {
  std::size_t i = kLengthBase.size() - 1;
  while (kLengthBase[i] > length) --i;
  Symbol(w, 257 + static_cast<std::uint32_t>(i));
  w.Bits(length - kLengthBase[i], kLengthExtra[i]);
  w.Code(0, 5);  // distance code 0: distance 1
}

void Put32Big(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>((v >> static_cast<unsigned>(shift)) & 0xFFU));
  }
}

void Chunk(std::vector<std::uint8_t>& png, std::string_view type,
           std::span<const std::uint8_t> data) {
  Put32Big(png, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type.begin(), type.end());
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  Put32Big(png, Crc32(body));
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const std::uint8_t b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
  }
  return crc ^ 0xFFFFFFFFU;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t v : bytes) {
    a = (a + v) % 65521U;
    b = (b + a) % 65521U;
  }
  return (b << 16U) | a;
}

std::vector<std::uint8_t> ZlibRunLength(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> out{0x78, 0x01};  // deflate, 32 KiB window, no dictionary
  BitWriter w(out);
  w.Bits(1, 1);  // final block
  w.Bits(1, 2);  // fixed Huffman codes
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t run = 0;
    if (i > 0) {
      while (run < kMaxMatch && i + run < bytes.size() && bytes[i + run] == bytes[i - 1]) ++run;
    }
    if (run >= 3) {
      RunMatch(w, static_cast<std::uint32_t>(run));
      i += run;
    } else {
      Symbol(w, bytes[i]);
      ++i;
    }
  }
  Symbol(w, 256);  // end of block
  w.Flush();
  Put32Big(out, Adler32(bytes));
  return out;
}

std::vector<std::uint8_t> EncodePngPreview(const IndexRaster& picture, int scale) {
  const int width = picture.Width() * scale;
  const int height = picture.Height() * scale;
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < height; ++y) {
    // A repeated row is filtered against the one above ("Up"): all zeros.
    const bool repeat = y % scale != 0;
    rows.push_back(repeat ? 2 : 0);
    for (int x = 0; x < width; ++x) {
      rows.push_back(repeat ? 0 : picture.At(x / scale, y / scale));
    }
  }

  std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<std::uint8_t> header;
  Put32Big(header, static_cast<std::uint32_t>(width));
  Put32Big(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 3, 0, 0, 0});  // 8-bit palette indices, no interlace
  Chunk(png, "IHDR", header);
  std::vector<std::uint8_t> palette;
  for (unsigned i = 0; i < 256; ++i) {
    const Rgb c = PaletteEntry(static_cast<std::uint8_t>(i));
    palette.insert(palette.end(), {c.r, c.g, c.b});
  }
  Chunk(png, "PLTE", palette);
  Chunk(png, "IDAT", ZlibRunLength(rows));
  Chunk(png, "IEND", {});
  return png;
}

}  // namespace veldamo::panda

// A minimal PNG writer: 8-bit RGB, filter 0, the image data in stored
// (uncompressed) deflate blocks. Larger files, but no compression library.
#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>

#include "tests/e2e/harness.h"

namespace orvane::e2e {
namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void write_bytes(std::ofstream& file, const std::uint8_t* data, std::size_t n) {
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(n));
}

void put_chunk(std::ofstream& file, std::string_view type, const std::vector<std::uint8_t>& body) {
  const auto* type_bytes = reinterpret_cast<const std::uint8_t*>(type.data());
  std::vector<std::uint8_t> length;
  put32(length, static_cast<std::uint32_t>(body.size()));
  std::vector<std::uint8_t> crc;
  put32(crc, crc32(body.data(), body.size(), crc32(type_bytes, 4)));
  write_bytes(file, length.data(), length.size());
  write_bytes(file, type_bytes, 4);
  write_bytes(file, body.data(), body.size());
  write_bytes(file, crc.data(), crc.size());
}

// zlib stream of stored blocks.
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out{0x78, 0x01};
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(raw.size() - pos, 65535);
    const bool last = pos + n == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(static_cast<std::uint8_t>(n >> 8));
    out.push_back(static_cast<std::uint8_t>(~n));
    out.push_back(static_cast<std::uint8_t>(~n >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
               raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
    pos += n;
  } while (pos < raw.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  put32(out, (b << 16) | a);
  return out;
}

}  // namespace

bool write_png(const std::filesystem::path& file, int width, int height,
               const std::vector<std::uint8_t>& rgb) {
  const std::size_t row = static_cast<std::size_t>(width) * 3;
  if (width <= 0 || height <= 0 || rgb.size() != row * static_cast<std::size_t>(height)) return false;
  std::vector<std::uint8_t> raw;
  raw.reserve((row + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    const auto start = rgb.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y));
    raw.insert(raw.end(), start, start + static_cast<std::ptrdiff_t>(row));
  }

  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(width));
  put32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter 0, no interlace
  put_chunk(out, "IHDR", header);
  put_chunk(out, "IDAT", zlib_stored(raw));
  put_chunk(out, "IEND", {});
  return static_cast<bool>(out);
}

}  // namespace orvane::e2e

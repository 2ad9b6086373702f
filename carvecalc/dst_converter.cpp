#include "dst_converter.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "carvecalc/carve_fault.h"
#include "support/basic_text.h"
#include "support/byte_reader.h"

namespace kw::carvecalc {

namespace {

constexpr size_t kHeaderSize = 512;
constexpr int64_t kMaxStitchCount = 100'000'000;

// The number after a header tag such as "ST:" or "+X:", 0 when the tag is missing.
double HeaderValue(const std::string& header, const std::string& tag) {
  const size_t at = header.find(tag);
  return at == std::string::npos ? 0 : kw::Val(header.substr(at + tag.size(), 12));
}

// The X and Y displacement of one record in 0.1 mm units.
void Displacement(uint8_t b0, uint8_t b1, uint8_t b2, int& dx, int& dy) {
  auto bit = [](uint8_t b, int n) { return (b >> n) & 1; };
  dx = bit(b0, 0) - bit(b0, 1) + 9 * (bit(b0, 2) - bit(b0, 3)) + 3 * (bit(b1, 0) - bit(b1, 1)) +
       27 * (bit(b1, 2) - bit(b1, 3)) + 81 * (bit(b2, 2) - bit(b2, 3));
  dy = bit(b0, 7) - bit(b0, 6) + 9 * (bit(b0, 5) - bit(b0, 4)) + 3 * (bit(b1, 7) - bit(b1, 6)) +
       27 * (bit(b1, 5) - bit(b1, 4)) + 81 * (bit(b2, 5) - bit(b2, 4));
}

std::string StitchText(const std::vector<uint8_t>& bytes) {
  const std::string header(bytes.begin(), bytes.begin() + static_cast<long>(std::min(bytes.size(), kHeaderSize)));
  const double count = HeaderValue(header, "ST:");
  std::string text = "ST," + kw::TextOfDouble(count) + "\n";
  text += "EXTENTS," + kw::TextOfDouble(-HeaderValue(header, "-X:") / 10) + "," +
          kw::TextOfDouble(HeaderValue(header, "+X:") / 10) + "," +
          kw::TextOfDouble(-HeaderValue(header, "-Y:") / 10) + "," +
          kw::TextOfDouble(HeaderValue(header, "+Y:") / 10) + "\n";
  if (bytes.size() <= kHeaderSize) return text;
  // Records run from offset 512 up to byte ST * 3 + 514 (counted from 1), which
  // takes one record beyond the count: the end record of most files.
  const int64_t records = count < 0 ? 0 : count > kMaxStitchCount ? kMaxStitchCount : static_cast<int64_t>(count) + 1;
  kw::ByteReader in(std::span<const uint8_t>(bytes).subspan(kHeaderSize));
  int64_t x = 0, y = 0;
  for (int64_t r = 0; r < records && in.CanRead(3); ++r) {
    const uint8_t b0 = in.U8(), b1 = in.U8(), b2 = in.U8();
    if ((b2 & 0xF3) == 0xF3) break;  // end of the design
    int dx, dy;
    Displacement(b0, b1, b2, dx, dy);
    x += dx, y += dy;
    if (b2 & 0x80) text += (b2 & 0x40) ? "Clr\n" : "Jmp\n";
    else text += kw::TextOfDouble(static_cast<double>(x) / 10) + "," + kw::TextOfDouble(static_cast<double>(y) / 10) + "\n";
  }
  return text;
}

// Writes beside the target first, so a failed write leaves the old file intact.
void WriteAtomically(const std::string& target, const std::string& text) {
  const std::string temp = target + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      throw CarveFault(CarveError::FileAccess, "cannot write " + target);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw CarveFault(CarveError::FileAccess, "cannot write " + target);
  }
}

}  // namespace

void ConvertDst(const std::string& source, const std::string& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in) throw CarveFault(CarveError::FileNotFound, "cannot open " + source);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  WriteAtomically(target, StitchText(bytes));
}

}  // namespace kw::carvecalc

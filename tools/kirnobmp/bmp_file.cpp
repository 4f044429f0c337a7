// Encodes the cells as an uncompressed 4-bit .bmp with a 16-entry colour table.
#include "check_cells.h"

namespace kirnobmp {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The classic 16-colour table as (red, green, blue), with the entries the library patches
// set to the default colours of what they stand for, so the file looks right unpatched too.
constexpr uint8_t kTable[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},     {128, 0, 128},
    {0, 128, 128},   {128, 128, 128}, {192, 192, 192}, {255, 0, 0},   {0, 0, 0},       {255, 255, 255},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255},   {255, 255, 255},
};

}  // namespace

std::vector<uint8_t> EncodeBmp(const std::vector<uint8_t>& pixels) {
  const uint32_t stride = ((kWidth * 4 + 31) / 32) * 4;
  const uint32_t imageSize = stride * kHeight;
  const uint32_t infoSize = 40, tableSize = 16 * 4, fileHeaderSize = 14;
  const uint32_t bitsOffset = fileHeaderSize + infoSize + tableSize;

  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, bitsOffset + imageSize);
  Put32(out, 0);
  Put32(out, bitsOffset);

  Put32(out, infoSize);
  Put32(out, kWidth);
  Put32(out, kHeight);  // positive: rows bottom-up
  Put16(out, 1);        // planes
  Put16(out, 4);        // bits per pixel
  Put32(out, 0);        // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 0);

  for (const auto& entry : kTable) {
    out.push_back(entry[2]);
    out.push_back(entry[1]);
    out.push_back(entry[0]);
    out.push_back(0);
  }

  for (int y = kHeight - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < kWidth; ++x) {
      uint8_t ink = pixels[static_cast<size_t>(y) * kWidth + x] & 0xF;
      row[x / 2] |= (x % 2 == 0) ? static_cast<uint8_t>(ink << 4) : ink;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace kirnobmp

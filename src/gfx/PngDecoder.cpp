#include "gfx/PngDecoder.h"

#include <zlib.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

namespace pendra {

namespace {

constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};

[[noreturn]] void Fail(const std::u16string& why) { throw EInvalidGraphic(u"PNG: " + why + u"."); }

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

const unsigned char* Bytes(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

std::uint32_t Big32(const unsigned char* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

unsigned Big16(const unsigned char* p) { return unsigned{p[0]} << 8 | p[1]; }

struct Chunk {
  std::string_view type;
  std::string_view data;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A chunk the decoder must understand has an upper-case first letter.
bool IsCritical(std::string_view type) { return type[0] >= 'A' && type[0] <= 'Z'; }

// Walks the chunks after the signature, checking the length, type and CRC of each.
class ChunkReader {
 public:
  explicit ChunkReader(std::string_view bytes) : rest_(bytes.substr(kSignature.size())) {}

  Chunk Next() {
    if (rest_.size() < 12) Fail(u"the file ends before its IEND chunk");
    const std::uint32_t length = Big32(Bytes(rest_));
    if (length > 0x7FFFFFFF || length > rest_.size() - 12) Fail(u"a chunk runs past the end of the file");
    Chunk chunk{rest_.substr(4, 4), rest_.substr(8, length)};
    for (char c : chunk.type)
      if (!IsLetter(c)) Fail(u"a chunk has an invalid type");
    const uLong crc = crc32(0, Bytes(rest_) + 4, static_cast<uInt>(length + 4));
    if (crc != Big32(Bytes(rest_) + 8 + length)) Fail(u"CRC mismatch in chunk " + Widen(chunk.type));
    rest_.remove_prefix(12 + length);
    return chunk;
  }

 private:
  std::string_view rest_;
};

enum ColourType { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

struct Header {
  int width = 0;
  int height = 0;
  int bitDepth = 0;
  int colourType = 0;
  bool interlaced = false;

  int Channels() const {
    switch (colourType) {
      case kRgb: return 3;
      case kGreyAlpha: return 2;
      case kRgba: return 4;
      default: return 1;
    }
  }
  int BitsPerPixel() const { return Channels() * bitDepth; }
  // The distance at which the row filters look back: one pixel, at least one byte.
  int FilterStride() const { return BitsPerPixel() < 8 ? 1 : BitsPerPixel() / 8; }
  std::size_t RowBytes(int pixels) const { return (static_cast<std::size_t>(pixels) * BitsPerPixel() + 7) / 8; }
};

bool IsAllowedDepth(int colourType, int depth) {
  switch (colourType) {
    case kGrey: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case kPalette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case kRgb:
    case kGreyAlpha:
    case kRgba: return depth == 8 || depth == 16;
    default: return false;
  }
}

Header ParseHeader(std::string_view data) {
  if (data.size() != 13) Fail(u"the IHDR chunk has the wrong length");
  const unsigned char* p = Bytes(data);
  const std::uint32_t width = Big32(p);
  const std::uint32_t height = Big32(p + 4);
  if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) Fail(u"invalid picture size");
  CheckPictureSize(width, height);
  Header header{static_cast<int>(width), static_cast<int>(height), p[8], p[9], p[12] == 1};
  if (!IsAllowedDepth(header.colourType, header.bitDepth)) Fail(u"invalid colour type or bit depth");
  if (p[10] != 0 || p[11] != 0 || p[12] > 1) Fail(u"unknown compression, filter or interlace method");
  return header;
}

// Palette and transparency of a picture, as its PLTE and tRNS chunks give them.
struct Colours {
  std::vector<std::uint32_t> palette;                  // straight 0xAARRGGBB
  std::optional<std::array<unsigned, 3>> transparent;  // grey or RGB samples at full depth
};

void ReadPalette(std::string_view data, Colours& colours) {
  if (data.empty() || data.size() % 3 != 0 || data.size() > 3 * 256) Fail(u"invalid PLTE chunk");
  if (!colours.palette.empty()) Fail(u"more than one PLTE chunk");
  const unsigned char* p = Bytes(data);
  for (std::size_t i = 0; i < data.size(); i += 3)
    colours.palette.push_back(0xFF000000u | std::uint32_t{p[i]} << 16 | std::uint32_t{p[i + 1]} << 8 | p[i + 2]);
}

void ReadTransparency(const Header& header, std::string_view data, Colours& colours) {
  const unsigned char* p = Bytes(data);
  switch (header.colourType) {
    case kGrey:
      if (data.size() != 2) Fail(u"invalid tRNS chunk");
      colours.transparent = std::array<unsigned, 3>{Big16(p), 0, 0};
      break;
    case kRgb:
      if (data.size() != 6) Fail(u"invalid tRNS chunk");
      colours.transparent = std::array<unsigned, 3>{Big16(p), Big16(p + 2), Big16(p + 4)};
      break;
    case kPalette:
      if (colours.palette.empty() || data.size() > colours.palette.size()) Fail(u"invalid tRNS chunk");
      for (std::size_t i = 0; i < data.size(); ++i)
        colours.palette[i] = (colours.palette[i] & 0x00FFFFFFu) | std::uint32_t{p[i]} << 24;
      break;
    default:  // pictures with an alpha channel have no use for tRNS
      break;
  }
}

// One sample of a row: 1, 2, 4, 8 or 16 bits, packed from the most significant bit.
unsigned Sample(const unsigned char* row, std::size_t index, int depth) {
  if (depth == 16) return Big16(row + 2 * index);
  if (depth == 8) return row[index];
  const std::size_t bit = index * depth;
  return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
}

unsigned ToEightBits(unsigned sample, int depth) {
  if (depth == 16) return sample >> 8;
  if (depth == 8) return sample;
  return sample * 255 / ((1u << depth) - 1);
}

// Turns the samples of one unfiltered row into premultiplied pixels.
class PixelReader {
 public:
  PixelReader(const Header& header, const Colours& colours) : header_(header), colours_(colours) {}

  std::uint32_t Read(const unsigned char* row, int x) const {
    const int depth = header_.bitDepth;
    const std::size_t n = static_cast<std::size_t>(x) * header_.Channels();
    auto eight = [&](std::size_t i) { return ToEightBits(Sample(row, n + i, depth), depth); };
    switch (header_.colourType) {
      case kGrey: {
        const unsigned grey = Sample(row, n, depth);
        const bool clear = colours_.transparent && (*colours_.transparent)[0] == grey;
        const unsigned g = ToEightBits(grey, depth);
        return PremultipliedPixel(g, g, g, clear ? 0 : 255);
      }
      case kRgb: {
        const std::array<unsigned, 3> rgb{Sample(row, n, depth), Sample(row, n + 1, depth), Sample(row, n + 2, depth)};
        const bool clear = colours_.transparent && *colours_.transparent == rgb;
        return PremultipliedPixel(ToEightBits(rgb[0], depth), ToEightBits(rgb[1], depth), ToEightBits(rgb[2], depth),
                                  clear ? 0 : 255);
      }
      case kPalette: {
        const unsigned index = Sample(row, n, depth);
        if (index >= colours_.palette.size()) Fail(u"a pixel refers past the end of the palette");
        const std::uint32_t c = colours_.palette[index];
        return PremultipliedPixel(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF, c >> 24);
      }
      case kGreyAlpha: return PremultipliedPixel(eight(0), eight(0), eight(0), eight(1));
      default: return PremultipliedPixel(eight(0), eight(1), eight(2), eight(3));
    }
  }

 private:
  const Header& header_;
  const Colours& colours_;
};

// Where the pixels of one pass lie: every dx-th column from x0, every dy-th row from y0.
struct Pass {
  int x0, y0, dx, dy;
};
constexpr std::array<Pass, 1> kWholePicture{{{0, 0, 1, 1}}};
constexpr std::array<Pass, 7> kAdam7{
    {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};

int PassExtent(int size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

std::vector<unsigned char> Inflate(std::string_view compressed, std::size_t expected) {
  // Deflate cannot expand one byte into more than 1032; refusing earlier spares the
  // allocation a forged header would ask for.
  if (expected / 1032 > compressed.size()) Fail(u"the image data ends early");
  if (compressed.size() > UINT_MAX || expected > UINT_MAX) Fail(u"the image data is too large");
  std::vector<unsigned char> raw(expected);
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) Fail(u"the image data cannot be unpacked");
  stream.next_in = const_cast<Bytef*>(Bytes(compressed));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = raw.data();
  stream.avail_out = static_cast<uInt>(expected);
  const int status = inflate(&stream, Z_FINISH);
  const bool complete = stream.avail_out == 0;
  inflateEnd(&stream);
  if (status == Z_DATA_ERROR || status == Z_NEED_DICT) Fail(u"the image data is damaged");
  // More data than the picture needs is ignored, as long as what it needs is sound.
  if (!complete) Fail(u"the image data ends early");
  return raw;
}

void UnfilterRows(unsigned char* rows, std::size_t rowBytes, int count, int stride) {
  std::vector<unsigned char> zeros(rowBytes);
  const unsigned char* prior = zeros.data();
  for (int y = 0; y < count; ++y) {
    unsigned char* row = rows + y * (rowBytes + 1);
    const unsigned char filter = row[0];
    unsigned char* line = row + 1;
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int left = i >= static_cast<std::size_t>(stride) ? line[i - stride] : 0;
      const int up = prior[i];
      const int upLeft = i >= static_cast<std::size_t>(stride) ? prior[i - stride] : 0;
      switch (filter) {
        case 0: break;
        case 1: line[i] = static_cast<unsigned char>(line[i] + left); break;
        case 2: line[i] = static_cast<unsigned char>(line[i] + up); break;
        case 3: line[i] = static_cast<unsigned char>(line[i] + (left + up) / 2); break;
        case 4: {
          const int p = left + up - upLeft;
          const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
          const int predictor = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
          line[i] = static_cast<unsigned char>(line[i] + predictor);
          break;
        }
        default: Fail(u"unknown row filter");
      }
    }
    prior = line;
  }
}

template <std::size_t N>
Picture DecodePasses(const Header& header, const Colours& colours, std::string_view compressed,
                     const std::array<Pass, N>& passes) {
  std::size_t total = 0;
  for (const Pass& pass : passes) {
    const int w = PassExtent(header.width, pass.x0, pass.dx), h = PassExtent(header.height, pass.y0, pass.dy);
    if (w > 0 && h > 0) total += h * (header.RowBytes(w) + 1);
  }
  std::vector<unsigned char> raw = Inflate(compressed, total);

  Picture picture{header.width, header.height, {}};
  picture.pixels.resize(static_cast<std::size_t>(header.width) * header.height);
  const PixelReader reader(header, colours);
  unsigned char* rows = raw.data();
  for (const Pass& pass : passes) {
    const int w = PassExtent(header.width, pass.x0, pass.dx), h = PassExtent(header.height, pass.y0, pass.dy);
    if (w == 0 || h == 0) continue;
    const std::size_t rowBytes = header.RowBytes(w);
    UnfilterRows(rows, rowBytes, h, header.FilterStride());
    for (int j = 0; j < h; ++j) {
      const unsigned char* line = rows + j * (rowBytes + 1) + 1;
      std::uint32_t* out = &picture.pixels[static_cast<std::size_t>(pass.y0 + j * pass.dy) * header.width];
      for (int i = 0; i < w; ++i) out[pass.x0 + i * pass.dx] = reader.Read(line, i);
    }
    rows += h * (rowBytes + 1);
  }
  return picture;
}

}  // namespace

bool HasPngSignature(std::string_view bytes) { return bytes.substr(0, kSignature.size()) == kSignature; }

Picture DecodePng(std::string_view bytes) {
  if (!HasPngSignature(bytes)) Fail(u"the PNG signature is missing");
  ChunkReader chunks(bytes);
  const Chunk first = chunks.Next();
  if (first.type != "IHDR") Fail(u"the file does not begin with an IHDR chunk");
  const Header header = ParseHeader(first.data);

  Colours colours;
  std::string compressed;
  enum { kBeforeData, kInData, kAfterData } stage = kBeforeData;
  for (Chunk chunk = chunks.Next(); chunk.type != "IEND"; chunk = chunks.Next()) {
    if (chunk.type == "IDAT") {
      if (stage == kAfterData) Fail(u"the IDAT chunks are not consecutive");
      stage = kInData;
      compressed.append(chunk.data);
      continue;
    }
    if (stage == kInData) stage = kAfterData;
    if (chunk.type == "PLTE" || chunk.type == "tRNS") {
      if (stage != kBeforeData) Fail(Widen(chunk.type) + u" follows the image data");
      if (chunk.type == "tRNS")
        ReadTransparency(header, chunk.data, colours);
      else if (header.colourType != kGrey && header.colourType != kGreyAlpha)
        ReadPalette(chunk.data, colours);
    } else if (IsCritical(chunk.type)) {
      Fail(u"unexpected critical chunk " + Widen(chunk.type));
    }
  }
  if (stage == kBeforeData) Fail(u"the file holds no image data");
  if (header.colourType == kPalette && colours.palette.empty()) Fail(u"the palette is missing");
  if (header.interlaced) return DecodePasses(header, colours, compressed, kAdam7);
  return DecodePasses(header, colours, compressed, kWholePicture);
}

}  // namespace pendra

#include "core/imaging/dib_image.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <streambuf>
#include <utility>

#include "core/base/paths.h"

namespace lumetta {

void FreeDeleter::operator()(std::uint8_t* p) const { std::free(p); }

PixelBlock AllocatePixels(std::size_t size, bool zeroed) {
  const std::size_t n = size == 0 ? 1 : size;
  void* p = zeroed ? std::calloc(n, 1) : std::malloc(n);
  if (p == nullptr) throw EOutOfResources("GetMemory: Cannot Make File Mapping Object");
  return PixelBlock(static_cast<std::uint8_t*>(p));
}

std::unique_ptr<TDibData> TDibData::Create(std::int32_t width, std::int32_t height, int colours, int bit_count) {
  const bool valid_bits = bit_count == 1 || bit_count == 4 || bit_count == 8 || bit_count == 24;
  if (width <= 0 || height == 0 || colours < 0 || colours > 256 || !valid_bits) {
    throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
  }
  const std::int64_t abs_height = height < 0 ? -std::int64_t{height} : std::int64_t{height};
  if (std::int64_t{width} * abs_height > kMaxPixels) {
    throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
  }
  auto store = std::make_unique<TDibData>();
  store->header.biSize = 40;
  store->header.biWidth = width;
  store->header.biHeight = height;
  store->header.biPlanes = 1;
  store->header.biBitCount = static_cast<std::uint16_t>(bit_count);
  store->header.biCompression = BI_RGB;
  store->header.biSizeImage = 0;
  store->header.biXPelsPerMeter = 3780;
  store->header.biYPelsPerMeter = 3780;
  store->header.biClrUsed = static_cast<std::uint32_t>(colours);
  store->header.biClrImportant = 0;
  store->width = width;
  store->height = static_cast<std::int32_t>(abs_height);
  store->image_size = static_cast<std::size_t>(abs_height * StrideFor(width, bit_count));
  store->bits = AllocatePixels(store->image_size, true);
  store->palette_modified = true;
  return store;
}

std::unique_ptr<TDibData> TDibData::Clone() const {
  auto copy = std::make_unique<TDibData>();
  copy->header = header;
  copy->colours = colours;
  copy->width = width;
  copy->height = height;
  copy->image_size = image_size;
  copy->bits = AllocatePixels(image_size, false);
  std::memcpy(copy->bits.get(), bits.get(), image_size);
  copy->palette_modified = palette_modified;
  copy->uses_mapping = uses_mapping;
  return copy;
}

TDibPixelFormat TDibData::PixelFormat() const {
  switch (header.biBitCount) {
    case 1:
      if (header.biCompression == BI_RGB) return TDibPixelFormat::dpf1Bit;
      throw EDibInvalidDIB("TDibData.GetPixelFormat: Invalid DIB(1Bit)");
    case 4:
      if (header.biCompression == BI_RGB) return TDibPixelFormat::dpf4Bit;
      if (header.biCompression == BI_RLE4) return TDibPixelFormat::dpf4BitRLE;
      throw EDibInvalidDIB("TDibData.GetPixelFormat: Invalid DIB(4Bit)");
    case 8:
      if (header.biCompression == BI_RGB) return TDibPixelFormat::dpf8Bit;
      if (header.biCompression == BI_RLE8) return TDibPixelFormat::dpf8BitRLE;
      throw EDibInvalidDIB("TDibData.GetPixelFormat: Invalid DIB(8Bit)");
    case 24:
      if (header.biCompression == BI_RGB) return TDibPixelFormat::dpf24Bit;
      throw EDibInvalidDIB("TDibData.GetPixelFormat: Invalid DIB(24Bit)");
    default:
      throw EDibInvalidDIB("TDibData.GetPixelFormat: Invalid DIB(Illegal BitCount)");
  }
}

TDibImage::TDibImage() : data_(TDibData::Create(1, 1, 256, 8)) {}

TDibImage::~TDibImage() = default;

TDibImage::TDibImage(const TDibImage& other)
    : ConvertQuality(other.ConvertQuality),
      BGColor(other.BGColor),
      HalftoneMode(other.HalftoneMode),
      data_(other.data_) {}

TDibImage& TDibImage::operator=(const TDibImage& other) {
  Assign(other);
  return *this;
}

namespace {
std::int64_t AbsHeight(std::int32_t height) { return height < 0 ? -std::int64_t{height} : std::int64_t{height}; }

int ColourCountOf(const TDibData& store) {
  return static_cast<int>(store.header.biClrUsed > 256 ? 256 : store.header.biClrUsed);
}
}  // namespace

void TDibImage::SetWidth(std::int32_t width) {
  if (width <= 0) throw EDibInvalidDIBPara("TDibImage.SetWidth: Invalid Width");
  if (width == data_->width) return;
  data_ = TDibData::Create(width, data_->height, ColourCountOf(*data_), data_->header.biBitCount);
}

void TDibImage::SetHeight(std::int32_t height) {
  if (height == 0) throw EDibInvalidDIBPara("TDibImage.SetHeight: Invalid Height");
  if (AbsHeight(height) == data_->height) return;
  data_ = TDibData::Create(data_->width, height, ColourCountOf(*data_), data_->header.biBitCount);
}

void TDibImage::SetSize(std::int32_t width, std::int32_t height) {
  if (width <= 0) throw EDibInvalidDIBPara("TDibImage.SetWidth: Invalid Width");
  if (height == 0) throw EDibInvalidDIBPara("TDibImage.SetHeight: Invalid Height");
  if (width == data_->width && AbsHeight(height) == data_->height) return;
  data_ = TDibData::Create(width, height, ColourCountOf(*data_), data_->header.biBitCount);
}

void TDibImage::SetBitCount(int bit_count) {
  if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 24) {
    throw EDibInvalidDIBPara("TDibImage.SetBitCount: Invalid BitCount");
  }
  if (bit_count == data_->header.biBitCount) return;
  data_ = TDibData::Create(data_->width, data_->height, bit_count <= 8 ? 1 << bit_count : 0, bit_count);
}

void TDibImage::SetPixelFormat(TDibPixelFormat format) {
  if (format != TDibPixelFormat::dpf24Bit) {
    throw EDibInvalidDIBPara("TDibImage.SetPixelFormat: only 24 bits per pixel is supported");
  }
  if (PixelFormat() == TDibPixelFormat::dpf24Bit) return;
  data_ = ConvertStoreTo24Bit(*data_);
}

std::uint32_t TDibImage::Pixels(std::int32_t x, std::int32_t y) const {
  if (!data_->HoldsRows()) throw EDibBadDIBType("TDibImage.GetPixels: Bad DIB Type");
  if (x < 0 || x >= data_->width || y < 0 || y >= data_->height) {
    throw EDibPixelPositionRange("TDibImage.GetPixels: Pixel Position is Out of Range");
  }
  const std::uint8_t* row = RowUnchecked(y);
  switch (data_->header.biBitCount) {
    case 24: {
      const std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
      return std::uint32_t{p[2]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[0]} << 16;
    }
    case 8:
      return row[x];
    case 4:
      return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    case 1:
      return (row[x / 8] >> (7 - x % 8)) & 1;
    default:
      throw EDibBadDIBType("TDibImage.GetPixels: Bad DIB Type");
  }
}

void TDibImage::SetPixels(std::int32_t x, std::int32_t y, std::uint32_t colour) {
  MakeUnique();
  if (!data_->HoldsRows()) throw EDibBadDIBType("TDibImage.SetPixels: Bad DIB Type");
  if (x < 0 || x >= data_->width || y < 0 || y >= data_->height) {
    throw EDibPixelPositionRange("TDibImage.SetPixels: Pixel Position is Out of Range");
  }
  std::uint8_t* row = RowUnchecked(y);
  switch (data_->header.biBitCount) {
    case 24: {
      if (colour & 0x80000000u) throw EDibPixelPositionRange("TDibImage.SetPixels: Pixel Position is Out of Range");
      std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
      p[0] = static_cast<std::uint8_t>(colour >> 16);
      p[1] = static_cast<std::uint8_t>(colour >> 8);
      p[2] = static_cast<std::uint8_t>(colour);
      return;
    }
    case 8:
      if (colour > 255) throw EDibPixelPositionRange("TDibImage.SetPixels: Pixel Position is Out of Range");
      row[x] = static_cast<std::uint8_t>(colour);
      return;
    case 4: {
      std::uint8_t& b = row[x / 2];
      const auto nibble = static_cast<std::uint8_t>(colour & 0x0F);
      b = x % 2 == 0 ? static_cast<std::uint8_t>((b & 0x0F) | nibble << 4) : static_cast<std::uint8_t>((b & 0xF0) | nibble);
      return;
    }
    case 1: {
      std::uint8_t& b = row[x / 8];
      const auto mask = static_cast<std::uint8_t>(0x80 >> (x % 8));
      b = colour != 0 ? static_cast<std::uint8_t>(b | mask) : static_cast<std::uint8_t>(b & ~mask);
      return;
    }
    default:
      throw EDibBadDIBType("TDibImage.SetPixels: Bad DIB Type");
  }
}

std::uint8_t* TDibImage::ScanLine(std::int32_t y) {
  MakeUnique();
  return const_cast<std::uint8_t*>(std::as_const(*this).ScanLine(y));
}

const std::uint8_t* TDibImage::ScanLine(std::int32_t y) const {
  if (y < 0 || y >= data_->height) throw EDibPixelPositionRange("TDibImage.GetScanLine: y is Out of Range");
  if (!data_->HoldsRows()) throw EDibBadDIBType("TDibImage.GetScanLine: Bad DIB Type");
  return RowUnchecked(y);
}

void TDibImage::Assign(const TDibImage& source) {
  if (&source == this) return;
  data_ = source.data_;
  BGColor = source.BGColor;
  ConvertQuality = source.ConvertQuality;
  HalftoneMode = source.HalftoneMode;
  data_->palette_modified = true;
}

void TDibImage::AssignNull() { data_ = TDibData::Create(1, 1, 256, 8); }

void TDibImage::MakeUnique() {
  if (data_.use_count() > 1) data_ = data_->Clone();
}

void TDibImage::TakeStore(std::unique_ptr<TDibData> store) { data_ = std::move(store); }

void TDibImage::LoadFromStream(std::istream& in) { data_ = ReadBmpStore(in); }

namespace {
// A read-only stream over bytes in memory, so that loading from memory makes
// no copy of them.
class MemoryBuffer : public std::streambuf {
 public:
  MemoryBuffer(const void* bytes, std::size_t size) {
    char* begin = const_cast<char*>(static_cast<const char*>(bytes));
    setg(begin, begin, begin + size);
  }

 protected:
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override {
    if (!(which & std::ios_base::in)) return pos_type(off_type(-1));
    const off_type base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? gptr() - eback() : egptr() - eback();
    const off_type target = base + off;
    if (target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
    setg(eback(), eback() + target, egptr());
    return pos_type(target);
  }
  pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
    return seekoff(off_type(pos), std::ios_base::beg, which);
  }
};
}  // namespace

void TDibImage::LoadFromMemory(const void* bytes, std::size_t size) {
  MemoryBuffer buffer(bytes, size);
  std::istream in(&buffer);
  LoadFromStream(in);
}

void TDibImage::LoadFromFile(std::string_view path) {
  std::ifstream in(ToFsPath(path), std::ios::binary);
  if (!in) throw EDibInvalidDIBFile("TDibData.LoadFromFile: cannot open " + std::string(path));
  LoadFromStream(in);
}

void TDibImage::SaveToStream(std::ostream& out) const { WriteBmpStore(*data_, out); }

void TDibImage::SaveToFile(std::string_view path) const {
  std::ofstream out(ToFsPath(path), std::ios::binary | std::ios::trunc);
  if (!out) throw EDibInvalidDIBFile("TDibImage.SaveToFile: cannot create " + std::string(path));
  SaveToStream(out);
  out.flush();
  if (!out) throw EDibInvalidDIBFile("TDibImage.SaveToFile: cannot write " + std::string(path));
}

void TDibImage::Fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  FillRect(0, 0, Width(), Height(), red, green, blue);
}

void TDibImage::FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                         std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  if (BitCount() != 24 || !data_->HoldsRows()) throw EDibBadDIBType("TDibImage.FillRect: Bad DIB Type");
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  if (right > Width()) right = Width();
  if (bottom > Height()) bottom = Height();
  if (left >= right || top >= bottom) return;
  MakeUnique();
  for (std::int32_t y = top; y < bottom; ++y) {
    std::uint8_t* p = RowUnchecked(y) + static_cast<std::size_t>(left) * 3;
    if (red == green && green == blue) {
      std::memset(p, red, static_cast<std::size_t>(right - left) * 3);
      continue;
    }
    for (std::int32_t x = left; x < right; ++x, p += 3) {
      p[0] = blue;
      p[1] = green;
      p[2] = red;
    }
  }
}

}  // namespace lumetta

// The Exif walk behind the information panel: IFD0 (model, software, maker,
// orientation, the Exif pointer) and the Exif IFD (date, exposure, flash, …),
// nothing else. Types and counts of entries are not examined; every value is
// read through checked reads, so that a damaged file ends the walk with the
// truncated-file result instead of a read outside it.
#include <algorithm>
#include <optional>
#include <string>

#include "core/base/binary_file.h"
#include "core/base/paths.h"
#include "core/imaging/exif_segment.h"
#include "core/imaging/tiff_directory.h"
#include "core/records/exif_info.h"
#include "core/records/exif_texts.h"

namespace lumetta {

namespace {

// One read brings in the start of the file, where a JPEG's Exif block lies.
constexpr std::size_t kReadSize = 65536;

constexpr std::uint16_t kMake = 0x010F;
constexpr std::uint16_t kModel = 0x0110;
constexpr std::uint16_t kOrientation = 0x0112;
constexpr std::uint16_t kSoftware = 0x0131;
constexpr std::uint16_t kExifIfdPointer = 0x8769;
constexpr std::uint16_t kExposureTime = 0x829A;
constexpr std::uint16_t kFNumber = 0x829D;
constexpr std::uint16_t kIsoSpeedRatings = 0x8827;
constexpr std::uint16_t kDateTimeOriginal = 0x9003;
constexpr std::uint16_t kShutterSpeedValue = 0x9201;
constexpr std::uint16_t kExposureBiasValue = 0x9204;
constexpr std::uint16_t kFlash = 0x9209;
constexpr std::uint16_t kFocalLength = 0x920A;
constexpr std::uint16_t kPixelXDimension = 0xA002;
constexpr std::uint16_t kPixelYDimension = 0xA003;
constexpr std::uint16_t kSharpness = 0xA40A;

// A string value shows at most this many bytes.
constexpr std::uint64_t kMaxStringBytes = 255;

// Where the TIFF header lies in the export's copy of the segment: after
// FF D8, FF E1, the length word and "Exif\0\0".
constexpr std::int64_t kHeaderInApp1Bytes = 12;

enum class ExifContainer { None, Jpeg, Tiff };

ExifContainer ContainerOf(std::string_view extension) {
  if (extension == ".jpg" || extension == ".jpe" || extension == ".jpeg") return ExifContainer::Jpeg;
  if (extension == ".tif" || extension == ".tiff") return ExifContainer::Tiff;
  return ExifContainer::None;
}

struct IfdEntry {
  std::uint64_t at = 0;  // offset of the entry from the TIFF header
  std::uint16_t tag = 0;
  std::uint32_t count = 0;
  std::uint8_t value[4] = {};
};

template <typename Source>
class ExifWalk {
 public:
  ExifWalk(Source& source, ExifReading& out) : source_(source), out_(out), info_(out.Info) {}

  void Run(ExifContainer container) {
    if (container == ExifContainer::None) return;
    try {
      if (container == ExifContainer::Jpeg) {
        const std::optional<ExifSegment> segment = FindExifSegment(source_);
        if (!segment) return;
        info_.App1Length = segment->length;
        base_ = segment->Base();
        segment_end_ = segment->End();
        KeepApp1Bytes(*segment);
      }
      order_ = tiff::OrderOf(source_, base_);
      info_.IntelByteOrder = order_ == ByteOrder::LittleEndian;
      ReadIfd0(tiff::FirstDirectoryOffset(source_, order_, base_));
      FillPanel();
    } catch (const EBinaryRead&) {
      out_.Truncated = true;
      info_.App1Length = 0;
      info_.App1Bytes.clear();
      info_.OrientationEntryPos = info_.WidthEntryPos = info_.HeightEntryPos = 0;
    }
  }

 private:
  void KeepApp1Bytes(const ExifSegment& segment) {
    const std::uint64_t size = 2 + std::uint64_t{segment.length};
    if (!source_.Holds(segment.start, size)) return;
    info_.App1Bytes.assign(2 + size, 0);
    info_.App1Bytes[0] = 0xFF;
    info_.App1Bytes[1] = 0xD8;
    source_.ReadAt(segment.start, info_.App1Bytes.data() + 2, static_cast<std::size_t>(size));
  }

  std::uint16_t U16(std::uint64_t offset) { return source_.U16At(base_ + offset, order_); }

  IfdEntry Entry(std::uint64_t at) {
    std::uint8_t bytes[12];
    source_.ReadAt(base_ + at, bytes, sizeof bytes);
    IfdEntry e;
    e.at = at;
    e.tag = GetU16(bytes, order_);
    e.count = GetU32(bytes + 4, order_);
    std::copy(bytes + 8, bytes + 12, e.value);
    return e;
  }

  std::uint32_t ValueField(const IfdEntry& e) const { return GetU32(e.value, order_); }
  std::uint16_t FirstShort(const IfdEntry& e) const { return GetU16(e.value, order_); }

  // Where the entry's type field lies in the export's copy of the segment.
  static std::int64_t TypeFieldPos(const IfdEntry& e) {
    return kHeaderInApp1Bytes + static_cast<std::int64_t>(e.at) + 2;
  }

  // A string of up to four bytes lies in the entry; a longer one at the
  // offset, capped, and in a JPEG never read past the Exif segment. The
  // count normally includes a closing zero byte, where the text ends; some
  // cameras leave it out (Kodak's 32-character models), so the whole count
  // is read rather than one byte less.
  std::string String(const IfdEntry& e) {
    if (e.count <= 4) return ExifStringText(std::string_view(reinterpret_cast<const char*>(e.value), e.count));
    const std::uint64_t at = base_ + ValueField(e);
    std::uint64_t size = std::min<std::uint64_t>(e.count, kMaxStringBytes);
    if (segment_end_) size = at < *segment_end_ ? std::min(size, *segment_end_ - at) : 0;
    if (size == 0) return "";
    std::string bytes(static_cast<std::size_t>(size), '\0');
    source_.ReadAt(at, bytes.data(), bytes.size());
    return ExifStringText(bytes);
  }

  struct Rational {
    std::uint32_t n = 0;
    std::uint32_t d = 0;
  };

  Rational RationalOf(const IfdEntry& e) {
    std::uint8_t bytes[8];
    source_.ReadAt(base_ + ValueField(e), bytes, sizeof bytes);
    return {GetU32(bytes, order_), GetU32(bytes + 4, order_)};
  }

  void ReadIfd0(std::uint64_t ifd) {
    const std::uint16_t count = U16(ifd);
    for (std::uint32_t i = 0; i < count; ++i) {
      const IfdEntry e = Entry(ifd + 2 + 12 * std::uint64_t{i});
      switch (e.tag) {
        case kModel:
          info_.ModelText = ModelText(String(e));
          break;
        case kSoftware:
          info_.VersionText = VersionText(String(e));
          break;
        case kMake:
          info_.MakerText = MakerText(String(e));
          out_.Panel.MakerLbl = "(" + info_.MakerText + ")";
          break;
        case kOrientation:
          info_.OrientationEntryPos = TypeFieldPos(e);
          break;
        case kExifIfdPointer:
          // Only the first pointer is followed: a directory of thousands of
          // pointers cannot make the walk read the Exif IFD thousands of
          // times.
          if (e.count == 1 && !exif_ifd_read_) {
            exif_ifd_read_ = true;
            ReadExifIfd(ValueField(e));
          }
          break;
        default:
          break;
      }
    }
  }

  void ReadExifIfd(std::uint64_t ifd) {
    const std::uint16_t count = U16(ifd);
    for (std::uint32_t j = 0; j < count; ++j) {
      const IfdEntry e = Entry(ifd + 2 + 12 * std::uint64_t{j});
      switch (e.tag) {
        case kDateTimeOriginal: {
          char text[19];
          source_.ReadAt(base_ + ValueField(e), text, sizeof text);
          info_.ShotDate = ShotDateText(text);
          info_.ShotTime = ShotTimeText(text);
          out_.Panel.HidukeLbl = info_.ShotDate;
          out_.Panel.TimeLbl = info_.ShotTime;
          break;
        }
        case kFNumber: {
          const Rational r = RationalOf(e);
          info_.ApertureText = ApertureText(r.n, r.d);
          break;
        }
        case kExposureTime: {
          const Rational r = RationalOf(e);
          std::string text = ExposureTimeText(r.n, r.d);
          if (!text.empty()) info_.ExposureText = std::move(text);
          break;
        }
        case kShutterSpeedValue:
          if (info_.ExposureText.empty()) {
            const Rational r = RationalOf(e);
            info_.ExposureText = ShutterSpeedText(static_cast<std::int32_t>(r.n), static_cast<std::int32_t>(r.d));
          }
          break;
        case kIsoSpeedRatings:
          if (FirstShort(e) != 0) info_.IsoText = IsoText(FirstShort(e));
          break;
        case kFlash:
          if ((FirstShort(e) & 1) != 0) info_.FlashMark = FlashMark(FirstShort(e));
          break;
        case kExposureBiasValue: {
          const Rational r = RationalOf(e);
          info_.BiasText = BiasText(static_cast<std::int32_t>(r.n), static_cast<std::int32_t>(r.d));
          break;
        }
        case kSharpness:
          info_.SharpnessText = SharpnessText(FirstShort(e));
          break;
        case kFocalLength: {
          const Rational r = RationalOf(e);
          info_.FocalText = FocalText(r.n, r.d);
          break;
        }
        case kPixelXDimension:
          info_.WidthEntryPos = TypeFieldPos(e);
          break;
        case kPixelYDimension:
          info_.HeightEntryPos = TypeFieldPos(e);
          break;
        default:
          break;
      }
    }
  }

  void FillPanel() {
    InfoPanelTexts& p = out_.Panel;
    p.CameraLbl = info_.ModelText + info_.VersionText;
    p.SatsueiLbl = info_.ApertureText + info_.ExposureText + info_.IsoText;
    p.StrobeLbl = info_.FlashMark;
    p.SatsueiLbl2 = info_.BiasText + info_.FocalText + info_.SharpnessText;
  }

  Source& source_;
  ExifReading& out_;
  ExifInfo& info_;
  std::uint64_t base_ = 0;
  std::optional<std::uint64_t> segment_end_;
  ByteOrder order_ = ByteOrder::BigEndian;
  bool exif_ifd_read_ = false;
};

template <typename Source>
ExifReading ReadExif(Source& source, std::string_view extension) {
  ExifReading reading;
  reading.Panel.FileSizeLbl = FileSizeCaption(source.Size());
  ExifWalk<Source>(source, reading).Run(ContainerOf(extension));
  return reading;
}

}  // namespace

ExifReading ReadExifInfo(std::string_view path) {
  if (!IsRegularFile(path)) throw EExifRead("cannot open " + std::string(path));
  try {
    BinaryFile file(path, kReadSize);
    return ReadExif(file, CompareExtension(path));
  } catch (const EBinaryRead& e) {
    // Reads past the end are handled by the walk; this is the file itself.
    throw EExifRead(e.what());
  }
}

ExifReading ReadExifInfoOfBytes(const std::uint8_t* data, std::size_t size, std::string_view extension) {
  MemoryBytes bytes(data, size);
  return ReadExif(bytes, extension);
}

}  // namespace lumetta

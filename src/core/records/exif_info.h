#pragma once
// The shooting information of a photo, read from its Exif data: the texts of
// the information panel ("写真の情報"), and what the export of the shown
// photo needs to carry the Exif block over (the APP1 segment and where three
// of its entries lie).
//
// The reader reads the first 64 KB of the file in one go (the Exif block of a
// JPEG lies there) and works on those bytes; every offset is checked against
// the file before it is read.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// The photo file cannot be opened, or its size cannot be taken.
class EExifRead : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The values of the photo's Exif data as the panel shows them.
struct ExifInfo {
  std::string ModelText;      // IFD0 Model, shortened
  std::string VersionText;    // " [v1.01]" from IFD0 Software, or empty
  std::string MakerText;      // IFD0 Make, shortened
  std::string ShotDate;       // "YY/MM/DD" from DateTimeOriginal
  std::string ShotTime;       // "HH:MM:SS"
  std::string ApertureText;   // "F2.8 "
  std::string ExposureText;   // "1/125 " or "2 "
  std::string IsoText;        // "ISO200"
  std::string FlashMark;      // "★" when the flash fired
  std::string BiasText;       // "(+0.3EV) "
  std::string FocalText;      // "5.6mm "
  std::string SharpnessText;  // "Soft", "Hard"

  // Everything below is for the export and holds only while App1Length is
  // not 0.
  bool IntelByteOrder = false;   // the TIFF header begins "II"
  std::int32_t App1Length = 0;   // the JPEG APP1 segment's length word; 0 without one
  // Where the type field of an entry lies in App1Bytes: IFD0's Orientation,
  // the Exif IFD's PixelXDimension and PixelYDimension; 0 when not met. For
  // a JPEG whose Exif block follows the start marker these are the file
  // offsets too.
  std::int64_t OrientationEntryPos = 0;
  std::int64_t WidthEntryPos = 0;
  std::int64_t HeightEntryPos = 0;
  // The start marker FF D8 and the whole APP1 segment (App1Length + 4 bytes),
  // as an exported JPEG begins; empty when the segment does not lie whole
  // within the file.
  std::vector<std::uint8_t> App1Bytes;
};

// The captions of the panel's labels for the photo (the names come from
// PhotoNameCaptions, core/records/info_panel.h). CameraLbl and MakerLbl show
// the same text as their hint.
struct InfoPanelTexts {
  std::string FileSizeLbl;  // "[2731KB]", right-aligned by leading blanks
  std::string HidukeLbl;    // shooting date; when it is shown, the name label makes room for it
  std::string TimeLbl;      // shooting time
  std::string CameraLbl;    // model and version
  std::string MakerLbl;     // "(maker)"
  std::string SatsueiLbl;   // aperture, exposure, ISO: "F9.5 1/1000 ISO200"
  std::string StrobeLbl;    // "★" at the right end of SatsueiLbl
  std::string SatsueiLbl2;  // bias, focal length, sharpness: "(+0.3EV) 5.6mm Soft"
};

struct ExifReading {
  ExifInfo Info;
  InfoPanelTexts Panel;
  // A read went past the end of the file (a truncated photo, or an offset or
  // count pointing outside it): the reading stopped there, the labels keep
  // what was filled in before, App1Length is 0 and the photo is to be shown
  // as unreadable.
  bool Truncated = false;
};

// Reads the photo at path (a photo, the source photo of an edited-photo
// file, or an archive entry's extracted copy). JPEG files (".jpg", ".jpe",
// ".jpeg") with an Exif APP1 segment among their leading segments and TIFF
// files (".tif", ".tiff") give the shooting information; every file gives
// its size. Throws EExifRead when the file cannot be opened.
ExifReading ReadExifInfo(std::string_view path);

// The same for bytes in memory whose compared extension is extension (".jpg",
// ".tif", ...).
ExifReading ReadExifInfoOfBytes(const std::uint8_t* data, std::size_t size, std::string_view extension);

}  // namespace lumetta

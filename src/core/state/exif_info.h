#pragma once
// The shooting information of the photo shown last, as the information panel
// shows it and as the export of the shown photo carries its Exif block over.
// Read by core/records/exif_info.h; held in the application state.

#include <cstdint>
#include <string>
#include <vector>

namespace lumetta {

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

}  // namespace lumetta

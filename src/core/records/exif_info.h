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

#include "core/state/exif_info.h"

namespace lumetta {

// The photo file cannot be opened, or its size cannot be taken.
class EExifRead : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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

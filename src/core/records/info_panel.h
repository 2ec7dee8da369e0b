#pragma once
// The photo information panel ("写真の情報"): the name and extension of the
// photo shown, and the shooting information read from its Exif data.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetta {

struct AppState;
class UserInterface;

// Empties the panel before another photo is shown: the shooting
// information, the extension and the size go, the name label takes the
// panel's width again and shows "【パノラマモード】" in panorama mode.
void ResetInfoPanel(AppState& state, UserInterface& ui);

// The captions of FileNameLbl and ExtNameLbl for a listed file: a photo shows
// its name without extension and its extension (".jpg"); an edited-photo
// file shows its source photo's name without extension and what follows its
// last "_" with the file's extension ("jpg-002.lum").
struct PhotoNameCaptions {
  std::string FileNameLbl;
  std::string ExtNameLbl;
};
PhotoNameCaptions PhotoNameCaptionsOf(std::string_view name);

// Shows those captions; both hints give the whole name.
void ShowPhotoNames(UserInterface& ui, std::string_view name);

// Fills the panel and state.exif from the file at path (a photo, the source
// of an edited-photo file, or an archive entry's extracted copy) of the
// photo at position. Returns false when the file turned out truncated (a
// read went past its end): the labels keep what was filled in before, the
// Exif block is not kept, and the caller shows the photo as unreadable. A
// file that cannot be opened shows nothing; its decoding reports it.
bool ReadExifInfo(AppState& state, UserInterface& ui, std::int32_t position, std::string_view path);

}  // namespace lumetta

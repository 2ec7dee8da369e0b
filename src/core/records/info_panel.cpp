#include "core/records/info_panel.h"

#include <string>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"

namespace lumetta {

void ResetInfoPanel(AppState&, UserInterface& ui) {
  // The shooting-information labels join this when the Exif reader comes.
  ui.SetText(Ctl::ExtNameLbl, "");
}

PhotoNameCaptions PhotoNameCaptionsOf(std::string_view name) {
  std::string shown;
  std::string extension = ExtensionOf(name);
  if (IsEditedPhotoName(name)) {
    shown = WithoutExtension(FileNameOf(SourcePhotoNameAsWritten(name)));
    const std::string stem = WithoutExtension(name);
    const std::size_t underscore = stem.rfind('_');
    if (underscore != std::string::npos) extension = stem.substr(underscore + 1) + extension;
  } else {
    shown = WithoutExtension(name);
  }
  return {shown, extension};
}

void ShowPhotoNames(UserInterface& ui, std::string_view name) {
  const PhotoNameCaptions captions = PhotoNameCaptionsOf(name);
  ui.SetText(Ctl::FileNameLbl, captions.FileNameLbl);
  ui.SetText(Ctl::ExtNameLbl, captions.ExtNameLbl);
  ui.SetHint(Ctl::FileNameLbl, name);
  ui.SetHint(Ctl::ExtNameLbl, name);
}

void ReadExifInfo(AppState&, UserInterface&, std::int32_t, std::string_view) {
  // Nothing is read until the Exif reader comes; no photo is marked here.
}

}  // namespace lumetta

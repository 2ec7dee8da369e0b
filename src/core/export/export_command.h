#pragma once
// The export of the displayed photo ("表示されている状態でJPEG,BMP保存"): the
// export dialog, the questions, the file dialog, then the image as the view
// shows it written as a JPEG (with the photo's Exif data when asked) or a
// BMP. The program's photos are never written: an export onto the source of
// a photo on show is refused.

#include <optional>
#include <string>
#include <vector>

#include "core/export/export_choices.h"
#include "core/export/export_image.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// The windows the export opens, provided by the front end.
class ExportWindows {
 public:
  virtual ~ExportWindows() = default;
  // The export dialog ("表示されている状態で写真を保存") over the working copy;
  // whole_enabled is false in panorama mode. True when it ended with "決定".
  virtual bool RunExportForm(ExportChoices& choices, bool whole_enabled) = 0;
  // The file dialog; nothing when it was cancelled.
  virtual std::optional<std::string> ChooseExportFile(const ExportFileRequest& request) = 0;
  // The comment overlays shown over the view now.
  virtual std::vector<ShownOverlay> ShownComments() = 0;
  // The edited-photo save, as the F6 key starts it.
  virtual void StartEditedPhotoSave() = 0;
};

// What the export keeps while the program runs: the folder of the last file
// chosen (the desktop until then).
struct ExportSession {
  std::string LastFolder;
};

// The menu items: the export with a photo on show, else the explanation.
void ExportMenuClick(AppState& state, UserInterface& ui, ExportWindows& windows, ExportSession& session);

// The whole export; a photo (or panorama) is on show.
void ExportDisplayedPhoto(AppState& state, UserInterface& ui, ExportWindows& windows, ExportSession& session);

// The bytes of the export file for the view as it is rendered now: the
// area's image (the overlays copied on unless the whole photo is taken) as a
// BMP, or as a JPEG with the shown photo's Exif segment when choices ask for
// it and the kept segment belongs to that photo. The whole photo's zoom image
// is changed in place (sharpened): render the zoom again afterwards.
// Throws EDibError (EJpegEncodeError) when the image cannot be made.
std::string ExportFileBytes(AppState& state, const ExportChoices& choices, const ExportArea& area,
                            const std::vector<ShownOverlay>& overlays);

// The message when no photo is shown.
const std::vector<std::string>& ExportExplanationLines();
// The export would write onto the source of a photo on show.
const std::vector<std::string>& ExportOntoPhotoLines();
// The file could not be written.
const std::vector<std::string>& ExportFailedLines();

// The files of the photos on show (their source photos for edited-photo
// files): the photo, or every pane's in panorama mode.
std::vector<std::string> ShownPhotoFiles(const AppState& state);

// Whether path is one of those files (the same file, or the same name in the
// same folder whatever its case).
bool IsShownPhotoFile(const AppState& state, const std::string& path);

}  // namespace lumetta

#include "cli/edited_input.h"

#include "cli/command.h"
#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/records/edited_names.h"
#include "core/records/edited_photo_reader.h"
#include "core/state/app_state.h"
#include "core/view/view_render.h"

namespace lumetta::cli {

void LoadShownPhoto(AppState& state, const std::string& path) {
  state.current.Name = FileNameOf(path);
  state.current.Folder = ParentFolder(path);
  if (!IsEditedPhotoName(path)) {
    DecodePhoto(path, state.DecodedPhoto, state.Decoders());
    state.current.Edits = PlainPhotoEdits(0);
    return;
  }
  EditedPhotoFile file;
  try {
    file = ReadEditedPhotoFile(path);
  } catch (const EConvertError& e) {
    throw FileError(path + ": not an edited-photo file (" + e.what() + ")");
  } catch (const EDataFile& e) {
    throw FileError(path + ": " + e.what());
  }
  DecodePhoto(SourcePhotoName(path), state.DecodedPhoto, state.Decoders());
  const EditedPhotoView view =
      ResolveEditedPhoto(file, state.DecodedPhoto.Width(), state.DecodedPhoto.Height(), state.view.ViewWidth);
  state.current.Edits = view.Edits;
  if (view.Zoom) SetZoomValue(state, view.Zoom->ZoomPercent);
}

}  // namespace lumetta::cli

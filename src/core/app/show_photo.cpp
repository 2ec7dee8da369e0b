#include "core/app/show_photo.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "core/state/app_state.h"
#include "core/app/missing_source.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/library/archive_folders.h"
#include "core/records/edited_names.h"
#include "core/records/edited_photo_reader.h"
#include "core/variants/edited_photo_save.h"
#include "core/records/info_panel.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

// The view's size and origin while the panes are drawn at pane size, put
// back however the showing ends.
class PaneSizeGuard {
 public:
  explicit PaneSizeGuard(ViewState& view) : view_(view), width_(view.ViewWidth), height_(view.ViewHeight) {}
  ~PaneSizeGuard() { RestoreFullSize(); }
  PaneSizeGuard(const PaneSizeGuard&) = delete;
  PaneSizeGuard& operator=(const PaneSizeGuard&) = delete;

  void UsePaneSize(PanoramaKind panorama_mode) {
    if (panorama_mode == PanoramaKind::None) return;
    view_.ViewWidth = width_ / 2;
    if (panorama_mode == PanoramaKind::Four) view_.ViewHeight = height_ / 2;
  }

  // Runs work with the whole view's size, then returns to the pane's.
  template <typename Work>
  void WithFullSize(const Work& work) {
    const std::int32_t pane_width = view_.ViewWidth;
    const std::int32_t pane_height = view_.ViewHeight;
    view_.ViewWidth = width_;
    view_.ViewHeight = height_;
    work();
    view_.ViewWidth = pane_width;
    view_.ViewHeight = pane_height;
  }

 private:
  void RestoreFullSize() {
    view_.ViewWidth = width_;
    view_.ViewHeight = height_;
    view_.PaneLeft = 0;
    view_.PaneTop = 0;
  }

  ViewState& view_;
  std::int32_t width_;
  std::int32_t height_;
};

void RemoveHoverLabel(AppState& state) { CallHook(state.hooks.RemoveHoverLabel); }

// The edits and zoom the edited-photo file at path keeps for the photo just
// decoded, for a view of the current (pane) width.
void ReadEditedState(AppState& state, const std::string& path) {
  const EditedPhotoView edited = ResolveEditedPhoto(ReadEditedPhotoFile(path), state.DecodedPhoto.Width(),
                                                    state.DecodedPhoto.Height(), state.view.ViewWidth);
  state.current.Edits = edited.Edits;
  if (edited.Zoom) SetZoomValue(state, edited.Zoom->ZoomPercent);
}

void Render(AppState& state, UserInterface& ui) {
  if (state.current.Edits.ZoomMode) {
    RenderZoom(state, ui, false);
  } else {
    RenderView(state, ui, false);
  }
}

// Pane p's origin on the target, in units of the pane size now in effect:
// columns left to right and rows top to bottom, the two columns exchanged
// in the reversed two-pane mode.
void PlacePane(AppState& state, std::int32_t p) {
  ViewState& v = state.view;
  std::int32_t left = ((p - 1) % 2) * v.ViewWidth;
  if (state.PanoramaMode == PanoramaKind::PairReversed) left = left == 0 ? v.ViewWidth : 0;
  v.PaneLeft = left;
  v.PaneTop = ((p - 1) / 2) * v.ViewHeight;
}

// The labels of the photo about to be decoded, shown at once so that they
// stand while the decoder runs.
void ShowLoadingLabels(AppState& state, UserInterface& ui, const std::string& listed_name) {
  if (state.InPanorama()) {
    ui.SetText(Ctl::FileNameLbl, "【パノラマモード】");
  } else {
    ShowPhotoNames(ui, listed_name);
  }
  ui.SetText(Ctl::SizeLbl, "(読み込み中)");
  ui.ProcessPendingPaints();
  CallHook(state.view.hooks.HideComments);
  CallHook(state.view.hooks.ClearHistogram);
}

// Fills the panes from position on (or from Panes for position 0). Returns
// when the panes are done or the showing has ended early.
void FillPanes(AppState& state, UserInterface& ui, std::int32_t position, std::int32_t step, PaneSizeGuard& size) {
  const bool panorama = state.InPanorama();
  const std::int32_t pane_count = PaneCountOf(state.PanoramaMode);
  const std::int32_t first = step == 1 ? 1 : pane_count;
  for (std::int32_t p = first; p >= 1 && p <= pane_count; p += step) {
    std::string path;
    std::string listed_name;
    if (position > 0) {
      if (!state.photos.Valid(position)) return;
      PhotoEntry& entry = state.photos[position];
      entry.Unreadable = false;
      listed_name = entry.Name;
      path = JoinPath(state.CurrentFolder, listed_name);
    } else {
      if (state.Panes[p].Name.empty()) continue;
      listed_name = state.Panes[p].Name;
      path = JoinPath(state.Panes[p].Folder, listed_name);
    }

    // Not on disk: an entry of an archive, taken out for this pane and
    // deleted when the pane is done, drawn or not. One that cannot be
    // taken out keeps its path and fails to decode.
    ArchiveCopy extracted;
    if (!PathExists(path)) {
      extracted = ExtractArchivePhoto(state, ui, path);
      if (extracted.Extracted()) path = extracted.Path();
      if (extracted.Status() == ArchiveCopyStatus::ArchiveUnreadable) {
        // The message about the archive has been shown; one is enough.
        ShowReadError(state, ui, position, false);
        return;
      }
    }

    if (!state.SlideShowActive && p == first) ShowLoadingLabels(state, ui, listed_name);

    std::string edited_path;
    if (IsEditedPhotoName(path)) {
      edited_path = path;
      path = SourcePhotoName(edited_path);
      if (!IsRegularFile(path) && extracted.Extracted()) {
        // An archive's photos are read-only: nothing to locate or trash.
        ShowReadError(state, ui, position, true);
        return;
      }
      if (!IsRegularFile(path)) {
        FollowMissingSource(state, ui, position, step, edited_path, path);
        return;
      }
    }

    if (!panorama && !state.SlideShowActive) {
      // A truncated file (its Exif block points past its end) is shown as
      // unreadable, as one its decoder refuses.
      if (!ReadExifInfo(state, ui, position, path) && state.photos.Valid(position)) {
        ShowReadError(state, ui, position, true);
        return;
      }
    }

    try {
      DecodePhoto(path, state.DecodedPhoto, state.Decoders());
    } catch (const EDecodeError&) {
      ShowReadError(state, ui, position, true);
      return;
    }

    state.CurrentUnreadable = false;
    if (position > 0) {
      const PhotoEntry& entry = state.photos[position];
      state.current = PhotoRecord{entry.Name, state.CurrentFolder, state.SlotIndex, state.StripPos,
                                  PlainPhotoEdits(entry.Rotation)};
    } else {
      state.current = state.Panes[p];
    }
    state.current.Edits.ZoomMode = false;
    if (IsEditedPhotoName(state.current.Name)) {
      // The file read (a copy for a photo in an archive), not its listed name.
      ReadEditedState(state, edited_path.empty() ? JoinPath(ParentFolder(path), state.current.Name) : edited_path);
    }

    if (panorama) {
      if (position > 0) state.Panes[p] = state.current;
      PlacePane(state, p);
    }
    Render(state, ui);
    if (!state.SlideShowActive) {
      size.WithFullSize([&] { CallHook(state.view.hooks.DrawComment, panorama ? p : 1); });
    }

    if (position > 0) {
      position += step;
      if (!state.photos.Valid(position)) return;
    }
  }
}

}  // namespace

void ShowPhoto(AppState& state, UserInterface& ui, std::int32_t position, std::int32_t step) {
  step = step == 1 ? 1 : -1;
  if (position > 0) {
    position = ConfirmSaveEdits(state, ui, position);
    // The save was asked for and failed: the edited photo stays on show.
    if (state.EditsDirty) return;
  }
  std::optional<BusyCursor> busy;
  if (!state.SlideShowActive) {
    busy.emplace(ui);
    ResetInfoPanel(state, ui);
  }
  const bool panorama = state.InPanorama();
  if (panorama) {
    CallHook(state.view.hooks.HideComments);
    RenderTarget(state).Fill(0, 0, 0);
    if (position > 0) {
      for (PhotoRecord& pane : state.Panes) pane.Name.clear();
    }
  }
  RemoveHoverLabel(state);
  {
    PaneSizeGuard size(state.view);
    size.UsePaneSize(state.PanoramaMode);
    FillPanes(state, ui, position, step, size);
  }
  if (panorama) {
    state.current = state.Panes[1];
    state.current.Edits.ZoomMode = false;
    ui.SetViewCursor(CursorKind::Hand);
  }
  RemoveHoverLabel(state);
}

void ShowReadError(AppState& state, UserInterface& ui, std::int32_t position, bool with_message) {
  if (position <= 0 || !state.photos.Valid(position)) return;
  PhotoEntry& entry = state.photos[position];
  entry.Unreadable = true;
  state.current = PhotoRecord{entry.Name, state.CurrentFolder, state.SlotIndex, position, PlainPhotoEdits(0)};
  state.CurrentUnreadable = true;
  if (state.SlideShowActive) {
    state.SlidePicture.Fill(0, 0, 0);
    return;
  }
  ShowPhotoNames(ui, entry.Name);
  ui.SetText(Ctl::SizeLbl, "読み込みエラー");
  // The edit panel shows no zoom of the photo before.
  ui.SetText(Ctl::RitsuLbl, "   %");
  ui.SetText(Ctl::JoutaiLbl, "【全体を表示中】");
  ui.SetEnabled(Ctl::ZoomKaijoBtn, false);
  ui.SetViewCursor(CursorKind::Default);
  if (state.FullScreenActive) {
    state.FullPicture.Fill(0, 0, 0);
    ui.RepaintPicture(Picture::FullImg);
    return;
  }
  if (with_message) {
    ui.ShowMessageBox({"画像ファイル " + entry.Name, "は壊れているか、「Lumetta」で読み込めない形式です。"});
  }
  state.ViewPicture.Fill(0, 0, 0);
  ui.RepaintPicture(Picture::ViewImg);
}

}  // namespace lumetta

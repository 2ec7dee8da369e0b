#include "core/transfer/transfer_commands.h"

#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_folders.h"
#include "core/library/photo_sort.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"
#include "core/state/settings_file.h"
#include "core/state/user_interface.h"
#include "core/transfer/camera_slots.h"
#include "core/transfer/transfer_engine.h"
#include "platform/safe_file.h"

namespace lumetta {

namespace {

bool ValidSlot(std::int32_t slot) { return slot >= 1 && slot <= 3; }

// Camera to PC: the photos just transferred are shown.
void ShowTransferred(AppState& state, UserInterface& ui, const TransferEngine& engine) {
  const FirstTransfer& first = *engine.First();
  if (engine.Request().Options.DateFolders) {
    OpenTransferredFolder(state, ui, ParentFolder(first.Record));
    return;
  }
  ScanFolder(state, ui);
  const std::int32_t position = FindPhotoPosition(state.photos, first.Record);
  state.StripPos = position != 0 ? position : state.photos.PhotoCount;
  CallHook(state.hooks.PaintStrip, 1, true);
  if (state.photos.Valid(state.StripPos)) CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
}

bool SameFolder(const std::string& a, const std::string& b) {
  return WithoutTrailingSeparator(a) == WithoutTrailingSeparator(b) || platform::SameFile(a, b);
}

}  // namespace

bool TensouSetteiMenuClick(AppState& state, UserInterface& ui) {
  CameraSlotsEdit edit(state.settings);
  if (!ui.RunTensouSetForm(edit)) return false;
  edit.StoreInto(state.settings);
  WriteSettingsFile(state, ui);
  return true;
}

void TensouDtoPCMenuClick(AppState& state, UserInterface& ui, std::int32_t slot) {
  if (!state.UiReady || !ValidSlot(slot)) return;
  if (state.settings.CameraFolders[slot].empty()) {
    TensouSetteiMenuClick(state, ui);
    if (state.settings.CameraFolders[slot].empty()) return;
  }
  StartTransfer(state, ui, slot, TransferDirection::CameraToPc);
}

void TensouPCtoDMenuClick(AppState& state, UserInterface& ui, std::int32_t slot) {
  if (!state.UiReady || !ValidSlot(slot)) return;
  if (state.settings.CameraFolders[slot].empty()) {
    TensouSetteiMenuClick(state, ui);
    if (state.settings.CameraFolders[slot].empty()) return;
  }
  StartTransfer(state, ui, slot, TransferDirection::PcToCamera);
}

void StartTransfer(AppState& state, UserInterface& ui, std::int32_t slot, TransferDirection direction) {
  if (!ValidSlot(slot) || direction == TransferDirection::DateFolders) return;
  const bool to_pc = direction == TransferDirection::CameraToPc;
  const std::string camera = state.settings.CameraFolders[slot];
  const std::string folder = state.CurrentFolder;
  if (folder.empty()) {
    ui.ShowMessageBox({to_pc ? "転送先のフォルダが選択されていません。" : "転送元のフォルダが選択されていません。"});
    return;
  }
  if (!IsDirectory(camera)) {
    ui.ShowMessageBox({"設定したフォルダがデジタルカメラ上に見つかりません。", "デジタルカメラが正しくつながっているかどうか",
                       "もしくはフォルダの設定をご確認ください。"});
    return;
  }
  if (!IsDirectory(folder)) {
    if (to_pc) {
      ui.ShowMessageBox({"書庫(ZIP)ファイル内に", "写真を転送することはできません。"});
    } else {
      ui.ShowMessageBox({"書庫(ZIP)ファイル内の写真を", "転送することはできません。"});
    }
    return;
  }
  // A slot that points at the selected folder would copy every file onto
  // itself.
  if (SameFolder(camera, folder)) {
    ui.ShowMessageBox({"転送元と転送先のフォルダが同じです。"});
    return;
  }

  const std::string name = CameraDisplayName(state.settings, slot);
  TensouFormRequest form;
  form.FromText = "「" + (to_pc ? name : folder) + "」から";
  form.ToText = "「" + (to_pc ? folder : name) + "」へ";
  const TransferOptions stored = TransferOptionsOf(state.settings);
  form.SkipLockedBox = !stored.ReadOnlyFiles;
  form.MoviesBox = stored.Movies;
  form.DateFoldersBox = stored.DateFolders;
  form.DateFoldersEnabled = to_pc;
  if (!ui.RunTensouForm(form)) return;
  const TransferOptions options{!form.SkipLockedBox, form.MoviesBox, form.DateFoldersBox};
  StoreTransferOptions(state.settings, options);

  TransferRequest request;
  request.Direction = direction;
  request.Source = to_pc ? camera : folder;
  request.Destination = to_pc ? folder : camera;
  request.Options = options;
  request.Slot = state.SlotIndex;
  TransferEngine engine(state, ui, request);
  {
    const UiNotReady busy(state);
    ui.RunTransferProgress(engine);
  }
  if (to_pc && engine.Transferred() > 0 && engine.First()) {
    state.IgnoreNextChange = true;
    ShowTransferred(state, ui, engine);
  }
}

void OpenTransferredFolder(AppState& state, UserInterface& ui, const std::string& folder) {
  state.CurrentFolder = folder;
  if (ValidSlot(state.SlotIndex)) {
    state.SlotLastFolder[state.SlotIndex] = folder;
    state.SlotStripPos[state.SlotIndex] = 1;
    CheckSlotFolder(state, ui, state.SlotIndex);
  } else {
    state.OpenFolder = folder;
  }
  ScanFolder(state, ui);
  CallHook(state.hooks.PaintStrip, 1, true);
  if (state.photos.Valid(state.StripPos)) CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
}

}  // namespace lumetta

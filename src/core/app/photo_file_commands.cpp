#include "core/app/photo_file_commands.h"

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/library/file_operations.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"
#include "core/library/rename_request.h"
#include "core/library/thumb_strip.h"
#include "core/records/edited_names.h"
#include "core/records/info_panel.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"
#include "core/state/user_interface.h"
#include "core/variants/edited_photo_save.h"
#include "core/view/clear_view.h"
#include "platform/safe_file.h"

namespace lumetta {

const std::vector<std::string> kRenameFailedLines = {
    "ファイル名の変更ができませんでした。", "（原因は、ファイル名に使えない記号「\\/:.;*?\"<>|」",
    "　が含まれたいたか、もしくは、CD-ROMなどのファイル", "　名を変更しようとしたなどが考えられます）"};

const std::vector<std::string> kMoveFailedLines = {
    "ファイルを移動できませんでした。", "（原因は、表示中の写真のファイル名が変更されたか",
    "　削除された。または、移動先がCD-ROMだったなど", "　が考えられます）"};

const std::vector<std::string> kTrashFailedLines = {
    "写真をごみ箱へ移動できませんでした。", "（ごみ箱のない場所にあるか、書き込みが",
    "　禁止されているなどが考えられます）"};

std::vector<std::string> SourceKeptLines(std::string_view name) {
  return {"ファイル「" + std::string(name) + "」は移動先にコピーしましたが、", "元のファイルを削除できませんでした。",
          "（同じファイルが両方のフォルダにあります）"};
}

namespace {

bool InArchive(const AppState& state) { return !IsDirectory(state.CurrentFolder); }

// The list read again with the strip's position kept (moved back to the
// last photo when the list got shorter) and stored for the slot.
void RescanKeepingStripPos(AppState& state, UserInterface& ui) {
  const std::int32_t kept = state.StripPos;
  ScanFolder(state, ui);
  state.StripPos = kept;
  if (state.photos.PhotoCount > 0 && state.photos.PhotoCount < state.StripPos) {
    state.StripPos = state.photos.PhotoCount;
  }
  StoreSlotStripPos(state);
}

void ShowAtStripPos(AppState& state) {
  if (state.photos.Valid(state.StripPos) && !state.photos[state.StripPos].Name.empty()) {
    CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
  }
}

// After a rename of the shown photo: the list read again, the photo's new
// place found, and the strip moved on past it, so that renaming one photo
// after another walks through the folder.
void RefreshAfterRename(AppState& state, UserInterface& ui) {
  BusyCursor busy(ui);
  RescanKeepingStripPos(state, ui);
  for (std::int32_t pos = 1; pos <= state.photos.PhotoCount; ++pos) {
    if (state.photos[pos].Name != state.current.Name) continue;
    state.current.Pos = pos;
    if (state.StripPos == pos && pos < state.photos.PhotoCount) {
      ++state.StripPos;
      StoreSlotStripPos(state);
    }
    break;
  }
  CallHook(state.hooks.PaintStrip, 1, false);
  ShowAtStripPos(state);
}

// The shown photo under its new name.
void TakeNewName(AppState& state, UserInterface& ui, const std::string& name) {
  state.current.Name = name;
  state.current.Pos = 0;
  ShowPhotoNames(ui, name);
  if (state.CurrentFolder == state.current.Folder) RefreshAfterRename(state, ui);
}

bool ExtensionChangeNeedsAsking(std::string_view old_name, std::string_view new_name) {
  const std::string a = FoldCase(FirstChars(ExtensionOf(old_name), 4));
  const std::string b = FoldCase(FirstChars(ExtensionOf(new_name), 4));
  if (a == b) return false;
  return !((a == ".jpg" && b == ".jpe") || (a == ".jpe" && b == ".jpg"));
}

// The path of the photo that moves when path is dragged: the photo itself,
// or for an edited-photo file its source photo after the user agreed.
std::optional<std::string> PhotoToMove(UserInterface& ui, const std::string& path, const char* first_line) {
  if (!IsEditedPhotoName(path)) return path;
  const std::string source = SourcePhotoName(path);
  if (ui.AskYesNo({first_line, "Lumetta形式ファイル「" + FileNameOf(path) + "」", "です。",
                   "元の写真ファイル「" + FileNameOf(source) + "」", "と、その写真のLumetta形式ファイルも",
                   "全ていっしょに移動します。"}) != 1) {
    return std::nullopt;
  }
  return source;
}

std::string ShownSourcePath(const AppState& state) {
  return SourcePhotoName(JoinPath(state.current.Folder, state.current.Name));
}

bool MovePhoto(AppState& state, UserInterface& ui, const std::string& source, const std::string& target,
               bool reopen) {
  const bool shown = state.PhotoShown() && SameNameIgnoringCase(source, ShownSourcePath(state));
  bool moved = true;
  try {
    MovePhotoFiles(state, state.SlotIndex, source, target);
  } catch (const platform::EFileOperation& e) {
    if (e.Fault() != platform::FileFault::SourceKept) {
      ui.ShowMessageBox(kMoveFailedLines);
      return false;
    }
    ui.ShowMessageBox(SourceKeptLines(FileNameOf(source)));
    moved = false;
  }
  state.IgnoreNextChange = true;
  if (reopen) {
    ClearAfterRemoval(state, ui, true);
  } else if (shown && moved) {
    ClearAfterRemoval(state, ui, false);
  }
  if (SameNameIgnoringCase(state.CurrentFolder, ParentFolder(target))) {
    BusyCursor busy(ui);
    RescanKeepingStripPos(state, ui);
    CallHook(state.hooks.PaintStrip, 1, false);
  }
  return moved;
}

}  // namespace

void ClearAfterRemoval(AppState& state, UserInterface& ui, bool rescan) {
  const std::string shown_folder = state.current.Folder;
  ClearView(state, ui);
  if (!rescan || state.CurrentFolder != shown_folder) return;
  BusyCursor busy(ui);
  RescanKeepingStripPos(state, ui);
  CallHook(state.hooks.PaintStrip, 1, false);
  ShowAtStripPos(state);
}

void DeleteMenuClick(AppState& state, UserInterface& ui) {
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真を", "ごみ箱へ移動するときに使います。"});
    return;
  }
  if (state.InPanorama()) {
    ui.ShowMessageBox({"パノラマモード時には、写真ファイルの削除を", "行うことができません。",
                       "「削除したい写真」をダブルクリックして", "パノラマモードを解除してください。"});
    return;
  }
  if (InArchive(state)) {
    ui.ShowMessageBox({"書庫(ZIP)ファイル内の写真は", "削除することができません。"});
    return;
  }
  const std::string name = state.current.Name;
  const bool edited = IsEditedPhotoName(name);
  const std::vector<std::string> question =
      edited ? std::vector<std::string>{"現在表示されている写真の", "Lumetta形式ファイル " + name,
                                        "をごみ箱へ移動します。", "（元の写真ファイルは残ります）"}
             : std::vector<std::string>{"現在表示されている写真", "「" + name + "」", "をごみ箱へ移動します。"};
  if (ui.AskYesNo(question) != 1) return;
  try {
    TrashPhotoFiles(state, ui, state.current.Slot, JoinPath(state.current.Folder, name), !edited);
  } catch (const platform::EFileOperation&) {
    ui.ShowMessageBox(kTrashFailedLines);
    return;
  }
  ClearAfterRemoval(state, ui, true);
}

std::optional<PhotoFilesOutcome> RenamePhotoAsTyped(AppState& state, UserInterface& ui, std::string_view old_path,
                                                    std::string_view typed) {
  const std::string old_name = FileNameOf(old_path);
  const std::string folder = ParentFolder(old_path);
  if (typed.empty()) return std::nullopt;
  // The dialog refuses these already; a front end without it is held to
  // the same rules.
  if (const auto refusal = RenameFormRefusal(PhotoRenameRequest(old_name), typed); !refusal.empty()) {
    ui.ShowMessageBox(refusal);
    return std::nullopt;
  }
  std::string new_name(typed);
  if (new_name.find('.') == std::string::npos) new_name += ExtensionOf(old_name);
  const std::string new_path = JoinPath(folder, new_name);
  if (new_path == old_path) return std::nullopt;
  if (ExtensionChangeNeedsAsking(old_name, new_name) &&
      ui.AskYesNo({"拡張子を「" + ExtensionOf(new_name) + "」に変更します。", "よろしいですか？"}) != 1) {
    return std::nullopt;
  }
  if (NameTakenInFolder(folder, new_name, old_path)) {
    ui.ShowMessageBox({"入力されたファイル名は、すでに存在して", "いますので、変更できませんでした。"});
    return std::nullopt;
  }
  PhotoFilesOutcome outcome;
  try {
    outcome = RenamePhotoFiles(state, state.current.Slot, old_path, new_path);
  } catch (const platform::EFileOperation&) {
    ui.ShowMessageBox(kRenameFailedLines);
    return std::nullopt;
  }
  state.IgnoreNextChange = true;
  return outcome;
}

std::optional<std::string> AskNewName(AppState& state, UserInterface& ui, std::string_view old_path) {
  const std::optional<std::string> typed = ui.RunRenameForm(PhotoRenameRequest(FileNameOf(old_path)));
  if (!typed) return std::nullopt;
  const std::optional<PhotoFilesOutcome> outcome = RenamePhotoAsTyped(state, ui, old_path, *typed);
  if (!outcome) return std::nullopt;
  return FileNameOf(outcome->Moved.front().To);
}

void RenameShownSourcePhoto(AppState& state, UserInterface& ui) {
  const std::string edited_path = JoinPath(state.current.Folder, state.current.Name);
  const std::string source = SourcePhotoName(edited_path);
  const std::optional<std::string> new_source = AskNewName(state, ui, source);
  if (!new_source) return;
  TakeNewName(state, ui, CompanionNameFor(state.current.Name, source, *new_source));
}

void RenameMenuClick(AppState& state, UserInterface& ui, const std::function<int()>& edited_rename) {
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真の", "ファイル名を変更するときに使います。"});
    return;
  }
  if (state.InPanorama()) {
    ui.ShowMessageBox({"パノラマモード時には、ファイル名の変更を", "行うことができません。",
                       "「ファイル名を変更したい写真」をダブルクリックして", "パノラマモードを解除してください。"});
    return;
  }
  if (InArchive(state)) {
    ui.ShowMessageBox({"書庫(ZIP)ファイル内の写真は", "ファイル名を変更することができません。"});
    return;
  }
  if (IsEditedPhotoName(state.current.Name)) {
    if (!edited_rename || edited_rename() == 99) RenameShownSourcePhoto(state, ui);
    return;
  }
  const std::optional<std::string> new_name =
      AskNewName(state, ui, JoinPath(state.current.Folder, state.current.Name));
  if (new_name) TakeNewName(state, ui, *new_name);
}

std::optional<std::string> MoveTargetFor(UserInterface& ui, std::string_view source, std::string_view folder) {
  if (!IsRegularFile(source)) {
    ui.ShowMessageBox({"書庫ファイル内の写真は移動することができません。"});
    return std::nullopt;
  }
  if (!IsDirectory(folder)) {
    ui.ShowMessageBox({"書庫ファイル内へは移動することができません。"});
    return std::nullopt;
  }
  const std::string name = FileNameOf(source);
  if (const auto there = FindNameInFolder(folder, name)) {
    if (platform::SameFile(JoinPath(folder, *there), source)) {
      ui.ShowMessageBox({"移動元と移動先のフォルダが同じです。"});
    } else {
      ui.ShowMessageBox({"移動先に、すでに同名のファイルが存在", "していますので、移動できませんでした。"});
    }
    return std::nullopt;
  }
  return JoinPath(folder, name);
}

bool MoveToTreeNode(AppState& state, UserInterface& ui, std::string_view source, std::string_view folder,
                    bool reopen) {
  const std::optional<std::string> target = MoveTargetFor(ui, source, folder);
  return target && MovePhoto(state, ui, std::string(source), *target, reopen);
}


void DropViewOnTree(AppState& state, UserInterface& ui, std::string_view folder) {
  if (!IsSlot(state.SlotIndex) || state.CurrentFolder.empty() || !state.PhotoShown()) return;
  const std::optional<std::string> source =
      PhotoToMove(ui, JoinPath(state.current.Folder, state.current.Name), "現在表示されている写真は、");
  if (!source) return;
  state.current.Pos = ConfirmSaveEdits(state, ui, state.current.Pos);
  MoveToTreeNode(state, ui, *source, folder, true);
}

void DropStripCellOnTree(AppState& state, UserInterface& ui, std::int32_t position, std::string_view folder) {
  if (!IsSlot(state.SlotIndex) || state.CurrentFolder.empty() || !state.photos.Valid(position)) return;
  const std::string& name = state.photos[position].Name;
  if (name.empty()) return;
  const std::optional<std::string> source =
      PhotoToMove(ui, JoinPath(state.CurrentFolder, name), "移動しようとしている写真は、");
  if (!source) return;
  if (state.PhotoShown() && SameNameIgnoringCase(*source, ShownSourcePath(state))) {
    state.current.Pos = ConfirmSaveEdits(state, ui, state.current.Pos);
  }
  if (!MoveToTreeNode(state, ui, *source, folder, false)) return;
  BusyCursor busy(ui);
  RescanKeepingStripPos(state, ui);
  CallHook(state.hooks.PaintStrip, 1, false);
}

}  // namespace lumetta

#include "core/transfer/date_sort.h"

#include "core/base/paths.h"
#include "core/variants/edited_photo_save.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"
#include "core/state/settings.h"
#include "core/state/user_interface.h"
#include "core/transfer/transfer_commands.h"
#include "core/transfer/transfer_engine.h"
#include "core/transfer/transfer_files.h"
#include "core/view/clear_view.h"

namespace lumetta {

namespace {

constexpr const char* kDateSortTargets = "（振り分け対象…JPEG,TIFF,BMP,MOV,AVI,MPEG）";

// The user's transfer options, put back however the run ends.
class TransferOptionsKept {
 public:
  explicit TransferOptionsKept(Settings& settings) : settings_(settings), kept_(TransferOptionsOf(settings)) {}
  ~TransferOptionsKept() { StoreTransferOptions(settings_, kept_); }
  TransferOptionsKept(const TransferOptionsKept&) = delete;
  TransferOptionsKept& operator=(const TransferOptionsKept&) = delete;

 private:
  Settings& settings_;
  TransferOptions kept_;
};

}  // namespace

void MakeFolderMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  const std::string folder = state.CurrentFolder;
  if (!folder.empty() && !IsDirectory(folder)) {
    ui.ShowMessageBox({"書庫(ZIP)ファイル内の写真は", "振り分けることができません。"});
    return;
  }
  if (state.SlotIndex < 1 || state.SlotIndex > 3 || folder.empty()) {
    ui.ShowMessageBox({"このメニューは、選択中フォルダ内に", "「ファイル日付」フォルダを自動作成して",
                       "ファイルを振り分けることができます。", kDateSortTargets});
    return;
  }
  // A root ("/") has no last component: it is named by its whole path.
  std::string name = FileNameOf(folder);
  if (name.empty()) name = folder;
  if (ui.AskYesNo({"選択中フォルダ「" + name + "」", "の中に、「ファイル日付」フォルダを自動作成し",
                   "選択中フォルダ内の写真ファイルを、全て振り分けます。", kDateSortTargets}) != 1) {
    return;
  }
  // No file being moved stays open in the view; its unsaved edits are
  // offered for saving first (a saved edited-photo file moves along).
  if (state.PhotoShown() && state.current.Folder == folder) {
    ConfirmSaveEdits(state, ui, 0);
    ClearView(state, ui);
  }

  const TransferOptionsKept kept(state.settings);
  const TransferOptions all{true, true, true};
  StoreTransferOptions(state.settings, all);
  TransferRequest request;
  request.Direction = TransferDirection::DateFolders;
  request.Source = folder;
  request.Destination = folder;
  request.Options = all;
  request.Move = true;
  request.Slot = state.SlotIndex;
  TransferEngine engine(state, ui, request);
  {
    const UiNotReady busy(state);
    ui.RunTransferProgress(engine);
  }
  if (engine.Transferred() > 0 && engine.First()) {
    state.IgnoreNextChange = true;
    OpenTransferredFolder(state, ui, ParentFolder(engine.First()->Record));
  }
}

}  // namespace lumetta

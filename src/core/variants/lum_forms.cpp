#include "core/variants/lum_forms.h"

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/library/file_operations.h"
#include "core/records/info_panel.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/variants/edited_photo_save.h"
#include "platform/safe_file.h"

namespace lumetta {

namespace {

constexpr std::size_t kCommentBytes = 255;

const std::vector<std::string> kNoNumberFull{"新しい番号を付けることができません。",
                                             "（番号は999まで使われています）"};

const std::vector<std::string>& RenameFailedLines() {
  static const std::vector<std::string> lines{
      "ファイル名の変更ができませんでした。", "（原因は、ファイル名に使えない記号「\\/:.;*?\"<>|」",
      "　が含まれたいたか、もしくは、CD-ROMなどのファイル", "　名を変更しようとしたなどが考えられます）"};
  return lines;
}

}  // namespace

const std::vector<std::string>& CommentTooLongLines() {
  static const std::vector<std::string> lines{"コメントの長さが、範囲を超えています。", "コメントは、改行なし（１行）で",
                                              "全角１２７文字（半角２５５文字）まで有効です。"};
  return lines;
}

LumFormModel::LumFormModel(AppState& state, UserInterface& ui)
    : state_(state), ui_(ui), base_(VariantBaseName(state.current.Name)), was_armed_(state.WatchArmed) {
  state_.WatchArmed = false;
  BuildList();
}

LumFormModel::~LumFormModel() { state_.WatchArmed = was_armed_; }

void LumFormModel::BuildList() { list_ = BuildNumberList(Folder(), base_); }

std::vector<std::string> LumFormModel::RowTexts() const {
  std::vector<std::string> texts;
  for (const NumberRow& row : list_.Rows) texts.push_back(row.Text);
  return texts;
}

int LumFormModel::CurrentRow() const { return list_.RowOf(CurrentVariantNumber(state_.current.Name)); }

const std::string& LumFormModel::FileName() const { return state_.current.Name; }

const std::string& LumFormModel::CurrentComment() const { return state_.current.Edits.Comment; }

std::string LumFormModel::CommentOfRow(int row) const {
  const int number = list_.NumberAt(row);
  if (number < 0) return {};
  const auto name = list_.ExistingName(number);
  if (!name) return {};
  try {
    const std::vector<std::string> lines = ReadDataFileLines(JoinPath(Folder(), *name));
    return lines.size() >= 2 ? CutToDataBytes(lines[1], kCommentBytes) : std::string();
  } catch (const EDataFile&) {
    return {};
  }
}

std::string LumFormModel::Folder() const { return state_.current.Folder; }

std::string LumFormModel::VariantPath(int number) const {
  if (const auto existing = list_.ExistingName(number)) return JoinPath(Folder(), *existing);
  return JoinPath(Folder(), VariantFileName(base_, number, state_.settings.UpperCaseExt != 0));
}

bool LumSaveModel::CommentFixed() const { return state_.current.Edits.CommentFix != 0; }

void LumSaveModel::TakeOver(std::string_view comment, bool fixed) {
  PhotoEdits& e = state_.current.Edits;
  e.Comment = CutToDataBytes(comment, kCommentBytes);
  if (!fixed) {
    e.CommentFix = 0;
  } else {
    e.CommentFix = state_.settings.CommentVisible == 1 ? state_.settings.CommentPosition : -1;
  }
}

bool LumSaveModel::SaveToRow(int row, std::string_view comment, bool fixed) {
  const int number = list_.NumberAt(row);
  if (number < 0) {
    ui_.ShowMessageBox({"左のリストで番号を選択して", "このボタンを押すと保存できます。"});
    return false;
  }
  const std::string target = VariantPath(number);
  TakeOver(comment, fixed);
  if (!SaveEditedPhoto(state_, ui_, target)) return false;
  RelocateCurrentPhoto(state_, ui_, false);
  return true;
}

bool LumSaveModel::AddSave(std::string_view comment, bool fixed) {
  const auto number = list_.NewNumber();
  if (!number) {
    ui_.ShowMessageBox(kNoNumberFull);
    return false;
  }
  const std::string target = VariantPath(*number);
  TakeOver(comment, fixed);
  // The number is free in the listing; a file that appeared since (or one
  // of another letter case) is never overwritten.
  if (!WriteEditedPhoto(state_, ui_, target, true)) return false;
  state_.current.Name = FileNameOf(target);
  DropCachedThumbnail(state_, state_.current.Name);
  if (state_.CurrentFolder == state_.current.Folder) {
    RelocateCurrentPhoto(state_, ui_, true);
    ShowPhotoNames(ui_, state_.current.Name);
    ui_.RepaintPicture(Picture::ViewImg);
  }
  return true;
}

bool LumRenameModel::RenameTo(int number, bool replace) {
  const std::string from = JoinPath(Folder(), state_.current.Name);
  const std::string target = VariantPath(number);
  try {
    if (replace) {
      platform::RenameReplace(from, target);
    } else {
      platform::RenameNoReplace(from, target);
    }
  } catch (const platform::EFileOperation&) {
    ui_.ShowMessageBox(RenameFailedLines());
    return false;
  }
  if (IsSlot(state_.current.Slot)) MoveCachedThumbnail(state_, state_.current.Slot, from, target);
  state_.IgnoreNextChange = true;
  state_.current.Name = FileNameOf(target);
  ShowPhotoNames(ui_, state_.current.Name);
  ui_.RepaintPicture(Picture::ViewImg);
  RelocateCurrentPhoto(state_, ui_, true);
  return true;
}

bool LumRenameModel::RenameToRow(int row) {
  const int number = list_.NumberAt(row);
  if (number < 0 || row == CurrentRow()) {
    ui_.ShowMessageBox({"左のリストで番号を選択して", "このボタンを押すとリネームできます。"});
    return false;
  }
  const auto existing = list_.ExistingName(number);
  if (existing && ui_.AskYesNo({"ファイル", *existing, "は、存在します。上書きしますか？"}) != 1) return false;
  // The existing file is replaced in the one rename: at no moment is either
  // of the two missing.
  return RenameTo(number, existing.has_value());
}

bool LumRenameModel::AddRename() {
  const auto number = list_.NewNumber();
  if (!number) {
    ui_.ShowMessageBox(kNoNumberFull);
    return false;
  }
  return RenameTo(*number, false);
}

}  // namespace lumetta

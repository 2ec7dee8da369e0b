#pragma once
// What the save dialog ("Lumetta形式（.lum）で保存") and the rename dialog
// ("Lumetta形式ファイルのファイル名変更") do, without their widgets: the number
// list of the shown photo's variants, the comment stored under a number,
// and the four buttons that save or renumber. The dialogs show the list
// and the comment and forward their buttons here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/variant_numbers.h"

namespace lumetta {

struct AppState;
class UserInterface;

// The dialogs' results besides closing (1) and Esc (2): the hand-over to
// the export ("JPEG,BMP保存は、このボタン") or to the rename of the source
// photo ("元画像のリネームは、このボタン").
inline constexpr int kLumFormClosed = 1;
inline constexpr int kLumFormCancelled = 2;
inline constexpr int kLumFormHandOver = 99;

// The three lines shown when the comment field holds more than eight lines.
const std::vector<std::string>& CommentTooLongLines();
inline constexpr int kCommentFieldLines = 8;

class LumFormModel {
 public:
  // Disarms the directory watcher for as long as the dialog lives.
  LumFormModel(AppState& state, UserInterface& ui);
  ~LumFormModel();
  LumFormModel(const LumFormModel&) = delete;
  LumFormModel& operator=(const LumFormModel&) = delete;

  // Builds the number list again (each time the dialog is activated).
  void BuildList();
  const NumberList& List() const { return list_; }
  std::vector<std::string> RowTexts() const;
  // The row of the shown file's variant; -1 when its number is not listed.
  int CurrentRow() const;
  // The shown file's name, for FileNameLbl.
  const std::string& FileName() const;
  // The current comment, for the comment field on opening.
  const std::string& CurrentComment() const;

  // The comment stored under the row's number, "" for a filler row, a free
  // number or a file without one.
  std::string CommentOfRow(int row) const;

  UserInterface& Ui() { return ui_; }

 protected:
  // The path of variant number in the photo's folder: the existing file of
  // that number as spelt on disk, else the new name.
  std::string VariantPath(int number) const;
  std::string Folder() const;

  AppState& state_;
  UserInterface& ui_;
  std::string base_;
  NumberList list_;

 private:
  bool was_armed_;
};

class LumSaveModel : public LumFormModel {
 public:
  using LumFormModel::LumFormModel;
  // Whether KoteiChk is ticked on opening.
  bool CommentFixed() const;

  // "左のリストで選択した番号に上書保存" with row selected (-1: none) and the
  // comment field's lines joined; true when the dialog is to close.
  bool SaveToRow(int row, std::string_view comment, bool fixed);
  // "新しい番号で追加保存".
  bool AddSave(std::string_view comment, bool fixed);

 private:
  void TakeOver(std::string_view comment, bool fixed);
};

class LumRenameModel : public LumFormModel {
 public:
  using LumFormModel::LumFormModel;
  // "左のリストで選択した番号にリネーム"; true when the dialog is to close.
  bool RenameToRow(int row);
  // "新しい番号にリネーム".
  bool AddRename();

 private:
  bool RenameTo(int number, bool replace);
};

}  // namespace lumetta

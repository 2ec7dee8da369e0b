#pragma once
// TLumSaveForm ("Lumetta形式（.lum）で保存") and TLumRenameForm
// ("Lumetta形式ファイルのファイル名変更"): the number list of the shown photo's
// edited-photo files, the comment stored under the selected number, and the
// buttons that save or renumber through the core's models.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumetta {
class LumFormModel;
class LumRenameModel;
class LumSaveModel;
}  // namespace lumetta

namespace lumetta::ui {

// The comment field: 200 x 110, wrapping at its width; Enter inserts no
// line break. Its text is the lines it shows, joined.
class CommentMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit CommentMemo(QWidget* parent);
  std::string Comment() const;
  // The number of lines the field shows for its text.
  int ShownLines() const;
  // Keeps the first n shown lines, the caret at the start.
  void KeepLines(int n);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// What both dialogs share: the name label, the list and the comment.
class LumFormBase : public QDialog {
  Q_OBJECT
 public:
  QLabel* FileNameLbl = nullptr;
  QListWidget* BangouLst = nullptr;
  CommentMemo* Memo = nullptr;

 protected:
  LumFormBase(LumFormModel& model, const QString& caption, QWidget* parent);
  // Fills the list (each time the dialog is activated) and selects the row
  // of the shown file's number.
  void FillList();
  void RowClicked(int row);
  bool event(QEvent* event) override;
  // Esc and the close box: result 2.
  void reject() override;

  LumFormModel& base_model_;
  bool filling_ = false;
};

class TLumSaveForm : public LumFormBase {
  Q_OBJECT
 public:
  TLumSaveForm(LumSaveModel& model, QWidget* parent = nullptr);

  QPushButton* ClearBtn = nullptr;
  QCheckBox* KoteiChk = nullptr;
  QLabel* KoteiLbl = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* AddSaveBtn = nullptr;
  QPushButton* JpegBtn = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CommentChanged();
  LumSaveModel& model_;
  bool cutting_ = false;
};

class TLumRenameForm : public LumFormBase {
  Q_OBJECT
 public:
  TLumRenameForm(LumRenameModel& model, QWidget* parent = nullptr);

  QPushButton* RenameBtn = nullptr;
  QPushButton* AddRenameBtn = nullptr;
  QPushButton* MotoGazouBtn = nullptr;

 private:
  LumRenameModel& model_;
};

}  // namespace lumetta::ui

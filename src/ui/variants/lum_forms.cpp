#include "ui/variants/lum_forms.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>

#include "core/state/user_interface.h"
#include "core/variants/lum_forms.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top, int width) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(left, top, width, 25);
  return button;
}

}  // namespace

CommentMemo::CommentMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("CommentMemo");
  setFont(GothicFont(12));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Japanese input goes through the input method; Linux input methods
  // cannot be switched to hiragana from here.
  setAttribute(Qt::WA_InputMethodEnabled, true);
  resize(200, 110);
}

std::string CommentMemo::Comment() const {
  QString text = toPlainText();
  text.remove('\n');
  text.remove('\r');
  text.remove(QChar::ParagraphSeparator);
  return FromQString(text);
}

int CommentMemo::ShownLines() const {
  int lines = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    lines += layout != nullptr && layout->lineCount() > 0 ? layout->lineCount() : 1;
  }
  return lines;
}

void CommentMemo::KeepLines(int n) {
  QString kept;
  int taken = 0;
  for (QTextBlock block = document()->begin(); block.isValid() && taken < n; block = block.next()) {
    const QTextLayout* layout = block.layout();
    const int count = layout != nullptr && layout->lineCount() > 0 ? layout->lineCount() : 1;
    if (taken + count <= n) {
      kept += block.text();
      taken += count;
      continue;
    }
    const QTextLine last = layout->lineAt(n - taken - 1);
    kept += block.text().left(last.textStart() + last.textLength());
    taken = n;
  }
  const QSignalBlocker blocker(this);
  setPlainText(kept);
  moveCursor(QTextCursor::Start);
}

void CommentMemo::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

LumFormBase::LumFormBase(LumFormModel& model, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      base_model_(model) {
  setWindowTitle(caption);
  setFont(PGothicFont(12));
  setFixedSize(460, 330);
  MakeLabel(this, "編集中ファイル…", 12, 10);
  FileNameLbl = MakeLabel(this, ToQString(model.FileName()), 110, 10);
  FileNameLbl->setObjectName("FileNameLbl");
  BangouLst = new QListWidget(this);
  BangouLst->setObjectName("BangouLst");
  BangouLst->setFont(GothicFont(12));
  BangouLst->setGeometry(12, 32, 100, 286);
  auto* panel = MakeLabel(this, "コメント", 124, 32);
  panel->setObjectName("CommentPnl");
  Memo = new CommentMemo(this);
  Memo->move(124, 50);
  Memo->setPlainText(ToQString(model.CurrentComment()));
  connect(BangouLst, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { RowClicked(BangouLst->row(item)); });
  FillList();
}

void LumFormBase::FillList() {
  filling_ = true;
  base_model_.BuildList();
  BangouLst->clear();
  for (const std::string& text : base_model_.RowTexts()) BangouLst->addItem(ToQString(text));
  const int row = base_model_.CurrentRow();
  if (row >= 0) {
    BangouLst->setCurrentRow(row);
  } else {
    BangouLst->setCurrentRow(-1);
    BangouLst->clearSelection();
  }
  filling_ = false;
}

void LumFormBase::RowClicked(int row) {
  Memo->clear();
  const std::string comment = base_model_.CommentOfRow(row);
  if (!comment.empty()) Memo->setPlainText(ToQString(comment));
}

bool LumFormBase::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !filling_) {
    const int row = BangouLst->currentRow();
    FillList();
    if (row >= 0 && row < BangouLst->count()) BangouLst->setCurrentRow(row);
  }
  return QDialog::event(event);
}

void LumFormBase::reject() { done(kLumFormCancelled); }

TLumSaveForm::TLumSaveForm(LumSaveModel& model, QWidget* parent)
    : LumFormBase(model, "Lumetta形式（.lum）で保存", parent), model_(model) {
  setObjectName("LumSaveForm");
  ClearBtn = MakeButton(this, "ClearBtn", "Clear", 274, 162, 50);
  KoteiChk = new QCheckBox(this);
  KoteiChk->setObjectName("KoteiChk");
  KoteiChk->move(124, 190);
  KoteiChk->setChecked(model.CommentFixed());
  KoteiLbl = MakeLabel(this, "この写真のコメント表示・位置を固定", 144, 192);
  KoteiLbl->setObjectName("KoteiLbl");
  MakeLabel(this, "（Default）に保存すると、Lumettaで", 124, 214);
  MakeLabel(this, "この写真を表示の際に、自動的に読み", 124, 228);
  MakeLabel(this, "込まれて、その状態で表示されます。", 124, 242);
  MakeLabel(this, "コメントは、改行なしで、全角１２７文字", 334, 50)->setWordWrap(false);
  MakeLabel(this, "（半角２５５文字）まで有効です。", 334, 64);
  SaveBtn = MakeButton(this, "SaveBtn", "左のリストで選択した番号に上書保存", 124, 262, 230);
  AddSaveBtn = MakeButton(this, "AddSaveBtn", "新しい番号で追加保存", 124, 292, 160);
  JpegBtn = MakeButton(this, "JpegBtn", "JPEG,BMP保存は、このボタン", 290, 292, 160);
  SaveBtn->setDefault(true);

  connect(ClearBtn, &QPushButton::clicked, this, [this] {
    Memo->clear();
    Memo->setFocus();
  });
  connect(KoteiChk, &QCheckBox::clicked, this, [this] { SaveBtn->setFocus(); });
  KoteiLbl->installEventFilter(this);
  connect(Memo, &QPlainTextEdit::textChanged, this, [this] { CommentChanged(); });
  connect(SaveBtn, &QPushButton::clicked, this, [this] {
    if (model_.SaveToRow(BangouLst->currentRow(), Memo->Comment(), KoteiChk->isChecked())) done(kLumFormClosed);
  });
  connect(AddSaveBtn, &QPushButton::clicked, this, [this] {
    if (model_.AddSave(Memo->Comment(), KoteiChk->isChecked())) done(kLumFormClosed);
  });
  connect(JpegBtn, &QPushButton::clicked, this, [this] { done(kLumFormHandOver); });
  CentreOnOwnerWindow(this);
  SaveBtn->setFocus();
}

bool TLumSaveForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == KoteiLbl && event->type() == QEvent::MouseButtonRelease) {
    KoteiChk->setChecked(!KoteiChk->isChecked());
    SaveBtn->setFocus();
    return true;
  }
  return LumFormBase::eventFilter(watched, event);
}

void TLumSaveForm::CommentChanged() {
  if (cutting_) return;
  if (Memo->ShownLines() <= kCommentFieldLines) return;
  cutting_ = true;
  model_.Ui().ShowMessageBox(CommentTooLongLines());
  Memo->KeepLines(kCommentFieldLines);
  cutting_ = false;
}

TLumRenameForm::TLumRenameForm(LumRenameModel& model, QWidget* parent)
    : LumFormBase(model, "Lumetta形式ファイルのファイル名変更", parent), model_(model) {
  setObjectName("LumRenameForm");
  Memo->setReadOnly(true);
  Memo->setFocusPolicy(Qt::NoFocus);
  MakeLabel(this, "Lumetta形式ファイル（.lum）のファイル名", 124, 170);
  MakeLabel(this, "は、変更（リネーム）できません。", 124, 184);
  MakeLabel(this, "番号の付け替え、元画像のファイル名", 124, 204);
  MakeLabel(this, "といっしょにリネームは可能です。", 124, 218);
  RenameBtn = MakeButton(this, "RenameBtn", "左のリストで選択した番号にリネーム", 124, 244, 230);
  AddRenameBtn = MakeButton(this, "AddRenameBtn", "新しい番号にリネーム", 124, 274, 160);
  MotoGazouBtn = MakeButton(this, "MotoGazouBtn", "元画像のリネームは、このボタン", 290, 274, 160);
  connect(RenameBtn, &QPushButton::clicked, this, [this] {
    if (model_.RenameToRow(BangouLst->currentRow())) done(kLumFormClosed);
  });
  connect(AddRenameBtn, &QPushButton::clicked, this, [this] {
    if (model_.AddRename()) done(kLumFormClosed);
  });
  connect(MotoGazouBtn, &QPushButton::clicked, this, [this] { done(kLumFormHandOver); });
  CentreOnOwnerWindow(this);
  BangouLst->setFocus();
}

}  // namespace lumetta::ui

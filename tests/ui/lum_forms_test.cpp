// The edited-photo save and rename dialogs as the user meets them: the
// number list with its free and filler rows, a comment cut back to eight
// lines with its message, the hand-over and Esc results, and the buttons
// that save or renumber.
#include "ui/variants/lum_forms.h"

#include <QApplication>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/base/paths.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/variants/lum_forms.h"
#include "support/modal.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

class RecordingUi : public HeadlessUi {
 public:
  std::vector<std::vector<std::string>> messages;
  void ShowMessageBox(const std::vector<std::string>& lines) override { messages.push_back(lines); }
};

// IMG.bmp with variants 001 and 003 in a temporary folder, IMG.bmp shown.
struct Folder {
  Folder() : path(std::filesystem::temp_directory_path() / ("lumetta-ui-lum-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path);
    std::ofstream(path / "IMG.bmp") << "photo";
    std::ofstream(path / "IMG_bmp-001.lum", std::ios::binary) << "100\r\numi\r\n";
    std::ofstream(path / "IMG_bmp-003.lum", std::ios::binary) << "100\r\n\r\n";
    state.current = PhotoRecord{"IMG.bmp", path.string(), 0, 1, {}};
    state.WatchArmed = true;
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
  AppState state;
  RecordingUi ui;
};

}  // namespace

class LumFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void listsNumbersFreeRowsAndFillers() {
    Folder f;
    LumSaveModel model(f.state, f.ui);
    TLumSaveForm form(model);
    QCOMPARE(form.windowTitle(), QString("Lumetta形式（.lum）で保存"));
    QCOMPARE(form.BangouLst->count(), 21);
    QCOMPARE(form.BangouLst->item(0)->text(), QString("(Default)"));
    QCOMPARE(form.BangouLst->item(1)->text(), QString("   001"));
    QCOMPARE(form.BangouLst->item(2)->text(), QString("  空002"));
    QCOMPARE(form.BangouLst->item(3)->text(), QString("   003"));
    QCOMPARE(form.BangouLst->item(4)->text(), QString(" "));
    QCOMPARE(form.BangouLst->currentRow(), 0);
    QVERIFY(!f.state.WatchArmed);
    // A row shows the comment stored under its number.
    const QRect rect = form.BangouLst->visualItemRect(form.BangouLst->item(1));
    QTest::mouseClick(form.BangouLst->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(form.Memo->toPlainText(), QString("umi"));
  }

  void aCommentOfMoreThanEightLinesIsCutBack() {
    Folder f;
    LumSaveModel model(f.state, f.ui);
    TLumSaveForm form(model);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Memo->setPlainText(QString(600, QChar(0x3042)));
    QCOMPARE(f.ui.messages.size(), std::size_t{1});
    QCOMPARE(f.ui.messages[0].front(), std::string("コメントの長さが、範囲を超えています。"));
    QCOMPARE(form.Memo->ShownLines(), 8);
    QVERIFY(form.Memo->toPlainText().size() < 600);
    QCOMPARE(form.Memo->textCursor().position(), 0);
  }

  void enterInsertsNoLineBreak() {
    Folder f;
    LumSaveModel model(f.state, f.ui);
    TLumSaveForm form(model);
    form.Memo->setFocus();
    QTest::keyClicks(form.Memo, "ab");
    QTest::keyClick(form.Memo, Qt::Key_Return);
    QTest::keyClicks(form.Memo, "c");
    QCOMPARE(form.Memo->Comment(), std::string("abc"));
  }

  void addSaveWritesTheNextNumberAndCloses() {
    Folder f;
    LumSaveModel model(f.state, f.ui);
    TLumSaveForm form(model);
    form.Memo->setPlainText("sea");
    form.KoteiChk->setChecked(false);
    QTest::mouseClick(form.AddSaveBtn, Qt::LeftButton);
    QCOMPARE(form.result(), kLumFormClosed);
    QVERIFY(std::filesystem::exists(f.path / "IMG_bmp-004.lum"));
    QCOMPARE(f.state.current.Name, std::string("IMG_bmp-004.lum"));
  }

  void aFillerRowSavesNothingAndTheDialogStays() {
    Folder f;
    LumSaveModel model(f.state, f.ui);
    TLumSaveForm form(model);
    form.BangouLst->setCurrentRow(10);
    QTest::mouseClick(form.SaveBtn, Qt::LeftButton);
    QCOMPARE(f.ui.messages.back().front(), std::string("左のリストで番号を選択して"));
    QCOMPARE(form.result(), 0);
    QCOMPARE(f.state.current.Name, std::string("IMG.bmp"));
  }

  void handOverAndEscape() {
    Folder f;
    {
      LumSaveModel model(f.state, f.ui);
      TLumSaveForm form(model);
      testing_support::WhenModalOpens([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
      QCOMPARE(form.exec(), kLumFormCancelled);
    }
    QVERIFY(f.state.WatchArmed);
    f.state.current.Name = "IMG_bmp-003.lum";
    LumRenameModel model(f.state, f.ui);
    TLumRenameForm form(model);
    QCOMPARE(form.windowTitle(), QString("Lumetta形式ファイルのファイル名変更"));
    QCOMPARE(form.BangouLst->currentRow(), 3);
    QVERIFY(form.Memo->isReadOnly());
    testing_support::WhenModalOpens([&form](QWidget*) { QTest::mouseClick(form.MotoGazouBtn, Qt::LeftButton); });
    QCOMPARE(form.exec(), kLumFormHandOver);
  }
};

QTEST_MAIN(LumFormsTest)
#include "lum_forms_test.moc"

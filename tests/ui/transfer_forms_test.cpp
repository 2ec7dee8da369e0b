// Camera transfer as the user meets it: the "デジカメ転送" menu and its
// captions, the settings and confirmation windows, and the progress window
// running a transfer on its timer and answering "キャンセル" at once.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/state/app_state.h"
#include "core/transfer/camera_slots.h"
#include "core/transfer/transfer_engine.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/transfer/tensou2_form.h"
#include "ui/transfer/tensou_form.h"
#include "ui/transfer/tensou_set_form.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// QFile sets a file's times only while it is open.
void SetModified(const QString& path, const QDateTime& time) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadWrite));
  QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TransferFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void menuShowsTheSlotsAndSortingStandsInCommands() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    { Application first(env); }
    Application app(env);
    QDir(dir.path()).mkpath("card");
    app.State().settings.CameraNames[2] = "EOS";
    app.State().settings.CameraFolders[2] = (dir.path() + "/card").toStdString();

    QMenu* menu = app.MainForm().Menus().TensouMenu;
    emit menu->aboutToShow();
    QCOMPARE(Captions(menu), QStringList({"×「デジタルカメラ１」→選択中フォルダ", "◎「EOS」→選択中フォルダ",
                                          "×「デジタルカメラ３」→選択中フォルダ", "×選択中フォルダ→「デジタルカメラ１」",
                                          "◎選択中フォルダ→「EOS」", "×選択中フォルダ→「デジタルカメラ３」", "（設定）"}));
    QVERIFY(menu->findChild<QAction*>("TensouSetteiMenu") != nullptr);

    QMenu* commands = app.MainForm().Menus().CommandMenu;
    auto* seiri = commands->findChild<QMenu*>("SeiriMenu");
    QVERIFY(seiri != nullptr);
    QCOMPARE(seiri->title(), QString("写真の整理"));
    QCOMPARE(Captions(seiri), QStringList({"「ファイル日付」フォルダへ振り分け"}));
    const QList<QAction*> items = commands->actions();
    const auto all = commands->findChild<QAction*>("AllThumbnailMenu");
    QVERIFY(items.indexOf(seiri->menuAction()) < items.indexOf(all));
  }

  // The whole way from the menu: the confirmation, the progress window, and
  // the main window on the first date folder; the card's bytes unchanged.
  void cameraToPcFromTheMenuShowsTheFirstDateFolder() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    const QString card = dir.path() + "/media/CARD/DCIM";
    const QByteArray photo = ReadFile(LUMETTA_FIXTURES "/camera/Canon_40D.jpg");
    QVERIFY(!photo.isEmpty());
    WriteFile(card + "/DSC0001.JPG", photo);
    WriteFile(card + "/DSC0002.JPG", photo + "2");
    SetModified(card + "/DSC0001.JPG", QDateTime(QDate(2001, 6, 28), QTime(12, 0)));
    SetModified(card + "/DSC0002.JPG", QDateTime(QDate(2001, 6, 29), QTime(12, 0)));
    { Application first(env); }
    Application app(env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    app.State().settings.CameraNames[1] = "CARD";
    app.State().settings.CameraFolders[1] = card.toStdString();

    testing_support::WhenModalOpens([](QWidget* modal) {
      auto* form = qobject_cast<TTensouForm*>(modal);
      QVERIFY(form != nullptr);
      QCOMPARE(form->FromLbl->text(), QString("「CARD」から"));
      form->JikkouBtn->click();
    });
    app.MainForm().Menus().TensouMenu->findChild<QAction*>("TensouDtoPCMenu1")->trigger();

    const QString pictures = QString::fromStdString(env.Special.PicturesFolder);
    QCOMPARE(ReadFile(pictures + "/01-0628/DSC0001.JPG"), photo);
    QCOMPARE(ReadFile(pictures + "/01-0629/DSC0002.JPG"), photo + "2");
    QCOMPARE(ReadFile(card + "/DSC0001.JPG"), photo);
    QCOMPARE(ReadFile(card + "/DSC0002.JPG"), photo + "2");
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), pictures + "/01-0628");
    QCOMPARE(QString::fromStdString(app.State().current.Name), QString("DSC0001.JPG"));
    QVERIFY(app.State().UiReady);
  }

  void settingsFormNamesASlotAfterTheChosenFolder() {
    Settings settings;
    CameraSlotsEdit edit(settings);
    std::vector<std::string> titles;
    TTensouSetForm form(edit, [&titles](const std::string& title, const std::string&) {
      titles.push_back(title);
      return std::optional<std::string>("/media/user/NIKON");
    });
    QCOMPARE(form.windowTitle(), QString("転送デジタルカメラ（またはカードリーダーなど）の設定"));
    QCOMPARE(form.CameraEdit[1]->text(), QString("（カメラ名未設定）"));
    QCOMPARE(form.FolderEdit[1]->text(), QString("（フォルダ未設定）"));
    QVERIFY(form.FolderEdit[1]->isReadOnly());
    QCOMPARE(form.CameraEdit[1]->maxLength(), 30);
    form.FolderBtn[2]->click();
    QCOMPARE(titles, std::vector<std::string>{"「デジタルカメラ(2)」のフォルダを設定"});
    QCOMPARE(form.FolderEdit[2]->text(), QString("/media/user/NIKON"));
    QCOMPARE(form.CameraEdit[2]->text(), QString("NIKON"));
    form.NameClearBtn[2]->click();
    QCOMPARE(form.CameraEdit[2]->text(), QString("（カメラ名未設定）"));
    edit.StoreInto(settings);
    QCOMPARE(QString::fromStdString(settings.CameraNames[2]), QString("NIKON"));
  }

  void confirmationKeepsTheDateBoxForThePcOnly() {
    TensouFormRequest request;
    request.FromText = "「" + std::string(300, 'x') + "」から";
    request.ToText = "「EOS」へ";
    request.SkipLockedBox = false;
    request.MoviesBox = false;
    request.DateFoldersBox = true;
    request.DateFoldersEnabled = false;
    TTensouForm form(request);
    QCOMPARE(form.windowTitle(), QString("転送"));
    QVERIFY(!form.DateChk->isEnabled());
    QVERIFY(form.DateChk->isChecked());
    QVERIFY(form.FromLbl->text().contains("…"));
    QCOMPARE(form.LockChk->text(), QString("カメラでロック（読込専用）してある写真は転送しない"));
    QCOMPARE(form.HyoujunBtn->toolTip(), QString("上記の転送設定を標準（２つともチェック）に戻します。"));
    form.HyoujunBtn->click();
    const TensouFormRequest boxes = form.Boxes();
    QVERIFY(boxes.SkipLockedBox && boxes.MoviesBox && boxes.DateFoldersBox);
  }

  void progressWindowRunsTheTransferOnItsTimer() {
    QTemporaryDir dir;
    for (const char* name : {"DSC0001.JPG", "DSC0002.JPG", "DSC0003.JPG"}) {
      WriteFile(dir.path() + "/card/" + name, QByteArray(1000, 'p'));
    }
    QDir(dir.path()).mkpath("pc");
    AppState state;
    QtUserInterface ui;
    TransferRequest request;
    request.Source = (dir.path() + "/card").toStdString();
    request.Destination = (dir.path() + "/pc").toStdString();
    request.Options = {true, true, false};
    TransferEngine engine(state, ui, request);
    QStringList texts;
    engine.OnFile = [&](const FileReport&) { texts << QString::fromStdString(engine.CountText()); };
    TTensou2Form form(engine, ui);
    QCOMPARE(form.windowTitle(), QString("転送しています。"));
    QCOMPARE(TTensou2Form::NextCaption("転送しています。"), QString("転送しています。。"));
    QCOMPARE(TTensou2Form::NextCaption("転送しています。。"), QString("転送しています。。。"));
    QCOMPARE(TTensou2Form::NextCaption("転送しています。。。"), QString("転送しています。"));
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    QCOMPARE(texts, QStringList({"あと３枚です 「DSC0001.JPG」を転送", "あと２枚です 「DSC0002.JPG」を転送",
                                 "あと１枚です 「DSC0003.JPG」を転送"}));
    QCOMPARE(form.ProgressBar->value(), 100);
    QCOMPARE(ReadFile(dir.path() + "/pc/DSC0002.JPG"), QByteArray(1000, 'p'));
  }

  // Escape during a large file: the window closes between two pieces of the
  // copy and leaves no partial or temporary file. (How soon it answers is
  // measured by the benchmark, not asserted here.)
  void escapeDuringALargeFileAnswersAtOnce() {
    QTemporaryDir dir;
    WriteFile(dir.path() + "/card/MOV0001.MOV", QByteArray(64 << 20, 'm'));
    QDir(dir.path()).mkpath("pc");
    AppState state;
    QtUserInterface ui;
    TransferRequest request;
    request.Source = (dir.path() + "/card").toStdString();
    request.Destination = (dir.path() + "/pc").toStdString();
    request.Options = {true, true, false};
    TransferEngine engine(state, ui, request);
    // One small piece per tick, as on a slow card: the copy takes over a
    // thousand ticks, however fast this disk is.
    engine.PieceBytes = 64 << 10;
    engine.TickBudget = std::chrono::milliseconds(0);
    TTensou2Form form(engine, ui);
    QElapsedTimer answered;
    QTimer::singleShot(30, &form, [&] {
      answered.start();
      QTest::keyClick(&form, Qt::Key_Escape);
    });
    QCOMPARE(form.exec(), int(QDialog::Rejected));
    qInfo("Escape answered after %lld ms", static_cast<long long>(answered.elapsed()));
    QVERIFY(engine.Cancelled());
    QCOMPARE(QDir(dir.path() + "/pc").entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
  }
};

QTEST_MAIN(TransferFormsTest)
#include "transfer_forms_test.moc"

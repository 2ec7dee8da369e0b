// The export as the user meets it in the main window: "編集" → "表示されてい
// る状態でJPEG,BMP保存" explaining itself without a photo, then the dialog and
// the file dialog writing what the view shows, the photo untouched.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/imaging/dib_image.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/export/photo_save_form.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

QAction* ExportItem(Application& app) {
  for (QAction* action : app.MainForm().Menus().HenshuMenu->actions()) {
    if (action->text() == "表示されている状態でJPEG,BMP保存") return action;
  }
  return nullptr;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class ExportControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutAPhotoTheMenuItemExplainsItself() {
    QTemporaryDir dir;
    const StartupEnvironment env = testing_support::TestEnvironment(dir);
    { Application first(env); }  // past the first run's welcome
    Application app(env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    QVERIFY(app.State().hooks.OpenExport != nullptr);
    QAction* item = ExportItem(app);
    QVERIFY(item != nullptr);
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    item->trigger();
    QCOMPARE(lines, (QStringList{"このメニューは、現在表示されている写真を", "表示されているままのサイズ・状態で別保存したいとき",
                                 "に使います。", "鑑賞用には「Lumetta形式（.lum）」",
                                 "メール添付用やホームページ用には「JPEG形式」で", "の保存が便利です。"}));
  }

  void theDialogAndTheFileDialogWriteTheViewAsABmp() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    QDir(dir.path()).mkpath("photos");
    QDir(dir.path()).mkpath("home/Desktop");
    const QString photo = dir.filePath("photos/sea.bmp");
    // A photo of the view's size: no black bars, so no question.
    TDibImage picture;
    picture.SetBitCount(24);
    picture.SetSize(800, 600);
    picture.Fill(30, 120, 200);
    picture.SaveToFile(photo.toStdString());
    const QByteArray before = Bytes(photo);
    { Application first(env); }  // past the first run's welcome
    env.CommandLinePhoto = photo.toStdString();
    Application app(env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("sea.bmp"));

    const QString target = dir.filePath("home/Desktop/sea_s.bmp");
    QString offered;
    testing_support::WhenModalOpens([&](QWidget* w) {
      auto* form = qobject_cast<TPhotoSaveForm*>(w);
      QVERIFY(form != nullptr);
      QTest::mouseClick(form->BmpBtn, Qt::LeftButton);
      testing_support::WhenModalOpens(
          [&](QWidget* next) {
            auto* files = qobject_cast<QFileDialog*>(next);
            QVERIFY(files != nullptr);
            offered = files->selectedFiles().value(0);
            files->selectFile(target);
            static_cast<QDialog*>(files)->accept();
          },
          form);
      form->KetteiBtn->click();
    });
    ExportItem(app)->trigger();

    QCOMPARE(offered, target);
    QCOMPARE(app.State().settings.ExportFormat, 2);
    TDibImage written;
    written.LoadFromFile(target.toStdString());
    QCOMPARE(written.Width(), 800);
    QCOMPARE(written.Height(), 600);
    QCOMPARE(written.Pixels(400, 300), app.State().ViewPicture.Pixels(400, 300));
    QCOMPARE(Bytes(photo), before);
  }
};

QTEST_MAIN(ExportControlsTest)
#include "export_controls_test.moc"

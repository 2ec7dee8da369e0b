// Showing a photo as the user meets it: the photo named on the command line,
// the panorama menu items and the status label, and a photo that cannot be
// read.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "support/test_environment.h"
#include "core/base/paths.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "ui/app/application.h"
#include "ui/app/message_forms.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

constexpr std::uint32_t kGrey = 0x808080u;

StartupEnvironment EnvIn(const QTemporaryDir& dir) {
  StartupEnvironment env = testing_support::TestEnvironment(dir);
  // A first run would greet the user first; this is a later run.
  { Application first(env); }
  return env;
}

// Copies a fixture into the folder "photos" of dir; returns its path.
QString CopyFixture(const QTemporaryDir& dir, const QString& fixture) {
  QDir(dir.path()).mkpath("photos");
  const QString target = dir.filePath("photos/" + QFileInfo(fixture).fileName());
  QFile::copy(QString(LUMETTA_FIXTURES) + "/" + fixture, target);
  return target;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int NonGreyPixels(const TDibImage& image) {
  int count = 0;
  for (int y = 0; y < image.Height(); y += 4) {
    for (int x = 0; x < image.Width(); x += 4) {
      if (image.Pixels(x, y) != kGrey) ++count;
    }
  }
  return count;
}

QString LabelText(Application& app, const char* name) {
  auto* label = app.MainForm().findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QString("(no %1)").arg(name);
}

QAction* MenuItem(Application& app, const QString& text) {
  for (QAction* action : app.MainForm().Menus().SizeMenu->actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

}  // namespace

class PhotoDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void theCommandLinePhotoIsShownInTheView() {
    QTemporaryDir dir;
    StartupEnvironment env = EnvIn(dir);
    const QString photo = CopyFixture(dir, "camera/Canon_40D.jpg");
    const QByteArray before = Bytes(photo);
    env.CommandLinePhoto = photo.toStdString();
    Application app(env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));

    QCOMPARE(app.State().CurrentFolder, dir.filePath("photos").toStdString());
    QCOMPARE(LabelText(app, "SizeLbl"), QString("100x68"));
    QCOMPARE(LabelText(app, "FileNameLbl"), QString("Canon_40D"));
    QCOMPARE(LabelText(app, "JoutaiLbl"), QString("【全体を表示中】"));
    // 100 x 68 is shown at 100 % in the middle of the 800 x 600 view.
    const TDibImage& view = app.State().ViewPicture;
    QVERIFY(view.Pixels(400, 300) != kGrey);
    QCOMPARE(view.Pixels(10, 10), 0u);
    QVERIFY(NonGreyPixels(view) > 100);
    QCOMPARE(Bytes(photo), before);
  }

  void thePanoramaItemsAndTheStatusLabelSwitchTheMode() {
    QTemporaryDir dir;
    StartupEnvironment env = EnvIn(dir);
    CopyFixture(dir, "camera/Nikon_D70.jpg");
    env.CommandLinePhoto = CopyFixture(dir, "camera/Canon_40D.jpg").toStdString();
    Application app(env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));

    QAction* two = MenuItem(app, "パノラマ（２枚）表示");
    QVERIFY(two != nullptr);
    two->trigger();
    QCOMPARE(app.State().PanoramaMode, PanoramaKind::Pair);
    QVERIFY(two->isChecked());
    QCOMPARE(QString::fromStdString(app.State().Panes[2].Name), QString("Nikon_D70.jpg"));
    QCOMPARE(LabelText(app, "FileNameLbl"), QString("【パノラマモード】"));
    // Each photo in the middle of its 400 x 600 half, black around them.
    const TDibImage& view = app.State().ViewPicture;
    QVERIFY(view.Pixels(200, 300) != 0u);
    QVERIFY(view.Pixels(600, 300) != 0u);
    QCOMPARE(view.Pixels(400, 300), 0u);

    auto* joutai = app.MainForm().findChild<QLabel*>("JoutaiLbl");
    QVERIFY(joutai != nullptr);
    QTest::mouseClick(joutai, Qt::LeftButton);
    QCOMPARE(app.State().PanoramaMode, PanoramaKind::None);
    QVERIFY(MenuItem(app, "ノーマル（１枚）表示")->isChecked());
    QCOMPARE(LabelText(app, "SizeLbl"), QString("100x68"));
  }

  void aDamagedPhotoShowsTheReadError() {
    QTemporaryDir dir;
    StartupEnvironment env = EnvIn(dir);
    QDir(dir.path()).mkpath("photos");
    const QString photo = dir.filePath("photos/broken.jpg");
    QFile file(photo);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xFF\xD8\xFF\xC0\x00\x02 damaged");
    file.close();
    env.CommandLinePhoto = photo.toStdString();
    Application app(env);

    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    app.Show();
    QTRY_COMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QString("画像ファイル broken.jpg"));
    QCOMPARE(lines[1], QString("は壊れているか、「Lumetta」で読み込めない形式です。"));
    QTRY_COMPARE(LabelText(app, "SizeLbl"), QString("読み込みエラー"));
    QCOMPARE(app.State().ViewPicture.Pixels(400, 300), 0u);
    QVERIFY(app.State().photos[1].Unreadable);
  }
};

QTEST_MAIN(PhotoDisplayTest)
#include "photo_display_test.moc"

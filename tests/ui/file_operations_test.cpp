// The directory watcher's debounce, and the main window's file commands and
// watcher as a user meets them.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/base/paths.h"
#include "platform/directory_watcher.h"
#include "support/test_environment.h"
#include "ui/app/application.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray SmallJpeg() {
  QFile file(QStringLiteral(LUMETTA_FIXTURES) + "/jpeg/gray.jpg");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList StripNames(const AppState& state) {
  QStringList names;
  for (std::int32_t i = 1; i <= state.photos.PhotoCount; ++i) names << QString::fromStdString(state.photos[i].Name);
  return names;
}

}  // namespace

class FileOperationsTest : public QObject {
  Q_OBJECT

 private slots:
  void tenCopiesMakeOneReport() {
    QTemporaryDir dir;
    QStringList reports;
    platform::DirectoryWatcher watcher([&](const std::string& folder) { reports << QString::fromStdString(folder); },
                                       300);
    watcher.SetDirectory(dir.path().toStdString());
    for (int i = 0; i < 10; ++i) {
      QVERIFY(WriteFile(dir.filePath(QString("IMG_%1.JPG").arg(i)), "photo"));
      QTest::qWait(20);
    }
    QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 5000);
    QCOMPARE(reports.first(), dir.path());
    QTest::qWait(700);
    QCOMPARE(reports.size(), 1);
  }

  void subFoldersAndTheSameFolderInAnotherCaseChangeNothing() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    int reports = 0;
    platform::DirectoryWatcher watcher([&](const std::string&) { ++reports; }, 100);
    watcher.SetDirectory(dir.path().toStdString());
    watcher.SetDirectory(dir.path().toUpper().toStdString());
    QCOMPARE(QString::fromStdString(watcher.Directory()), dir.path());
    QVERIFY(WriteFile(dir.filePath("sub/inside.jpg"), "photo"));
    QTest::qWait(500);
    QCOMPARE(reports, 0);

    // No folder: nothing watched, nothing reported.
    watcher.SetDirectory("");
    QVERIFY(WriteFile(dir.filePath("top.jpg"), "photo"));
    QTest::qWait(400);
    QCOMPARE(reports, 0);
  }

  void theViewPopupStartsWithTheFileCommands() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    Application app(env);
    auto* popup = app.MainForm().findChild<QMenu*>("ViewImgPop");
    QVERIFY(popup != nullptr);
    QVERIFY(popup->actions().size() > 2);
    QCOMPARE(popup->actions().at(0)->text(), QString("この写真をごみ箱へ移動 ［Del］"));
    QCOMPARE(popup->actions().at(1)->text(), QString("この写真のファイル名を変更 ［Ｆ2］"));
  }

  void photosCopiedInByAnotherProgramAppearInTheStrip() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    const QString pictures = QString::fromStdString(env.Special.PicturesFolder);
    const QByteArray jpeg = SmallJpeg();
    QVERIFY(!jpeg.isEmpty());
    QVERIFY(WriteFile(pictures + "/a.jpg", jpeg));
    { Application first(env); }
    Application app(env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    QTRY_COMPARE(StripNames(app.State()), QStringList({"a.jpg"}));

    QVERIFY(WriteFile(pictures + "/b.jpg", jpeg));
    QVERIFY(WriteFile(pictures + "/c.jpg", jpeg));
    QTRY_COMPARE_WITH_TIMEOUT(StripNames(app.State()), QStringList({"a.jpg", "b.jpg", "c.jpg"}), 5000);
  }
};

QTEST_MAIN(FileOperationsTest)
#include "file_operations_test.moc"

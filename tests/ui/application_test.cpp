// Start-up and close of the program as a user meets them.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/test_environment.h"
#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "ui/app/application.h"
#include "ui/app/message_forms.h"
#include "support/message_capture.h"
#include "support/modal.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

StartupEnvironment EnvIn(const QTemporaryDir& dir) {
  return testing_support::TestEnvironment(dir);
}

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunWritesSettingsBeforeTheWindowAndWelcomesTheUser() {
    QTemporaryDir dir;
    const StartupEnvironment env = EnvIn(dir);
    Application app(env);
    const std::string settings_file = JoinPath(env.ExecutableFolder, "Lumetta-ini.dat");
    QVERIFY(!app.MainForm().isVisible());
    QVERIFY(IsRegularFile(settings_file));
    QCOMPARE(ReadDataFileLines(settings_file).size(), std::size_t{54});

    QStringList welcome;
    testing_support::RecordNextMessage(&welcome);
    app.Show();
    QTRY_COMPARE(welcome.size(), 12);
    QCOMPARE(welcome[0], QString("こんにちは。"));
    QCOMPARE(welcome[11], QString("写真をより楽しんでいただけたら幸いです。"));
    QTRY_VERIFY(app.State().Activated);
    QVERIFY(!app.State().FirstRun);

    QCOMPARE(app.MainForm().windowTitle(), QString("Lumetta"));
    QCOMPARE(app.MainForm().ClientArea()->size(), QSize(1016, 673));
    QCOMPARE(app.MainForm().ViewImg()->geometry(), QRect(214, 71, 800, 600));
    QCOMPARE(app.State().ViewPicture.Pixels(400, 300), 0x808080u);
    QCOMPARE(app.State().SlotIndex, 1);
    QCOMPARE(app.State().CurrentFolder, env.Special.PicturesFolder);
  }

  void secondRunNeitherWelcomesNorRewritesTheDefaults() {
    QTemporaryDir dir;
    const StartupEnvironment env = EnvIn(dir);
    { Application first(env); }
    Application again(env);
    QVERIFY(!again.State().FirstRun);
    again.Show();
    QTRY_VERIFY(again.State().Activated);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void secondInstanceOpensOffsetAndKeepsTheScratchFolder() {
    QTemporaryDir dir;
    const StartupEnvironment env = EnvIn(dir);
    Application first(env);
    const auto left = first.State().settings.WindowLeft;
    const auto top = first.State().settings.WindowTop;
    Application second(env);
    QVERIFY(!first.SecondInstance());
    QVERIFY(second.SecondInstance());
    QCOMPARE(second.State().settings.WindowLeft, left + 32);
    QCOMPARE(second.State().settings.WindowTop, top + 32);

    const std::string scratch = JoinPath(second.State().folders.TempFolder, "copy.jpg");
    QFile file(QString::fromStdString(scratch));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(second.MainForm().close());
    QVERIFY(IsRegularFile(scratch));
    QVERIFY(first.MainForm().close());
    QVERIFY(!IsRegularFile(scratch));
  }

  void closeIsRefusedWhileBusy() {
    QTemporaryDir dir;
    Application app(EnvIn(dir));
    app.State().UiReady = false;
    QVERIFY(!app.MainForm().close());
    app.State().UiReady = true;
    QVERIFY(app.MainForm().close());
  }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"

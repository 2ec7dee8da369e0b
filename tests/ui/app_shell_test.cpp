// What the program's shell gives every window: errors that escape a handler
// reported, hints that wait and stay, Qt's own texts in Japanese, the
// private scratch folder.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/private_folder.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/guarded_application.h"
#include "ui/app/hints.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

class Throwing : public QObject {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("broken handler");
    return QObject::event(e);
  }
};

}  // namespace

class AppShellTest : public QObject {
  Q_OBJECT

 private slots:
  void anErrorInAHandlerIsReportedAndTheProgramGoesOn() {
    auto* app = static_cast<GuardedApplication*>(QCoreApplication::instance());
    std::vector<std::string> reported;
    app->ReportError = [&](const std::vector<std::string>& lines) { reported = lines; };
    Throwing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QTRY_VERIFY(!reported.empty());
    QCOMPARE(reported, (std::vector<std::string>{"エラーが発生しました。", "broken handler", "この操作は中止しました。"}));
    // The loop still runs events afterwards.
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QTRY_VERIFY(ran);
  }

  void hintsWaitEightHundredMillisecondsAndQtTextsAreJapanese() {
    QTemporaryDir dir;
    Application program(testing_support::TestEnvironment(dir));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kHintDelayMs);
    QCOMPARE(QApplication::applicationDisplayName(), QApplication::applicationName());
    // The folder chooser's labels come from Qt's own Japanese translation.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QVERIFY2(cancel != "Cancel", qPrintable(cancel));
    const QString look_in = QCoreApplication::translate("QFileDialog", "Look in:");
    QVERIFY2(look_in != "Look in:", qPrintable(look_in));
  }

  void theScratchFolderIsTheUsersAlone() {
    QTemporaryDir dir;
    const std::string parent = dir.path().toStdString();
    const std::string made = platform::PrivateFolderIn(parent, "lumetta-me");
    QCOMPARE(made, parent + "/lumetta-me");
    struct stat st {};
    QVERIFY(lstat(made.c_str(), &st) == 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
    // Used again when it is still the user's own.
    QCOMPARE(platform::PrivateFolderIn(parent, "lumetta-me"), made);

    // A folder others may enter, or a link, under the fixed name is not used.
    QDir(dir.path()).mkdir("open");
    chmod((parent + "/open").c_str(), 0777);
    const std::string instead = platform::PrivateFolderIn(parent, "open");
    QVERIFY(instead != parent + "/open");
    QVERIFY(!instead.empty());
    QVERIFY(symlink((parent + "/open").c_str(), (parent + "/linked").c_str()) == 0);
    QVERIFY(platform::PrivateFolderIn(parent, "linked") != parent + "/linked");
    // Someone else's folder (only root can make one for the test).
    if (geteuid() == 0) {
      QDir(dir.path()).mkdir("theirs");
      chmod((parent + "/theirs").c_str(), 0700);
      QVERIFY(chown((parent + "/theirs").c_str(), 65534, 65534) == 0);
      QVERIFY(platform::PrivateFolderIn(parent, "theirs") != parent + "/theirs");
    }
  }
};

int main(int argc, char** argv) {
  GuardedApplication app(argc, argv);
  AppShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "app_shell_test.moc"

// The help window, the application settings dialog and the menu items that
// open them.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "support/test_environment.h"
#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "ui/app/app_set_form.h"
#include "ui/app/application.h"
#include "ui/app/help_form.h"
#include "support/message_capture.h"
#include "support/modal.h"

using namespace lumetta;
using namespace lumetta::ui;

class ShellFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void helpTextOpensFromItsMenuAndClosesWithEscape() {
    QTemporaryDir dir;
    const StartupEnvironment env = testing_support::TestEnvironment(dir);
    QDir(dir.path()).mkpath("bin/Lumdat");
    WriteDataFileLines(JoinPath(env.ExecutableFolder, "Lumdat/Chuui.txt"), {"一行目", "二行目"});
    Application app(env);
    QStringList welcome;
    testing_support::RecordNextMessage(&welcome);
    app.Show();
    QTRY_VERIFY(app.State().Activated);

    auto* item = app.MainForm().findChild<QAction*>("ChuuiMenu");
    QVERIFY(item != nullptr);
    item->trigger();
    auto* help = static_cast<THelpForm*>(app.MainForm().findChild<QWidget*>("HelpForm"));
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->size(), QSize(676, 534));
    QCOMPARE(help->HelpLbl->text(), QString("◎使用上の注意点"));
    QCOMPARE(help->HelpMem->toPlainText(), QString("一行目\n二行目"));
    QCOMPARE(help->HelpMem->textCursor().position(), 0);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }

  void applicationItemsAreNamedAndTheSettingsDialogEditsCopies() {
    QTemporaryDir dir;
    const StartupEnvironment env = testing_support::TestEnvironment(dir);
    Application app(env);
    auto* first = app.MainForm().findChild<QAction*>("App1Menu");
    QVERIFY(first != nullptr);
    QCOMPARE(first->text(), QString("（アプリケーション１）"));

    OneBasedArray<std::string, 3> paths;
    paths[2] = "/usr/bin/gimp";
    TAppSetForm form(paths, &app.MainForm());
    QCOMPARE(form.AppEdits[0]->text(), QString("（未設定）"));
    QCOMPARE(form.AppEdits[1]->text(), QString("gimp"));
    form.ClearBtns[1]->click();
    QCOMPARE(form.AppEdits[1]->text(), QString("（未設定）"));
    QVERIFY(form.AllUserChk->isChecked());
    QVERIFY(form.ProgramsFolder() != QString());
    QTimer::singleShot(0, &form, [&] { form.CancelBtn->click(); });
    QVERIFY(!form.Run(paths));
    QCOMPARE(paths[2], std::string("/usr/bin/gimp"));
  }
};

QTEST_MAIN(ShellFormsTest)
#include "shell_forms_test.moc"

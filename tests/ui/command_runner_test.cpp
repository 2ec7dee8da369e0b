// The windows' command runner: the program's failures that a command does
// not handle are reported in the program's own message box, saying what
// could not be done, and the program goes on; other exceptions are not the
// runner's to swallow.
#include <QtTest>
#include <stdexcept>

#include "core/base/binary_file.h"
#include "core/base/data_file.h"
#include "core/imaging/dib_image.h"
#include "core/records/edited_photo_reader.h"
#include "support/message_capture.h"
#include "ui/app/command_runner.h"
#include "ui/app/qt_user_interface.h"

using namespace lumetta;
using namespace lumetta::ui;

class CommandRunnerTest : public QObject {
  Q_OBJECT

 private slots:
  void reportsEachFamilyOfTheProgramsFailures_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("what_failed");
    QTest::newRow("image") << 0 << QString("写真を表示できませんでした。");
    QTest::newRow("edited photo") << 1 << QString("写真を表示できませんでした。");
    QTest::newRow("data file") << 2 << QString("ファイルを読み書きできませんでした。");
    QTest::newRow("binary file") << 3 << QString("ファイルを読み書きできませんでした。");
  }
  void reportsEachFamilyOfTheProgramsFailures() {
    QFETCH(int, family);
    QFETCH(QString, what_failed);
    QWidget window;
    window.show();
    QtUserInterface ui(&window);
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    bool after = false;
    RunCommand(ui, [family, &after] {
      if (family == 0) throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
      if (family == 1) throw EConvertError("TDibData.CreateDIB: Invalid Parameters");
      if (family == 2) throw EDataFile("TDibData.CreateDIB: Invalid Parameters");
      if (family == 3) throw EBinaryRead("TDibData.CreateDIB: Invalid Parameters");
      after = true;
    });
    QVERIFY(!after);
    QCOMPARE(lines, (QStringList{what_failed, "TDibData.CreateDIB: Invalid Parameters"}));
  }

  void aCommandThatSucceedsShowsNothing() {
    QtUserInterface ui;
    bool ran = false;
    RunCommand(ui, [&ran] { ran = true; });
    QVERIFY(ran);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void otherExceptionsPassThrough() {
    QtUserInterface ui;
    bool passed = false;
    try {
      RunCommand(ui, [] { throw std::logic_error("a fault of the program"); });
    } catch (const std::logic_error&) {
      passed = true;
    }
    QVERIFY(passed);
  }
};

QTEST_MAIN(CommandRunnerTest)
#include "command_runner_test.moc"

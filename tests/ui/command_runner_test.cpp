// The windows' command runner: the program's failures that a command does
// not handle are reported in the platform's error box and the program goes
// on; other exceptions are not the runner's to swallow.
#include <QtTest>
#include <stdexcept>

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
    QTest::newRow("image") << 0;
    QTest::newRow("edited photo") << 1;
    QTest::newRow("data file") << 2;
  }
  void reportsEachFamilyOfTheProgramsFailures() {
    QFETCH(int, family);
    QWidget window;
    window.show();
    QtUserInterface ui(&window);
    testing_support::ErrorBox box;
    testing_support::RecordNextErrorBox(&box);
    bool after = false;
    RunCommand(ui, [family, &after] {
      if (family == 0) throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
      if (family == 1) throw EConvertError("TDibData.CreateDIB: Invalid Parameters");
      if (family == 2) throw EDataFile("TDibData.CreateDIB: Invalid Parameters");
      after = true;
    });
    QVERIFY(!after);
    QCOMPARE(box.title, QString("Lumetta"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.text, QString("TDibData.CreateDIB: Invalid Parameters"));
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

// The main window in each size mode: its client area, the view's place and
// size, the panels that move, the size menu and the custom-size dialog.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/state/settings.h"
#include "support/message_capture.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/main_layout.h"
#include "ui/app/size_input_form.h"
#include "ui/app/size_menu.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

// A later run (no welcome) with the size settings given.
StartupEnvironment EnvWithSize(const QTemporaryDir& dir, int mode, int width, int height) {
  StartupEnvironment env = testing_support::TestEnvironment(dir);
  { Application first(env); }
  const std::string file = env.ExecutableFolder + "/Lumetta-ini.dat";
  Settings s = LoadSettings(file);
  s.SizeMode = static_cast<std::uint8_t>(mode);
  s.CustomWidth = width;
  s.CustomHeight = height;
  SaveSettings(file, s);
  return env;
}

QWidget* Child(Application& app, const char* name) { return app.MainForm().findChild<QWidget*>(name); }

QAction* SizeItem(Application& app, const QString& text) {
  for (QAction* action : app.MainForm().Menus().SizeMenu->actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

}  // namespace

class MainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void eachSizeModeLaysTheWindowOut_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("customWidth");
    QTest::addColumn<int>("customHeight");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("view");
    QTest::addColumn<QRect>("folders");
    QTest::addColumn<bool>("qualityPanel");
    QTest::addColumn<QString>("checkedItem");
    QTest::newRow("480") << 1 << 0 << 0 << QSize(791, 433) << QRect(149, 71, 480, 360) << QRect(1, 72, 146, 359)
                         << true << "480x360写真";
    QTest::newRow("640") << 2 << 0 << 0 << QSize(791, 553) << QRect(149, 71, 640, 480) << QRect(1, 72, 146, 270)
                         << false << "640x480写真";
    QTest::newRow("800") << 3 << 0 << 0 << QSize(1016, 673) << QRect(214, 71, 800, 600) << QRect(1, 72, 211, 390)
                         << true << "800x600写真";
    QTest::newRow("1024") << 8 << 0 << 0 << QSize(1240, 841) << QRect(214, 71, 1024, 768)
                          << QRect(1, 72, 211, 558) << true << "1024x768写真";
    QTest::newRow("custom 500x400 in the 800 layout")
        << 7 << 500 << 400 << QSize(1016, 673) << QRect(214, 71, 500, 400) << QRect(1, 72, 211, 390) << true
        << "任意（500x400）";
    QTest::newRow("automatic 481x360") << 4 << 481 << 360 << QSize(791, 553) << QRect(149, 71, 481, 360)
                                       << QRect(1, 72, 146, 270) << false << "任意（481x360）";
    QTest::newRow("damaged custom size") << 4 << 0 << 0 << QSize(1016, 673) << QRect(214, 71, 800, 600)
                                         << QRect(1, 72, 211, 390) << true << "800x600写真";
  }

  void eachSizeModeLaysTheWindowOut() {
    QFETCH(int, mode);
    QFETCH(int, customWidth);
    QFETCH(int, customHeight);
    QFETCH(QSize, client);
    QFETCH(QRect, view);
    QFETCH(QRect, folders);
    QFETCH(bool, qualityPanel);
    QFETCH(QString, checkedItem);
    QTemporaryDir dir;
    Application app(EnvWithSize(dir, mode, customWidth, customHeight));
    app.Show();
    QCOMPARE(app.MainForm().ClientArea()->size(), client);
    QCOMPARE(app.MainForm().ViewImg()->geometry(), view);
    QCOMPARE(app.State().ViewPicture.Width(), view.width());
    QCOMPARE(app.State().ViewPicture.Height(), view.height());
    QCOMPARE(Child(app, "FolderPnl")->geometry(), folders);
    QCOMPARE(Child(app, "GashitsuPnl")->isVisibleTo(&app.MainForm()), qualityPanel);
    QCOMPARE(Child(app, "GashitsuModeSLbl")->isVisibleTo(&app.MainForm()), !qualityPanel);
    QAction* item = SizeItem(app, checkedItem);
    QVERIFY(item != nullptr);
    QVERIFY(item->isChecked());
    // The folder tree and the buttons follow the panel.
    QCOMPARE(Child(app, "FolderTree")->width(), Child(app, "SubFolderPnl")->width() - 6);
    QCOMPARE(Child(app, "FolderBtn1")->x(), folders.width() - 28);
    QCOMPARE(Child(app, "HistDaiPnl")->x(), (Child(app, "HistgramPnl")->width() - 132) / 2);
    // A picture of the window for the eye, kept beside the test's output.
    QDir().mkpath("layout-screenshots");
    QVERIFY(app.MainForm().grab().save(QString("layout-screenshots/%1.png").arg(QTest::currentDataTag())));
  }

  void theNarrowLayoutsShortenTheFolderButtons() {
    QTemporaryDir dir;
    Application app(EnvWithSize(dir, 1, 0, 0));
    app.Show();
    QCOMPARE(qobject_cast<QPushButton*>(Child(app, "ExplorerBtn"))->text(), QString("ﾏｲｺﾝ"));
    QCOMPARE(Child(app, "ExplorerBtn")->geometry(), QRect(4, 333, 32, 22));
    QCOMPARE(qobject_cast<QPushButton*>(Child(app, "OpenBtn"))->text(), QString("上記以外"));
    QCOMPARE(Child(app, "HenshuPnl")->geometry(), QRect(728, 1, 61, 68));
    QCOMPARE(Child(app, "GashitsuPnl")->geometry(), QRect(631, 72, 68, 94));
    QCOMPARE(Child(app, "SideBouPnl")->geometry(), QRect(776, 221, 1, 210));
    QCOMPARE(Child(app, "TurnLeftBtn")->geometry(), QRect(2, 24, 28, 20));
    QCOMPARE(qobject_cast<QLabel*>(Child(app, "GashitsuModeLbl"))->text(), QString("【高画質】"));
  }

  void theSizeMenuLaysTheWindowOutAgainAndStoresTheMode() {
    QTemporaryDir dir;
    StartupEnvironment env = EnvWithSize(dir, 3, 0, 0);
    Application app(env);
    app.Show();
    SizeItem(app, "1024x768写真")->trigger();
    QCOMPARE(app.MainForm().ClientArea()->size(), QSize(1240, 841));
    QCOMPARE(app.MainForm().ViewImg()->geometry(), QRect(214, 71, 1024, 768));
    QCOMPARE(LoadSettings(env.ExecutableFolder + "/Lumetta-ini.dat").SizeMode, 8);
    SizeItem(app, "640x480写真")->trigger();
    QCOMPARE(app.MainForm().ClientArea()->size(), QSize(791, 553));
    QVERIFY(!Child(app, "GashitsuPnl")->isVisibleTo(&app.MainForm()));
    QCOMPARE(qobject_cast<QLabel*>(Child(app, "GashitsuModeSLbl"))->text(), QString("Q"));
    QVERIFY(SizeItem(app, "640x480写真")->isChecked());
  }

  void aConfirmedCustomSizeIsTakenAndACancelledOneChangesNothing() {
    QTemporaryDir dir;
    StartupEnvironment env = EnvWithSize(dir, 3, 0, 0);
    Application app(env);
    app.Show();
    auto* menu = app.MainForm().findChild<SizeMenu*>();
    QVERIFY(menu != nullptr);
    menu->RunSizeInputForm = [](SizeInputModel&) { return false; };
    menu->SizeNiniMenu->trigger();
    QVERIFY(SizeItem(app, "800x600写真")->isChecked());
    QCOMPARE(app.State().settings.SizeMode, 3);

    menu->RunSizeInputForm = [](SizeInputModel& model) {
      model.WidthChanged("700");
      model.HeightChanged("300");
      model.SetButton(SizeLayoutButton::Auto);
      return true;
    };
    menu->SizeNiniMenu->trigger();
    QCOMPARE(menu->SizeNiniMenu->text(), QString("任意（700x300）"));
    QVERIFY(menu->SizeNiniMenu->isChecked());
    QCOMPARE(app.MainForm().ViewImg()->geometry(), QRect(214, 71, 700, 300));
    QCOMPARE(app.MainForm().ClientArea()->size(), QSize(1016, 673));
    const Settings stored = LoadSettings(env.ExecutableFolder + "/Lumetta-ini.dat");
    QCOMPARE(int(stored.SizeMode), 4);
    QCOMPARE(stored.CustomWidth, 700);
    QCOMPARE(stored.CustomHeight, 300);
  }

  void theDialogCouplesTheEditsAndRefusesWhatDoesNotFit() {
    AppState state;
    state.current.Name = "photo.jpg";
    state.view.ShownWidth = 3000;
    state.view.ShownHeight = 2000;
    state.settings.CustomWidth = 800;
    state.settings.CustomHeight = 600;
    SizeInputModel model(state);
    QtUserInterface ui;
    TSizeInputForm form(model, ui);
    QCOMPARE(form.GensunLbl->text(), QString("3000x2000"));
    QVERIFY(form.KeepChk->isChecked());
    form.WidthEdit->clear();
    QTest::keyClicks(form.WidthEdit, "600");
    QCOMPARE(form.HeightEdit->text(), QString("400"));
    QTest::mouseClick(form.HClearBtn, Qt::LeftButton);
    QCOMPARE(form.HeightEdit->text(), QString("0"));
    QCOMPARE(form.WidthEdit->text(), QString("0"));

    AppState empty;
    SizeInputModel free_model(empty);
    TSizeInputForm free_form(free_model, ui);
    QVERIFY(!free_form.KeepChk->isEnabled());
    QCOMPARE(free_form.GensunLbl->text(), QString("（未表示）"));
    free_form.WidthEdit->clear();
    QTest::keyClicks(free_form.WidthEdit, "1000");
    free_form.HeightEdit->clear();
    QTest::keyClicks(free_form.HeightEdit, "700");
    QTest::mouseClick(free_form.Win800Btn, Qt::LeftButton);
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    QTest::mouseClick(free_form.KetteiBtn, Qt::LeftButton);
    QCOMPARE(lines, QStringList({"Lumetta本体のWindowの大きさが", "写真表示サイズよりも小さく指定されています。"}));
    QCOMPARE(free_form.result(), 0);
  }

  void aWindowOffEveryScreenComesBackOntoTheScreenThatHeldMostOfIt() {
    const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    // On a screen: stays.
    QCOMPARE(PlaceOnScreens(QRect(1000, 500, 1240, 900), QRect(1000, 500, 800, 600), screens), QPoint(1000, 500));
    // Wholly off both: back onto the second, which held most of it before.
    QCOMPARE(PlaceOnScreens(QRect(3300, 200, 1240, 900), QRect(2800, 200, 800, 600), screens),
             QPoint(1280 + 1920 - 1240, 180));
    QCOMPARE(PlaceOnScreens(QRect(-2000, -1500, 800, 600), QRect(-2000, -1500, 800, 600), screens), QPoint(0, 0));
  }
};

QTEST_MAIN(MainLayoutTest)
#include "main_layout_test.moc"

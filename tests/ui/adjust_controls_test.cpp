// Brightness, sharpness and the colour effect in the main window: the menu
// items in their places with the check marks of the settings, the edit
// panel's buttons, the quality panel's labels and F12.
#include "support/test_environment.h"
#include "ui/view/adjust_controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "core/library/open_photo.h"
#include "core/state/settings.h"
#include "core/base/paths.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "ui/app/application.h"
#include "ui/app/message_forms.h"
#include "ui/view/akarusa_form.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

StartupEnvironment EnvIn(const QTemporaryDir& dir) {
  return testing_support::TestEnvironment(dir);
}

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->menu() == nullptr) captions << action->text();
  }
  return captions;
}

QStringList Checked(const QMenu* menu) {
  QStringList checked;
  for (const QAction* action : menu->actions()) {
    if (action->isChecked()) checked << action->text();
  }
  return checked;
}

// The main window up, its first activation (the welcome text, the first
// folder) taken as done.
void ShowWithoutWelcome(Application& app) {
  app.State().Activated = true;
  app.MainForm().show();
}

}  // namespace

class AdjustControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void menuItemsStandInTheirPlacesWithTheSettingsChecks() {
    QTemporaryDir dir;
    Application app(EnvIn(dir));
    const MainMenu& menus = app.MainForm().Menus();
    const QStringList henshu = Captions(menus.HenshuMenu);
    const qsizetype zoom_kaijo = henshu.indexOf("ズーム解除 ［Ｎ］");
    QVERIFY(zoom_kaijo >= 0);
    QCOMPARE(henshu.mid(zoom_kaijo + 1, 3), (QStringList{"明るさ・コントラスト", "シャープネス", "全ての編集を解除"}));
    QCOMPARE(Captions(menus.GashitsuMenu),
             (QStringList{"高画質モード", "高速モード", "ノーマルモード ［Ｆ12］", "クロームモード ［Ｆ12］",
                          "セピアモード ［Ｆ12］", "白黒モード"}));
    QCOMPARE(Captions(menus.SharpnessMenu),
             (QStringList{"かなり強め", "だいぶ強め", "強め", "やや強め", "普通", "弱め", "なし", "（説明）"}));
    // The first run's settings: high quality, chrome, "普通".
    QCOMPARE(Checked(menus.GashitsuMenu), (QStringList{"高画質モード", "クロームモード ［Ｆ12］"}));
    QCOMPARE(Checked(menus.SharpnessMenu), QStringList{"普通"});
    const MainPanels& panels = app.MainForm().Panels();
    QCOMPARE(panels.KoukaLbl->text(), QString("クローム"));
    QCOMPARE(panels.SharpLbl->text(), QString(" 普通"));
  }

  void labelClicksCycleTheSettingsAndStoreThem() {
    QTemporaryDir dir;
    const StartupEnvironment env = EnvIn(dir);
    Application app(env);
    ShowWithoutWelcome(app);
    const MainPanels& panels = app.MainForm().Panels();
    const MainMenu& menus = app.MainForm().Menus();
    QTest::mouseClick(panels.SharpLbl, Qt::LeftButton);
    QCOMPARE(panels.SharpLbl->text(), QString(" なし"));
    QCOMPARE(Checked(menus.SharpnessMenu), QStringList{"なし"});
    QTest::mouseClick(panels.SharpLbl, Qt::LeftButton);
    QCOMPARE(panels.SharpLbl->text(), QString(" 弱め"));
    QCOMPARE(Checked(menus.SharpnessMenu), QStringList{"弱め"});
    QTest::mouseClick(panels.KoukaLbl, Qt::LeftButton);
    QCOMPARE(panels.KoukaLbl->text(), QString("セピア"));
    const Settings stored = LoadSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"));
    QCOMPARE(stored.GlobalSharpness, 16);
    QCOMPARE(stored.GlobalEffect, 2);
  }

  void aMenuItemChecksItselfAndSetsTheEffect() {
    QTemporaryDir dir;
    Application app(EnvIn(dir));
    auto* controls = app.MainForm().findChild<AdjustControls*>();
    QVERIFY(controls != nullptr);
    controls->GWhiteBlackMenu->trigger();
    QCOMPARE(app.State().settings.GlobalEffect, 3);
    QVERIFY(controls->GWhiteBlackMenu->isChecked());
    QVERIFY(!controls->GChromaMenu->isChecked());
    QCOMPARE(app.MainForm().Panels().KoukaLbl->text(), QString(" 白黒"));
    // While the program is busy a click does nothing, the check included.
    app.State().UiReady = false;
    controls->GSepiaMenu->trigger();
    QCOMPARE(app.State().settings.GlobalEffect, 3);
    QVERIFY(controls->GWhiteBlackMenu->isChecked());
    QVERIFY(!controls->GSepiaMenu->isChecked());
  }

  void buttonsExplainThemselvesWithoutAPhoto() {
    QTemporaryDir dir;
    Application app(EnvIn(dir));
    auto* controls = app.MainForm().findChild<AdjustControls*>();
    QVERIFY(controls != nullptr);
    QCOMPARE(controls->AkarusaBtn->text(), QString("明るさ"));
    QCOMPARE(controls->AkarusaBtn->pos(), QPoint(118, 2));
    QCOMPARE(controls->SharpBtn->text(), QString("ｼｬｰﾌﾟ"));
    QCOMPARE(controls->SharpBtn->pos(), QPoint(155, 2));
    ShowWithoutWelcome(app);
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    QTest::mouseClick(controls->AkarusaBtn, Qt::LeftButton);
    QCOMPARE(lines.value(0), QString("「明るさ」ボタンは、現在表示されている写真の"));
    lines.clear();
    testing_support::RecordNextMessage(&lines);
    QTest::mouseClick(controls->SharpBtn, Qt::LeftButton);
    QCOMPARE(lines.value(0), QString("「Sharp」ボタンは、現在表示されている写真の"));
    lines.clear();
    testing_support::RecordNextMessage(&lines);
    controls->SharpMenu->trigger();
    QCOMPARE(lines.value(0), QString("このメニューは、現在表示されている写真の"));
    QCOMPARE(lines.value(1), QString("シャープネスを調整したいときに使います。"));
  }

  void aUserBrightensAPhotoFromTheButtonAndTheViewFollows() {
    QTemporaryDir dir;
    const StartupEnvironment env = EnvIn(dir);
    const QString photo = QString::fromStdString(env.Special.PicturesFolder) + "/Canon_40D.jpg";
    QVERIFY(QFile::copy(QString(LUMETTA_FIXTURES) + "/camera/Canon_40D.jpg", photo));
    QFile file(photo);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    Application app(env);
    ShowWithoutWelcome(app);
    OpenPhotoByPath(app.State(), app.Ui(), photo.toStdString());
    QVERIFY(app.State().PhotoShown());
    const TDibImage before = app.State().ViewPicture;
    auto* controls = app.MainForm().findChild<AdjustControls*>();
    QVERIFY(controls != nullptr);
    testing_support::WhenModalOpens([](QWidget* w) {
      auto* form = qobject_cast<TAkarusaForm*>(w);
      QVERIFY(form != nullptr);
      for (int i = 0; i < 20; ++i) QTest::keyClick(form->KetteiBtn, Qt::Key_S);
      QTest::keyClick(form->KetteiBtn, Qt::Key_X);
      QCOMPARE(form->AkarusaLbl->text(), QString(" +20→"));
      QTest::mouseClick(form->KetteiBtn, Qt::LeftButton);
    });
    QTest::mouseClick(controls->AkarusaBtn, Qt::LeftButton);
    QCOMPARE(app.State().current.Edits.Brightness, 20);
    QCOMPARE(app.State().current.Edits.Contrast, 257);
    QVERIFY(app.State().EditsDirty);
    QCOMPARE(app.State().view.ViewWidth, 800);
    // The photo is brighter where it is neither black nor already white.
    const TDibImage& after = app.State().ViewPicture;
    int brighter = 0;
    for (std::int32_t y = 0; y < after.Height(); y += 7) {
      for (std::int32_t x = 0; x < after.Width(); x += 7) {
        if ((after.Pixels(x, y) & 0xFF) > (before.Pixels(x, y) & 0xFF)) ++brighter;
      }
    }
    QVERIFY(brighter > 100);
    // The photo file is never written.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
  }

  void f12WithoutAPhotoExplainsItself() {
    QTemporaryDir dir;
    Application app(EnvIn(dir));
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    app.MainForm().FormKeyDown(Key::F12, false, false);
    QCOMPARE(lines, (QStringList{"『Ｆ12』キーは、写真の画質効果モードを", "切り替えるときに使います。"}));
    QCOMPARE(app.State().settings.GlobalEffect, 1);
  }
};

QTEST_MAIN(AdjustControlsTest)
#include "adjust_controls_test.moc"

// The sort menu and the view's pop-up menu as a user meets them.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/view/view_commands.h"
#include "support/test_environment.h"
#include "ui/app/application.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

QStringList StripNames(const AppState& state) {
  QStringList names;
  for (std::int32_t i = 1; i <= state.photos.PhotoCount; ++i) names << QString::fromStdString(state.photos[i].Name);
  return names;
}

}  // namespace

class MainMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void sortMenuOrdersTheStripAndKeepsTheChoice() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    for (const char* name : {"b.jpg", "A.jpg", "c.jpg"}) {
      QFile file(QString::fromStdString(env.Special.PicturesFolder) + "/" + name);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    { Application first(env); }
    Application app(env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);

    QMenu* menu = app.MainForm().Menus().NarabiMenu;
    QCOMPARE(Captions(menu), QStringList({"ファイル名順", "日付時間順", "Exif日時順（速度遅）", "左から順に", "右から順に"}));
    auto* by_name = menu->findChild<QAction*>("FNameMenu");
    auto* from_right = menu->findChild<QAction*>("NarabiRightMenu");
    QVERIFY(by_name->isChecked());
    QVERIFY(menu->findChild<QAction*>("NarabiLeftMenu")->isChecked());
    QCOMPARE(StripNames(app.State()), QStringList({"A.jpg", "b.jpg", "c.jpg"}));

    from_right->trigger();
    QVERIFY(from_right->isChecked());
    QCOMPARE(app.State().settings.SortDirection, SortOrder::FromRight);
    QCOMPARE(StripNames(app.State()), QStringList({"c.jpg", "b.jpg", "A.jpg"}));
    QCOMPARE(app.State().StripPos, 3);
    auto* label = app.MainForm().findChild<QLabel*>("NarabikaeLbl");
    QCOMPARE(label->text(), QString("Ｒ"));
    QCOMPARE(label->x(), app.MainForm().Panels().FolderPnl->width() - 14);
    QCOMPARE(LoadSettings(app.State().folders.SettingsFile()).SortDirection, SortOrder::FromRight);

    // A click on the label flips back; "Ｌ" stands a pixel further right.
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), QString("Ｌ"));
    QCOMPARE(label->x(), app.MainForm().Panels().FolderPnl->width() - 13);
    QVERIFY(menu->findChild<QAction*>("NarabiLeftMenu")->isChecked());
  }

  void compactQualityLabelStandsByItsLetter() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    Application app(env);
    AppState& state = app.State();
    state.settings.SizeMode = 2;
    QLabel* label = app.MainForm().Panels().GashitsuModeSLbl;
    state.settings.QualityMode = QualityModeKind::HighSpeed;
    UpdateModeLabels(state, app.Ui());
    QCOMPARE(label->text(), QString("S"));
    QCOMPARE(label->x(), 130);
    state.settings.QualityMode = QualityModeKind::HighQuality;
    UpdateModeLabels(state, app.Ui());
    QCOMPARE(label->text(), QString("Q"));
    QCOMPARE(label->x(), 129);
  }

  void viewPopupOffersTheBuiltCommands() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    { Application first(env); }
    Application app(env);
    auto* popup = app.MainForm().findChild<QMenu*>("ViewImgPop");
    QVERIFY(popup != nullptr);
    const QStringList captions = Captions(popup);
    QVERIFY(captions.contains("この写真のサムネイルを更新 ［Ｆ5］"));
    QVERIFY(captions.contains("編集"));
    QVERIFY(captions.contains("選択中フォルダのサムネイルを全て更新"));
    auto* edit = popup->findChild<QMenu*>("HenshuMenuP");
    QCOMPARE(Captions(edit), Captions(app.MainForm().Menus().HenshuMenu));
  }
};

QTEST_MAIN(MainMenusTest)
#include "main_menus_test.moc"

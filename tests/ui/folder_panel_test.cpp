// The folder panel as a user meets it: the slots' labels, the tree of the
// selected slot, clicks on its nodes and the folder dialog.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "ui/app/application.h"
#include "ui/library/folder_form.h"
#include "support/modal.h"
#include "support/test_environment.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

// Three slots: the user's pictures folder with two years, a folder of
// scans and a folder deep enough to need two lines.
struct Setup {
  Setup() {
    root = dir.path();
    Touch(root + "/home/Pictures/2004/a.jpg");
    Touch(root + "/home/Pictures/2004/b.jpg");
    Touch(root + "/home/Pictures/2004/Trip/c.jpg");
    QDir(root).mkpath("home/Pictures/2005");
    QDir(root).mkpath("scans");
    deep = root + "/archive/photographs/from-the-old-computer/family";
    QDir(root).mkpath(deep);

    env = testing_support::TestEnvironment(dir);

    Settings settings;
    settings.SlotFolder[1] = env.Special.PicturesFolder;
    settings.SlotFolder[2] = (root + "/scans").toStdString();
    settings.SlotFolder[3] = deep.toStdString();
    SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);
  }
  QTemporaryDir dir;
  QString root;
  QString deep;
  StartupEnvironment env;
};

QTreeWidgetItem* Child(QTreeWidgetItem* item, const QString& text) {
  for (int i = 0; i < item->childCount(); ++i) {
    if (item->child(i)->text(0) == text) return item->child(i);
  }
  return nullptr;
}

void Click(FolderTreeWidget* tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(item).center());
}

}  // namespace

class FolderPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSlotsAndTheTreeOfSlotOne() {
    Setup s;
    Application app(s.env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    FolderPanel& panel = app.MainForm().Folders();

    QCOMPARE(panel.FolderLbl[1]->text(), QString("マイ ピクチャ"));
    QCOMPARE(panel.FolderLblB[1]->text(), QString(" "));
    QCOMPARE(panel.FolderLbl[1]->toolTip(), s.root + "/home/Pictures");
    QCOMPARE(panel.FolderLbl[3]->toolTip(), s.deep);
    // The deep folder takes two lines: its start, then its end.
    const QString line1 = panel.FolderLbl[3]->text();
    QString line2 = panel.FolderLblB[3]->text();
    QVERIFY(line2 != " ");
    QVERIFY(s.deep.startsWith(line1));
    if (line2.startsWith("…")) {
      line2.remove(0, 1);
    } else {
      QCOMPARE(line1 + line2, s.deep);
    }
    QVERIFY(s.deep.endsWith(line2));
    for (int n = 1; n <= 3; ++n) {
      const QFontMetrics metrics(panel.FolderLbl[n]->font());
      QVERIFY(metrics.horizontalAdvance(panel.FolderLbl[n]->text()) <= panel.FolderLbl[n]->width());
      QVERIFY(metrics.horizontalAdvance(panel.FolderLblB[n]->text()) <= panel.FolderLblB[n]->width());
    }
    QVERIFY(panel.FolderRadio[1]->isChecked());

    FolderTreeWidget* tree = panel.FolderTree;
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree->topLevelItem(0);
    QCOMPARE(top->text(0), QString("Pictures"));
    QVERIFY(top->isExpanded());
    QCOMPARE(top->childCount(), 2);
    QCOMPARE(top->child(0)->text(0), QString("2004"));
    QCOMPARE(top->child(1)->text(0), QString("2005"));
    QCOMPARE(top->child(0)->childCount(), 1);  // Trip shows that 2004 opens further
    QVERIFY(top->isSelected());
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), s.root + "/home/Pictures");
  }

  void aClickOnANodeOpensItsFolder() {
    Setup s;
    Application app(s.env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    FolderTreeWidget* tree = app.MainForm().Folders().FolderTree;
    QTreeWidgetItem* year = Child(tree->topLevelItem(0), "2004");
    QVERIFY(year != nullptr);
    Click(tree, year);
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), s.root + "/home/Pictures/2004");
    QCOMPARE(app.State().photos.PhotoCount, 2);
    year = Child(tree->topLevelItem(0), "2004");
    QVERIFY(year->isSelected());
    QVERIFY(year->isExpanded());
    QVERIFY(Child(year, "Trip") != nullptr);
    QVERIFY(!tree->hasFocus());
  }

  void theExpandSignOpensTheNodeAndTheNextClickCounts() {
    Setup s;
    Application app(s.env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    FolderTreeWidget* tree = app.MainForm().Folders().FolderTree;
    QTreeWidgetItem* year = Child(tree->topLevelItem(0), "2004");
    const QRect rect = tree->visualItemRect(year);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(rect.left() - tree->indentation() / 2, rect.center().y()));
    year = Child(tree->topLevelItem(0), "2004");
    QVERIFY(year->isExpanded());
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), s.root + "/home/Pictures/2004");

    Click(tree, Child(year, "Trip"));
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), s.root + "/home/Pictures/2004/Trip");
    QCOMPARE(app.State().photos.PhotoCount, 1);
  }

  void aClickOnAnotherSlotShowsItsTree() {
    Setup s;
    Application app(s.env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    FolderPanel& panel = app.MainForm().Folders();
    QTest::mouseClick(panel.FolderRadio[2], Qt::LeftButton);
    QCOMPARE(app.State().SlotIndex, 2);
    QCOMPARE(panel.FolderTree->topLevelItem(0)->text(0), QString("scans"));
    QTest::mouseClick(panel.FolderLblB[3], Qt::LeftButton);
    QCOMPARE(app.State().SlotIndex, 3);
    QVERIFY(panel.FolderRadio[3]->isChecked());
    QVERIFY(!panel.FolderRadio[2]->isChecked());
    QCOMPARE(panel.FolderTree->topLevelItem(0)->text(0), QString("family"));
  }

  void theRightButtonRenamesAFolderThroughTheFolderForm() {
    Setup s;
    Application app(s.env);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    FolderTreeWidget* tree = app.MainForm().Folders().FolderTree;
    QString shown;
    bool rename_only = true;
    testing_support::WhenModalOpens([&](QWidget* w) {
      auto* form = qobject_cast<TFolderForm*>(w);
      QVERIFY(form != nullptr);
      QCOMPARE(form->windowTitle(), QString("Lumetta"));
      QCOMPARE(form->NameEdit->text(), QString("2005"));
      shown = form->FolderLbl->text();
      rename_only = form->CreateBtn->isHidden();
      form->NameEdit->setText("2005 summer");
      QTest::mouseClick(form->NameBtn, Qt::LeftButton);
    });
    Click(tree, Child(tree->topLevelItem(0), "2005"), Qt::RightButton);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(!rename_only);
    QVERIFY(shown.endsWith("2005"));
    QVERIFY(QDir(s.root + "/home/Pictures/2005 summer").exists());
    QVERIFY(!QDir(s.root + "/home/Pictures/2005").exists());
    QCOMPARE(QString::fromStdString(app.State().CurrentFolder), s.root + "/home/Pictures/2005 summer");
    QTreeWidgetItem* renamed = Child(tree->topLevelItem(0), "2005 summer");
    QVERIFY(renamed != nullptr);
    QVERIFY(renamed->isSelected());
  }
};

QTEST_MAIN(FolderPanelTest)
#include "folder_panel_test.moc"

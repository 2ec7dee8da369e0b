// The plug-in window as the user meets it: "設定" → "Susieプラグイン" lists
// the plug-ins found in the program's folder in a grid of at least 15 rows,
// and its buttons ask before opening the program's folder and open the
// download page.
#include "ui/app/susie_form.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/library/photo_extensions.h"
#include "core/plugins/susie_commands.h"
#include "platform/plugin_library.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

// The window's answers and requests to the desktop, recorded.
class RecordingUi : public QtUserInterface {
 public:
  int AskYesNo(const std::vector<std::string>& lines) override {
    questions.push_back(lines);
    return answer;
  }
  void OpenInFileManager(std::string_view folder) override { folders.emplace_back(folder); }
  void OpenDocument(std::string_view path) override { documents.emplace_back(path); }

  int answer = 1;
  std::vector<std::vector<std::string>> questions;
  std::vector<std::string> folders;
  std::vector<std::string> documents;
};

bool CopyPlugin(const QString& name, const QString& folder) {
  return QFile::copy(QString(LUMETTA_PLUGIN_DIR) + "/" + name, folder + "/" + name);
}

QString Cell(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item == nullptr ? QString() : item->text();
}

}  // namespace

class SusieFormTest : public QObject {
  Q_OBJECT

 private slots:
  void theSettingsMenuListsThePluginsOfTheProgramsFolder() {
    QTemporaryDir dir;
    StartupEnvironment env = testing_support::TestEnvironment(dir);
    const QString bin = QString::fromStdString(env.ExecutableFolder);
    QVERIFY(CopyPlugin("ifwebp.spi", bin));
    QVERIFY(CopyPlugin("ifpng.spi", bin));
    QFile not_a_plugin(bin + "/broken.spi");
    QVERIFY(not_a_plugin.open(QIODevice::WriteOnly));
    not_a_plugin.write("not a library");
    not_a_plugin.close();
    { Application first(env); }
    Application app(env);

    QCOMPARE(app.Plugins().Count(), 2);
    const std::vector<std::string>& table = app.State().PhotoExtensions;
    QCOMPARE(table.size(), std::size_t{9});
    QCOMPARE(QString::fromStdString(table[7]), QString(".png"));
    QCOMPARE(QString::fromStdString(table[8]), QString(".webp"));

    QMenu* settings = app.MainForm().Menus().SetteiMenu;
    QCOMPARE(settings->title(), QString("設定"));
    auto* item = settings->findChild<QAction*>("SusieMenu");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), QString("Susieプラグイン"));
    QCOMPARE(settings->actions().size(), 1);

    QString caption;
    int rows = 0;
    QStringList first_row;
    QStringList third_row;
    QList<int> widths;
    testing_support::WhenModalOpens([&](QWidget* window) {
      auto* form = qobject_cast<TSusieForm*>(window);
      QVERIFY(form != nullptr);
      caption = form->windowTitle();
      rows = form->PluginGrid->rowCount() + 1;  // with the heading
      for (int c = 0; c < 4; ++c) {
        first_row << Cell(form->PluginGrid, 0, c);
        third_row << Cell(form->PluginGrid, 2, c);
        widths << form->PluginGrid->columnWidth(c);
      }
      form->TojiruBtn->click();
    });
    item->trigger();
    QCOMPARE(caption, QString("「Susieプラグイン」の設定"));
    QCOMPARE(rows, 15);
    QCOMPARE(widths, QList<int>({70, 299, 80, 160}));
    QCOMPARE(first_row.at(0), QString("ifpng.spi"));
    QVERIFY(first_row.at(1).startsWith("PNG plug-in for Lumetta"));
    QCOMPARE(first_row.at(2), QString("*.png"));
    QCOMPARE(first_row.at(3), QString("PNG (Portable Network Graphics)"));
    QCOMPARE(third_row, QStringList({"", "", "", ""}));
  }

  void theGridGrowsWithThePluginsAndTheButtonsOpenTheProgramsFolder() {
    QTemporaryDir dir;
    const QString folder = dir.path();
    for (const char* name : {"ifheif.spi", "ifpng.spi", "ifraw.spi", "iftiff.spi", "ifwebp.spi"}) {
      QVERIFY(CopyPlugin(name, folder));
    }
    // Copies under other names: the same library loaded again.
    for (int i = 0; i < 9; ++i) QVERIFY(QFile::copy(folder + "/ifpng.spi", folder + QString("/png%1.spi").arg(i)));
    TSPIs plugins(platform::NativePluginLibrary());
    plugins.SearchPlugins("*.spi", {folder.toStdString()});
    QCOMPARE(plugins.Count(), 14);

    RecordingUi ui;
    TSusieForm form(plugins, "/data/Lumetta", ui);
    QCOMPARE(form.size(), QSize(652, 380));
    QCOMPARE(form.PluginGrid->rowCount() + 1, 17);
    QCOMPARE(Cell(form.PluginGrid, 13, 0), QString("png8.spi"));
    QCOMPARE(form.FolderBtn->text(), QString("「Lumetta」フォルダを開く"));
    QCOMPARE(form.HomePageBtn->text(), QString("「Susieプラグイン」のダウンロード"));
    QCOMPARE(form.TojiruBtn->text(), QString("閉じる"));

    ui.answer = 0;
    form.FolderBtn->click();
    QCOMPARE(ui.questions.size(), std::size_t{1});
    QCOMPARE(ui.questions[0], SusieFolderQuestion());
    QVERIFY(ui.folders.empty());
    ui.answer = 1;
    form.FolderBtn->click();
    QCOMPARE(ui.folders, std::vector<std::string>{"/data/Lumetta"});
    form.HomePageBtn->click();
    QCOMPARE(ui.documents, std::vector<std::string>{"/data/Lumetta/Plugin.html"});
  }

  void aClickIntoTheGridLeavesTheFocusOnClose() {
    QTemporaryDir dir;
    TSPIs plugins(platform::NativePluginLibrary());
    RecordingUi ui;
    QWidget owner;
    owner.resize(800, 600);
    owner.show();
    TSusieForm form(plugins, dir.path().toStdString(), ui, &owner);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.PluginGrid->rowCount() + 1, 15);
    form.FolderBtn->setFocus();
    QTest::mouseClick(form.PluginGrid->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTRY_VERIFY(form.TojiruBtn->hasFocus());
  }
};

QTEST_MAIN(SusieFormTest)
#include "susie_form_test.moc"

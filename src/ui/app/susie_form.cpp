#include "ui/app/susie_form.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QShowEvent>

#include "core/plugins/susie_commands.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 652;
constexpr int kClientHeight = 380;
constexpr int kColumnWidths[] = {70, 299, 80, 160};
constexpr int kRowHeight = 18;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TSusieForm::TSusieForm(const TSPIs& plugins, const std::string& app_folder, UserInterface& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("SusieForm");
  setWindowTitle("「Susieプラグイン」の設定");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  MakeLabel(this, "SetsumeiLbl1",
            "『Susieプラグイン』（定番ビューワーソフト「Susie」用の拡張ファイルです。他のいろいろなソフトで使用されていま",
            16, 12);
  MakeLabel(this, "SetsumeiLbl2",
            "す）を「Lumetta」フォルダ（「Lumetta」をインストールしたフォルダ）内にコピーして、「Lumetta」を再起", 16,
            30);
  MakeLabel(this, "SetsumeiLbl3", "動してください。様々な拡張子の画像も読み込めるようになります。", 16, 48);
  MakeLabel(this, "ChuuiLbl", "※あまり多くのプラグインをお使いになると起動が遅くなることがあります。", 16, 72,
            kLightYellow);
  MakeLabel(this, "JougenLbl", "「Lumetta」は、1000個までプラグインが使用できます。", 16, 90, kLightYellow);
  MakeLabel(this, "GenzaiLbl", "現在読み込まれているプラグイン", 16, 116);

  const std::vector<PluginGridRow> rows = PluginGridRows(plugins);
  PluginGrid = new QTableWidget(this);
  PluginGrid->setObjectName("PluginGrid");
  PluginGrid->setGeometry(16, 134, kClientWidth - 32, 192);
  PluginGrid->setColumnCount(4);
  PluginGrid->setHorizontalHeaderLabels({"ファイル名", "説明", "拡張子", "ファイルタイプ"});
  // The header is the grid's heading row.
  PluginGrid->setRowCount(PluginGridRowCount(static_cast<int>(rows.size())) - 1);
  for (int c = 0; c < 4; ++c) PluginGrid->setColumnWidth(c, kColumnWidths[c]);
  PluginGrid->verticalHeader()->hide();
  PluginGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  PluginGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  PluginGrid->setSelectionMode(QAbstractItemView::NoSelection);
  PluginGrid->setFocusPolicy(Qt::NoFocus);
  PluginGrid->setFont(GothicFont(12));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const PluginGridRow& row = rows[static_cast<std::size_t>(r)];
    const std::string cells[] = {row.FileName, row.Name, row.Filter, row.Format};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(Text(cells[c]));
      item->setToolTip(Text(cells[c]));
      PluginGrid->setItem(r, c, item);
    }
  }
  PluginGrid->viewport()->installEventFilter(this);

  FolderBtn = MakeButton(this, "FolderBtn", "「Lumetta」フォルダを開く", 16, 340, 200, 28);
  HomePageBtn = MakeButton(this, "HomePageBtn", "「Susieプラグイン」のダウンロード", 228, 340, 232, 28);
  TojiruBtn = MakeButton(this, "TojiruBtn", "閉じる", kClientWidth - 16 - 100, 340, 100, 28);
  TojiruBtn->setDefault(true);

  connect(FolderBtn, &QPushButton::clicked, this, [&ui, app_folder] { SusieFolderCommand(app_folder, ui); });
  connect(HomePageBtn, &QPushButton::clicked, this, [&ui, app_folder] { SusieHomePageCommand(app_folder, ui); });
  connect(TojiruBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TSusieForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  TojiruBtn->setFocus();
}

bool TSusieForm::eventFilter(QObject* watched, QEvent* event) {
  // The grid only shows: a click into it leaves the focus on "閉じる".
  if (watched == PluginGrid->viewport() && event->type() == QEvent::MouseButtonPress) TojiruBtn->setFocus();
  return QDialog::eventFilter(watched, event);
}

SusieMenu::SusieMenu(AppState& state, QtUserInterface& ui, TMainForm& form, const TSPIs& plugins)
    : QObject(&form), state_(state), ui_(ui), form_(form), plugins_(plugins) {
  QAction* action = form.Menus().SetteiMenu->addAction("Susieプラグイン");
  action->setObjectName("SusieMenu");
  connect(action, &QAction::triggered, this, [this] { Run(); });
}

void SusieMenu::Run() {
  form_.repaint();
  if (!state_.UiReady) return;
  TSusieForm window(plugins_, state_.folders.AppFolder, ui_, &form_);
  window.exec();
}

}  // namespace lumetta::ui

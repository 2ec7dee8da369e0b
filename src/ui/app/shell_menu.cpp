#include "ui/app/shell_menu.h"

#include <QAction>

#include "core/shell/shell_commands.h"
#include "ui/app/command_runner.h"

namespace lumetta::ui {

ShellMenu::ShellMenu(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui) {
  const MainMenu& m = form.Menus();
  m.HajimeteMenu->setObjectName("HajimeteMenu");
  connect(m.HajimeteMenu, &QAction::triggered, this,
          [this] { Run([this] { ShowHelpText(state_, ui_, HelpTopic::FirstUse); }); });

  Add(m.HelpMenu, "KeybordMenu", "キーボードでの操作表 ［Ｆ1］",
      [this] { ShowHelpText(state_, ui_, HelpTopic::Keyboard); });
  Add(m.HelpMenu, "ManualMenu", "Lumettaマニュアルブックを開く", [this] { ManualMenuClick(state_, ui_); });
  Add(m.HelpMenu, "ChuuiMenu", "使用上の注意点", [this] { ShowHelpText(state_, ui_, HelpTopic::Cautions); });
  Add(m.HelpMenu, "HosokuMenu", "より楽しく使うための補足説明", [this] { ShowHelpText(state_, ui_, HelpTopic::Notes); });
  Add(m.HelpMenu, "HomePageMenu", "ホームページへ行く", [this] { HomePageMenuClick(state_, ui_); });

  OtherAppMenu = m.CommandMenu->addMenu("他のアプリケーションで開く");
  OtherAppMenu->setObjectName("OtherAppMenu");
  for (int n = 1; n <= 3; ++n) {
    AppMenus[static_cast<std::size_t>(n - 1)] = Add(OtherAppMenu, qPrintable(QString("App%1Menu").arg(n)), QString(),
                                                    [this, n] { OpenWithApp(state_, ui_, n); });
  }
  Add(OtherAppMenu, "NewOpenMenu", "Lumetta（新しいウィンドウ）", [this] { NewOpenMenuClick(state_, ui_); });
  Add(OtherAppMenu, "IEOpenMenu", "インターネットエクスプローラ", [this] { IEOpenMenuClick(state_, ui_); });
  OtherAppMenu->addSeparator();
  Add(OtherAppMenu, "AppSetMenu", "（設定）", [this] { AppSetMenuClick(state_, ui_); });

  Add(m.OshiraseMenu, "HomePageMenu2", "ホームページへ行く", [this] { HomePageMenuClick(state_, ui_); });
  Add(m.OshiraseMenu, "VerMenu", "バージョン情報", [this] { VerMnuClick(ui_); });

  form.SetKeyHandler(KeyCommand::KeyboardHelp,
                     [this](bool) { Run([this] { ShowHelpText(state_, ui_, HelpTopic::Keyboard); }); });
  ui_.OnAppCaptionsChanged([this] { RefreshCaptions(); });
  RefreshCaptions();
}

QAction* ShellMenu::Add(QMenu* menu, const char* name, const QString& caption, std::function<void()> command) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, command = std::move(command)] { Run(command); });
  return action;
}

void ShellMenu::Run(const std::function<void()>& command) {
  ui_.ProcessPendingPaints();
  if (!state_.UiReady) return;
  RunCommand(ui_, command);
}

void ShellMenu::RefreshCaptions() {
  for (int n = 1; n <= 3; ++n) {
    AppMenus[static_cast<std::size_t>(n - 1)]->setText(ToQString(AppMenuCaption(state_, n)));
  }
}

}  // namespace lumetta::ui

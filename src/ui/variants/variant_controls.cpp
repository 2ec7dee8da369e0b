#include "ui/variants/variant_controls.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "core/state/app_state.h"
#include "core/state/key_map.h"
#include "core/variants/save_as_command.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/app/main_panels.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

VariantControls::VariantControls(AppState& state, QtUserInterface& ui, TMainForm& form) : QObject(&form) {
  SaveBtn = new QPushButton("保存", form.Panels().HenshuPnl);
  SaveBtn->setObjectName("SaveBtn");
  SaveBtn->setGeometry(29, 46, 30, 19);
  SaveBtn->setFocusPolicy(Qt::NoFocus);
  SaveBtn->setToolTip("現在表示されているサイズ・明るさなどの編集情報を、Lumetta形式（.lum）ファイルで保存したいときに使います。");
  connect(SaveBtn, &QPushButton::clicked, this, [&state, &ui] {
    RunCommand(ui, [&] { SaveAsEditedPhoto(state, ui, SaveCommandSource::Button); });
  });
  LumSaveMenu = form.Menus().HenshuMenu->addAction("Lumetta形式（.lum）で保存 ［Ｆ6］");
  LumSaveMenu->setObjectName("LumSaveMenu");
  connect(LumSaveMenu, &QAction::triggered, this, [&state, &ui] {
    RunCommand(ui, [&] { SaveAsEditedPhoto(state, ui, SaveCommandSource::Menu); });
  });
  form.SetKeyHandler(KeyCommand::SaveEditedPhoto, [&state, &ui](bool) {
    RunCommand(ui, [&] { SaveAsEditedPhoto(state, ui, SaveCommandSource::Key); });
  });
}

}  // namespace lumetta::ui

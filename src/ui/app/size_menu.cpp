#include "ui/app/size_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "core/app/main_layout.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/app/main_layout.h"
#include "ui/app/size_input_form.h"

namespace lumetta::ui {

SizeMenu::SizeMenu(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form) {
  QMenu* menu = form.Menus().SizeMenu;
  QAction* before = menu->actions().isEmpty() ? nullptr : menu->actions().front();
  auto* group = new QActionGroup(menu);
  auto item = [&](const char* text, Ctl control) {
    auto* action = new QAction(text, menu);
    action->setCheckable(true);
    group->addAction(action);
    menu->insertAction(before, action);
    ui_.Register(control, action);
    return action;
  };
  Size480Menu = item("480x360写真", Ctl::Size480Menu);
  Size640Menu = item("640x480写真", Ctl::Size640Menu);
  Size800Menu = item("800x600写真", Ctl::Size800Menu);
  Size1024Menu = item("1024x768写真", Ctl::Size1024Menu);
  SizeNiniMenu = item("任意の大きさ", Ctl::SizeNiniMenu);
  if (before != nullptr) menu->insertSeparator(before);

  connect(Size480Menu, &QAction::triggered, this, [this] { SizeClick(kSize480Mode); });
  connect(Size640Menu, &QAction::triggered, this, [this] { SizeClick(kSize640Mode); });
  connect(Size800Menu, &QAction::triggered, this, [this] { SizeClick(kSize800Mode); });
  connect(Size1024Menu, &QAction::triggered, this, [this] { SizeClick(kSize1024Mode); });
  connect(SizeNiniMenu, &QAction::triggered, this, [this] { SizeNiniClick(); });

  RunSizeInputForm = [this](SizeInputModel& model) {
    TSizeInputForm dialog(model, ui_, &form_);
    return dialog.Run();
  };
}

void SizeMenu::SizeClick(std::uint8_t size_mode) {
  RunCommand(ui_, [this, size_mode] {
    if (ChooseSizeMode(state_, ui_, size_mode)) LayoutMainWindow(state_, ui_, form_);
  });
  // A click the program was not ready for leaves the check where it was.
  CheckSizeMenu(state_, ui_);
}

void SizeMenu::SizeNiniClick() {
  RunCommand(ui_, [this] {
    ui_.ProcessPendingPaints();
    if (!state_.UiReady) return;
    SizeInputModel model(state_);
    if (!RunSizeInputForm || !RunSizeInputForm(model)) return;
    if (ChooseCustomSize(state_, ui_, model.SizeMode(), model.Width(), model.Height())) {
      LayoutMainWindow(state_, ui_, form_);
    }
  });
  CheckSizeMenu(state_, ui_);
}

}  // namespace lumetta::ui

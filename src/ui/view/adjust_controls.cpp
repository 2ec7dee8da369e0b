#include "ui/view/adjust_controls.h"

#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>

#include "core/view/akarusa_model.h"
#include "core/view/effect_commands.h"
#include "core/view/quality_choices.h"
#include "core/view/sharpness_commands.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/view/edit_panel.h"

namespace lumetta::ui {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(left, top, 36, 20);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

AdjustControls::AdjustControls(AppState& state, QtUserInterface& ui, QObject* parent)
    : QObject(parent), state_(state), ui_(ui) {}

void AdjustControls::AddButtons(QWidget* henshu_pnl) {
  AkarusaBtn = MakeButton(henshu_pnl, "AkarusaBtn", "明るさ", 118, 2);
  SharpBtn = MakeButton(henshu_pnl, "SharpBtn", "ｼｬｰﾌﾟ", 155, 2);
  connect(AkarusaBtn, &QPushButton::clicked, this,
          [this] { RunCommand(ui_, [this] { AkarusaCommand(state_, ui_, CommandSource::Button); }); });
  connect(SharpBtn, &QPushButton::clicked, this,
          [this] { RunCommand(ui_, [this] { SharpCommand(state_, ui_, CommandSource::Button); }); });
}

void AdjustControls::AddMenuItems(QMenu* henshu_menu, QAction* henshu_before, QMenu* gashitsu_menu,
                                  QMenu* sharpness_menu) {
  if (henshu_menu != nullptr) {
    AkarusaMenu = new QAction("明るさ・コントラスト", henshu_menu);
    SharpMenu = new QAction("シャープネス", henshu_menu);
    henshu_menu->insertAction(henshu_before, AkarusaMenu);
    henshu_menu->insertAction(henshu_before, SharpMenu);
    connect(AkarusaMenu, &QAction::triggered, this,
            [this] { RunCommand(ui_, [this] { AkarusaCommand(state_, ui_, CommandSource::Menu); }); });
    connect(SharpMenu, &QAction::triggered, this,
            [this] { RunCommand(ui_, [this] { SharpCommand(state_, ui_, CommandSource::Menu); }); });
  }

  if (gashitsu_menu != nullptr) {
    auto* group = new QActionGroup(gashitsu_menu);
    std::array<QAction*, kEffectChoices.size()> actions{};
    for (std::size_t i = 0; i < kEffectChoices.size(); ++i) {
      QAction* action = gashitsu_menu->addAction(ToQString(kEffectChoices[i].caption));
      action->setCheckable(true);
      group->addAction(action);
      const std::int32_t effect = kEffectChoices[i].effect;
      ui_.Register(kEffectChoices[i].menu, action);
      connect(action, &QAction::triggered, this, [this, effect] {
        RunCommand(ui_, [this, effect] { SetGlobalEffect(state_, ui_, effect); });
        SyncChecks();
      });
      actions[i] = action;
    }
    GNormalMenu = actions[0];
    GChromaMenu = actions[1];
    GSepiaMenu = actions[2];
    GWhiteBlackMenu = actions[3];
  }

  if (sharpness_menu != nullptr) {
    auto* group = new QActionGroup(sharpness_menu);
    for (std::size_t i = 0; i < kSharpnessChoices.size(); ++i) {
      QAction* action = sharpness_menu->addAction(ToQString(kSharpnessChoices[i].caption));
      action->setCheckable(true);
      group->addAction(action);
      const std::int32_t level = kSharpnessChoices[i].level;
      ui_.Register(kSharpnessChoices[i].menu, action);
      connect(action, &QAction::triggered, this, [this, level] {
        RunCommand(ui_, [this, level] { SetGlobalSharpness(state_, ui_, level); });
        SyncChecks();
      });
      SharpnessMenus[i] = action;
    }
    SPSetsumeiMenu = sharpness_menu->addAction("（説明）");
    connect(SPSetsumeiMenu, &QAction::triggered, this, [this] { ExplainGlobalSharpness(state_, ui_); });
  }
  SyncChecks();
}

void AdjustControls::SyncChecks() {
  // A click checks its item at once; while the program is busy the command
  // does nothing, and the check goes back to the setting in force.
  CheckGlobalEffectMenu(state_, ui_);
  CheckGlobalSharpnessMenu(state_, ui_);
}

void AdjustControls::TakeLabelClicks(QLabel* kouka_lbl, QLabel* sharp_lbl) {
  kouka_lbl_ = kouka_lbl;
  sharp_lbl_ = sharp_lbl;
  for (QLabel* label : {kouka_lbl_, sharp_lbl_}) {
    if (label != nullptr) label->installEventFilter(this);
  }
}

bool AdjustControls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (kouka_lbl_ != nullptr && watched == kouka_lbl_) {
      RunCommand(ui_, [this] { CycleGlobalEffect(state_, ui_); });
      return true;
    }
    if (sharp_lbl_ != nullptr && watched == sharp_lbl_) {
      RunCommand(ui_, [this] { CycleGlobalSharpness(state_, ui_); });
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

AdjustControls* BuildAdjustControls(AppState& state, QtUserInterface& ui, TMainForm& form, EditPanel& edit_panel) {
  const MainPanels& panels = form.Panels();
  auto* controls = new AdjustControls(state, ui, &form);
  controls->AddButtons(panels.HenshuPnl);
  controls->AddMenuItems(form.Menus().HenshuMenu, edit_panel.HenshuKaijoMenu, form.Menus().GashitsuMenu,
                         form.Menus().SharpnessMenu);
  controls->TakeLabelClicks(panels.KoukaLbl, panels.SharpLbl);
  form.SetKeyHandler(KeyCommand::NextEffect,
                     [&state, &ui](bool) { RunCommand(ui, [&] { CycleGlobalEffect(state, ui); }); });
  return controls;
}

}  // namespace lumetta::ui

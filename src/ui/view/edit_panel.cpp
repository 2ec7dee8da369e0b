#include "ui/view/edit_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "core/view/view_commands.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/main_form.h"
#include "ui/app/widget_helpers.h"
#include "ui/view/bairitsu_form.h"

namespace lumetta::ui {

void ShiftButton::mousePressEvent(QMouseEvent* event) {
  shift_at_press_ = event->modifiers() & Qt::ShiftModifier;
  QPushButton::mousePressEvent(event);
}

void ShiftButton::keyPressEvent(QKeyEvent* event) {
  shift_at_press_ = event->modifiers() & Qt::ShiftModifier;
  QPushButton::keyPressEvent(event);
}

namespace {

template <typename Button>
Button* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height) {
  auto* button = new Button(text, parent);
  button->setObjectName(name);
  button->setGeometry(left, top, width, height);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

EditPanel::EditPanel(AppState& state, QtUserInterface& ui, QWidget* henshu_pnl, QLabel* henshu_lbl,
                     PictureWidget* view_img, QWidget* window, QObject* parent)
    : QObject(parent), state_(state), ui_(ui), view_img_(view_img), window_(window), henshu_lbl_(henshu_lbl) {
  // The places of the 800 layout; the narrow layouts leave the zoom controls
  // outside the panel, where the menus and keys still reach them.
  TurnLeftBtn = MakeButton<QPushButton>(henshu_pnl, "TurnLeftBtn", "左回", 3, 24, 28, 20);
  TurnRightBtn = MakeButton<QPushButton>(henshu_pnl, "TurnRightBtn", "右回", 32, 24, 28, 20);
  WideChk = new QCheckBox(henshu_pnl);
  WideChk->setObjectName("WideChk");
  WideChk->setGeometry(3, 46, 14, 17);
  WideChk->setFocusPolicy(Qt::NoFocus);
  WideLbl = MakeLabel(henshu_pnl, "WideLbl", "W", 17, 50);
  // Two pixels wider than the layout drew it: the Latin letters of the
  // program's Japanese gothic are wider than the old one's.
  WideLbl->resize(12, 12);
  ZoomDownBtn = MakeButton<ShiftButton>(henshu_pnl, "ZoomDownBtn", "縮小", 67, 29, 28, 20);
  ZoomUpBtn = MakeButton<ShiftButton>(henshu_pnl, "ZoomUpBtn", "拡大", 96, 29, 29, 20);
  ZoomKaijoBtn = MakeButton<QPushButton>(henshu_pnl, "ZoomKaijoBtn", "解除", 126, 29, 29, 20);
  ZoomKaijoBtn->setEnabled(false);
  // The small labels fit between the buttons and the panel's edge in a
  // 10-pixel font.
  BairitsuCaptionLbl = MakeLabel(henshu_pnl, "BairitsuCaptionLbl", "倍率", 163, 36);
  BairitsuCaptionLbl->setFont(PGothicFont(10));
  BairitsuCaptionLbl->adjustSize();
  RitsuLbl = MakeLabel(henshu_pnl, "RitsuLbl", "   %", 156, 47);
  RitsuLbl->setFont(PGothicFont(12));
  RitsuLbl->resize(36, 14);
  RitsuLbl->setCursor(Qt::PointingHandCursor);
  JoutaiLbl = MakeLabel(henshu_pnl, "JoutaiLbl", "【写真未表示】", 66, 50);
  JoutaiLbl->setFont(PGothicFont(10));
  JoutaiLbl->resize(88, 12);

  ui_.Register(Ctl::ZoomDownBtn, ZoomDownBtn);
  ui_.Register(Ctl::ZoomUpBtn, ZoomUpBtn);
  ui_.Register(Ctl::ZoomKaijoBtn, ZoomKaijoBtn);
  ui_.Register(Ctl::RitsuLbl, RitsuLbl);
  ui_.Register(Ctl::JoutaiLbl, JoutaiLbl);
  ui_.Register(Ctl::WideChk, WideChk);
  if (henshu_lbl_ != nullptr) {
    ui_.Register(Ctl::HenshuLbl, henshu_lbl_);
    henshu_lbl_->setToolTip("写真を表示すると、ここに表示倍率（原寸大サイズに対する倍率）がヒント表示されます。");
    henshu_lbl_->installEventFilter(this);
  }
  RitsuLbl->installEventFilter(this);
  WideLbl->installEventFilter(this);

  connect(ZoomUpBtn, &QPushButton::clicked, this, [this] {
    const bool fine = ZoomUpBtn->ShiftAtPress();
    RunCommand(ui_, [this, fine] { (fine ? ZoomFineUp : ZoomStepUp)(state_, ui_, CommandSource::Button); });
  });
  connect(ZoomDownBtn, &QPushButton::clicked, this, [this] {
    const bool fine = ZoomDownBtn->ShiftAtPress();
    RunCommand(ui_, [this, fine] { (fine ? ZoomFineDown : ZoomStepDown)(state_, ui_, CommandSource::Button); });
  });
  connect(ZoomKaijoBtn, &QPushButton::clicked, this,
          [this] { RunCommand(ui_, [this] { LeaveZoom(state_, ui_, CommandSource::Button); }); });
  connect(TurnLeftBtn, &QPushButton::clicked, this,
          [this] { RunCommand(ui_, [this] { TurnLeft(state_, ui_, CommandSource::Button); }); });
  connect(TurnRightBtn, &QPushButton::clicked, this,
          [this] { RunCommand(ui_, [this] { TurnRight(state_, ui_, CommandSource::Button); }); });
  // The check box shows FillView; a click asks for the toggle, which sets it.
  connect(WideChk, &QCheckBox::clicked, this, [this] {
    WideChk->setChecked(state_.view.FillView);
    RunCommand(ui_, [this] { ToggleFillView(state_, ui_); });
  });

  if (view_img_ != nullptr) {
    connect(view_img_, &PictureWidget::MousePressed, this, &EditPanel::ViewPressed);
    connect(view_img_, &PictureWidget::MouseMoved, this, &EditPanel::ViewMoved);
    connect(view_img_, &PictureWidget::MouseReleased, this, &EditPanel::ViewReleased);
    connect(view_img_, &PictureWidget::DoubleClicked, this, &EditPanel::ViewDoubleClicked);
  }

  RunBairitsuForm = [this]() -> std::optional<std::string> {
    TBairitsuForm form(GensunText(state_), state_.view.ZoomPercent, window_);
    return form.Run();
  };
}

void EditPanel::AddMenuItems(QMenu* henshu_menu, QMenu* gashitsu_menu) {
  if (henshu_menu != nullptr) {
    auto item = [this, henshu_menu](const char* text, std::function<void()> command) {
      QAction* action = henshu_menu->addAction(text);
      connect(action, &QAction::triggered, this, [this, command] { RunCommand(ui_, command); });
      return action;
    };
    TurnLeftMenu = item("左９０°回転 ［１］", [this] { TurnLeft(state_, ui_, CommandSource::Menu); });
    TurnRightMenu = item("右９０°回転 ［２］", [this] { TurnRight(state_, ui_, CommandSource::Menu); });
    WideMenu = item("ワイドモード切り替え ［Ｍ］", [this] { ToggleFillView(state_, ui_); });
    ZoomUpMenu = item("ズームアップ（拡大） ［Ｂ］", [this] { ZoomStepUp(state_, ui_, CommandSource::Menu); });
    ZoomDownMenu = item("ズームダウン（縮小） ［Ｖ］", [this] { ZoomStepDown(state_, ui_, CommandSource::Menu); });
    ZoomKaijoMenu = item("ズーム解除 ［Ｎ］", [this] { LeaveZoom(state_, ui_, CommandSource::Menu); });
    HenshuKaijoMenu = item("全ての編集を解除", [this] { ResetAllEdits(state_, ui_); });
  }
  if (gashitsu_menu != nullptr) {
    auto* group = new QActionGroup(gashitsu_menu);
    KougashitsuMenu = gashitsu_menu->addAction("高画質モード");
    KousokuMenu = gashitsu_menu->addAction("高速モード");
    for (QAction* action : {KougashitsuMenu, KousokuMenu}) {
      action->setCheckable(true);
      group->addAction(action);
    }
    KougashitsuMenu->setChecked(state_.settings.QualityMode == QualityModeKind::HighQuality);
    KousokuMenu->setChecked(state_.settings.QualityMode == QualityModeKind::HighSpeed);
    ui_.Register(Ctl::KougashitsuMenu, KougashitsuMenu);
    ui_.Register(Ctl::KousokuMenu, KousokuMenu);
    connect(KougashitsuMenu, &QAction::triggered, this, [this] {
      RunCommand(ui_, [this] { SetQualityMode(state_, ui_, QualityModeKind::HighQuality); });
    });
    connect(KousokuMenu, &QAction::triggered, this, [this] {
      RunCommand(ui_, [this] { SetQualityMode(state_, ui_, QualityModeKind::HighSpeed); });
    });
  }
}

void EditPanel::TakeQualityLabelClicks(QLabel* gashitsu_mode_lbl, QLabel* gashitsu_mode_s_lbl) {
  gashitsu_labels_[0] = gashitsu_mode_lbl;
  gashitsu_labels_[1] = gashitsu_mode_s_lbl;
  for (QLabel* label : gashitsu_labels_) {
    if (label != nullptr) label->installEventFilter(this);
  }
}

bool EditPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == RitsuLbl || (watched == henshu_lbl_ && henshu_lbl_ != nullptr)) {
      RunCommand(ui_, [this] { NumericZoomClick(state_, ui_, RunBairitsuForm); });
      return true;
    }
    if (watched == WideLbl) {
      RunCommand(ui_, [this] { ToggleFillView(state_, ui_); });
      return true;
    }
    for (QLabel* label : gashitsu_labels_) {
      if (label != nullptr && watched == label) {
        RunCommand(ui_, [this] { ToggleQualityMode(state_, ui_); });
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void EditPanel::ViewPressed(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    RunCommand(ui_, [this] { ViewMiddleButton(state_, ui_); });
    return;
  }
  if (event->button() == Qt::LeftButton) drag_.Press(event);
}

void EditPanel::ViewMoved(QMouseEvent* event) {
  const QPoint local = event->position().toPoint();
  ViewMouseMove(state_, ui_, local.x(), local.y());
  if (event->buttons() & Qt::LeftButton) drag_.Move(event, *view_img_);
}

void EditPanel::ViewReleased(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) drag_.Release();
}

void EditPanel::ViewDoubleClicked(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  drag_.Forget();
  const QPoint local = event->position().toPoint();
  RunCommand(ui_, [this, local] { ViewDoubleClick(state_, ui_, local.x(), local.y()); });
}

EditPanel* BuildEditPanel(AppState& state, QtUserInterface& ui, TMainForm& form) {
  const MainPanels& panels = form.Panels();
  auto* panel = new EditPanel(state, ui, panels.HenshuPnl, panels.HenshuLbl, form.ViewImg(), &form, &form);
  panel->AddMenuItems(form.Menus().HenshuMenu, form.Menus().GashitsuMenu);
  panel->TakeQualityLabelClicks(panels.GashitsuModeLbl, panels.GashitsuModeSLbl);
  form.SetKeyHandler(KeyCommand::TurnLeft, [panel, &state, &ui](bool) {
    RunCommand(ui, [&] { TurnLeft(state, ui, CommandSource::Key); });
  });
  form.SetKeyHandler(KeyCommand::TurnRight, [panel, &state, &ui](bool) {
    RunCommand(ui, [&] { TurnRight(state, ui, CommandSource::Key); });
  });
  form.SetKeyHandler(KeyCommand::ZoomIn, [panel, &state, &ui](bool shift) {
    RunCommand(ui, [&] { (shift ? ZoomFineUp : ZoomStepUp)(state, ui, CommandSource::Key); });
  });
  form.SetKeyHandler(KeyCommand::ZoomOut, [panel, &state, &ui](bool shift) {
    RunCommand(ui, [&] { (shift ? ZoomFineDown : ZoomStepDown)(state, ui, CommandSource::Key); });
  });
  form.SetKeyHandler(KeyCommand::LeaveZoom, [panel, &state, &ui](bool) {
    RunCommand(ui, [&] { LeaveZoom(state, ui, CommandSource::Key); });
  });
  form.SetKeyHandler(KeyCommand::ToggleFill, [panel, &state, &ui](bool) {
    RunCommand(ui, [&] { ToggleFillView(state, ui); });
  });
  UpdateModeLabels(state, ui);
  return panel;
}

}  // namespace lumetta::ui

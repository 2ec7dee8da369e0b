#include "ui/app/photo_display.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "core/app/panorama_commands.h"
#include "core/app/show_photo.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/main_form.h"

namespace lumetta::ui {

namespace {

QLabel* PanelLabel(QWidget* parent, const char* name, int left, int top, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(pal);
  label->setFont(PGothicFont(12));
  label->setGeometry(left, top, width, 14);
  return label;
}

}  // namespace

PhotoDisplay::PhotoDisplay(AppState& state, QtUserInterface& ui, TMainForm& form, QLabel* joutai_lbl)
    : QObject(&form), state_(state), ui_(ui), window_(&form), joutai_lbl_(joutai_lbl) {
  BuildInfoLabels(form);
  AddPanoramaMenu(form);
  if (joutai_lbl_ != nullptr) {
    joutai_lbl_->installEventFilter(this);
    joutai_lbl_->setCursor(Qt::PointingHandCursor);
  }
  state_.hooks.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
    RunCommand(ui_, [this, position, step] { ShowPhoto(state_, ui_, position, step); });
  };
}

PhotoDisplay::~PhotoDisplay() { state_.hooks.ShowPhoto = nullptr; }

void PhotoDisplay::BuildInfoLabels(TMainForm& form) {
  QWidget* panel = form.Panels().ExifPnl;
  // Below the panel's title bar: the name over the whole width, then the
  // extension and the size.
  const int width = panel->width() - 2;
  FileNameLbl = PanelLabel(panel, "FileNameLbl", 1, 23, width);
  ExtNameLbl = PanelLabel(panel, "ExtNameLbl", 4, 39, 90);
  SizeLbl = PanelLabel(panel, "SizeLbl", 4, 100, width - 6);
  ui_.Register(Ctl::FileNameLbl, FileNameLbl);
  ui_.Register(Ctl::ExtNameLbl, ExtNameLbl);
  ui_.Register(Ctl::SizeLbl, SizeLbl);
}

void PhotoDisplay::AddPanoramaMenu(TMainForm& form) {
  QMenu* menu = form.Menus().SizeMenu;
  auto* group = new QActionGroup(menu);
  auto item = [&](const char* text, Ctl control, PanoramaKind mode) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    group->addAction(action);
    ui_.Register(control, action);
    connect(action, &QAction::triggered, this, [this, mode] {
      RunCommand(ui_, [this, mode] { SetPanoramaMode(state_, ui_, mode); });
      SyncPanoramaChecks();
    });
    return action;
  };
  NoPanoramicMenu = item("ノーマル（１枚）表示", Ctl::NoPanoramicMenu, PanoramaKind::None);
  PanoramicMenu = item("パノラマ（２枚）表示", Ctl::PanoramicMenu, PanoramaKind::Pair);
  PanoramicRLMenu = item("パノラマ（２枚逆）表示", Ctl::PanoramicRLMenu, PanoramaKind::PairReversed);
  Panoramic4Menu = item("パノラマ（４枚）表示", Ctl::Panoramic4Menu, PanoramaKind::Four);
  SyncPanoramaChecks();
}

void PhotoDisplay::SyncPanoramaChecks() {
  const PanoramaKind mode = state_.PanoramaMode;
  NoPanoramicMenu->setChecked(mode == PanoramaKind::None);
  PanoramicMenu->setChecked(mode == PanoramaKind::Pair);
  PanoramicRLMenu->setChecked(mode == PanoramaKind::PairReversed);
  Panoramic4Menu->setChecked(mode == PanoramaKind::Four);
}

bool PhotoDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == joutai_lbl_ && event->type() == QEvent::MouseButtonPress) {
    RunCommand(ui_, [this] { JoutaiLblMouseDown(state_, ui_); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumetta::ui

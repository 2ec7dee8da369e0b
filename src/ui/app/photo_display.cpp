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
  // Below the panel's title bar, six rows: the name (narrowed when the date
  // stands beside it) and the date; the extension, the shown size and the
  // time; the maker and the file size at the right edge; the camera; the
  // aperture line with the flash star after it; the bias line.
  const int width = panel->width() - 2;
  const int date_left = panel->width() - 68;
  auto row = [](int i) { return 22 + 15 * i; };
  FileNameLbl = PanelLabel(panel, "FileNameLbl", 1, row(0), width);
  HidukeLbl = PanelLabel(panel, "HidukeLbl", date_left, row(0), 66);
  ExtNameLbl = PanelLabel(panel, "ExtNameLbl", 4, row(1), 66);
  SizeLbl = PanelLabel(panel, "SizeLbl", 72, row(1), date_left - 74);
  TimeLbl = PanelLabel(panel, "TimeLbl", date_left, row(1), 66);
  MakerLbl = PanelLabel(panel, "MakerLbl", 4, row(2), width - 6);
  FileSizeLbl = PanelLabel(panel, "FileSizeLbl", width - 50, row(2), 50);
  FileSizeLbl->setFont(GothicFont(12));
  CameraLbl = PanelLabel(panel, "CameraLbl", 4, row(3), width - 6);
  SatsueiLbl = PanelLabel(panel, "SatsueiLbl", 4, row(4), width - 6);
  StrobeLbl = PanelLabel(panel, "StrobeLbl", 4, row(4), 14);
  SatsueiLbl2 = PanelLabel(panel, "SatsueiLbl2", 4, row(5), width - 6);
  QPalette star = StrobeLbl->palette();
  star.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
  StrobeLbl->setPalette(star);
  ui_.Register(Ctl::ExifPnl, panel);
  ui_.Register(Ctl::FileNameLbl, FileNameLbl);
  ui_.Register(Ctl::ExtNameLbl, ExtNameLbl);
  ui_.Register(Ctl::SizeLbl, SizeLbl);
  ui_.Register(Ctl::FileSizeLbl, FileSizeLbl);
  ui_.Register(Ctl::HidukeLbl, HidukeLbl);
  ui_.Register(Ctl::TimeLbl, TimeLbl);
  ui_.Register(Ctl::CameraLbl, CameraLbl);
  ui_.Register(Ctl::MakerLbl, MakerLbl);
  ui_.Register(Ctl::SatsueiLbl, SatsueiLbl);
  ui_.Register(Ctl::StrobeLbl, StrobeLbl);
  ui_.Register(Ctl::SatsueiLbl2, SatsueiLbl2);
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

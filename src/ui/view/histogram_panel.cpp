#include "ui/view/histogram_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFrame>
#include <QMenu>

#include "core/view/histogram_commands.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

namespace {

constexpr const char* kHint =
    "ズームモード時は速度優先のため、ヒストグラムの自動表示はされません。このパネルの上をクリックすると表示されます。";
// The frame around the picture and its legend, centred in the panel below
// the title bar.
constexpr int kDaiWidth = 132;
constexpr int kDaiTop = 25;
constexpr int kDaiHeight = 61;

}  // namespace

HistogramPanel::HistogramPanel(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui) {
  QFrame* panel = form.Panels().HistgramPnl;
  HistDaiPnl = new QFrame(panel);
  HistDaiPnl->setObjectName("HistDaiPnl");
  HistDaiPnl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  HistDaiPnl->setLineWidth(1);
  HistDaiPnl->setGeometry((panel->width() - kDaiWidth) / 2, kDaiTop, kDaiWidth, kDaiHeight);
  HistgramImg = new PictureWidget(&state_.HistogramPicture, HistDaiPnl);
  HistgramImg->setObjectName("HistgramImg");
  HistgramImg->setGeometry(2, 2, 128, 50);
  HistgramImg2 = new PictureWidget(&state_.HistogramLegend, HistDaiPnl);
  HistgramImg2->setObjectName("HistgramImg2");
  HistgramImg2->setGeometry(2, 53, 128, 5);
  for (QWidget* w : {static_cast<QWidget*>(HistDaiPnl), static_cast<QWidget*>(HistgramImg),
                     static_cast<QWidget*>(HistgramImg2)}) {
    w->setToolTip(kHint);
    w->installEventFilter(this);
  }
  ui_.RegisterPicture(Picture::HistgramImg, HistgramImg);
  ui_.RegisterPicture(Picture::HistgramImg2, HistgramImg2);

  QMenu* sub = form.Menus().GashitsuMenu->addMenu("ヒストグラム表示");
  auto* group = new QActionGroup(sub);
  HistgramAutoMenu = sub->addAction("自動的に表示する");
  HistgramHandMenu = sub->addAction("表示欄をクリックで表示");
  HistgramAutoMenu->setObjectName("HistgramAutoMenu");
  HistgramHandMenu->setObjectName("HistgramHandMenu");
  for (QAction* a : {HistgramAutoMenu, HistgramHandMenu}) {
    a->setCheckable(true);
    group->addAction(a);
  }
  ui_.Register(Ctl::HistgramAutoMenu, HistgramAutoMenu);
  ui_.Register(Ctl::HistgramHandMenu, HistgramHandMenu);
  connect(HistgramAutoMenu, &QAction::triggered, this, [this] {
    RunCommand(ui_, [this] { HistgramAutoMenuClick(state_, ui_); });
    ShowHistogramMode(state_, ui_);
  });
  connect(HistgramHandMenu, &QAction::triggered, this, [this] {
    RunCommand(ui_, [this] { HistgramHandMenuClick(state_, ui_); });
    ShowHistogramMode(state_, ui_);
  });

  InstallHistogram(state_, ui_);
  ShowHistogramMode(state_, ui_);
}

HistogramPanel::~HistogramPanel() {
  state_.view.hooks.ShowHistogram = nullptr;
  state_.view.hooks.ClearHistogram = nullptr;
}

bool HistogramPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      (watched == HistDaiPnl || watched == HistgramImg || watched == HistgramImg2)) {
    RunCommand(ui_, [this] { HistogramClick(state_, ui_); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumetta::ui

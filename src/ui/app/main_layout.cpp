#include "ui/app/main_layout.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <string_view>

#include "core/app/main_layout.h"
#include "core/view/window_layouts.h"
#include "ui/app/main_form.h"

namespace lumetta::ui {

namespace {

QRect RectOf(const LayoutRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

// The control of that name, or nothing when this front end has none.
QWidget* Control(QWidget* root, const char* name) { return root->findChild<QWidget*>(QString::fromLatin1(name)); }

void Place(QWidget* root, const char* name, const LayoutRect& rect) {
  if (QWidget* w = Control(root, name)) w->setGeometry(RectOf(rect));
}

void SetLeft(QWidget* root, const char* name, int left) {
  if (QWidget* w = Control(root, name)) w->move(left, w->y());
}

void SetWidth(QWidget* root, const char* name, int width) {
  if (QWidget* w = Control(root, name)) w->resize(width, w->height());
}

void PlaceButton(QWidget* root, const char* name, const LayoutRect& rect, std::string_view caption) {
  QWidget* w = Control(root, name);
  if (w == nullptr) return;
  w->setGeometry(RectOf(rect));
  if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void PlaceEditPanel(QWidget* root, const WindowLayout& l) {
  Place(root, "HenshuPnl", l.HenshuPnl);
  const int w = l.HenshuPnl.Width;
  const int h = l.HenshuPnl.Height;
  Place(root, "HenshuMigiPnl", {w - 1, 0, 1, h});
  Place(root, "HenshuShitaPnl", {0, h - 1, w, 1});
  Place(root, "HenshuLblPnl", l.HenshuLblPnl);
  Place(root, "TurnLeftBtn", l.TurnLeftBtn);
  Place(root, "TurnRightBtn", l.TurnRightBtn);
  Place(root, "WideChk", l.WideChk);
  Place(root, "WideLbl", l.WideLbl);
  Place(root, "SaveBtn", l.SaveBtn);
}

void PlaceFolderPanel(QWidget* root, const WindowLayout& l) {
  Place(root, "FolderPnl", l.FolderPnl);
  Place(root, "FolderShitaPnl", l.FolderShitaPnl);
  Place(root, "FolderMigiPnl", l.FolderMigiPnl);
  const int w = l.FolderPnl.Width;
  SetWidth(root, "FolderLblPnl", w - 4);
  if (QWidget* bar = Control(root, "FolderLblPnl")) {
    // The title's text is centred over the whole bar.
    for (QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->objectName().isEmpty()) label->resize(w - 4, label->height());
    }
  }
  for (const char* name : {"FolderBtn1", "FolderBtn2", "FolderBtn3"}) SetLeft(root, name, w - 28);
  for (const char* name : {"FolderLbl1", "FolderLbl1B", "FolderLbl2", "FolderLbl2B", "FolderLbl3", "FolderLbl3B"}) {
    SetWidth(root, name, w - 47);
  }
  Place(root, "SubFolderPnl", l.SubFolderPnl);
  if (QWidget* tree = Control(root, "FolderTree")) {
    tree->resize(l.SubFolderPnl.Width - 6, l.SubFolderPnl.Height - 12);
  }
  PlaceButton(root, "ExplorerBtn", l.ExplorerBtn, l.ExplorerCaption);
  PlaceButton(root, "OpenBtn", l.OpenBtn, l.OpenCaption);
  Place(root, "OkiniBtn", l.OkiniBtn);
}

void PlaceInfoPanel(QWidget* root, const WindowLayout& l) {
  Place(root, "ExifPnl", l.ExifPnl);
  const int w = l.ExifPnl.Width;
  SetWidth(root, "ExifLblPnl", w - 4);
  if (QWidget* bar = Control(root, "ExifLblPnl")) {
    for (QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->objectName().isEmpty()) label->resize(w - 4, label->height());
    }
  }
  const auto* date = qobject_cast<QLabel*>(Control(root, "HidukeLbl"));
  const bool dated = date != nullptr && !date->text().trimmed().isEmpty();
  SetWidth(root, "FileNameLbl", dated ? w - 68 : w - 2);
  SetLeft(root, "HidukeLbl", w - 59);
  SetLeft(root, "TimeLbl", w - 52);
  if (QWidget* size = Control(root, "FileSizeLbl")) size->move(w - size->width() - 1, size->y());
}

void PlaceHistogramPanel(QWidget* root, const WindowLayout& l) {
  Place(root, "HistgramPnl", l.HistgramPnl);
  const int w = l.HistgramPnl.Width;
  SetWidth(root, "HistgramLblPnl", w - 4);
  if (QWidget* bar = Control(root, "HistgramLblPnl")) {
    for (QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->objectName().isEmpty()) label->resize(w - 4, label->height());
    }
  }
  if (QWidget* dai = Control(root, "HistDaiPnl")) dai->move((w - dai->width()) / 2, dai->y());
}

bool OnSomeScreen(const QRect& frame, const QList<QRect>& screens) {
  for (const QRect& screen : screens) {
    if (screen.intersects(frame)) return true;
  }
  return false;
}

}  // namespace

QPoint PlaceOnScreens(const QRect& frame, const QRect& previous, const QList<QRect>& screens) {
  if (screens.isEmpty() || OnSomeScreen(frame, screens)) return frame.topLeft();
  QRect target = screens.front();
  qint64 most = -1;
  for (const QRect& screen : screens) {
    const QRect common = screen.intersected(previous);
    const qint64 area = common.isEmpty() ? 0 : qint64{common.width()} * common.height();
    if (area > most) {
      most = area;
      target = screen;
    }
  }
  int left = frame.left();
  int top = frame.top();
  if (left + frame.width() > target.right() + 1) left = target.right() + 1 - frame.width();
  if (top + frame.height() > target.bottom() + 1) top = target.bottom() + 1 - frame.height();
  if (left < target.left()) left = target.left();
  if (top < target.top()) top = target.top();
  return QPoint(left, top);
}

void LayoutMainWindow(AppState& state, QtUserInterface& ui, TMainForm& form) {
  const QRect previous = form.frameGeometry();
  const RelayoutPlan plan = BeginRelayout(state, ui);
  const WindowLayout& l = WindowLayoutOf(plan.Size.Layout);
  QWidget* root = &form;

  form.SetClientSize(l.ClientWidth, l.ClientHeight);
  form.adjustSize();
  PlaceEditPanel(root, l);
  PlaceFolderPanel(root, l);
  PlaceInfoPanel(root, l);
  PlaceHistogramPanel(root, l);
  if (QWidget* quality = Control(root, "GashitsuPnl")) {
    if (l.GashitsuShown) quality->setGeometry(RectOf(l.GashitsuPnl));
    quality->setVisible(l.GashitsuShown);
  }
  Place(root, "SideBouPnl", l.SideBouPnl);
  if (QWidget* title = Control(root, "HenshuLbl")) title->move(l.HenshuLblLeft, l.HenshuLblTop);
  form.ViewImg()->setGeometry(l.ViewLeft, l.ViewTop, plan.Size.ViewWidth, plan.Size.ViewHeight);

  // Growing keeps the top-left corner; only a window that has left every
  // screen is brought back.
  if (form.isVisible()) {
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
    const QRect frame = form.frameGeometry();
    const QPoint place = PlaceOnScreens(frame, previous, screens);
    if (place != frame.topLeft()) form.move(place);
  }
  FinishRelayout(state, ui, plan);
}

}  // namespace lumetta::ui

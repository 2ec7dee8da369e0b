#include "ui/library/thumb_strip_view.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "core/base/text_codec.h"
#include "core/library/folder_tree.h"
#include "core/library/photo_sort.h"
#include "core/library/thumb_strip.h"
#include "core/library/thumbnail_cache.h"
#include "core/imaging/thumbnail_fill.h"
#include "core/library/wide_thumb_keys.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/input_discard.h"
#include "ui/app/main_form.h"
#include "ui/imaging/dib_canvas.h"
#include "ui/library/paging_repeat.h"
#include "ui/library/strip_widgets.h"
#include "ui/library/wide_thumb_form.h"

namespace lumetta::ui {

namespace {

constexpr int kStripPageStep = 8;
constexpr int kWidePageStep = 39;
// The selection frame's place for each direction, and where the pointer
// goes over it while a photo opens from the keyboard.
constexpr int kSelLeftFromLeft = 278;
constexpr int kSelLeftFromRight = 363;
constexpr QPoint kPointerOnSelection(41, 24);
// The band of the extension tag, rows 44 to 56 of a cell.
constexpr int kTagTop = 44;
constexpr int kTagFontPixels = 12;

bool Inside(const QWidget* ancestor, const QWidget* widget) {
  return ancestor != nullptr && widget != nullptr && (widget == ancestor || ancestor->isAncestorOf(widget));
}

// The extension tag drawn into the bottom band of a cell's picture.
void DrawExtensionTag(TDibImage& image, const std::string& tag) {
  const int n = static_cast<int>(CharCount(tag));
  try {
    TDibCanvas canvas(&image);
    canvas.fillRect(QRect(75 - 6 * n, kTagTop, 6 * n + 2, 13), kHintYellow);
    canvas.setPen(Qt::black);
    canvas.setFont(GothicFont(kTagFontPixels));
    canvas.drawText(QPoint(76 - 6 * n, kTagTop + 1 + kTextAscent), ToQString(tag));
  } catch (const EDibError&) {
    // A picture the canvas cannot take keeps its band; the label still shows.
  }
}

}  // namespace

ThumbStripView::ThumbStripView(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form), thumb_pnl_(form.Panels().ThumbPnl) {
  setObjectName("ThumbStrip");
  repeat_ = new PagingRepeat(this);
  grey_ = BlackThumbnail();
  grey_.Fill(128, 128, 128);
  for (TDibImage& image : images_) image.Assign(grey_);
  BuildStrip();
  BuildWide();
  Connect();
  BindKeysAndMenu();

  state_.hooks.PaintStrip = [this](std::int32_t order, bool keep_hover) { PaintStrip(order, keep_hover); };
  state_.hooks.ClearStrip = [this] { ClearStrip(); };
  ConnectThumbnailHooks(state_);
  qApp->installEventFilter(this);
}

ThumbStripView::~ThumbStripView() {
  qApp->removeEventFilter(this);
  state_.hooks.PaintStrip = nullptr;
  state_.hooks.ClearStrip = nullptr;
  if (dragging_) QApplication::restoreOverrideCursor();
}

QRect ThumbStripView::StripCellRect(int cell) { return QRect(25 + 85 * (cell - 1), 5, 80, 60); }

void ThumbStripView::BuildStrip() {
  thumb_pnl_->setMouseTracking(true);
  sel_img_ = new SelectionFrame(thumb_pnl_);
  sel_img_->move(state_.settings.SortDirection == SortOrder::FromLeft ? kSelLeftFromLeft : kSelLeftFromRight, 3);
  for (int cell = 1; cell <= kStripCells; ++cell) {
    auto* widget = new PictureWidget(&images_[cell], thumb_pnl_);
    widget->setObjectName(QString("ThumbImg%1").arg(cell));
    widget->setGeometry(StripCellRect(cell));
    widget->setCursor(Qt::PointingHandCursor);
    strip_cells_[cell] = widget;
  }
  left_btn_ = new StripButton("←", StripButton::Glyph::None, thumb_pnl_);
  left_btn_->setObjectName("ThumbLeftBtn");
  left_btn_->setGeometry(2, 21, 19, 48);
  right_btn_ = new StripButton("→", StripButton::Glyph::None, thumb_pnl_);
  right_btn_->setObjectName("ThumbRightBtn");
  right_btn_->setGeometry(705, 21, 19, 48);
  top_btn_ = new StripButton(QString(), StripButton::Glyph::ToStart, thumb_pnl_);
  top_btn_->setObjectName("ThumbTopBtn");
  top_btn_->setGeometry(2, 2, 19, 18);
  end_btn_ = new StripButton(QString(), StripButton::Glyph::ToEnd, thumb_pnl_);
  end_btn_->setObjectName("ThumbEndBtn");
  end_btn_->setGeometry(705, 2, 19, 18);
  for (StripButton* button : {left_btn_, right_btn_, top_btn_, end_btn_}) button->setMouseTracking(true);
  name_img_ = new NameLabel(thumb_pnl_);
  strip_area_ = Area{thumb_pnl_, name_img_, 1, kStripCells, 21};
}

void ThumbStripView::BuildWide() {
  wide_ = new TWideThumbForm(&form_);
  for (int cell = TWideThumbForm::kFirstCell; cell <= TWideThumbForm::kLastCell; ++cell) {
    wide_->Cell(cell)->SetImage(&images_[cell]);
  }
  for (StripButton* button : {wide_->ThumbTopBtn(), wide_->ThumbEndBtn(), wide_->ThumbLeftBtn(),
                              wide_->ThumbRightBtn()}) {
    button->setMouseTracking(true);
  }
  wide_->OnKeyDown = [this](QKeyEvent* event) { WideKey(event); };
  wide_area_ = Area{wide_->WideThumbPnl(), wide_->NameImg(), TWideThumbForm::kFirstCell,
                    TWideThumbForm::kLastCell, 0};
}

void ThumbStripView::Connect() {
  auto paging = [this](StripButton* button, std::function<bool()> step) {
    connect(button, &StripButton::LeftPressed, this, [this, step] { StartRepeat(step); });
    connect(button, &StripButton::LeftReleased, repeat_, &PagingRepeat::Stop);
  };
  paging(left_btn_, [this] { return StepLeft(state_, kStripPageStep); });
  paging(right_btn_, [this] { return StepRight(state_, kStripPageStep, WideVisible()); });
  paging(wide_->ThumbLeftBtn(), [this] { return StepLeft(state_, kWidePageStep); });
  paging(wide_->ThumbRightBtn(), [this] { return StepRight(state_, kWidePageStep, WideVisible()); });

  auto jump = [this](StripButton* button, std::function<void()> act) {
    connect(button, &QPushButton::clicked, this, [this, act] {
      ui_.SetFocus(Ctl::DummyBtn);
      if (state_.UiReady) act();
    });
  };
  jump(top_btn_, [this] { StripToStart(state_); });
  jump(end_btn_, [this] { StripToEnd(state_); });
  jump(wide_->ThumbTopBtn(), [this] { StripToStart(state_); });
  jump(wide_->ThumbEndBtn(), [this] { WideToEnd(state_); });
}

void ThumbStripView::BindKeysAndMenu() {
  form_.SetKeyHandler(KeyCommand::NextPhoto, [this](bool shift) { NextPhoto(shift, false); });
  form_.SetKeyHandler(KeyCommand::PreviousPhoto, [this](bool shift) { PreviousPhoto(shift, false); });
  form_.SetKeyHandler(KeyCommand::StripLeft8, [this](bool) { StepLeft(state_, kStripPageStep); });
  form_.SetKeyHandler(KeyCommand::StripRight8, [this](bool) { StepRight(state_, kStripPageStep, WideVisible()); });
  form_.SetKeyHandler(KeyCommand::StripLeft1, [this](bool) { StepLeft(state_, 1); });
  form_.SetKeyHandler(KeyCommand::StripRight1, [this](bool) { StepRight(state_, 1, WideVisible()); });
  form_.SetKeyHandler(KeyCommand::StripToStart, [this](bool) { StripToStart(state_); });
  form_.SetKeyHandler(KeyCommand::StripToEnd, [this](bool) { StripToEnd(state_); });
  form_.SetKeyHandler(KeyCommand::OpenWideWindow, [this](bool) { OpenWideWindow(); });
  form_.SetKeyHandler(KeyCommand::RefreshThumbnail, [this](bool) { ThumbnailMenuClick(state_, ui_); });
  form_.SetKeyHandler(KeyCommand::NextFolder, [this](bool) { lumetta::NextFolder(state_, ui_); });
  form_.SetKeyHandler(KeyCommand::PreviousFolder, [this](bool) { lumetta::PreviousFolder(state_, ui_); });

  if (QMenu* menu = form_.Menus().CommandMenu) {
    QAction* all = menu->addAction("選択中フォルダのサムネイルを全て更新");
    all->setObjectName("AllThumbnailMenu");
    connect(all, &QAction::triggered, this, [this] { AllThumbnailMenuClick(state_, ui_); });
  }
}

bool ThumbStripView::WideVisible() const { return wide_ != nullptr && wide_->isVisible(); }

PictureWidget* ThumbStripView::CellWidget(int cell) const {
  if (cell >= 1 && cell <= kStripCells) return strip_cells_[cell];
  return wide_->Cell(cell);
}

QRect ThumbStripView::CellRect(int cell) const {
  return cell <= kStripCells ? StripCellRect(cell) : TWideThumbForm::CellRect(cell);
}

const ThumbStripView::Area& ThumbStripView::AreaOf(int cell) const {
  return cell <= kStripCells ? strip_area_ : wide_area_;
}

void ThumbStripView::FillGrey(int first, int last) {
  for (int cell = first; cell <= last; ++cell) {
    images_[cell].Assign(grey_);
    CellWidget(cell)->update();
  }
}

void ThumbStripView::PaintStrip(int order, bool keep_hover) {
  EndHover(false);
  FillGrey(1, kStripCells);
  sel_img_->move(state_.settings.SortDirection == SortOrder::FromLeft ? kSelLeftFromLeft : kSelLeftFromRight, 3);
  sel_img_->lower();
  const bool wide = WideVisible();
  if (wide) FillGrey(TWideThumbForm::kFirstCell, TWideThumbForm::kLastCell);
  PaintStripCells(state_, ui_, order, wide, [this](std::int32_t cell, const TDibImage& thumb) {
    images_[cell].Assign(thumb);
    // Thumbnails appear one by one as they are read or built.
    CellWidget(cell)->repaint();
  });
  if (keep_hover) RehoverAtCursor();
}

void ThumbStripView::ClearStrip() {
  EndHover(false);
  FillGrey(1, kStripCells);
  FillGrey(TWideThumbForm::kFirstCell, TWideThumbForm::kLastCell);
}

void ThumbStripView::HideLabels() {
  name_img_->hide();
  wide_->NameImg()->hide();
}

void ThumbStripView::EndHover(bool restore) {
  if (hover_cell_ != 0 && restore) {
    images_[hover_cell_].Assign(hover_saved_);
    CellWidget(hover_cell_)->update();
  }
  hover_cell_ = 0;
  hover_saved_.AssignNull();
  HideLabels();
}

int ThumbStripView::CellAt(const Area& area, QPoint panel_pos) const {
  for (int cell = area.first; cell <= area.last; ++cell) {
    if (CellRect(cell).contains(panel_pos)) return cell;
  }
  return 0;
}

void ThumbStripView::HoverAt(const Area& area, QPoint panel_pos, bool force) {
  if (!force && hover_cell_ != 0 && area.label->isVisible() && area.label->geometry().contains(panel_pos)) return;
  const int cell = CellAt(area, panel_pos);
  if (cell == hover_cell_ && !force) return;
  EndHover(true);
  if (cell != 0) ShowHover(cell);
}

void ThumbStripView::ShowHover(int cell) {
  const std::int32_t pos = CellPosition(state_, cell);
  if (pos < 1) return;
  const std::string& name = state_.photos.NameAt(pos);
  if (name.empty()) return;
  TDibImage& image = images_[cell];
  hover_cell_ = cell;
  hover_saved_.Assign(image);
  DrawExtensionTag(image, ExtensionTagText(name));
  CellWidget(cell)->update();
  const QRect rect = CellRect(cell);
  const Area& area = AreaOf(cell);
  area.label->ShowFor(ToQString(HoverLabelText(name)), rect.left(), rect.top(), area.min_left);
}

void ThumbStripView::RehoverAtCursor() {
  const QPoint global = QCursor::pos();
  for (const Area* area : {&strip_area_, &wide_area_}) {
    if (!area->panel->isVisible()) continue;
    const QPoint pos = area->panel->mapFromGlobal(global);
    if (area->panel->rect().contains(pos)) {
      HoverAt(*area, pos, true);
      return;
    }
  }
}

void ThumbStripView::OpenWideWindow() {
  const QPoint below = thumb_pnl_->mapToGlobal(QPoint(20, thumb_pnl_->height()));
  wide_->move(below);
  wide_->show();
  wide_->raise();
  wide_->activateWindow();
  PaintStrip(1, true);
}

void ThumbStripView::CloseWideWindow() {
  if (hover_cell_ > kStripCells) EndHover(true);
  form_.show();
  form_.activateWindow();
  form_.update();
  wide_->hide();
}

void ThumbStripView::ShowSelected(bool from_wheel) {
  const QPoint pointer = QCursor::pos();
  if (!from_wheel) QCursor::setPos(sel_img_->mapToGlobal(kPointerOnSelection));
  HideLabels();
  CallHook(state_.hooks.ShowPhoto, state_.StripPos, SortStep(state_));
  if (!from_wheel) QCursor::setPos(pointer);
}

void ThumbStripView::NextPhoto(bool shift, bool from_wheel) {
  if (StepToNextPhoto(state_, ui_, shift)) ShowSelected(from_wheel);
}

void ThumbStripView::PreviousPhoto(bool shift, bool from_wheel) {
  if (StepToPreviousPhoto(state_, ui_, shift)) ShowSelected(from_wheel);
}

void ThumbStripView::OpenCell(int cell) {
  if (OpenCellPhoto(state_, cell)) ignore_next_move_ = true;
}

void ThumbStripView::StartRepeat(std::function<bool()> step) {
  ui_.SetFocus(Ctl::DummyBtn);
  if (!state_.UiReady) return;
  HideLabels();
  repeat_->Start(std::move(step));
}

bool ThumbStripView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Leave:
      return HandleMouse(widget, event);
    case QEvent::WindowActivate:
      // The main window coming to the front closes the wide window.
      if (widget == &form_ && WideVisible()) wide_->hide();
      return false;
    case QEvent::WindowDeactivate:
      // A drag whose release went to another application ends without a drop.
      if (widget == &form_ && dragging_) {
        dragging_ = false;
        QApplication::restoreOverrideCursor();
      }
      return false;
    default:
      return false;
  }
}

bool ThumbStripView::HandleMouse(QWidget* widget, QEvent* event) {
  const bool in_strip = Inside(thumb_pnl_, widget);
  const bool in_wide = Inside(wide_area_.panel, widget);
  if (!in_strip && !in_wide) return false;
  const Area& area = in_strip ? strip_area_ : wide_area_;

  if (event->type() == QEvent::Leave) {
    if (widget == area.panel && !dragging_) EndHover(true);
    return false;
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint panel_pos = area.panel->mapFromGlobal(mouse->globalPosition().toPoint());
  const bool on_label = widget == area.label;
  const bool on_button = qobject_cast<StripButton*>(widget) != nullptr;

  if (event->type() == QEvent::MouseMove) {
    if (dragging_) {
      DragMove(mouse);
      return true;
    }
    if (ignore_next_move_) {
      ignore_next_move_ = false;
      return false;
    }
    if (on_button) {
      EndHover(true);
      return false;
    }
    HoverAt(area, panel_pos, false);
    return false;
  }
  if (on_button) return false;

  int cell = on_label ? hover_cell_ : CellAt(area, panel_pos);
  if (cell != 0 && (cell < area.first || cell > area.last)) cell = 0;
  if (in_strip) {
    if (event->type() == QEvent::MouseButtonRelease) {
      if (dragging_ && mouse->button() == Qt::LeftButton) DragEnd(mouse);
      return true;
    }
    // Presses (a double-click's second one is ignored).
    ui_.SetFocus(Ctl::DummyBtn);
    if (event->type() == QEvent::MouseButtonDblClick) return true;
    if (state_.SlideShowActive) {
      CallHook(state_.hooks.StopSlideShow);
      return true;
    }
    if (!state_.UiReady) return true;
    if (mouse->button() == Qt::RightButton) {
      OpenWideWindow();
    } else if (mouse->button() == Qt::LeftButton && cell != 0) {
      StripPress(cell);
    }
    return true;
  }
  // The wide window acts on releases; a double-click is ignored.
  if (event->type() == QEvent::MouseButtonRelease) {
    WideRelease(cell, mouse);
  }
  return true;
}

void ThumbStripView::StripPress(int cell) {
  pressed_cell_ = cell;
  dragging_ = true;
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
}

bool ThumbStripView::OverPressedCell(QPoint global) const {
  const QPoint pos = thumb_pnl_->mapFromGlobal(global);
  if (name_img_->isVisible() && hover_cell_ == pressed_cell_ && name_img_->geometry().contains(pos)) return true;
  return StripCellRect(pressed_cell_).contains(pos);
}

void ThumbStripView::DragMove(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  Qt::CursorShape shape = Qt::ForbiddenCursor;
  if (OverPressedCell(global)) {
    shape = Qt::PointingHandCursor;
  } else if (AcceptsDropAt && AcceptsDropAt(global)) {
    shape = Qt::DragMoveCursor;
  }
  QApplication::changeOverrideCursor(shape);
}

void ThumbStripView::DragEnd(QMouseEvent* event) {
  dragging_ = false;
  QApplication::restoreOverrideCursor();
  // Dropped where it was taken: open it. A drop elsewhere (the folder tree)
  // belongs to the file operations.
  const QPoint global = event->globalPosition().toPoint();
  if (OverPressedCell(global)) {
    OpenCell(pressed_cell_);
  } else if (OnDropElsewhere) {
    OnDropElsewhere(CellPosition(state_, pressed_cell_), global);
  }
}

void ThumbStripView::WideRelease(int cell, QMouseEvent* event) {
  CloseWideWindow();
  if (cell != 0 && event->button() == Qt::LeftButton) OpenCell(cell);
}

void ThumbStripView::WheelStep(bool wide, bool towards) {
  HideLabels();
  const int step = wide ? kStripPageStep : 1;
  towards ? StepRight(state_, step, WideVisible()) : StepLeft(state_, step);
}

void ThumbStripView::WideKey(QKeyEvent* event) {
  if (!state_.UiReady) {
    DiscardPendingInput();
    return;
  }
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool shift = mods & Qt::ShiftModifier;
  const bool ctrl = mods & Qt::ControlModifier;
  const Key key = KeyOfQt(event->key());
  const WideKeyCommand command = MapWideKey(key, shift, ctrl, state_.settings.SortDirection);
  if (WideKeyCloses(command)) CloseWideWindow();
  switch (command) {
    case WideKeyCommand::NextPhoto:
      NextPhoto(shift, false);
      break;
    case WideKeyCommand::PreviousPhoto:
      PreviousPhoto(shift, false);
      break;
    case WideKeyCommand::PreviousFolder:
      lumetta::PreviousFolder(state_, ui_);
      break;
    case WideKeyCommand::NextFolder:
      lumetta::NextFolder(state_, ui_);
      break;
    case WideKeyCommand::StepLeft8:
      StepLeft(state_, kStripPageStep);
      break;
    case WideKeyCommand::StepRight8:
      StepRight(state_, kStripPageStep, WideVisible());
      break;
    case WideKeyCommand::StepLeft1:
      StepLeft(state_, 1);
      break;
    case WideKeyCommand::StepRight1:
      StepRight(state_, 1, WideVisible());
      break;
    case WideKeyCommand::ToStart:
      StripToStart(state_);
      break;
    case WideKeyCommand::ToEnd:
      WideToEnd(state_);
      break;
    case WideKeyCommand::KeyboardHelp:
    case WideKeyCommand::RefreshThumbnail:
      // The same commands as in the main window.
      form_.FormKeyDown(key, false, false);
      break;
    case WideKeyCommand::Close:
    case WideKeyCommand::None:
      break;
  }
  DiscardPendingInput();
}

}  // namespace lumetta::ui

#pragma once
// The thumbnail strip in the main window's ThumbPnl and the wide thumbnail
// window below it: eight cells with the selection frame, the paging buttons
// with auto-repeat, the hover label and extension tag, a
// click (a press and a release over the same cell) to open a photo, and the
// strip's keys and menu item. Created once with the main window; it sets
// the PaintStrip and ClearStrip hooks.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

#include "core/base/numbered_array.h"
#include "core/imaging/dib_image.h"
#include "core/library/thumb_strip.h"
#include "core/state/app_state.h"

class QKeyEvent;
class QMouseEvent;

namespace lumetta::ui {

class NameLabel;
class PagingRepeat;
class PictureWidget;
class QtUserInterface;
class SelectionFrame;
class StripButton;
class TMainForm;
class TWideThumbForm;

class ThumbStripView : public QObject {
  Q_OBJECT
 public:
  ThumbStripView(AppState& state, QtUserInterface& ui, TMainForm& form);
  ~ThumbStripView() override;

  void PaintStrip(int order, bool keep_hover);
  void ClearStrip();
  void OpenWideWindow();
  void CloseWideWindow();
  bool WideVisible() const;

  // The next and previous photo of the keys and the wheel.
  void NextPhoto(bool shift, bool from_wheel);
  void PreviousPhoto(bool shift, bool from_wheel);
  // One notch of the wheel over the strip (a cell) or the wide window (a
  // strip's page), towards the user or away.
  void WheelStep(bool wide, bool towards);

  // A cell dragged from the strip and released away from it: the list
  // position of its photo and the release point on the screen. The folder
  // tree takes such drops.
  std::function<void(std::int32_t position, QPoint global)> OnDropElsewhere;
  // Whether a drop at a point away from the strip would be taken (the drag
  // cursor shows there).
  std::function<bool(QPoint global)> AcceptsDropAt;
  // True while a cell is being dragged.
  bool Dragging() const { return dragging_; }

  // The cells' pictures (1..47) and the controls, as the windows show them.
  const TDibImage& CellImage(int cell) const { return images_[cell]; }
  PictureWidget* CellWidget(int cell) const;
  SelectionFrame* SelImg() const { return sel_img_; }
  NameLabel* NameImg() const { return name_img_; }
  StripButton* ThumbLeftBtn() const { return left_btn_; }
  StripButton* ThumbRightBtn() const { return right_btn_; }
  StripButton* ThumbTopBtn() const { return top_btn_; }
  StripButton* ThumbEndBtn() const { return end_btn_; }
  TWideThumbForm* WideThumbForm() const { return wide_; }
  const PagingRepeat& Repeat() const { return *repeat_; }
  // The place of a strip cell (1..8) on ThumbPnl.
  static QRect StripCellRect(int cell);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The cells of one window: its panel, its name label, its cell numbers.
  struct Area {
    QWidget* panel = nullptr;
    NameLabel* label = nullptr;
    int first = 0;
    int last = 0;
    int min_left = 0;
  };

  void BuildStrip();
  void BuildWide();
  void Connect();
  void BindKeysAndMenu();

  void FillGrey(int first, int last);
  void HideLabels();
  void EndHover(bool restore);
  void HoverAt(const Area& area, QPoint panel_pos, bool force);
  void ShowHover(int cell);
  void RehoverAtCursor();
  int CellAt(const Area& area, QPoint panel_pos) const;
  QRect CellRect(int cell) const;
  const Area& AreaOf(int cell) const;

  bool HandleMouse(QWidget* widget, QEvent* event);
  void StripPress(int cell);
  void DragMove(QMouseEvent* event);
  void DragEnd(QMouseEvent* event);
  bool OverPressedCell(QPoint global) const;
  void WideRelease(int cell, QMouseEvent* event);
  void OpenCell(int cell);
  void ShowSelected(bool from_wheel);
  void WideKey(QKeyEvent* event);

  void StartRepeat(std::function<bool()> step);

  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  QWidget* thumb_pnl_ = nullptr;

  // What the cells show.
  OneBasedArray<TDibImage, 47> images_;
  TDibImage grey_;
  OneBasedArray<PictureWidget*, kStripCells> strip_cells_;
  SelectionFrame* sel_img_ = nullptr;
  NameLabel* name_img_ = nullptr;
  StripButton* left_btn_ = nullptr;
  StripButton* right_btn_ = nullptr;
  StripButton* top_btn_ = nullptr;
  StripButton* end_btn_ = nullptr;
  TWideThumbForm* wide_ = nullptr;
  Area strip_area_;
  Area wide_area_;

  // The hovered cell and its picture before the extension tag was drawn.
  int hover_cell_ = 0;
  TDibImage hover_saved_;
  bool ignore_next_move_ = false;

  // The strip cell a left press started dragging.
  int pressed_cell_ = 0;
  bool dragging_ = false;

  PagingRepeat* repeat_ = nullptr;

};

}  // namespace lumetta::ui

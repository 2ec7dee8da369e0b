#pragma once
// TWideThumbForm: the wide thumbnail window, a borderless window directly
// below the strip with 39 further cells (9..47) in eight columns and five
// rows, the last place taken by its own paging buttons. Created once with
// the strip and shown or hidden; the strip's controller drives it.

#include <QWidget>
#include <functional>

#include "core/base/numbered_array.h"
#include "ui/library/strip_widgets.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

class TWideThumbForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFirstCell = 9;
  static constexpr int kLastCell = 47;

  explicit TWideThumbForm(QWidget* owner);

  QWidget* WideThumbPnl() const { return panel_; }
  PictureWidget* Cell(int cell) const { return cells_[cell]; }
  NameLabel* NameImg() const { return name_img_; }
  StripButton* ThumbTopBtn() const { return top_btn_; }
  StripButton* ThumbEndBtn() const { return end_btn_; }
  StripButton* ThumbLeftBtn() const { return left_btn_; }
  StripButton* ThumbRightBtn() const { return right_btn_; }

  // The place of a wide cell on the panel.
  static QRect CellRect(int cell);

  // Key presses (the arrows and Tab included: nothing here takes the focus).
  std::function<void(QKeyEvent* event)> OnKeyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QWidget* panel_ = nullptr;
  NumberedArray<PictureWidget*, kFirstCell, kLastCell> cells_;
  NameLabel* name_img_ = nullptr;
  StripButton* top_btn_ = nullptr;
  StripButton* end_btn_ = nullptr;
  StripButton* left_btn_ = nullptr;
  StripButton* right_btn_ = nullptr;
};

}  // namespace lumetta::ui

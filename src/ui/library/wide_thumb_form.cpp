#include "ui/app/widget_helpers.h"
#include "ui/library/wide_thumb_form.h"

#include <QKeyEvent>

#include "ui/app/colours.h"

namespace lumetta::ui {

TWideThumbForm::TWideThumbForm(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
  setObjectName("WideThumbForm");
  setFixedSize(685, 330);
  SetBackground(this, Qt::black);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);

  panel_ = new QWidget(this);
  panel_->setObjectName("WideThumbPnl");
  panel_->setGeometry(1, 1, 683, 328);
  SetBackground(panel_, kGrey);
  panel_->setMouseTracking(true);

  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    auto* widget = new PictureWidget(nullptr, panel_);
    widget->setObjectName(QString("WideThumbImg%1").arg(cell));
    widget->setGeometry(CellRect(cell));
    widget->setCursor(Qt::PointingHandCursor);
    cells_[cell] = widget;
  }
  top_btn_ = new StripButton(QString(), StripButton::Glyph::ToStart, panel_);
  top_btn_->setObjectName("ThumbTopBtn");
  top_btn_->setGeometry(637, 272, 21, 18);
  end_btn_ = new StripButton(QString(), StripButton::Glyph::ToEnd, panel_);
  end_btn_->setObjectName("ThumbEndBtn");
  end_btn_->setGeometry(658, 272, 21, 18);
  left_btn_ = new StripButton("←", StripButton::Glyph::None, panel_);
  left_btn_->setObjectName("ThumbLeftBtn");
  left_btn_->setGeometry(637, 290, 21, 34);
  right_btn_ = new StripButton("→", StripButton::Glyph::None, panel_);
  right_btn_->setObjectName("ThumbRightBtn");
  right_btn_->setGeometry(658, 290, 21, 34);
  name_img_ = new NameLabel(panel_);
}

QRect TWideThumbForm::CellRect(int cell) {
  const int k = cell - kFirstCell;
  return QRect(4 + 85 * (k % 8), 4 + 65 * (k / 8), 80, 60);
}

void TWideThumbForm::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) OnKeyDown(event);
}

bool TWideThumbForm::focusNextPrevChild(bool) { return false; }

void TWideThumbForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  setFocus(Qt::OtherFocusReason);
}

bool TWideThumbForm::event(QEvent* event) {
  // Tab reaches the key handler instead of moving the focus.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  if (event->type() == QEvent::WindowActivate) setFocus(Qt::ActiveWindowFocusReason);
  return QWidget::event(event);
}

}  // namespace lumetta::ui

#include "ui/library/strip_widgets.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "core/library/thumb_strip.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"

namespace lumetta::ui {

namespace {

// 9 points on the 96-dot screen the strip was laid out for.
constexpr int kLabelFontPixels = 12;

// The start and end glyphs: a bar and a triangle pointing at it.
QIcon GlyphIcon(StripButton::Glyph glyph) {
  QPixmap pixmap(9, 9);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const bool to_start = glyph == StripButton::Glyph::ToStart;
  p.drawRect(to_start ? 0 : 7, 0, 2, 9);
  const QPolygon triangle = to_start ? QPolygon({QPoint(8, 0), QPoint(8, 8), QPoint(3, 4)})
                                     : QPolygon({QPoint(0, 0), QPoint(0, 8), QPoint(5, 4)});
  p.drawPolygon(triangle);
  return QIcon(pixmap);
}

}  // namespace

NameLabel::NameLabel(QWidget* parent) : QWidget(parent) {
  setObjectName("NameImg");
  setFont(PGothicFont(kLabelFontPixels));
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  hide();
}

int NameLabel::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

void NameLabel::ShowFor(const QString& text, int cell_left, int cell_top, int min_left) {
  text_ = text;
  const LabelBox box = HoverLabelPlace(cell_left, cell_top, TextWidth(text), min_left);
  setGeometry(box.Left, box.Top, box.Width, box.Height);
  show();
  raise();
  update();
}

void NameLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.fillRect(QRect(1, 1, width() - 2, height() - 2), kHintYellow);
  p.setPen(Qt::black);
  p.setFont(font());
  p.drawText(QPoint(3, 2 + kTextAscent), text_);
}


SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
  setObjectName("SelImg");
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(84, 64);
}

void SelectionFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kOrange);
  p.fillRect(rect().adjusted(2, 2, -2, -2), kGrey);
}

StripButton::StripButton(const QString& text, Glyph glyph, QWidget* parent) : QPushButton(text, parent) {
  setFocusPolicy(Qt::NoFocus);
  setFont(PGothicFont(kLabelFontPixels));
  if (glyph != Glyph::None) {
    setIcon(GlyphIcon(glyph));
    setIconSize(QSize(9, 9));
  }
}

void StripButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit LeftPressed();
}

void StripButton::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit LeftReleased();
}

}  // namespace lumetta::ui

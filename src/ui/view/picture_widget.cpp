#include "ui/view/picture_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace lumetta::ui {

QImage WrapDib(const TDibImage& image) {
  if (image.BitCount() != 24 || image.Header().biCompression != BI_RGB) return QImage();
  return QImage(image.RowUnchecked(0), image.Width(), image.Height(), static_cast<qsizetype>(image.Stride()),
                QImage::Format_BGR888);
}

PictureWidget::PictureWidget(const TDibImage* image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureWidget::SetImage(const TDibImage* image) {
  image_ = image;
  update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (image_ == nullptr) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const QImage view = WrapDib(*image_);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  if (!view.isNull()) painter.drawImage(QPoint(0, 0), view);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) { emit MousePressed(event); }
void PictureWidget::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event); }
void PictureWidget::mouseReleaseEvent(QMouseEvent* event) { emit MouseReleased(event); }
void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) { emit DoubleClicked(event); }

}  // namespace lumetta::ui

#pragma once
// A widget that shows a TDibImage at its own size, painting straight from
// the image's rows.

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/imaging/dib_image.h"

namespace lumetta::ui {

class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  PictureWidget(const TDibImage* image, QWidget* parent = nullptr);

  void SetImage(const TDibImage* image);
  const TDibImage* Image() const { return image_; }

 signals:
  void MousePressed(QMouseEvent* event);
  void MouseMoved(QMouseEvent* event);
  void MouseReleased(QMouseEvent* event);
  void DoubleClicked(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const TDibImage* image_;
};

// A QImage over a 24-bit TDibImage's rows (no copy); valid while the image's
// store is unchanged.
QImage WrapDib(const TDibImage& image);

}  // namespace lumetta::ui

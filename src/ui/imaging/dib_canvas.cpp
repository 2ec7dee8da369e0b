#include "ui/imaging/dib_canvas.h"

#include "ui/imaging/dib_qimage.h"

namespace lumetta::ui {

namespace {
TDibImage* CheckedImage(TDibImage* image) {
  if (image == nullptr || !image->UseFMO() || image->PixelFormat() != TDibPixelFormat::dpf24Bit) {
    throw EDibCanvasFailed("TDibCanvas.Create: Cannot Create Canvas");
  }
  return image;
}
}  // namespace

TDibCanvas::TDibCanvas(TDibImage* image) : image_(CheckedImage(image)) {
  image_->MakeUnique();
  // A QImage over writable memory it does not own paints in place and never
  // detaches while this is its only reference.
  surface_ = QImage(image_->RowUnchecked(0), image_->Width(), image_->Height(),
                    static_cast<qsizetype>(image_->Stride()), QImage::Format_BGR888);
  if (surface_.isNull() || !begin(&surface_)) {
    throw EOutOfResources("TDibCanvas.Create: Cannot Create Memory DC");
  }
}

TDibCanvas::~TDibCanvas() {
  // The painter must let go of the surface before the surface goes.
  if (isActive()) end();
}

void DrawDib(QPainter& painter, const QRect& rect, const TDibImage& image) {
  if (rect.isEmpty()) return;
  const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (image.PixelFormat() == TDibPixelFormat::dpf24Bit) {
    const QImage rows(image.RowUnchecked(0), image.Width(), image.Height(), static_cast<qsizetype>(image.Stride()),
                      QImage::Format_BGR888);
    painter.drawImage(rect, rows);
  } else {
    painter.drawImage(rect, ToQImage(image));
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

}  // namespace lumetta::ui

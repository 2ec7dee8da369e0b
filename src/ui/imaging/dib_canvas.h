#pragma once
// TDibCanvas: a drawing surface on one TDibImage. It is a QPainter on a
// QImage that wraps the image's own rows, so every drawing operation writes
// straight into the image's pixels; nothing is copied in or out.
//
// Create the canvas, draw, destroy it, then read the pixels. QPainter has no
// virtual destructor: keep canvases on the stack or own them as TDibCanvas. The image's
// store must not be replaced (new size, load, Assign) while a canvas lives.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "core/imaging/dib_image.h"

namespace lumetta::ui {

class TDibCanvas final : public QPainter {
 public:
  // Makes the image's store unique and opens the surface. Raises
  // EDibCanvasFailed for a null image, a store without the uses-mapping flag
  // or a store that is not 24 bits uncompressed, and EOutOfResources when
  // the painter cannot open.
  explicit TDibCanvas(TDibImage* image);
  ~TDibCanvas();
  TDibCanvas(const TDibCanvas&) = delete;
  TDibCanvas& operator=(const TDibCanvas&) = delete;

  TDibImage& Image() const { return *image_; }

 private:
  TDibImage* image_;
  QImage surface_;
};

// Draws the whole image stretched into rect, taking the nearest source pixel
// (no averaging), as a canvas's StretchDraw does.
void DrawDib(QPainter& painter, const QRect& rect, const TDibImage& image);

}  // namespace lumetta::ui

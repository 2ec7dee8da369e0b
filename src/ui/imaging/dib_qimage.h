#pragma once
// Conversion between TDibImage and QImage, the platform bitmap of the UI
// layer. Both directions copy the pixels; to paint into an image's own rows
// use TDibCanvas.

#include <QImage>

#include "core/imaging/dib_image.h"

namespace lumetta::ui {

// A QImage (Format_BGR888) with the image's pixels; images of other pixel
// formats are converted to 24 bits on the way (the image itself is unchanged).
QImage ToQImage(const TDibImage& image);

// Replaces image with a 24-bit, bottom-up copy of source (no colour table,
// 3780 pixels per metre). A null source raises EDibInvalidDIBPara.
void FromQImage(const QImage& source, TDibImage& image);

}  // namespace lumetta::ui

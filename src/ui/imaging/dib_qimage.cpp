#include "ui/imaging/dib_qimage.h"

#include <cstring>

namespace lumetta::ui {

QImage ToQImage(const TDibImage& image) {
  TDibImage source;
  source.Assign(image);
  source.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  QImage result(source.Width(), source.Height(), QImage::Format_BGR888);
  if (result.isNull()) throw EOutOfResources("ToQImage: Cannot Make Image");
  const auto bytes = static_cast<std::size_t>(source.Width()) * 3;
  for (std::int32_t y = 0; y < source.Height(); ++y) std::memcpy(result.scanLine(y), source.ConstScanLine(y), bytes);
  return result;
}

void FromQImage(const QImage& source, TDibImage& image) {
  if (source.isNull()) throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
  const QImage rows =
      source.format() == QImage::Format_BGR888 ? source : source.convertToFormat(QImage::Format_BGR888);
  auto store = TDibData::Create(rows.width(), rows.height(), 0, 24);
  const auto bytes = static_cast<std::size_t>(rows.width()) * 3;
  const auto stride = static_cast<std::size_t>(store->Stride());
  for (int y = 0; y < rows.height(); ++y) {
    std::memcpy(store->bits.get() + static_cast<std::size_t>(y) * stride, rows.constScanLine(y), bytes);
  }
  image.TakeStore(std::move(store));
}

}  // namespace lumetta::ui

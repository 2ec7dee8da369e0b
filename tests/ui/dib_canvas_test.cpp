// The UI layer's bridges to TDibImage: a canvas that paints into the image's
// own rows, and conversion to and from QImage.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "core/imaging/dib_image.h"
#include "ui/imaging/dib_canvas.h"
#include "ui/imaging/dib_qimage.h"

using lumetta::EDibCanvasFailed;
using lumetta::TDibImage;
using lumetta::TDibPixelFormat;
using lumetta::ui::DrawDib;
using lumetta::ui::FromQImage;
using lumetta::ui::TDibCanvas;
using lumetta::ui::ToQImage;

namespace {
TDibImage Image24(int width, int height) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(width, height);
  return image;
}
}  // namespace

class DibCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void DrawingWritesTheImagesOwnRows() {
    TDibImage image = Image24(5, 4);
    const std::uint8_t* rows_before = image.ConstScanLine(0);
    {
      TDibCanvas canvas(&image);
      canvas.fillRect(QRect(1, 2, 3, 1), QColor(0x30, 0x20, 0x10));
    }
    QCOMPARE(image.ConstScanLine(0), rows_before);
    QCOMPARE(image.Pixels(1, 2), 0x102030u);
    QCOMPARE(image.Pixels(3, 2), 0x102030u);
    QCOMPARE(image.Pixels(0, 2), 0u);
    QCOMPARE(image.Pixels(4, 2), 0u);
    QCOMPARE(image.Pixels(1, 1), 0u);
    const std::uint8_t* row = image.ConstScanLine(2);
    QCOMPARE(row[3], std::uint8_t{0x10});  // blue first
    QCOMPARE(row[5], std::uint8_t{0x30});
  }

  void PixelsAreTheImagesAsSoonAsThePainterEnds() {
    TDibImage image = Image24(3, 3);
    TDibCanvas canvas(&image);
    canvas.fillRect(QRect(0, 0, 3, 3), Qt::white);
    canvas.end();
    QCOMPARE(image.Pixels(2, 2), 0xFFFFFFu);
  }

  void DrawingLeavesASharingImageUnchanged() {
    TDibImage image = Image24(4, 4);
    TDibImage other;
    other.Assign(image);
    {
      TDibCanvas canvas(&image);
      canvas.fillRect(QRect(0, 0, 4, 4), QColor(1, 2, 3));
    }
    QCOMPARE(image.Pixels(0, 0), 0x030201u);
    QCOMPARE(other.Pixels(0, 0), 0u);
    QVERIFY(!image.SharesStoreWith(other));
  }

  void TextDrawnThroughTheCanvasLandsInThePixels() {
    TDibImage image = Image24(40, 20);
    {
      TDibCanvas canvas(&image);
      canvas.setPen(Qt::white);
      canvas.drawText(QRect(0, 0, 40, 20), Qt::AlignCenter, QStringLiteral("Ab"));
    }
    int lit = 0;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) lit += image.Pixels(x, y) != 0 ? 1 : 0;
    }
    QVERIFY(lit > 0);
  }

  void RefusesImagesItCannotPaintInPlace_data() {
    QTest::addColumn<int>("bitCount");
    QTest::newRow("8 bits") << 8;
    QTest::newRow("4 bits") << 4;
    QTest::newRow("1 bit") << 1;
  }
  void RefusesImagesItCannotPaintInPlace() {
    QFETCH(int, bitCount);
    TDibImage image;
    image.SetBitCount(bitCount);
    QVERIFY_THROWS_EXCEPTION(EDibCanvasFailed, TDibCanvas{&image});
  }

  void RefusesAStoreWithoutTheMappingFlag() {
    auto store = lumetta::TDibData::Create(2, 2, 0, 24);
    store->uses_mapping = false;
    TDibImage image;
    image.TakeStore(std::move(store));
    try {
      TDibCanvas canvas(&image);
      QFAIL("no exception");
    } catch (const EDibCanvasFailed& e) {
      QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("TDibCanvas.Create: Cannot Create Canvas"));
    }
  }

  void RefusesNoImage() {
    try {
      TDibCanvas canvas(nullptr);
      QFAIL("no exception");
    } catch (const EDibCanvasFailed& e) {
      QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("TDibCanvas.Create: Cannot Create Canvas"));
    }
  }

  void QImageRoundTripKeepsPixels() {
    TDibImage image = Image24(3, 2);
    image.SetPixels(0, 0, 0x0000FF);
    image.SetPixels(2, 1, 0x123456);
    const QImage q = ToQImage(image);
    QCOMPARE(q.size(), QSize(3, 2));
    QCOMPARE(q.pixel(0, 0), qRgb(0xFF, 0, 0));
    QCOMPARE(q.pixel(2, 1), qRgb(0x56, 0x34, 0x12));
    TDibImage back;
    FromQImage(q, back);
    QCOMPARE(back.PixelFormat(), TDibPixelFormat::dpf24Bit);
    QVERIFY(back.Header().biHeight > 0);
    QCOMPARE(back.Pixels(0, 0), 0x0000FFu);
    QCOMPARE(back.Pixels(2, 1), 0x123456u);
    QCOMPARE(back.Pixels(1, 1), 0u);
  }

  void ToQImageExpandsAColourTable() {
    TDibImage image;  // 1 x 1, 8 bits, black table
    image.SetPixels(0, 0, 0);
    const QImage q = ToQImage(image);
    QCOMPARE(q.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.BitCount(), 8);
  }

  void FromQImageConvertsOtherFormats() {
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(10, 20, 30, 255));
    argb.setPixel(1, 0, qRgba(200, 100, 50, 255));
    TDibImage image;
    FromQImage(argb, image);
    QCOMPARE(image.Pixels(0, 0), 0x1E140Au);
    QCOMPARE(image.Pixels(1, 0), 0x3264C8u);
  }

  void DrawDibStretchesWithTheNearestPixel() {
    TDibImage source = Image24(2, 1);
    source.SetPixels(0, 0, 0x0000FF);
    source.SetPixels(1, 0, 0x00FF00);
    TDibImage target = Image24(4, 2);
    {
      TDibCanvas canvas(&target);
      canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
      DrawDib(canvas, QRect(0, 0, 4, 2), source);
      QVERIFY(canvas.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    QCOMPARE(target.Pixels(0, 0), 0x0000FFu);
    QCOMPARE(target.Pixels(1, 1), 0x0000FFu);
    QCOMPARE(target.Pixels(2, 0), 0x00FF00u);
    QCOMPARE(target.Pixels(3, 1), 0x00FF00u);
  }
};

QTEST_MAIN(DibCanvasTest)
#include "dib_canvas_test.moc"

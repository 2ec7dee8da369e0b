// The thumbnail strip and the wide thumbnail window as a user meets them:
// thumbnails in the cells, paging with the buttons and the wheel, the hover
// label, clicks that open a photo, and the wide window.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/imaging/dib_image.h"
#include "ui/app/application.h"
#include "ui/library/paging_repeat.h"
#include "ui/library/strip_widgets.h"
#include "ui/library/thumb_strip_view.h"
#include "ui/library/wide_thumb_form.h"
#include "support/test_environment.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

// Photo k (1-based, named p01.bmp ...) is a uniform 160 x 120 picture of
// this colour, so that its thumbnail is the same colour throughout.
std::uint32_t ColourOf(int k) { return static_cast<std::uint32_t>((k * 4) << 16 | 100 << 8 | (250 - k * 3)); }

void WritePhoto(const QString& path, std::uint32_t colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(160, 120);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) image.SetPixels(x, y, colour);
  }
  image.SaveToFile(path.toStdString());
}

constexpr std::uint32_t kGrey = 0x808080;

struct Setup {
  explicit Setup(int photos) {
    root = dir.path();
    QDir(root).mkpath("Photos");
    for (int k = 1; k <= photos; ++k) WritePhoto(root + QString("/Photos/p%1.bmp").arg(k, 2, 10, QChar('0')), ColourOf(k));
    env = testing_support::TestEnvironment(dir);
    env.Special.PicturesFolder = (root + "/Photos").toStdString();
    env.ScreenWidth = 1600;
    env.ScreenHeight = 1200;
    Settings settings;
    settings.SlotFolder[1] = env.Special.PicturesFolder;
    SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);
  }
  QTemporaryDir dir;
  QString root;
  StartupEnvironment env;
};

// The application shown with slot 1 open, the pointer away from the strip.
struct Running {
  explicit Running(Setup& setup) : app(setup.env) {
    QCursor::setPos(1500, 1100);
    app.State().hooks.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
      shown.append(QPoint(position, step));
    };
    app.Show();
    strip = app.MainForm().findChild<ThumbStripView*>();
  }
  // Whether the window came up with its strip: every test checks it first.
  [[nodiscard]] bool Started() {
    return strip != nullptr && QTest::qWaitForWindowExposed(&app.MainForm()) &&
           QTest::qWaitFor([this] { return app.State().Activated; });
  }
  std::uint32_t Cell(int cell) const { return strip->CellImage(cell).Pixels(40, 30); }
  QWidget* ThumbPnl() { return app.MainForm().Panels().ThumbPnl; }

  Application app;
  ThumbStripView* strip = nullptr;
  QList<QPoint> shown;
};

void Wheel(QWidget* widget, int delta) {
  const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
  QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

const QPoint kCellMiddle(40, 30);

}  // namespace

class ThumbStripTest : public QObject {
  Q_OBJECT

 private slots:
  void openingTheSlotShowsTheThumbnailsAndTheSecondVisitReadsTheCache() {
    Setup setup(5);
    {
      Running run(setup);
    QVERIFY(run.Started());
      QTRY_COMPARE(run.Cell(4), ColourOf(1));
      for (int cell = 1; cell <= 3; ++cell) QCOMPARE(run.Cell(cell), kGrey);
      for (int cell = 5; cell <= 8; ++cell) QCOMPARE(run.Cell(cell), ColourOf(cell - 3));
      // What the cell widget shows on the screen.
      const QImage shown = run.strip->CellWidget(5)->grab().toImage();
      QCOMPARE(shown.pixelColor(40, 30), QColor(250 - 2 * 3, 100, 4 * 2));
      QCOMPARE(run.strip->SelImg()->geometry(), QRect(278, 3, 84, 64));
      QCOMPARE(run.strip->CellWidget(1)->geometry(), QRect(25, 5, 80, 60));
      QCOMPARE(run.strip->CellWidget(8)->geometry(), QRect(620, 5, 80, 60));
    }
    // The cache answers the second time: a changed cache file shows.
    const QString cached = setup.root + "/bin/Thumbnail/01/Photos/p02_bmp.bmp";
    QVERIFY(QFile::exists(cached));
    TDibImage red;
    red.SetBitCount(24);
    red.SetSize(80, 60);
    red.Fill(255, 0, 0);
    red.SaveToFile(cached.toStdString());
    Running again(setup);
    QTRY_COMPARE(again.Cell(5), 0x0000FFu);
  }

  void theWheelOverTheStripStepsByOne() {
    Setup setup(12);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    Wheel(run.strip->CellWidget(6), -120);
    QCOMPARE(run.app.State().StripPos, 2);
    QCOMPARE(run.Cell(4), ColourOf(2));
    Wheel(run.ThumbPnl(), -240);
    QCOMPARE(run.app.State().StripPos, 4);
    Wheel(run.strip->CellWidget(2), 120);
    QCOMPARE(run.app.State().StripPos, 3);
    QCOMPARE(run.app.State().SlotStripPos[1], 3);
  }

  void theWheelOverTheViewOpensTheNextPhoto() {
    Setup setup(12);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    Wheel(run.app.MainForm().ViewImg(), -120);
    QCOMPARE(run.shown, (QList<QPoint>{QPoint(1, 1)}));
  }

  void aClickOnACellOpensItsPhoto() {
    Setup setup(12);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QWidget* cell = run.strip->CellWidget(6);
    QTest::mousePress(cell, Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QTest::mouseRelease(cell, Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QCOMPARE(run.shown, (QList<QPoint>{QPoint(3, 1)}));
    QCOMPARE(run.app.State().StripPos, 3);
    QCOMPARE(run.Cell(4), ColourOf(3));
  }

  void aPressReleasedOverAnotherCellOpensNothing() {
    Setup setup(12);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QTest::mousePress(run.strip->CellWidget(6), Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QTest::mouseRelease(run.strip->CellWidget(7), Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QVERIFY(run.shown.isEmpty());
    QCOMPARE(run.app.State().StripPos, 1);
  }

  void aClickOnAGreyCellDoesNothing() {
    Setup setup(3);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QTest::mouseClick(run.strip->CellWidget(2), Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QVERIFY(run.shown.isEmpty());
  }

  void hoveringShowsTheNameLabelAndTheExtensionTag() {
    Setup setup(5);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QWidget* cell = run.strip->CellWidget(5);
    QTest::mouseMove(cell, kCellMiddle);
    NameLabel* label = run.strip->NameImg();
    QTRY_VERIFY(label->isVisible());
    QCOMPARE(label->Text(), QString("p02"));
    // A short name: 76 wide, its right edge 2 beyond the cell's.
    QCOMPARE(label->geometry(), QRect(365 - 76 + 78, 7, 76, 15));
    // ".bmp" (4 characters) on light yellow from column 75 - 24.
    QCOMPARE(run.strip->CellImage(5).Pixels(51, 50), 0xD0FFFFu);
    QCOMPARE(run.strip->CellImage(5).Pixels(50, 50), ColourOf(2));
    QTest::mouseMove(run.ThumbPnl(), QPoint(12, 10));
    QTRY_VERIFY(!label->isVisible());
    QCOMPARE(run.strip->CellImage(5).Pixels(51, 50), ColourOf(2));
  }

  void holdingTheRightButtonPagesAfter400MsThenEvery100Ms() {
    Setup setup(40);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QList<std::int32_t> positions;
    auto paint = run.app.State().hooks.PaintStrip;
    run.app.State().hooks.PaintStrip = [&](std::int32_t order, bool keep) {
      positions.append(run.app.State().StripPos);
      paint(order, keep);
    };
    const QTimer& timer = run.strip->Repeat().Timer();
    QTest::mousePress(run.strip->ThumbRightBtn(), Qt::LeftButton);
    QCOMPARE(run.app.State().StripPos, 9);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), PagingRepeat::kDelayMs);
    QTRY_COMPARE(run.app.State().StripPos, 17);
    QCOMPARE(timer.interval(), PagingRepeat::kIntervalMs);
    QTRY_COMPARE_WITH_TIMEOUT(run.app.State().StripPos, 40, 3000);
    QTRY_VERIFY(!timer.isActive());
    QTest::mouseRelease(run.strip->ThumbRightBtn(), Qt::LeftButton);
    QCOMPARE(positions, QList<std::int32_t>({9, 17, 25, 33, 40}));
    QCOMPARE(PagingRepeat::kDelayMs, 400);
    QCOMPARE(PagingRepeat::kIntervalMs, 100);
  }

  void releasingTheButtonEndsTheRepeat() {
    Setup setup(40);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QTest::mousePress(run.strip->ThumbRightBtn(), Qt::LeftButton);
    QVERIFY(run.strip->Repeat().Timer().isActive());
    QTest::mouseRelease(run.strip->ThumbRightBtn(), Qt::LeftButton);
    QVERIFY(!run.strip->Repeat().Timer().isActive());
    QCOMPARE(run.app.State().StripPos, 9);
    QTest::mouseClick(run.strip->ThumbEndBtn(), Qt::LeftButton);
    QCOMPARE(run.app.State().StripPos, 40);
    QTest::mouseClick(run.strip->ThumbTopBtn(), Qt::LeftButton);
    QCOMPARE(run.app.State().StripPos, 1);
  }

  void theStripKeysPage() {
    Setup setup(20);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    run.app.MainForm().FormKeyDown(Key::S, false, false);
    QCOMPARE(run.app.State().StripPos, 9);
    run.app.MainForm().FormKeyDown(Key::Right, false, true);
    QCOMPARE(run.app.State().StripPos, 20);
    run.app.MainForm().FormKeyDown(Key::F, false, false);
    QCOMPARE(run.app.State().StripPos, 19);
    run.app.MainForm().FormKeyDown(Key::X, false, false);
    QCOMPARE(run.shown, (QList<QPoint>{QPoint(19, 1)}));
  }

  void theRightButtonOpensTheWideWindowBelowTheStrip() {
    Setup setup(60);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QTest::mouseClick(run.strip->CellWidget(3), Qt::RightButton, Qt::NoModifier, kCellMiddle);
    TWideThumbForm* wide = run.strip->WideThumbForm();
    QTRY_VERIFY(wide->isVisible());
    QCOMPARE(wide->size(), QSize(685, 330));
    QCOMPARE(wide->pos(), run.ThumbPnl()->mapToGlobal(QPoint(20, 69)));
    QCOMPARE(run.Cell(9), ColourOf(6));
    QCOMPARE(run.Cell(47), ColourOf(44));
    QCOMPARE(wide->Cell(17)->geometry(), QRect(4, 69, 80, 60));
  }

  void theWideWindowsEndLeavesTheLastPhotoInItsNextToLastCell() {
    Setup setup(60);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    run.strip->OpenWideWindow();
    TWideThumbForm* wide = run.strip->WideThumbForm();
    QTRY_VERIFY(wide->isVisible());
    QTest::mouseClick(wide->ThumbEndBtn(), Qt::LeftButton);
    QCOMPARE(run.app.State().StripPos, 18);
    QCOMPARE(run.Cell(46), ColourOf(60));
    QCOMPARE(run.Cell(47), kGrey);
    QTest::mouseClick(wide->ThumbLeftBtn(), Qt::LeftButton);
    QCOMPARE(run.app.State().StripPos, 1);
  }

  void aClickInTheWideWindowClosesItAndOpensThePhoto() {
    Setup setup(60);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    run.strip->OpenWideWindow();
    TWideThumbForm* wide = run.strip->WideThumbForm();
    QTRY_VERIFY(wide->isVisible());
    QTest::mouseClick(wide->Cell(20), Qt::LeftButton, Qt::NoModifier, kCellMiddle);
    QTRY_VERIFY(!wide->isVisible());
    QCOMPARE(run.shown, (QList<QPoint>{QPoint(17, 1)}));
    QCOMPARE(run.app.State().StripPos, 17);
  }

  void theWideWindowsKeysPageAndClose() {
    Setup setup(60);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    run.strip->OpenWideWindow();
    TWideThumbForm* wide = run.strip->WideThumbForm();
    QTRY_VERIFY(wide->isVisible());
    QTest::keyClick(wide, Qt::Key_S);
    QCOMPARE(run.app.State().StripPos, 9);
    QTest::keyClick(wide, Qt::Key_W);
    QCOMPARE(run.app.State().StripPos, 18);
    QTest::keyClick(wide, Qt::Key_Escape);
    QTRY_VERIFY(!wide->isVisible());
  }

  void theCommandMenuRefreshesTheFoldersCache() {
    Setup setup(3);
    Running run(setup);
    QVERIFY(run.Started());
    QTRY_COMPARE(run.Cell(4), ColourOf(1));
    QMenu* menu = run.app.MainForm().Menus().CommandMenu;
    QAction* all = menu->findChild<QAction*>("AllThumbnailMenu");
    QVERIFY(all != nullptr);
    QCOMPARE(all->text(), QString("選択中フォルダのサムネイルを全て更新"));
  }
};

QTEST_MAIN(ThumbStripTest)
#include "thumb_strip_test.moc"

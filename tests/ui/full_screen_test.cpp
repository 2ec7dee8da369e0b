// The full-screen view as a user meets it: F11 opens it over the main
// window's screen with the photo, Escape brings the main window back with a
// zoom keeping its share of the photo, held keys do not queue up photo
// changes there or in the main window, the right button closes it, and the
// slide show runs inside it.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "core/base/paths.h"
#include "core/imaging/dib_image.h"
#include "core/state/settings.h"
#include "core/view/view_render.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/full_screen_controller.h"
#include "ui/slideshow/slide_form.h"
#include "ui/slideshow/slide_show_view.h"
#include "ui/view/full_gamen_form.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

std::uint32_t ColourOf(int k) { return static_cast<std::uint32_t>((k * 20) << 16 | 100 << 8 | (250 - k * 20)); }

void WritePhoto(const QString& path, std::uint32_t colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(320, 240);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) image.SetPixels(x, y, colour);
  }
  image.SaveToFile(path.toStdString());
}

constexpr int kPhotos = 8;

// Eight photos in slot 1, shown as they are.
struct Setup {
  Setup() {
    root = dir.path();
    QDir(root).mkpath("Photos");
    for (int k = 1; k <= kPhotos; ++k) WritePhoto(root + QString("/Photos/p%1.bmp").arg(k), ColourOf(k));
    env = testing_support::TestEnvironment(dir);
    env.Special.PicturesFolder = (root + "/Photos").toStdString();
    Settings settings;
    settings.SlotFolder[1] = env.Special.PicturesFolder;
    settings.SlideInterval = 0;
    settings.SlideCustomSeconds = 1;
    settings.SlideTransition = 0;
    settings.SlideNextFolder = 0;
    settings.GlobalEffect = 0;
    settings.GlobalSharpness = 0;
    SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);
  }
  QTemporaryDir dir;
  QString root;
  StartupEnvironment env;
};

struct Running {
  explicit Running(Setup& setup) : app(setup.env) {}
  // Shows the main window with the first photo; false when it never gets
  // there.
  bool Ready() {
    app.Show();
    if (!QTest::qWaitForWindowExposed(&app.MainForm())) return false;
    if (!QTest::qWaitFor([this] { return app.State().Activated && app.State().photos.PhotoCount == kPhotos; })) {
      return false;
    }
    full = app.MainForm().findChild<FullScreenController*>();
    if (full == nullptr) return false;
    AppState& state = app.State();
    state.StripPos = 1;
    CallHook(state.hooks.ShowPhoto, 1, 1);
    return state.current.Name == "p1.bmp";
  }
  QRect Screen() { return app.MainForm().screen()->geometry(); }
  // Posts count auto-repeated presses of key to target and lets them all
  // arrive.
  static void HoldKey(QWidget* target, Qt::Key key, const QString& text, int count) {
    for (int k = 0; k < count; ++k) {
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text, k > 0));
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  Application app;
  FullScreenController* full = nullptr;
};

}  // namespace

class FullScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenuItemsOpenIt() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    QVERIFY(run.full->FullGamenMenu != nullptr);
    QCOMPARE(run.full->FullGamenMenu->text(), QString("全画面表示 ［Ｆ11］"));
    QVERIFY(run.app.MainForm().Menus().SizeMenu->actions().contains(run.full->FullGamenMenu));
    QVERIFY(run.full->FullGamenMenuP != nullptr);
    QCOMPARE(run.full->FullGamenMenuP->text(), QString("この写真を画面いっぱいに表示 ［Ｆ11］"));
    run.full->FullGamenMenuP->trigger();
    QVERIFY(run.app.State().FullScreenActive);
    run.full->Close();
    QVERIFY(!run.app.State().FullScreenActive);
  }

  void f11OpensItOnTheScreenAndEscapeBringsTheMainWindowBack() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    // Zoomed to show half of the photo's width in the view.
    SetZoomValue(state, 500);
    RenderZoom(state, run.app.Ui(), false);
    QCOMPARE(state.view.ZoomWidth, 2 * state.view.ViewWidth);

    QTest::keyClick(&run.app.MainForm(), Qt::Key_F11);
    QVERIFY(state.FullScreenActive);
    TFullGamenForm* window = run.full->Form();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->geometry(), run.Screen());
    QCOMPARE(state.FullPicture.Width(), run.Screen().width());
    QCOMPARE(state.FullPicture.Height(), run.Screen().height());
    QCOMPARE(state.view.ZoomWidth, 2 * run.Screen().width());
    QCOMPARE(state.FullPicture.Pixels(run.Screen().width() / 2, run.Screen().height() / 2), ColourOf(1));
    QCOMPARE(window->FullImg()->cursor().shape(), Qt::BlankCursor);

    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!state.FullScreenActive);
    QVERIFY(run.full->Form() == nullptr || !run.full->Form()->isVisible());
    QCOMPARE(state.view.ViewWidth, 800);
    QCOMPARE(state.view.ViewHeight, 600);
    QCOMPARE(state.view.ZoomPercent, 500);
    QCOMPARE(state.view.ZoomWidth, 1600);
    QCOMPARE(state.ViewPicture.Pixels(400, 300), ColourOf(1));
    QTRY_VERIFY(run.full->Form() == nullptr);
  }

  void itsKeysStepAndHeldKeysDoNotQueue() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    run.full->Open(false);
    TFullGamenForm* window = run.full->Form();
    QVERIFY(window != nullptr);
    QTest::keyClick(window, Qt::Key_X);
    QCOMPARE(state.StripPos, 2);
    QCOMPARE(state.current.Name, std::string("p2.bmp"));
    QCOMPARE(state.FullPicture.Pixels(run.Screen().width() / 2, run.Screen().height() / 2), ColourOf(2));
    // A held X: the first press shows a photo, the repeats that waited
    // behind it are thrown away.
    Running::HoldKey(window, Qt::Key_X, "x", 20);
    QCOMPARE(state.StripPos, 3);
    QCOMPARE(state.current.Name, std::string("p3.bmp"));
    QTest::keyClick(window, Qt::Key_Z);
    QCOMPARE(state.StripPos, 2);
    // The right button closes.
    QTest::mouseClick(window->FullImg(), Qt::RightButton);
    QVERIFY(!state.FullScreenActive);
    QCOMPARE(state.ViewPicture.Pixels(400, 300), ColourOf(2));
  }

  void fourPanesStepByFour() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    state.PanoramaMode = PanoramaKind::Four;
    CallHook(state.hooks.ShowPhoto, 1, 1);
    run.full->Open(false);
    QTest::keyClick(run.full->Form(), Qt::Key_X);
    QCOMPARE(state.StripPos, 5);
    QTest::keyClick(run.full->Form(), Qt::Key_X, Qt::ShiftModifier);
    QCOMPARE(state.StripPos, 6);
    run.full->Close();
  }

  void heldKeysDoNotQueueInTheMainWindow() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    Running::HoldKey(&run.app.MainForm(), Qt::Key_X, "x", 20);
    QCOMPARE(state.StripPos, 2);
    QCOMPARE(state.current.Name, std::string("p2.bmp"));
  }

  void theSlideShowRunsInside() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    auto* slides = run.app.MainForm().findChild<SlideShowView*>();
    QVERIFY(slides != nullptr);
    QVERIFY(slides->StartFullScreen);
    slides->StartFullScreen();
    QVERIFY(state.FullScreenActive);
    QVERIFY(slides->Show().Running());
    QCOMPARE(state.SlidePicture.Width(), run.Screen().width());
    // A key stops the show; the view stays open until Escape.
    QTest::keyClick(run.full->Form(), Qt::Key_Space);
    QVERIFY(!slides->Show().Running());
    QVERIFY(state.FullScreenActive);
    QTest::keyClick(run.full->Form(), Qt::Key_Escape);
    QVERIFY(!state.FullScreenActive);
    QVERIFY(state.UiReady);
  }

  void f9InsideStartsTheShowThere() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    AppState& state = run.app.State();
    auto* slides = run.app.MainForm().findChild<SlideShowView*>();
    QVERIFY(slides != nullptr);
    run.full->Open(false);
    bool offered = false;
    slides->OnSlideForm = [&](TSlideForm& form) {
      offered = true;
      QVERIFY(!form.FullStartBtn->isEnabled());
      testing_support::WhenModalOpens([](QWidget* w) {
        auto* dialog = qobject_cast<TSlideForm*>(w);
        if (dialog != nullptr) QTest::mouseClick(dialog->StartBtn, Qt::LeftButton);
      });
    };
    QTest::keyClick(run.full->Form(), Qt::Key_F9);
    QVERIFY(offered);
    QVERIFY(slides->Show().Running());
    QCOMPARE(state.SlidePicture.Width(), run.Screen().width());
    QTest::keyClick(run.full->Form(), Qt::Key_Escape);
    QVERIFY(!slides->Show().Running());
    QVERIFY(state.FullScreenActive);
    QTest::keyClick(run.full->Form(), Qt::Key_Escape);
    QVERIFY(!state.FullScreenActive);
  }
};

QTEST_MAIN(FullScreenTest)
#include "full_screen_test.moc"

// The slide show as a user meets it: the menu item, the settings dialog with
// its refusal of a bad interval, a running show that the right arrow steps
// and the space bar stops, a click that stops it, and closing refused while
// it runs.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/base/paths.h"
#include "core/imaging/dib_image.h"
#include "core/state/settings.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/message_forms.h"
#include "ui/app/view_popup.h"
#include "ui/slideshow/slide_form.h"
#include "ui/slideshow/slide_show_view.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

std::uint32_t ColourOf(int k) { return static_cast<std::uint32_t>((k * 40) << 16 | 100 << 8 | (250 - k * 30)); }

void WritePhoto(const QString& path, std::uint32_t colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(160, 120);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) image.SetPixels(x, y, colour);
  }
  image.SaveToFile(path.toStdString());
}

// Three photos in slot 1; shows of one second without transition.
struct Setup {
  Setup() {
    root = dir.path();
    QDir(root).mkpath("Photos");
    for (int k = 1; k <= 3; ++k) WritePhoto(root + QString("/Photos/p%1.bmp").arg(k), ColourOf(k));
    env = testing_support::TestEnvironment(dir);
    env.Special.PicturesFolder = (root + "/Photos").toStdString();
    Settings settings;
    settings.SlotFolder[1] = env.Special.PicturesFolder;
    settings.SlideInterval = 0;
    settings.SlideCustomSeconds = 1;
    settings.SlideTransition = 0;
    settings.SlideNextFolder = 0;
    settings.GlobalEffect = 0;  // colours as they are
    SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);
  }
  QTemporaryDir dir;
  QString root;
  StartupEnvironment env;
};

struct Running {
  explicit Running(Setup& setup) : app(setup.env) {}
  // Shows the main window and waits until it is ready; false when it never
  // is or has no slide show.
  bool Ready() {
    app.Show();
    if (!QTest::qWaitForWindowExposed(&app.MainForm())) return false;
    if (!QTest::qWaitFor([this] { return app.State().Activated; })) return false;
    view = app.MainForm().findChild<SlideShowView*>();
    if (view == nullptr) return false;
    view->Show().Trace = [this](SlideEvent event, std::int64_t) {
      if (event == SlideEvent::TransitionStart) shown.append(QString::fromStdString(app.State().current.Name));
    };
    return true;
  }
  // The colour in the middle of the main view.
  std::uint32_t Centre() { return app.State().ViewPicture.Pixels(400, 300); }

  Application app;
  SlideShowView* view = nullptr;
  QStringList shown;
};

}  // namespace

class SlideShowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenuItemLeadsTheCommandMenuAndThePopUpMenu() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    QMenu* command = run.app.MainForm().Menus().CommandMenu;
    QCOMPARE(command->actions().value(0), run.view->SlideMenu);
    QCOMPARE(run.view->SlideMenu->text(), QString("スライドショー ［Ｆ9］"));
    auto* popup = run.app.MainForm().findChild<ViewPopup*>();
    QVERIFY(popup != nullptr);
    QVERIFY(popup->Menu()->actions().contains(run.view->SlideMenu));
  }

  void aRefusedIntervalKeepsTheDialogOpenAndAGoodOneStartsTheShow() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    QStringList message;
    bool checked_refusal = false;
    run.view->OnSlideForm = [&](TSlideForm& form) {
      QCOMPARE(form.windowTitle(), QString("スライドショー（自動コマ送り観賞）"));
      QVERIFY(form.FullStartBtn->isEnabled());
      form.IntervalGroup->button(0)->setChecked(true);
      form.NiniEdit->setText("1.5");
      testing_support::WhenModalOpens([&](QWidget* w) {
        auto* slide_form = qobject_cast<TSlideForm*>(w);
        QVERIFY(slide_form != nullptr);
        testing_support::WhenModalOpens(
            [&](QWidget* box) {
              auto* print = qobject_cast<MessageForm*>(box);
              QVERIFY(print != nullptr);
              for (int k = 1; k <= print->LineLabelCount(); ++k) {
                if (!print->LineLabel(k)->isHidden()) message.append(print->LineLabel(k)->text());
              }
              print->close();
            },
            slide_form);
        QTest::mouseClick(slide_form->StartBtn, Qt::LeftButton);
        QVERIFY(slide_form->isVisible());
        QCOMPARE(slide_form->NiniEdit->selectedText(), QString("1.5"));
        checked_refusal = true;
        slide_form->NiniEdit->setText("2");
        QTest::mouseClick(slide_form->StartBtn, Qt::LeftButton);
      });
    };
    QTest::keyClick(&run.app.MainForm(), Qt::Key_F9);
    QVERIFY(checked_refusal);
    QCOMPARE(message, (QStringList{"表示間隔の秒数は", "１秒以上の整数が指定できます。"}));
    QVERIFY(run.view->Show().Running());
    QCOMPARE(run.app.State().settings.SlideCustomSeconds, 2);
    QCOMPARE(run.app.MainForm().windowTitle(), QString("Lumetta（スライドショーMode）"));
    // F9 again stops it.
    QTest::keyClick(&run.app.MainForm(), Qt::Key_F9);
    QVERIFY(!run.view->Show().Running());
    QVERIFY(run.app.State().UiReady);
  }

  void theRightArrowStepsAndTheSpaceBarStops() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    run.app.State().StripPos = 1;
    run.view->StartInMainView();
    QVERIFY(!run.app.State().UiReady);
    QTRY_COMPARE_WITH_TIMEOUT(run.shown.size(), 1, 3000);
    QCOMPARE(run.shown.value(0), QString("p1.bmp"));
    QCOMPARE(run.Centre(), ColourOf(1));
    QTest::keyClick(&run.app.MainForm(), Qt::Key_Right);
    QCOMPARE(run.shown.size(), 2);
    QCOMPARE(run.shown.value(1), QString("p2.bmp"));
    QCOMPARE(run.Centre(), ColourOf(2));
    QTest::keyClick(&run.app.MainForm(), Qt::Key_Space);
    QVERIFY(!run.view->Show().Running());
    QVERIFY(run.app.State().UiReady);
    QCOMPARE(run.app.State().current.Name, std::string("p2.bmp"));
    QCOMPARE(run.app.State().StripPos, 2);
    QCOMPARE(run.Centre(), ColourOf(2));
    QCOMPARE(run.app.MainForm().windowTitle(), QString("Lumetta"));
  }

  void aClickOnTheViewStopsAndClosingIsRefusedWhileItRuns() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Ready());
    run.app.State().StripPos = 1;
    run.view->StartInMainView();
    QTRY_COMPARE_WITH_TIMEOUT(run.shown.size(), 1, 3000);
    QTest::mouseClick(run.app.MainForm().ViewImg(), Qt::LeftButton);
    QVERIFY(!run.view->Show().Running());

    run.view->StartInMainView();
    QVERIFY(run.view->Show().Running());
    QVERIFY(!run.app.MainForm().close());
    QVERIFY(!run.view->Show().Running());
    QVERIFY(run.app.MainForm().isVisible());
  }
};

QTEST_MAIN(SlideShowTest)
#include "slide_show_test.moc"

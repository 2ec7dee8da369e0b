// The brightness and contrast dialog as the user meets it: the keys and the
// bars move the values, the labels and the live preview; "決定" keeps them,
// "キャンセル" leaves the photo as it was.
#include "ui/view/akarusa_form.h"

#include <QApplication>
#include <QtTest>

#include "core/state/app_state.h"
#include "core/view/akarusa_model.h"
#include "core/imaging/resample.h"
#include "core/view/view_render.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"
#include "ui/view/picture_widget.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

constexpr std::uint32_t kGrey = 120u | 90u << 8 | 60u << 16;

// A grey 240 x 160 photo shown fitted in a 64 x 48 view of a window.
struct Bench {
  Bench() {
    state.settings.GlobalEffect = 0;
    state.settings.GlobalSharpness = 0;
    state.view.ViewWidth = 64;
    state.view.ViewHeight = 48;
    TDibImage photo;
    SizeImage24(photo, 240, 160);
    photo.Fill(120, 90, 60);
    state.DecodedPhoto.Assign(photo);
    state.current.Name = "photo.bmp";
    SizeImage24(state.ViewPicture, 64, 48);
    window.resize(400, 300);
    view = new PictureWidget(&state.ViewPicture, &window);
    view->setGeometry(10, 10, 64, 48);
    ui.SetMainWindow(&window);
    ui.RegisterPicture(Picture::ViewImg, view);
    window.show();
    RenderView(state, ui, false);
  }

  AppState state;
  QtUserInterface ui;
  QWidget window;
  PictureWidget* view = nullptr;
};

// The colour at the preview's centre, where the photo is.
std::uint32_t PreviewCentre(const AppState& state) { return state.PreviewPicture.Pixels(160, 120); }

std::uint32_t Brighter(std::uint32_t colour, std::uint32_t by) { return colour + (by | by << 8 | by << 16); }

}  // namespace

class AkarusaFormTest : public QObject {
  Q_OBJECT

 private slots:
  void hasItsBarsLabelsAndButtons() {
    Bench b;
    AkarusaModel model(b.state, b.ui);
    model.Open();
    TAkarusaForm form(model, &b.window);
    QCOMPARE(form.windowTitle(), QString("明るさ・コントラスト"));
    QCOMPARE(form.size(), QSize(349, 384));
    QCOMPARE(form.PreviewImg->size(), QSize(320, 240));
    QCOMPARE(form.AkarusaBar->minimum(), -256);
    QCOMPARE(form.AkarusaBar->maximum(), 256);
    QCOMPARE(form.AkarusaBar->pageStep(), 10);
    QCOMPARE(form.AkarusaBar->tickInterval(), 16);
    QCOMPARE(form.ContrastBar->minimum(), 1);
    QCOMPARE(form.ContrastBar->maximum(), 1024);
    QCOMPARE(form.ContrastBar->pageStep(), 20);
    QCOMPARE(form.ContrastBar->tickInterval(), 32);
    QCOMPARE(form.ContrastBar->value(), 256);
    QCOMPARE(form.AClearBtn->text(), QString("0"));
    QCOMPARE(form.CClearBtn->text(), QString("256"));
    QStringList texts;
    for (QLabel* label : form.findChildren<QLabel*>()) texts << label->text();
    for (const char* text : {"暗く", "明るく", "明るさ", "低く", "高く", "コントラスト", "『A』『S』キー…明るさの調節",
                             "『Z』『X』キー…コントラストの調整。"}) {
      QVERIFY2(texts.contains(QString(text)), text);
    }
    model.Close(false);
  }

  void keysStepTheValuesAndThePreviewAndCancelLeavesThePhoto() {
    Bench b;
    const TDibImage shown = b.state.ViewPicture;
    testing_support::WhenModalOpens([&b](QWidget* w) {
      auto* form = qobject_cast<TAkarusaForm*>(w);
      QVERIFY(form != nullptr);
      QCOMPARE(form->AkarusaLbl->text(), QString("   0→"));
      QCOMPARE(form->ContrastLbl->text(), QString(" 256→"));
      QCOMPARE(PreviewCentre(b.state), kGrey);
      // The form sees the keys first, whichever control has the focus.
      QTest::keyClick(form->CancelBtn, Qt::Key_S);
      QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->KetteiBtn));
      QCOMPARE(form->AkarusaBar->value(), 1);
      QCOMPARE(form->AkarusaLbl->text(), QString("  +1→"));
      QCOMPARE(PreviewCentre(b.state), Brighter(kGrey, 1));
      QTest::keyClick(form->KetteiBtn, Qt::Key_S);
      QCOMPARE(PreviewCentre(b.state), Brighter(kGrey, 2));
      QTest::keyClick(form->KetteiBtn, Qt::Key_A);
      QTest::keyClick(form->KetteiBtn, Qt::Key_A);
      QTest::keyClick(form->KetteiBtn, Qt::Key_A);
      QCOMPARE(form->AkarusaLbl->text(), QString("  -1→"));
      QTest::keyClick(form->KetteiBtn, Qt::Key_Z);
      QCOMPARE(form->ContrastBar->value(), 255);
      QCOMPARE(form->ContrastLbl->text(), QString(" 255→"));
      QTest::keyClick(form->KetteiBtn, Qt::Key_X);
      QTest::keyClick(form->KetteiBtn, Qt::Key_X);
      QCOMPARE(form->ContrastLbl->text(), QString(" 257→"));
      QTest::mouseClick(form->CancelBtn, Qt::LeftButton);
    });
    QVERIFY(!AkarusaCommand(b.state, b.ui, CommandSource::Menu));
    QCOMPARE(b.state.current.Edits.Brightness, 0);
    QCOMPARE(b.state.current.Edits.Contrast, 256);
    QVERIFY(!b.state.EditsDirty);
    QVERIFY(!b.state.AdjustPreviewActive);
    QCOMPARE(b.state.view.ViewWidth, 64);
    QCOMPARE(b.state.ViewPicture.Pixels(32, 24), shown.Pixels(32, 24));
  }

  void keysStayWithinTheRange() {
    Bench b;
    b.state.current.Edits.Brightness = 256;
    b.state.current.Edits.Contrast = 1;
    testing_support::WhenModalOpens([](QWidget* w) {
      auto* form = qobject_cast<TAkarusaForm*>(w);
      QVERIFY(form != nullptr);
      QCOMPARE(form->AkarusaLbl->text(), QString(" 256→"));
      QTest::keyClick(form->KetteiBtn, Qt::Key_S);
      QCOMPARE(form->AkarusaBar->value(), 256);
      QCOMPARE(form->AkarusaLbl->text(), QString(" 256→"));
      QTest::keyClick(form->KetteiBtn, Qt::Key_Z);
      QCOMPARE(form->ContrastBar->value(), 1);
      form->close();
    });
    AkarusaCommand(b.state, b.ui, CommandSource::Menu);
    QCOMPARE(b.state.current.Edits.Brightness, 256);
  }

  void clearButtonsAndKetteiGiveThePhotoTheValues() {
    Bench b;
    b.state.current.Edits.Brightness = 50;
    b.state.current.Edits.Contrast = 500;
    testing_support::WhenModalOpens([&b](QWidget* w) {
      auto* form = qobject_cast<TAkarusaForm*>(w);
      QVERIFY(form != nullptr);
      QCOMPARE(form->AkarusaLbl->text(), QString("  50→"));
      QTest::mouseClick(form->AClearBtn, Qt::LeftButton);
      QCOMPARE(form->AkarusaBar->value(), 0);
      QCOMPARE(form->AkarusaLbl->text(), QString("   0→"));
      QTest::mouseClick(form->CClearBtn, Qt::LeftButton);
      QCOMPARE(form->ContrastBar->value(), 256);
      QCOMPARE(PreviewCentre(b.state), kGrey);
      QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->KetteiBtn));
      form->AkarusaBar->setValue(30);
      QCOMPARE(form->AkarusaLbl->text(), QString(" +30→"));
      QTest::mouseClick(form->KetteiBtn, Qt::LeftButton);
    });
    QVERIFY(AkarusaCommand(b.state, b.ui, CommandSource::Button));
    QCOMPARE(b.state.current.Edits.Brightness, 30);
    QCOMPARE(b.state.current.Edits.Contrast, 256);
    QVERIFY(b.state.EditsDirty);
    QCOMPARE(b.state.ViewPicture.Pixels(32, 24), Brighter(kGrey, 30));
  }

  void helpButtonsExplainInEightLines() {
    Bench b;
    AkarusaModel model(b.state, b.ui);
    model.Open();
    TAkarusaForm form(model, &b.window);
    form.show();
    QStringList lines;
    testing_support::RecordNextMessage(&lines);
    QTest::mouseClick(form.CHelpBtn, Qt::LeftButton);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.front(), QString("「コントラスト」を上げると、"));
    QCOMPARE(lines.back(), QString("ソフト（やわらか）な写真になります。"));
    QCOMPARE(BrightnessHelpLines().size(), std::size_t{8});
    model.Close(false);
  }
};

QTEST_MAIN(AkarusaFormTest)
#include "akarusa_form_test.moc"

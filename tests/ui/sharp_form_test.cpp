// The sharpness dialog as the user meets it: the photo's value selected, a
// click on a level moving the focus to "決定", the help texts, and the
// photo's sharpness taken on "決定" only.
#include "ui/view/sharp_form.h"

#include <QApplication>
#include <QtTest>

#include "core/state/app_state.h"
#include "core/imaging/resample.h"
#include "core/view/sharpness_commands.h"
#include "core/view/view_render.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"

using namespace lumetta;
using namespace lumetta::ui;

class SharpFormTest : public QObject {
  Q_OBJECT

 private slots:
  void selectsThePhotosValue_data() {
    QTest::addColumn<int>("sharpness");
    QTest::addColumn<QString>("button");
    QTest::newRow("global") << 0 << "DefaultBtn";
    QTest::newRow("never") << -1 << "NashiBtn";
    QTest::newRow("strong") << 4 << "KanariBtn";
    QTest::newRow("medium") << 8 << "TsuyomeBtn";
    QTest::newRow("weak") << 16 << "YowameBtn";
  }

  void selectsThePhotosValue() {
    QFETCH(int, sharpness);
    QFETCH(QString, button);
    TSharpForm form(sharpness);
    QCOMPARE(form.windowTitle(), QString("シャープネス"));
    auto* radio = form.findChild<QRadioButton*>(button);
    QVERIFY(radio != nullptr);
    QVERIFY(radio->isChecked());
    QCOMPARE(form.Chosen(), sharpness);
  }

  void aClickOnALevelMovesTheFocusAndKetteiReturnsIt() {
    QWidget owner;
    owner.show();
    TSharpForm form(0, &owner);
    testing_support::WhenModalOpens([&form](QWidget*) {
      QTest::mouseClick(form.YayaBtn, Qt::LeftButton);
      QVERIFY(form.YayaBtn->isChecked());
      QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.KetteiBtn));
      QTest::mouseClick(form.KetteiBtn, Qt::LeftButton);
    });
    const std::optional<std::int32_t> chosen = form.Run();
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, 10);

    TSharpForm cancelled(6, &owner);
    testing_support::WhenModalOpens([&cancelled](QWidget*) {
      QTest::mouseClick(cancelled.NashiBtn, Qt::LeftButton);
      QTest::mouseClick(cancelled.CancelBtn, Qt::LeftButton);
    });
    QVERIFY(!cancelled.Run().has_value());
  }

  void helpButtonsShowTheirTexts() {
    QWidget owner;
    owner.show();
    TSharpForm form(0, &owner);
    form.show();
    QStringList setsumei;
    testing_support::RecordNextMessage(&setsumei);
    QTest::mouseClick(form.DefaultSetsumeiBtn, Qt::LeftButton);
    QCOMPARE(setsumei,
             (QStringList{"「全体の設定に従う」を選択すると、", "画面上部の「全シャープネス」メニューで設定した",
                          "シャープネスが、この写真に適用されます。"}));
    QStringList kaisetsu;
    testing_support::RecordNextMessage(&kaisetsu);
    QTest::mouseClick(form.SHelpBtn, Qt::LeftButton);
    QCOMPARE(kaisetsu.size(), 7);
    QCOMPARE(kaisetsu.front(), QString("「シャープネス処理」とは、"));
  }

  void theCommandTakesTheChoiceAndMarksTheEdits() {
    AppState state;
    state.settings.GlobalSharpness = 12;
    state.settings.GlobalEffect = 0;
    state.view.ViewWidth = 64;
    state.view.ViewHeight = 48;
    TDibImage photo;
    SizeImage24(photo, 64, 48);
    photo.Fill(100, 100, 100);
    photo.FillRect(32, 0, 64, 48, 200, 200, 200);
    state.DecodedPhoto.Assign(photo);
    state.current.Name = "photo.bmp";
    SizeImage24(state.ViewPicture, 64, 48);
    QWidget window;
    window.show();
    QtUserInterface ui(&window);
    RenderView(state, ui, false);
    QCOMPARE(state.ViewPicture.Pixels(31, 10), 0x3F3F3Fu);  // sharpened: 100 - (100 div 3 + 4)

    testing_support::WhenModalOpens([](QWidget* w) {
      auto* form = qobject_cast<TSharpForm*>(w);
      QVERIFY(form != nullptr);
      QVERIFY(form->DefaultBtn->isChecked());
      QTest::mouseClick(form->NashiBtn, Qt::LeftButton);
      QTest::mouseClick(form->KetteiBtn, Qt::LeftButton);
    });
    SharpCommand(state, ui, CommandSource::Button);
    QCOMPARE(state.current.Edits.Sharpness, -1);
    QVERIFY(state.EditsDirty);
    QCOMPARE(state.ViewPicture.Pixels(31, 10), 0x646464u);
  }
};

QTEST_MAIN(SharpFormTest)
#include "sharp_form_test.moc"

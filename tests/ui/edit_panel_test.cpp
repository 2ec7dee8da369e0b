// The edit panel's view controls and the numeric zoom dialog as the user
// meets them: buttons that render, the dialog's text and its messages, the
// drag of the zoom window.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>
#include <memory>

#include "core/state/app_state.h"
#include "core/imaging/resample.h"
#include "core/view/view_render.h"
#include "support/message_capture.h"
#include "support/modal.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"
#include "ui/view/bairitsu_form.h"
#include "ui/view/edit_panel.h"
#include "ui/view/picture_widget.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

// A 240 x 160 photo of horizontal and vertical stripes.
TDibImage StripedPhoto() {
  TDibImage photo;
  photo.SetBitCount(24);
  photo.SetSize(240, -160);
  for (std::int32_t y = 0; y < 160; ++y) {
    for (std::int32_t x = 0; x < 240; ++x) {
      const std::uint32_t r = static_cast<std::uint32_t>((x * 7) % 256);
      const std::uint32_t g = static_cast<std::uint32_t>((y * 5) % 256);
      photo.SetPixels(x, y, r | g << 8 | 90u << 16);
    }
  }
  return photo;
}

bool SamePixels(const TDibImage& a, const TDibImage& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    for (std::int32_t x = 0; x < a.Width(); ++x) {
      if (a.Pixels(x, y) != b.Pixels(x, y)) return false;
    }
  }
  return true;
}

// A window with an edit panel and a 64 x 48 view showing the photo fitted.
struct Bench {
  Bench() {
    state.view.ViewWidth = 64;
    state.view.ViewHeight = 48;
    state.DecodedPhoto.Assign(StripedPhoto());
    state.current.Name = "photo.bmp";
    SizeImage24(state.ViewPicture, 64, 48);
    window.resize(300, 200);
    henshu_pnl = new QFrame(&window);
    henshu_pnl->setGeometry(0, 0, 195, 68);
    henshu_lbl = new QLabel("編集", henshu_pnl);
    henshu_lbl->setGeometry(47, 3, 24, 12);
    view = new PictureWidget(&state.ViewPicture, &window);
    view->setGeometry(10, 80, 64, 48);
    ui.SetMainWindow(&window);
    ui.RegisterPicture(Picture::ViewImg, view);
    ui.RegisterViewWidget(view);
    panel = std::make_unique<EditPanel>(state, ui, henshu_pnl, henshu_lbl, view, &window);
    window.show();
    RenderView(state, ui, false);
  }

  void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
  }

  AppState state;
  QtUserInterface ui;
  QWidget window;
  QFrame* henshu_pnl = nullptr;
  QLabel* henshu_lbl = nullptr;
  PictureWidget* view = nullptr;
  std::unique_ptr<EditPanel> panel;
};


}  // namespace

class EditPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void bairitsuFormShowsTheReferenceAndReturnsTheText() {
    QWidget owner;
    TBairitsuForm form("2400x1800→50%", 50, &owner);
    QCOMPARE(form.windowTitle(), QString("表示倍率を数値で指定"));
    QCOMPARE(form.GensunLbl->text(), QString("2400x1800→50%"));
    QCOMPARE(form.RitsuEdit->text(), QString("50"));
    QVERIFY(form.KetteiBtn->isDefault());
    testing_support::WhenModalOpens([&form](QWidget* w) {
      QCOMPARE(w, static_cast<QWidget*>(&form));
      QTest::mouseClick(form.ClearBtn, Qt::LeftButton);
      QCOMPARE(form.RitsuEdit->text(), QString());
      QTest::keyClicks(form.RitsuEdit, "120");
      QTest::mouseClick(form.KetteiBtn, Qt::LeftButton);
    });
    const std::optional<std::string> text = form.Run();
    QVERIFY(text.has_value());
    QCOMPARE(QString::fromStdString(*text), QString("120"));

    TBairitsuForm cancelled("1x1→100%", 100, &owner);
    testing_support::WhenModalOpens([&cancelled](QWidget*) { QTest::mouseClick(cancelled.CancelBtn, Qt::LeftButton); });
    QVERIFY(!cancelled.Run().has_value());
  }

  void numericZoomExplainsARefusedValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("large_photo");
    QTest::addColumn<QStringList>("lines");
    const QStringList range = {"入力された数値は、範囲を超えています。", "表示倍率の直接指定は「１～400％」の範囲",
                               "で、整数のみ指定できます。"};
    QTest::newRow("above 400") << "401" << false << range;
    QTest::newRow("zero") << "0" << false << range;
    QTest::newRow("empty") << "" << false << range;
    QTest::newRow("letters") << "abc" << false << range;
    QTest::newRow("too large a photo") << "100" << true
                                       << QStringList{"元の画像の原寸大サイズが大きすぎるため", "拡大できませんでした。"};
  }

  void numericZoomExplainsARefusedValue() {
    QFETCH(QString, text);
    QFETCH(bool, large_photo);
    QFETCH(QStringList, lines);
    Bench b;
    if (large_photo) {
      b.state.view.ShownWidth = 10000;
      b.state.view.ShownHeight = 8000;
    }
    QStringList shown;
    testing_support::WhenModalOpens([&shown, text](QWidget* w) {
      auto* form = qobject_cast<TBairitsuForm*>(w);
      QVERIFY(form != nullptr);
      form->RitsuEdit->setText(text);
      testing_support::RecordNextMessage(&shown, form);
      QTest::mouseClick(form->KetteiBtn, Qt::LeftButton);
    });
    QTest::mouseClick(b.panel->RitsuLbl, Qt::LeftButton);
    QCOMPARE(shown, lines);
    QCOMPARE(b.state.view.ZoomPercent, 27);
    QVERIFY(!b.state.current.Edits.ZoomMode);
  }

  void numericZoomFromTheEditLabelRendersTheValue() {
    Bench b;
    testing_support::WhenModalOpens([](QWidget* w) {
      auto* form = qobject_cast<TBairitsuForm*>(w);
      QVERIFY(form != nullptr);
      QCOMPARE(form->GensunLbl->text(), QString("240x160→27%"));
      form->RitsuEdit->setText("150");
      QTest::mouseClick(form->KetteiBtn, Qt::LeftButton);
    });
    QTest::mouseClick(b.henshu_lbl, Qt::LeftButton);
    QCOMPARE(b.state.view.ZoomPercent, 150);
    QCOMPARE(b.panel->RitsuLbl->text(), QString("150%"));
  }

  void zoomButtonRendersTheZoomAsTheCoreDoes() {
    Bench b;
    QCOMPARE(b.panel->JoutaiLbl->text(), QString("【全体を表示中】"));
    QVERIFY(!b.panel->ZoomKaijoBtn->isEnabled());
    QTest::mouseClick(b.panel->ZoomUpBtn, Qt::LeftButton);
    QCOMPARE(b.state.view.ZoomPercent, 33);
    QCOMPARE(b.panel->RitsuLbl->text(), QString(" 33%"));
    QCOMPARE(b.panel->JoutaiLbl->text(), QString("【ズームモード】"));
    QVERIFY(b.panel->ZoomKaijoBtn->isEnabled());

    AppState expected;
    expected.view.ViewWidth = 64;
    expected.view.ViewHeight = 48;
    expected.DecodedPhoto.Assign(b.state.DecodedPhoto);
    expected.current.Name = "photo.bmp";
    SizeImage24(expected.ViewPicture, 64, 48);
    QtUserInterface quiet;
    SetZoomValue(expected, 33);
    RenderZoom(expected, quiet, false);
    QVERIFY(SamePixels(b.state.ViewPicture, expected.ViewPicture));

    QTest::mouseClick(b.panel->ZoomUpBtn, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(b.state.view.ZoomPercent, 34);
    QTest::mouseClick(b.panel->ZoomDownBtn, Qt::LeftButton);
    QCOMPARE(b.state.view.ZoomPercent, 25);  // 28 ... 37 step down to 25
    QTest::mouseClick(b.panel->ZoomDownBtn, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(b.state.view.ZoomPercent, 24);
    QTest::mouseClick(b.panel->ZoomKaijoBtn, Qt::LeftButton);
    QVERIFY(!b.state.current.Edits.ZoomMode);
    QCOMPARE(b.state.view.ZoomPercent, 27);
  }

  void turnButtonsAndWideModeRenderAgain() {
    Bench b;
    QTest::mouseClick(b.panel->TurnRightBtn, Qt::LeftButton);
    QCOMPARE(int(b.state.current.Edits.Rotation), 1);
    QTest::mouseClick(b.panel->TurnLeftBtn, Qt::LeftButton);
    QTest::mouseClick(b.panel->TurnLeftBtn, Qt::LeftButton);
    QCOMPARE(int(b.state.current.Edits.Rotation), -1);
    QTest::mouseClick(b.panel->WideChk, Qt::LeftButton);
    QVERIFY(b.state.view.FillView);
    QVERIFY(b.panel->WideChk->isChecked());
    QTest::mouseClick(b.panel->WideLbl, Qt::LeftButton);
    QVERIFY(!b.state.view.FillView);
    QVERIFY(!b.panel->WideChk->isChecked());
  }

  void draggingTheViewMovesTheZoomWindow() {
    Bench b;
    SetZoomValue(b.state, 100);
    RenderZoom(b.state, b.ui, false);
    QCOMPARE(b.state.view.ScrollX, 120 - 32);
    const int threshold = QApplication::startDragDistance();
    b.SendMouse(QEvent::MouseButtonPress, QPoint(40, 20), Qt::LeftButton, Qt::LeftButton);
    b.SendMouse(QEvent::MouseMove, QPoint(40 - threshold, 20), Qt::NoButton, Qt::LeftButton);
    QVERIFY(b.state.view.Dragging);
    QCOMPARE(b.state.view.ScrollX, 120 - 32 + threshold);
    b.SendMouse(QEvent::MouseMove, QPoint(30 - threshold, 25), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(b.state.view.ScrollX, 120 - 32 + threshold + 10);
    QCOMPARE(b.state.view.ScrollY, 80 - 24 - 5);
    b.SendMouse(QEvent::MouseButtonRelease, QPoint(30 - threshold, 25), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!b.state.view.Dragging);
  }

  void doubleClickZoomsIn() {
    Bench b;
    b.SendMouse(QEvent::MouseButtonDblClick, QPoint(32, 25), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(b.state.view.ZoomPercent, 33);
    QVERIFY(b.state.current.Edits.ZoomMode);
  }
};

QTEST_MAIN(EditPanelTest)
#include "edit_panel_test.moc"

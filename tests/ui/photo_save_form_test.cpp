// The export dialog as the user meets it: the settings shown, the quality
// label following the bar, labels that click their buttons, "推奨設定", the
// whole-photo choice off in panorama mode, and the choices taken on "決定".
#include "ui/export/photo_save_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include "support/modal.h"

using namespace lumetta;
using namespace lumetta::ui;

class PhotoSaveFormTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSettings() {
    ExportChoices c;
    c.Format = ExportFormatKind::Bmp;
    c.Quality = 3;
    c.Exif = false;
    c.UpperCase = true;
    c.Comment = false;
    c.Whole = true;
    TPhotoSaveForm form(c, true, nullptr);
    QCOMPARE(form.windowTitle(), QString("表示されている状態で写真を保存"));
    QVERIFY(form.BmpBtn->isChecked());
    QCOMPARE(form.JpegQBar->value(), 3);
    QCOMPARE(form.GashitsuLbl->text(), QString("画質３→"));
    QVERIFY(!form.ExifChk->isChecked());
    QVERIFY(form.UpperChk->isChecked());
    QVERIFY(form.CommentChk->isChecked());  // ticked: the comment is left out
    QVERIFY(form.ZentaiChk->isChecked());
    QVERIFY(form.Choices() == c);
  }

  void theBarSetsTheQualityLabel_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("label");
    QTest::newRow("1") << 1 << "画質１→";
    QTest::newRow("8") << 8 << "画質８→";
    QTest::newRow("10") << 10 << "画質10→";
  }

  void theBarSetsTheQualityLabel() {
    QFETCH(int, bar);
    QFETCH(QString, label);
    TPhotoSaveForm form(ExportChoices{}, true, nullptr);
    form.JpegQBar->setValue(bar);
    QCOMPARE(form.GashitsuLbl->text(), label);
    QCOMPARE(form.Choices().Quality, bar);
  }

  void labelsClickTheirButtonsAndTheFocusGoesToKettei() {
    TPhotoSaveForm form(ExportChoices{}, true, nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* exif_label = form.findChild<QLabel*>("ExifLbl");
    QVERIFY(exif_label != nullptr);
    QTest::mouseClick(exif_label, Qt::LeftButton);
    QVERIFY(!form.ExifChk->isChecked());
    auto* bmp_label = form.findChild<QLabel*>("BmpLbl2");
    QTest::mouseClick(bmp_label, Qt::LeftButton);
    QVERIFY(form.BmpBtn->isChecked());
    QTest::mouseClick(form.CommentChk, Qt::LeftButton);
    QVERIFY(!form.Choices().Comment);
    QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.KetteiBtn));
  }

  void suishouRestoresTheSuggestedSettings() {
    ExportChoices c;
    c.Format = ExportFormatKind::EditedPhoto;
    c.Quality = 2;
    c.Exif = false;
    c.UpperCase = true;
    c.Comment = false;
    c.Whole = true;
    TPhotoSaveForm form(c, true, nullptr);
    QTest::mouseClick(form.SuishouBtn, Qt::LeftButton);
    const ExportChoices s = form.Choices();
    QCOMPARE(static_cast<int>(s.Format), 1);
    QCOMPARE(s.Quality, 8);
    QVERIFY(s.Exif);
    QVERIFY(!s.UpperCase);
    QVERIFY(s.Comment);
    QVERIFY(!s.Whole);
    QCOMPARE(form.GashitsuLbl->text(), QString("画質８→"));
  }

  void theWholePhotoIsOffInPanoramaMode() {
    TPhotoSaveForm form(ExportChoices{}, false, nullptr);
    QVERIFY(!form.ZentaiChk->isEnabled());
    QVERIFY(!form.ZentaiLbl->isEnabled());
  }

  void ketteiAcceptsAndCancelRejects() {
    TPhotoSaveForm form(ExportChoices{}, true, nullptr);
    testing_support::WhenModalOpens([&form](QWidget*) { QTest::mouseClick(form.KetteiBtn, Qt::LeftButton); });
    QCOMPARE(form.exec(), static_cast<int>(QDialog::Accepted));
    TPhotoSaveForm cancelled(ExportChoices{}, true, nullptr);
    testing_support::WhenModalOpens([&cancelled](QWidget*) { QTest::mouseClick(cancelled.CancelBtn, Qt::LeftButton); });
    QCOMPARE(cancelled.exec(), static_cast<int>(QDialog::Rejected));
  }
};

QTEST_MAIN(PhotoSaveFormTest)
#include "photo_save_form_test.moc"

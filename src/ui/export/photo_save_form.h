#pragma once
// The export dialog ("表示されている状態で写真を保存"): the format (the
// edited-photo file, JPEG with its quality and Exif choice, or BMP), the
// upper-case suffix, the comment and the whole photo, over a working copy of
// the export settings. "決定" ends it with the copy as chosen.

#include <QDialog>
#include <QLabel>

#include "core/export/export_choices.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSlider;

namespace lumetta::ui {

// A label that stands for a check box or radio button: a click on it clicks
// the button.
class ButtonLabel : public QLabel {
  Q_OBJECT
 public:
  ButtonLabel(const QString& text, QWidget* parent);

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

class TPhotoSaveForm : public QDialog {
  Q_OBJECT
 public:
  // whole_enabled is false in panorama mode.
  TPhotoSaveForm(const ExportChoices& choices, bool whole_enabled, QWidget* parent);

  // The working copy as the controls show it.
  ExportChoices Choices() const;

  QRadioButton* LumBtn = nullptr;
  QRadioButton* JpegBtn = nullptr;
  QRadioButton* BmpBtn = nullptr;
  QSlider* JpegQBar = nullptr;
  QLabel* GashitsuLbl = nullptr;
  QCheckBox* ExifChk = nullptr;
  QCheckBox* UpperChk = nullptr;
  QCheckBox* CommentChk = nullptr;
  QCheckBox* ZentaiChk = nullptr;
  ButtonLabel* ZentaiLbl = nullptr;
  QPushButton* SuishouBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* KetteiBtn = nullptr;

 private:
  void Show(const ExportChoices& choices);
  void FocusKettei();
};

}  // namespace lumetta::ui

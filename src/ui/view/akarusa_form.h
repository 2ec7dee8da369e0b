#pragma once
// TAkarusaForm: "明るさ・コントラスト", the brightness and contrast dialog with
// its live 320 x 240 preview. The values and the preview are the core's
// AkarusaModel; the form shows them and passes on every move of a bar.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <string>
#include <vector>

#include "core/view/akarusa_model.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

class TAkarusaForm : public QDialog {
  Q_OBJECT
 public:
  // The model is open (its preview rendered) and outlives the form.
  explicit TAkarusaForm(AkarusaModel& model, QWidget* parent = nullptr);

  PictureWidget* PreviewImg = nullptr;
  QSlider* AkarusaBar = nullptr;
  QSlider* ContrastBar = nullptr;
  QLabel* AkarusaLbl = nullptr;
  QLabel* ContrastLbl = nullptr;
  QPushButton* AClearBtn = nullptr;  // "0"
  QPushButton* CClearBtn = nullptr;  // "256"
  QPushButton* AHelpBtn = nullptr;   // "解説" of the brightness
  QPushButton* CHelpBtn = nullptr;   // "解説" of the contrast
  QPushButton* CancelBtn = nullptr;
  QPushButton* KetteiBtn = nullptr;

 protected:
  // Every key reaches the form before the control that has the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // A key's step of a bar: the focus goes to "決定", the bar moves when the
  // step stays in its range, and the keys the user held meanwhile are
  // dropped so that they do not pile up preview updates.
  void KeyStep(QSlider* bar, int delta);

  AkarusaModel& model_;
};

// The texts of the two "解説" buttons.
const std::vector<std::string>& BrightnessHelpLines();
const std::vector<std::string>& ContrastHelpLines();

}  // namespace lumetta::ui

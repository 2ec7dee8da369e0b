#pragma once
// The main window's side of showing photos: the labels of the photo shown
// in the information panel, the panorama menu items of "画面サイズ", the
// click on the status label, and ShowPhoto as the strip, the view and the
// other windows reach it.

#include <QObject>
#include <functional>

#include "core/state/app_state.h"
#include "ui/app/qt_user_interface.h"

class QAction;
class QLabel;

namespace lumetta::ui {

class TMainForm;

class PhotoDisplay : public QObject {
  Q_OBJECT
 public:
  // joutai_lbl is the edit panel's status label (nullptr: no click).
  PhotoDisplay(AppState& state, QtUserInterface& ui, TMainForm& form, QLabel* joutai_lbl);
  ~PhotoDisplay() override;

  QLabel* FileNameLbl = nullptr;
  QLabel* ExtNameLbl = nullptr;
  QLabel* SizeLbl = nullptr;
  QLabel* FileSizeLbl = nullptr;
  QLabel* HidukeLbl = nullptr;
  QLabel* TimeLbl = nullptr;
  QLabel* CameraLbl = nullptr;
  QLabel* MakerLbl = nullptr;
  QLabel* SatsueiLbl = nullptr;
  QLabel* StrobeLbl = nullptr;
  QLabel* SatsueiLbl2 = nullptr;
  QAction* NoPanoramicMenu = nullptr;
  QAction* PanoramicMenu = nullptr;
  QAction* PanoramicRLMenu = nullptr;
  QAction* Panoramic4Menu = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildInfoLabels(TMainForm& form);
  void AddPanoramaMenu(TMainForm& form);
  // The check marks follow PanoramaMode, whatever the click asked for.
  void SyncPanoramaChecks();

  AppState& state_;
  QtUserInterface& ui_;
  QWidget* window_;
  QLabel* joutai_lbl_;
};

}  // namespace lumetta::ui

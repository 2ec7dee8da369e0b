#pragma once
// The size items of "画面サイズ": the four fixed view sizes and the custom
// size with its dialog, one radio group ahead of the panorama items.

#include <QAction>
#include <QObject>
#include <functional>

#include "core/state/app_state.h"
#include "core/view/size_input_model.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class TMainForm;

class SizeMenu : public QObject {
  Q_OBJECT
 public:
  SizeMenu(AppState& state, QtUserInterface& ui, TMainForm& form);

  QAction* Size480Menu = nullptr;
  QAction* Size640Menu = nullptr;
  QAction* Size800Menu = nullptr;
  QAction* Size1024Menu = nullptr;
  QAction* SizeNiniMenu = nullptr;

  // The custom-size dialog's runner (replaceable for tests): true when it
  // closed with "決定", the model then holding the values.
  std::function<bool(SizeInputModel&)> RunSizeInputForm;

  void SizeClick(std::uint8_t size_mode);
  void SizeNiniClick();

 private:
  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
};

}  // namespace lumetta::ui

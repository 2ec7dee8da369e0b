#pragma once
// The running program: the state, the main window and their life cycle from
// creation to close.

#include <QObject>
#include <memory>

#include "core/state/app_state.h"
#include "core/app/startup.h"
#include "core/plugins/spis.h"
#include "platform/instance_lock.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class PhotoDisplay;

class Application : public QObject {
  Q_OBJECT
 public:
  // The start-up environment of this process (folders, screen, date).
  static StartupEnvironment CurrentEnvironment(const std::string& command_line_photo);

  explicit Application(const StartupEnvironment& env);
  ~Application() override;

  // Shows the main window; its first activation follows from the event loop.
  void Show();

  AppState& State() { return state_; }
  TMainForm& MainForm() { return *main_form_; }
  QtUserInterface& Ui() { return ui_; }
  // The loaded plug-ins (SPIs1).
  const TSPIs& Plugins() const { return *spis_; }
  bool SecondInstance() const { return second_instance_; }

 private:
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();

  StartupEnvironment env_;
  AppState state_;
  QtUserInterface ui_;
  std::unique_ptr<platform::InstanceLock> lock_;
  // Loaded before the main window and unloaded after it: every decoding in
  // the program may go through them.
  std::shared_ptr<TSPIs> spis_;
  std::unique_ptr<TMainForm> main_form_;
  PhotoDisplay* photo_display_ = nullptr;  // owned by the main window
  bool second_instance_ = false;
};

// The welcome text of the first run.
const std::vector<std::string>& WelcomeLines();

}  // namespace lumetta::ui

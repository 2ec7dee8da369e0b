#include "ui/app/command_runner.h"

#include "core/base/exception.h"
#include "core/state/user_interface.h"

namespace lumetta::ui {

void RunCommand(UserInterface& ui, const std::function<void()>& command) {
  try {
    command();
  } catch (const Exception& e) {
    ui.ReportError(e);
  }
}

}  // namespace lumetta::ui

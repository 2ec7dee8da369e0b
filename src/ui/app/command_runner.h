#pragma once
// Runs a command of the windows: a failure of the program's own components
// that the command does not handle is reported, and the program goes on
// (an exception must never leave an event handler).

#include <functional>

namespace lumetta {
class UserInterface;
}

namespace lumetta::ui {

// Runs command; any of the program's exceptions (lumetta::Exception)
// reaching here is reported through ui.ReportError: the program's message
// box saying what could not be done, with the failure's message.
void RunCommand(UserInterface& ui, const std::function<void()>& command);

}  // namespace lumetta::ui

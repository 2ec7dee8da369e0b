#pragma once
// Runs a command of the windows: a failure of the program's own components
// becomes the program's message box instead of ending the event handler.

#include <functional>

namespace lumetta {
class UserInterface;
}

namespace lumetta::ui {

// Runs command; an image, edited-photo or data-file error is shown in a
// message box through ui, and the program goes on.
void RunCommand(UserInterface& ui, const std::function<void()>& command);

}  // namespace lumetta::ui

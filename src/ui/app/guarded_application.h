#pragma once
// The application object: an error that escapes an event handler is shown
// in the program's message box, and the program goes on.

#include <QApplication>
#include <functional>
#include <string>
#include <vector>

namespace lumetta::ui {

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows the lines of an error: the program's message box unless replaced
  // (tests).
  std::function<void(const std::vector<std::string>& lines)> ReportError;
};

}  // namespace lumetta::ui

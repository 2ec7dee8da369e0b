#include "ui/app/guarded_application.h"

#include <exception>

#include "core/base/exception.h"
#include "core/state/user_interface.h"
#include "ui/app/message_forms.h"

namespace lumetta::ui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
  ReportError = [](const std::vector<std::string>& lines) { RunMessageBox(lines, QApplication::activeWindow()); };
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const Exception& e) {
    // Qt cannot unwind through its event loop; the handler that threw is
    // over, everything else goes on.
    ReportError(ErrorLines(e));
  } catch (const std::exception& e) {
    ReportError({"エラーが発生しました。", e.what(), "この操作は中止しました。"});
  }
  return false;
}

}  // namespace lumetta::ui

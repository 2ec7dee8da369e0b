#include "cli/trash_ui.h"

#include <cstdio>

#include "platform/safe_file.h"

namespace lumetta::cli {

TrashUi::TrashUi() : HeadlessUi(stderr) {}

bool TrashUi::MoveToTrash(std::string_view path) { return MoveToTrashAs(path, path); }

bool TrashUi::MoveToTrashAs(std::string_view path, std::string_view original) {
  try {
    platform::MoveToTrash(path, original);
    return true;
  } catch (const platform::EFileOperation& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return false;
  }
}

}  // namespace lumetta::cli

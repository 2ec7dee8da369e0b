#pragma once
// The command line's user interface for commands that may send files to the
// desktop's trash: messages on stderr, the trash through the platform layer,
// a file that cannot go to the trash reported on stderr.

#include <string_view>

#include "core/state/headless_ui.h"

namespace lumetta::cli {

class TrashUi : public HeadlessUi {
 public:
  TrashUi();
  bool MoveToTrash(std::string_view path) override;
  bool MoveToTrashAs(std::string_view path, std::string_view original) override;
};

}  // namespace lumetta::cli

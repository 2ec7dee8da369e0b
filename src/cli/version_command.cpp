#include <cstdio>

#include "cli/command.h"
#include "core/state/version.h"

namespace lumetta::cli {
namespace {

const RegisterCommand kVersion({
    "version",
    "",
    "print the program's version",
    [](const std::vector<std::string>& args) {
      if (!args.empty()) throw UsageError("version takes no arguments");
      std::printf("lumetta %s\n", kVersionText);
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli

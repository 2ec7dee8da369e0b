// lumetta-cli: the program's operations from the command line, for scripts
// and benchmarks.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/command.h"

namespace {

void PrintHelp() {
  std::printf("usage: lumetta-cli COMMAND [ARGS]\n\ncommands:\n");
  for (const auto& c : lumetta::cli::Commands()) {
    std::printf("  %s %s\n      %s\n", c.name.c_str(), c.usage.c_str(), c.summary.c_str());
  }
  std::printf("\nExit status: 0 success, 1 a file could not be read or written, 2 wrong arguments.\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fprintf(stderr, "lumetta-cli: no command given (try --help)\n");
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp();
    return 0;
  }
  for (const auto& c : lumetta::cli::Commands()) {
    if (c.name != args[0]) continue;
    try {
      return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const lumetta::cli::UsageError& e) {
      std::fprintf(stderr, "lumetta-cli %s: %s\n", c.name.c_str(), e.what());
      return 2;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "lumetta-cli %s: %s\n", c.name.c_str(), e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "lumetta-cli: unknown command \"%s\" (try --help)\n", args[0].c_str());
  return 2;
}

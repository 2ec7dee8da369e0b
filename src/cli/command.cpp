#include "cli/command.h"

#include <algorithm>

#include "core/base/numbers.h"

namespace lumetta::cli {

namespace {
std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}
}  // namespace

const std::vector<Command>& Commands() {
  std::vector<Command>& commands = Registry();
  std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
  return commands;
}

RegisterCommand::RegisterCommand(Command command) { Registry().push_back(std::move(command)); }

std::string Args::TakeOption(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end()) return "";
  if (it + 1 == args_.end()) throw UsageError("option " + name + " needs a value");
  std::string value = *(it + 1);
  args_.erase(it, it + 2);
  if (value.empty()) throw UsageError("option " + name + " needs a value");
  return value;
}

bool Args::TakeFlag(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end()) return false;
  args_.erase(it);
  return true;
}

std::vector<std::string> Args::Positional() const {
  for (const std::string& a : args_) {
    if (a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + a);
  }
  return args_;
}

int ParseIntArg(const std::string& text, const std::string& what) {
  auto v = ParseInt(text);
  if (!v || text.empty() || text[0] == ' ') throw UsageError(what + " must be a whole number: " + text);
  return *v;
}

}  // namespace lumetta::cli

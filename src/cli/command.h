#pragma once
// Subcommands of lumetta-cli. Each lives in its own file and registers
// itself with a static RegisterCommand object.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumetta::cli {

// Wrong arguments: exit status 2 with a one-line message.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be read or written: exit status 1 with the program's
// own message.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Command {
  std::string name;
  std::string usage;    // arguments after the name
  std::string summary;  // one line
  std::function<int(const std::vector<std::string>& args)> run;
};

const std::vector<Command>& Commands();

struct RegisterCommand {
  explicit RegisterCommand(Command command);
};

// Small argument helpers shared by the commands.
class Args {
 public:
  explicit Args(std::vector<std::string> args) : args_(std::move(args)) {}
  // The value after an option such as "-o"; UsageError when it is missing.
  std::string TakeOption(const std::string& name);
  bool TakeFlag(const std::string& name);
  // The remaining arguments, which must not start with "-".
  std::vector<std::string> Positional() const;

 private:
  std::vector<std::string> args_;
};

int ParseIntArg(const std::string& text, const std::string& what);

}  // namespace lumetta::cli

#pragma once
// Running lumetta-cli as the separate program it is, from a test.

#include <cstdlib>
#include <string>

#include "temp_dir.h"

namespace lumetta::testing_support {

struct CliRun {
  int status;          // the exit status
  std::string out;     // what it wrote to standard output
  std::string errors;  // what it wrote to standard error
};

// Runs lumetta-cli with arguments (quoted by the caller as a shell needs);
// its two output streams go through files in dir.
inline CliRun RunCli(const TempDir& dir, const std::string& arguments) {
  const std::string out = dir / "cli-stdout.txt";
  const std::string errors = dir / "cli-stderr.txt";
  const std::string command =
      "\"" LUMETTA_CLI "\" " + arguments + " >\"" + out + "\" 2>\"" + errors + "\"";
  const int raw = std::system(command.c_str());
#ifdef _WIN32
  const int status = raw;
#else
  const int status = (raw >> 8) & 0xFF;  // the exit status within the wait status
#endif
  return CliRun{status, ReadAll(out), ReadAll(errors)};
}

}  // namespace lumetta::testing_support

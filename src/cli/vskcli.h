// veskaro-cli: runs one command on data files as the desktop program would, and gives back
// what it prints and its exit code. It never writes a file and never waits for an answer.
#pragma once

#include <string>
#include <vector>

namespace vsk::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

struct CliOutput {
  int exitCode = kExitDone;
  std::string out;  // standard output
  std::string err;  // standard error
};

// `args` without the program name.
CliOutput RunCli(const std::vector<std::string>& args);

}  // namespace vsk::cli

// veskaro-cli: the command-line front end (see RunCli).
#include <cstdio>
#include <string>
#include <vector>

#include "cli/vskcli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const vsk::cli::CliOutput result = vsk::cli::RunCli(args);
  std::fwrite(result.out.data(), 1, result.out.size(), stdout);
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  return result.exitCode;
}

// The command line of veskaro-cli: commands, options and their checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/vskglobal.h"
#include "core/vskmessages.h"

namespace vsk::cli {

enum class Command { Help, Version, Eto, Rain, Cwr, Schedule, Scheme };
enum class Format { Text, Csv, Json };

struct CliArgs {
  Command command = Command::Help;
  std::string commandName;
  std::string file;  // eto and rain: the positional file
  Format format = Format::Text;
  bool dailyTable = false;  // schedule: --table daily
  std::optional<std::string> settings, session, events, climate, rain, crop, soil, pattern;
  std::optional<DateSerial> planting;
};

struct ParsedArgs {
  bool ok = false;
  CliArgs args;
  std::string error;  // why the command line is wrong
};

// `args` without the program name.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const Texts& texts);

}  // namespace vsk::cli

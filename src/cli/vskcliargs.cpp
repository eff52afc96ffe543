#include "cli/vskcliargs.h"

#include <map>

namespace vsk::cli {

namespace {

// The options with a value, and the commands that take each ("*" every command).
struct KnownOption {
  const char* name;
  const char* commands;
};
constexpr KnownOption kOptions[] = {
    {"--format", "*"},
    {"--settings", "*"},
    {"--session", "*"},
    {"--planting", "cwr schedule"},
    {"--events", "schedule"},
    {"--table", "schedule"},
    {"--soil", "cwr schedule scheme"},
    {"--climate", "cwr schedule scheme"},
    {"--rain", "cwr schedule scheme"},
    {"--crop", "cwr schedule"},
    {"--pattern", "scheme"},
};

bool TakesOption(const KnownOption& known, const std::string& command) {
  const std::string list = known.commands;
  if (list == "*") return true;
  return (" " + list + " ").find(" " + command + " ") != std::string::npos;
}

ParsedArgs Fail(std::string error) {
  ParsedArgs p;
  p.error = std::move(error);
  return p;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args, const Texts& texts) {
  auto say = [&](Msg id, std::initializer_list<std::string_view> values) {
    return FormatText(texts(id), values);
  };
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      ParsedArgs p;
      p.ok = true;
      p.args.command = Command::Help;
      return p;
    }
  }
  if (args.empty()) return Fail(std::string(texts(Msg::CliNoCommand)));
  if (args[0] == "--version") {
    if (args.size() > 1) return Fail(say(Msg::CliExtraArgument, {args[1]}));
    ParsedArgs p;
    p.ok = true;
    p.args.command = Command::Version;
    return p;
  }

  CliArgs a;
  a.commandName = args[0];
  const std::pair<const char*, Command> commands[] = {{"eto", Command::Eto},
                                                      {"rain", Command::Rain},
                                                      {"cwr", Command::Cwr},
                                                      {"schedule", Command::Schedule},
                                                      {"scheme", Command::Scheme}};
  bool commandFound = false;
  for (const auto& [name, command] : commands)
    if (a.commandName == name) {
      a.command = command;
      commandFound = true;
    }
  if (!commandFound) return Fail(say(Msg::CliUnknownCommand, {a.commandName}));

  std::map<std::string, std::string> values;
  std::vector<std::string> positional;
  for (size_t i = 1; i < args.size(); ++i) {
    std::string name = args[i], value;
    if (name.rfind("--", 0) != 0) {
      positional.push_back(name);
      continue;
    }
    const size_t eq = name.find('=');
    bool hasValue = false;
    if (eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasValue = true;
    }
    const KnownOption* known = nullptr;
    for (const KnownOption& s : kOptions)
      if (name == s.name) known = &s;
    if (!known) return Fail(say(Msg::CliUnknownOption, {name}));
    if (!TakesOption(*known, a.commandName))
      return Fail(say(Msg::CliOptionNotForCommand, {name, a.commandName}));
    if (!hasValue) {
      if (i + 1 >= args.size()) return Fail(say(Msg::CliMissingValue, {name}));
      value = args[++i];
    }
    if (values.count(name)) return Fail(say(Msg::CliRepeatedOption, {name}));
    values[name] = value;
  }

  const bool takesFile = a.command == Command::Eto || a.command == Command::Rain;
  if (takesFile) {
    if (positional.size() != 1) {
      if (positional.size() > 1) return Fail(say(Msg::CliExtraArgument, {positional[1]}));
      return Fail(say(Msg::CliNeedsFile, {a.commandName}));
    }
    a.file = positional[0];
  } else if (!positional.empty()) {
    return Fail(say(Msg::CliExtraArgument, {positional[0]}));
  }

  auto take = [&](const char* name) -> std::optional<std::string> {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
  if (auto f = take("--format")) {
    if (*f == "text")
      a.format = Format::Text;
    else if (*f == "csv")
      a.format = Format::Csv;
    else if (*f == "json")
      a.format = Format::Json;
    else
      return Fail(say(Msg::CliBadFormat, {*f}));
  }
  if (auto t = take("--table")) {
    if (*t == "daily")
      a.dailyTable = true;
    else if (*t != "irrigation")
      return Fail(say(Msg::CliBadTable, {*t}));
  }
  a.settings = take("--settings");
  a.session = take("--session");
  a.events = take("--events");
  a.climate = take("--climate");
  a.rain = take("--rain");
  a.crop = take("--crop");
  a.soil = take("--soil");
  a.pattern = take("--pattern");
  if (auto p = take("--planting")) {
    a.planting = ParseDayMonth(*p);
    if (!a.planting) return Fail(say(Msg::CliBadPlanting, {*p}));
  }

  if (a.session) {
    if (a.climate || a.rain || a.crop || a.soil || a.pattern || a.planting)
      return Fail(std::string(texts(Msg::CliSessionConflict)));
  } else {
    std::vector<std::pair<bool, const char*>> needed;
    switch (a.command) {
      case Command::Cwr:
        needed = {{a.climate.has_value(), "--climate"},
                  {a.rain.has_value(), "--rain"},
                  {a.crop.has_value(), "--crop"},
                  {a.planting.has_value(), "--planting"}};
        break;
      case Command::Schedule:
        needed = {{a.climate.has_value(), "--climate"},
                  {a.rain.has_value(), "--rain"},
                  {a.crop.has_value(), "--crop"},
                  {a.soil.has_value(), "--soil"},
                  {a.planting.has_value(), "--planting"}};
        break;
      case Command::Scheme:
        needed = {{a.climate.has_value(), "--climate"},
                  {a.rain.has_value(), "--rain"},
                  {a.pattern.has_value(), "--pattern"}};
        break;
      default:
        break;
    }
    for (const auto& [given, name] : needed)
      if (!given) return Fail(say(Msg::CliMissingOption, {a.commandName, name}));
  }
  ParsedArgs p;
  p.ok = true;
  p.args = std::move(a);
  return p;
}

}  // namespace vsk::cli

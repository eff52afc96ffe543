// Shared helpers of the command-line tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/vskcli.h"
#include "minijson.h"

namespace vsk::test {

inline std::string Example(const std::string& name) {
  return std::string(VESKARO_EXAMPLES) + "/" + name;
}

// The examples' session files name their data files from the repository's root folder.
class InRepositoryRoot {
 public:
  InRepositoryRoot() : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(std::filesystem::path(VESKARO_EXAMPLES).parent_path());
  }
  ~InRepositoryRoot() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

inline cli::CliOutput Cli(const std::vector<std::string>& args) {
  return cli::RunCli(args);
}

// Parses standard output as JSON, failing the test when it is not valid JSON.
inline Json ParseJson(const cli::CliOutput& out) {
  Json json;
  EXPECT_TRUE(JsonParser::Parse(out.out, json)) << out.out.substr(0, 400);
  return json;
}

// A JSON number equal to the value, or null for the missing marker.
inline void ExpectValue(const Json& json, double value) {
  if (value == -99.9)
    EXPECT_TRUE(json.IsNull());
  else
    EXPECT_EQ(json.number, value);
}

// A message as standard error shows it: line breaks as blanks.
inline std::string OneLineOf(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

inline std::vector<std::string> Keys(std::initializer_list<const char*> keys) {
  return std::vector<std::string>(keys.begin(), keys.end());
}

}  // namespace vsk::test

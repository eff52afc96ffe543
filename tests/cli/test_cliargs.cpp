#include <gtest/gtest.h>

#include "cli/vskcliargs.h"
#include "clitest.h"

namespace vsk::test {
namespace {

TEST(CliCommandLine, WrongCommandLinesExitWithTwoAndAReason) {
  const std::string rain = Example("NAIROBI.CRM");
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{}, "no command given"},
      {{"irrigate"}, "unknown command: irrigate"},
      {{"rain"}, "the command rain needs one file"},
      {{"rain", rain, rain}, "unexpected argument: "},
      {{"rain", rain, "--format", "xml"}, "--format must be text, csv or json, not xml"},
      {{"rain", rain, "--format"}, "option --format needs a value"},
      {{"rain", rain, "--colour", "red"}, "unknown option: --colour"},
      {{"rain", rain, "--events", "x.sch"}, "option --events does not apply to the command rain"},
      {{"rain", rain, "--format=csv", "--format", "json"}, "option --format is given twice"},
      {{"cwr", "--session", "a.ses", "--planting", "01/03"}, "--session cannot be combined"},
      {{"schedule", "--session", "a.ses", "--soil", "s.soi"}, "--session cannot be combined"},
      {{"cwr", "--climate", "c.pem", "--rain", rain, "--crop", "c.cro"},
       "the command cwr needs --planting"},
      {{"scheme", "--climate", "c.pem", "--rain", rain}, "the command scheme needs --pattern"},
      {{"cwr", "--climate", "c", "--rain", "r", "--crop", "c", "--planting", "29/02"},
       "--planting 29/02 is not a valid day/month"},
      {{"schedule", "--session", "a.ses", "--table", "weekly"},
       "--table must be irrigation or daily, not weekly"},
      {{"--version", "now"}, "unexpected argument: now"},
  };
  for (const Case& c : cases) {
    const cli::CliOutput out = Cli(c.args);
    EXPECT_EQ(out.exitCode, cli::kExitUsage) << c.reason;
    EXPECT_NE(out.err.find(c.reason), std::string::npos) << out.err;
    EXPECT_NE(out.err.find("usage: veskaro-cli"), std::string::npos);
    EXPECT_EQ(out.out, "");
  }
}

TEST(CliCommandLine, OptionsAreTaken) {
  Texts texts;
  const auto p = cli::ParseArgs(
      {"schedule", "--climate=c.pem", "--rain", "r.crm", "--crop", "m.cro", "--soil", "l.soi",
       "--planting", "1/3", "--table", "daily", "--events", "e.sch", "--format", "json"},
      texts);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.args.command, cli::Command::Schedule);
  EXPECT_EQ(*p.args.climate, "c.pem");
  EXPECT_EQ(FormatDayMonth(*p.args.planting), "01/03");
  EXPECT_TRUE(p.args.dailyTable);
  EXPECT_EQ(*p.args.events, "e.sch");
  EXPECT_EQ(p.args.format, cli::Format::Json);
}

TEST(CliCommandLine, HelpAndVersion) {
  const cli::CliOutput help = Cli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Examples:"), std::string::npos);
  EXPECT_NE(help.out.find("veskaro-cli schedule --session examples/MAIZE.SES"), std::string::npos);
  EXPECT_EQ(Cli({"rain", "--help"}).out, help.out);
  // Every option is explained on a line of its own.
  for (const char* option : {"--format", "--settings", "--session", "--climate", "--rain", "--crop",
                             "--soil", "--pattern", "--planting", "--events", "--table"})
    EXPECT_NE(help.out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
  const cli::CliOutput version = Cli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "veskaro-cli 8.0\n");
}

}  // namespace
}  // namespace vsk::test

#include <gtest/gtest.h>

#include "clitest.h"
#include "output/vskraintable.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "support/testfiles.h"

namespace vsk::test {
namespace {

// The rain window after opening the file, built here the way the desktop program builds it.
struct RainWindow {
  SilentUi ui;
  Workspace ws{ui};
  explicit RainWindow(const std::string& path) {
    EXPECT_TRUE(OpenRainFile(ws, path));
    RecomputeRain(ws);
  }
};

TEST(CliRain, EveryExampleInEveryFormat) {
  for (const char* name : {"NAIROBI.CRM", "NAIROBI.CRC", "NAIROBI.CRD"}) {
    SCOPED_TRACE(name);
    const std::string path = Example(name);
    RainWindow window(path);

    const cli::CliOutput text = Cli({"rain", path});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, JoinLines(SectionLines(RainReport(window.ws, {}))));

    const cli::CliOutput csv = Cli({"rain", path, "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out, TableToCsv(RainTable(window.ws)));

    const cli::CliOutput out = Cli({"rain", "--format=json", path});
    ASSERT_EQ(out.exitCode, 0);
    const Json json = ParseJson(out);
    EXPECT_EQ(json.Keys(), Keys({"rain_kind", "station", "year", "method", "month", "decade", "day",
                                 "total_rain", "total_eff_rain", "messages"}));
    EXPECT_EQ(json["rain_kind"].number, window.ws.session.RainKind);
    EXPECT_EQ(json["station"].text, "Nairobi Dagoretti");
    EXPECT_TRUE(json["year"].IsNull());
    ASSERT_EQ(json["month"].items.size(), 12u);
    EXPECT_EQ(json["month"][3].Keys(), Keys({"rain", "eff_rain"}));
    ExpectValue(json["month"][3]["rain"], window.ws.rain.Data.MonthRain[4]);
    ASSERT_EQ(json["decade"].items.size(), 36u);
    ExpectValue(json["decade"][35]["eff_rain"], window.ws.rain.Data.DecadeEffRain[12][3]);
    ASSERT_EQ(json["day"].items.size(), 12u);
    ASSERT_EQ(json["day"][1].items.size(), 31u);
    EXPECT_TRUE(json["day"][1][28].IsNull());  // 29 February
    ExpectValue(json["total_rain"], window.ws.rain.TotalRain);
    EXPECT_TRUE(json["messages"].items.empty());
  }
}

TEST(CliRain, AFileThatCannotBeUsed) {
  TempDir dir;
  const std::string bad = dir.File("BAD.CRM");
  WriteText(bad,
            "VESKARO 8.0 Rain data\r\nStation\r\n  4  3\r\n  0  0  0  0  0  0\r\n"
            "  -99.9  -99.9  -99.9  -99.9  -99.9  -99.9   12.x   3.0\r\n");
  const cli::CliOutput out = Cli({"rain", bad});
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  EXPECT_EQ(out.out, "");
  EXPECT_EQ(out.err.rfind("error: Error reading data from file " + bad + " (line 5: \"12.x\")", 0),
            0u)
      << out.err;

  const std::string missing = dir.File("NONE.CRM");
  const cli::CliOutput json = Cli({"rain", missing, "--format", "json"});
  EXPECT_EQ(json.exitCode, cli::kExitDataError);
  const std::string message =
      "Error opening file " + missing + "\rProbable cause: file does not exist";
  EXPECT_EQ(json.err,
            "error: Error opening file " + missing + " Probable cause: file does not exist\n");
  const Json parsed = ParseJson(json);
  EXPECT_EQ(parsed.Keys(), Keys({"error", "messages"}));
  EXPECT_EQ(parsed["error"].text, message);
  ASSERT_FALSE(parsed["messages"].items.empty());
  EXPECT_EQ(parsed["messages"].items.back()["kind"].text, "error");
  EXPECT_EQ(parsed["messages"].items.back()["text"].text, message);
}

}  // namespace
}  // namespace vsk::test

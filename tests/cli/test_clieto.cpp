#include <gtest/gtest.h>

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "clitest.h"
#include "output/vskclimatetable.h"
#include "support/testfiles.h"

namespace vsk::test {
namespace {

// The climate/ETo window after opening the file, built the way the desktop program builds it.
struct ClimateWindow {
  SilentUi ui;
  Workspace ws{ui};
  explicit ClimateWindow(const std::string& path) {
    EXPECT_TRUE(OpenClimateFile(ws, path));
    RecomputeClimateTables(ws);
  }
};

const std::vector<std::string> kPeriodKeys =
    Keys({"tmin", "tmax", "tmean", "humidity", "wind", "sunshine", "radiation", "eto"});

TEST(CliEto, EveryExampleInEveryFormat) {
  struct Case {
    const char* name;
    int kind;
    bool decades, days;
  };
  for (const Case& c : {Case{"NAIROBI.PEM", 3, false, false}, Case{"NAIROBI.PEC", 2, true, false},
                        Case{"NAIROBI.PED", 1, false, true}, Case{"ZONE12.PMM", 6, false, false}}) {
    SCOPED_TRACE(c.name);
    const std::string path = Example(c.name);
    ClimateWindow window(path);
    const Workspace& ws = window.ws;

    const cli::CliOutput text = Cli({"eto", path});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, JoinLines(SectionLines(ClimateReport(ws, {}))));

    const cli::CliOutput csv = Cli({"eto", path, "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out.substr(0, TableToCsv(ClimateTable(ws, 1)).size()),
              TableToCsv(ClimateTable(ws, 1)));

    const cli::CliOutput out = Cli({"eto", path, "--format", "json"});
    ASSERT_EQ(out.exitCode, 0);
    const Json json = ParseJson(out);
    std::vector<std::string> keys =
        Keys({"eto_kind", "country", "station", "altitude", "latitude", "south", "longitude",
              "west", "temp_min_max", "year", "month"});
    if (c.decades) keys.push_back("decade");
    if (c.days) keys.push_back("day");
    keys.push_back("average");
    keys.push_back("messages");
    EXPECT_EQ(json.Keys(), keys);
    EXPECT_EQ(json["eto_kind"].number, c.kind);
    ASSERT_EQ(json["month"].items.size(), 12u);
    EXPECT_EQ(json["month"][6].Keys(), kPeriodKeys);
    ExpectValue(json["month"][6]["eto"], ws.climate.MonthETo[7]);
    ExpectValue(json["month"][6]["tmin"], ws.climate.Data.Month[7].TMin);
    EXPECT_EQ(json["average"].Keys(),
              Keys({"tmin", "tmax", "tmean", "humidity", "wind", "sunshine", "radiation", "eto"}));
    ExpectValue(json["average"]["eto"], ws.climate.AverageRow[7]);
    if (c.decades) {
      ASSERT_EQ(json["decade"].items.size(), 36u);
      ExpectValue(json["decade"][4]["radiation"], ws.climate.Data.Decade[2][2].Radiation);
    }
    if (c.days) {
      ASSERT_EQ(json["day"].items.size(), 12u);
      ASSERT_EQ(json["day"][3].items.size(), 31u);
      EXPECT_TRUE(json["day"][3][30].IsNull());  // 31 April
      ExpectValue(json["day"][3][29]["eto"], ws.climate.DayETo[4][30]);
    }
  }
}

TEST(CliEto, DailyDataPrintEveryMonthAndTheYear) {
  const cli::CliOutput text = Cli({"eto", Example("NAIROBI.PED")});
  for (const char* heading : {"\nJANUARY\n", "\nDECEMBER\n", "\nYEAR\n"})
    EXPECT_NE(text.out.find(heading), std::string::npos) << heading;
  const cli::CliOutput csv = Cli({"eto", Example("NAIROBI.PED"), "--format", "csv"});
  // Thirteen tables (twelve months and the year) separated by empty lines.
  size_t tables = 1;
  for (size_t p = csv.out.find("\n\n"); p != std::string::npos; p = csv.out.find("\n\n", p + 1))
    ++tables;
  EXPECT_EQ(tables, 13u);
}

TEST(CliEto, UnreadableClimateFile) {
  TempDir dir;
  const std::string bad = dir.File("BAD.PEM");
  WriteText(bad,
            "VESKARO 8.0 Climate data\r\n 0   3\r\nKenya\r\nStation\r\n1798.00\r\n"
            "  -1.30   36.75\r\n  11.5  24.5   62.0  abc\r\n");
  const cli::CliOutput out = Cli({"eto", bad, "--format", "json"});
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  EXPECT_EQ(out.err.rfind("error: Error reading data from file " + bad + " (", 0), 0u) << out.err;
  EXPECT_NE(out.err.find("abc"), std::string::npos) << out.err;
  EXPECT_EQ(ParseJson(out)["error"].text, "Error reading data from file " + bad);

  WriteText(bad, "VESKARO 6.0 Climate data\r\n");
  const cli::CliOutput old = Cli({"eto", bad});
  EXPECT_EQ(old.exitCode, cli::kExitDataError);
  EXPECT_EQ(old.err.rfind("error: This file is not a valid VESKARO file", 0), 0u) << old.err;
}

}  // namespace
}  // namespace vsk::test

// The crop water requirement and schedule commands on the example data, against the windows'
// reports built here, and the failures a user meets: a data gap, a schedule file, user-defined
// options without tables, and sessions that cannot be used.
#include <gtest/gtest.h>

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "clitest.h"
#include "crop/vskcropsoilcalc.h"
#include "cwr/vskcwrcalc.h"
#include "output/vskcwrtable.h"
#include "output/vskscheduleview.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "schedule/vskcropschedulecalc.h"
#include "schedule/vskricecwr.h"
#include "schedule/vskriceschedulecalc.h"
#include "support/testfiles.h"

namespace vsk::test {
namespace {

// The maize of the example session, opened file by file as the desktop program opens them.
struct MaizeSession {
  SilentUi ui;
  Workspace ws{ui};
  MaizeSession(const char* crop = "MAIZE.CRO", const char* soil = "LOAM.SOI",
               const char* planting = "15/03") {
    EXPECT_TRUE(OpenClimateFile(ws, Example("NAIROBI.PEM")));
    RecomputeClimateTables(ws);
    EXPECT_TRUE(OpenRainFile(ws, Example("NAIROBI.CRM")));
    RecomputeRain(ws);
    EXPECT_TRUE(OpenSoilFile(ws, Example(soil)));
    EXPECT_TRUE(OpenCropFile(ws, Example(crop)));
    ws.session.PlantingDate = *ParseDayMonth(planting);
  }
  DateSerial Harvest() const { return HarvestDate(ws.crop, ws.session.PlantingDate); }
};

std::vector<std::string> FileArgs(const char* command, const char* crop = "MAIZE.CRO",
                                  const char* soil = "LOAM.SOI", const char* planting = "15/03") {
  return {command,
          "--climate",
          Example("NAIROBI.PEM"),
          "--rain",
          Example("NAIROBI.CRM"),
          "--crop",
          Example(crop),
          "--soil",
          Example(soil),
          "--planting",
          planting};
}

std::vector<std::string> With(std::vector<std::string> args,
                              std::initializer_list<const char*> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliCwr, DryCropInEveryFormat) {
  MaizeSession s;
  ASSERT_TRUE(CwrDataOk(s.ws, false, false, s.ws.crop, s.ws.session.PlantingDate, s.Harvest()));
  ComputeCwr(s.ws);

  const cli::CliOutput text = Cli(FileArgs("cwr"));
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out, JoinLines(SectionLines(CwrReport(s.ws, {}))));
  EXPECT_EQ(Cli(With(FileArgs("cwr"), {"--format", "csv"})).out, TableToCsv(CwrTable(s.ws)));

  const Json json = ParseJson(Cli(With(FileArgs("cwr"), {"--format", "json"})));
  EXPECT_EQ(json.Keys(), Keys({"crop", "rice", "planting", "harvest", "kc_mid_corrected",
                               "kc_end_corrected", "rows", "totals", "messages"}));
  EXPECT_EQ(json["crop"].text, "Maize (grain)     ");  // the name as the file holds it
  EXPECT_FALSE(json["rice"].boolean);
  EXPECT_EQ(json["planting"].text, "15/03");
  EXPECT_EQ(json["harvest"].text, "10/09");
  EXPECT_FALSE(json["kc_mid_corrected"].IsNull());
  ASSERT_EQ(json["rows"].items.size(), s.ws.cwr.CwrRows.size());
  EXPECT_EQ(json["rows"][0].Keys(), Keys({"month", "decade", "stage", "season_days", "last_day",
                                          "day_number", "area_percent", "kc", "etc_mm_day",
                                          "etc_mm_dec", "eff_rain_mm_dec", "irr_req_mm_dec"}));
  EXPECT_EQ(json["rows"][0]["stage"].text, "Init");
  EXPECT_EQ(json["rows"][0]["irr_req_mm_dec"].number,
            s.ws.cwr.CwrRows.empty()
                ? 0
                : s.ws.cwr.DecadeIrrReq[s.ws.cwr.CwrRows[0].Month][s.ws.cwr.CwrRows[0].Decade]);
  EXPECT_EQ(json["totals"].Keys(), Keys({"etc_mm_dec", "eff_rain_mm_dec", "irr_req_mm_dec"}));
  EXPECT_EQ(json["totals"]["irr_req_mm_dec"].number, CwrColumnTotals(s.ws).irrReq);
}

TEST(CliCwr, EveryExampleCropInEveryFormat) {
  struct Crop {
    const char* file;
    const char* soil;
    const char* planting;
  };
  for (const Crop& c :
       {Crop{"MAIZE.CRO", "LOAM.SOI", "15/03"}, Crop{"BEANS.CRO", "LOAM.SOI", "01/04"},
        Crop{"TOMATO.CRO", "LOAM.SOI", "01/06"}, Crop{"POTATO.CRO", "LOAM.SOI", "15/10"},
        Crop{"RICE.CRO", "CLAY.SOI", "01/08"}, Crop{"RICEDS.CRO", "CLAY.SOI", "15/10"}}) {
    for (const char* command : {"cwr", "schedule"}) {
      SCOPED_TRACE(std::string(c.file) + " " + command);
      const auto args = FileArgs(command, c.file, c.soil, c.planting);
      const cli::CliOutput text = Cli(args);
      EXPECT_EQ(text.exitCode, 0) << text.err;
      EXPECT_NE(text.out.find("Totals"), std::string::npos);
      EXPECT_EQ(Cli(With(args, {"--format", "csv"})).exitCode, 0);
      const Json json = ParseJson(Cli(With(args, {"--format", "json"})));
      EXPECT_EQ(json["rice"].boolean, c.soil == std::string("CLAY.SOI"));
      EXPECT_TRUE(json["messages"].items.empty());
    }
  }
}

TEST(CliCwr, RiceNeedsItsSoil) {
  const cli::CliOutput out =
      Cli({"cwr", "--climate", Example("NAIROBI.PEM"), "--rain", Example("NAIROBI.CRM"), "--crop",
           Example("RICE.CRO"), "--planting", "01/08"});
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  EXPECT_EQ(out.err,
            "error: Soil data are not OK Calculation of crop water requirement not possible\n");
  const Json ok =
      ParseJson(Cli(With(FileArgs("cwr", "RICE.CRO", "CLAY.SOI", "01/08"), {"--format", "json"})));
  EXPECT_TRUE(ok["rice"].boolean);
  EXPECT_EQ(ok["rows"][0]["stage"].text, "Nurs");
}

TEST(CliCwr, AMonthWithoutRain) {
  TempDir dir;
  std::string rain = ReadText(Example("NAIROBI.CRM"));
  const std::string april = "     183.0     129.4";
  const size_t at = rain.find(april);
  ASSERT_NE(at, std::string::npos);
  rain.replace(at, april.size(), "     -99.9     -99.9");
  WriteText(dir.File("GAP.CRM"), rain);
  const cli::CliOutput out =
      Cli({"cwr", "--climate", Example("NAIROBI.PEM"), "--rain", dir.File("GAP.CRM"), "--crop",
           Example("MAIZE.CRO"), "--planting", "15/03", "--format", "json"});
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  const Json json = ParseJson(out);
  EXPECT_EQ(json["error"].text,
            "Rain data (April)are not OK\rCalculation of crop water requirement not possible");
  EXPECT_EQ(out.err, "error: " + OneLineOf(json["error"].text) + "\n");
}

const std::vector<std::string> kDryTotals =
    Keys({"gross_irrigation", "net_irrigation", "irrigation_losses", "actual_water_use",
          "potential_water_use", "efficiency_schedule", "deficiency_schedule", "total_rain",
          "effective_rain", "rain_loss", "moisture_deficit_harvest",
          "actual_irrigation_requirement", "efficiency_rain"});

TEST(CliSchedule, DryCropInEveryFormatAndBothTables) {
  MaizeSession s;
  ASSERT_TRUE(CwrDataOk(s.ws, true, false, s.ws.crop, s.ws.session.PlantingDate, s.Harvest()));
  ComputeCwr(s.ws);
  const DryScheduleResults run = ComputeDrySchedule(s.ws);
  for (bool daily : {false, true}) {
    SCOPED_TRACE(daily);
    const ScheduleView view = DryScheduleView(run, !daily);
    auto args = FileArgs("schedule");
    if (daily) args = With(args, {"--table", "daily"});
    const cli::CliOutput text = Cli(args);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, JoinLines(SectionLines(ScheduleReport(s.ws, view, {}))));
    EXPECT_EQ(Cli(With(args, {"--format", "csv"})).out, TableToCsv(DryScheduleTable(s.ws, view)));
  }
  const Json json = ParseJson(Cli(With(FileArgs("schedule"), {"--format", "json"})));
  EXPECT_EQ(json.Keys(),
            Keys({"crop", "soil", "rice", "planting", "harvest", "adjusted", "timing",
                  "application", "efficiency", "days", "events", "totals", "yield", "messages"}));
  EXPECT_FALSE(json["adjusted"].boolean);
  EXPECT_EQ(json["timing"].number, 2);
  ASSERT_EQ(json["days"].items.size(), run.ScheduleRows.size());
  EXPECT_EQ(json["days"][0].Keys(),
            Keys({"day_number", "month", "day", "stage", "rain", "ks", "eta", "etc", "cum_eta",
                  "cum_etc", "depl_percent", "net_irr", "gross_irr", "deficit", "loss"}));
  EXPECT_EQ(json["days"].items.back()["stage"].text, "D");
  ASSERT_EQ(json["events"].items.size(), static_cast<size_t>(run.IrrCount));
  EXPECT_EQ(json["events"][0].Keys(), Keys({"day", "depth"}));
  EXPECT_EQ(json["totals"].Keys(), kDryTotals);
  EXPECT_EQ(json["totals"]["net_irrigation"].number, run.TotNetIrr);
  EXPECT_EQ(json["yield"].Keys(), Keys({"reduction_etc", "ky", "yield_reduction", "cumulative"}));
  EXPECT_EQ(json["yield"]["ky"].items.size(), 5u);
  EXPECT_EQ(json["yield"]["cumulative"].items.size(), 4u);
}

TEST(CliSchedule, AScheduleFileIsReplayed) {
  TempDir dir;
  WriteText(dir.File("MAIZE.SCH"),
            "VESKARO 8.0 Crop Schedule Data\r\n   40    30.0\r\n   80    45.5\r\n");
  const Json json = ParseJson(Cli(
      With(FileArgs("schedule"), {"--events", dir.File("MAIZE.SCH").c_str(), "--format", "json"})));
  EXPECT_TRUE(json["adjusted"].boolean);
  ASSERT_EQ(json["events"].items.size(), 2u);
  EXPECT_EQ(json["events"][1]["day"].number, 80);
  EXPECT_EQ(json["events"][1]["depth"].number, 45.5);
  EXPECT_EQ(json["days"][39]["net_irr"].number, 30);
  const cli::CliOutput text =
      Cli(With(FileArgs("schedule"), {"--events", dir.File("MAIZE.SCH").c_str()}));
  EXPECT_NE(text.out.find("(File: " + dir.File("MAIZE.SCH") + ")"), std::string::npos);
  EXPECT_NE(text.out.find("TIMING AND APPLICATION ADJUSTED BY USER"), std::string::npos);

  const cli::CliOutput missing =
      Cli(With(FileArgs("schedule"), {"--events", dir.File("NONE.SCH").c_str()}));
  EXPECT_EQ(missing.exitCode, cli::kExitDataError);
  EXPECT_EQ(missing.err.rfind("error: Error opening file", 0), 0u) << missing.err;
}

TEST(CliSchedule, RiceInEveryFormat) {
  MaizeSession s("RICE.CRO", "CLAY.SOI", "01/08");
  ASSERT_TRUE(CwrDataOk(s.ws, true, false, s.ws.crop, s.ws.session.PlantingDate, s.Harvest()));
  RiceEtcTables etc;
  ComputeRiceEtc(s.ws, s.ws.crop, s.ws.session.PlantingDate, true, etc);
  RiceScheduleResult run;
  RunRiceSchedule(s.ws, etc, run);
  const ScheduleView view = RiceScheduleView(run, true);
  const auto args = FileArgs("schedule", "RICE.CRO", "CLAY.SOI", "01/08");
  const cli::CliOutput text = Cli(args);
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out, JoinLines(SectionLines(ScheduleReport(s.ws, view, {}))));
  EXPECT_EQ(Cli(With(args, {"--format", "csv"})).out, TableToCsv(RiceScheduleTable(s.ws, view)));

  const Json json = ParseJson(Cli(With(args, {"--format", "json"})));
  EXPECT_EQ(json.Keys(), Keys({"crop", "soil", "rice", "planting", "harvest", "adjusted", "timing",
                               "application", "efficiency", "land_preparation", "days", "events",
                               "totals", "yield", "messages"}));
  EXPECT_TRUE(json["rice"].boolean);
  EXPECT_EQ(json["land_preparation"].Keys(),
            Keys({"pre_timing", "pre_application", "puddling_timing", "puddling_application",
                  "soaking_depth_m"}));
  EXPECT_DOUBLE_EQ(json["land_preparation"]["soaking_depth_m"].number, 0.3);
  EXPECT_EQ(json["days"][0].Keys(),
            Keys({"day_number", "month", "day", "stage", "depl_sm", "depl_sat", "ks", "eta", "etc",
                  "cum_eta", "cum_etc", "rain", "net_irr", "percolation", "loss", "gross_irr",
                  "puddle_state"}));
  EXPECT_EQ(json["days"][0]["stage"].text, "E");
  EXPECT_TRUE(json["totals"].Has("percolation_losses"));
  EXPECT_EQ(json["totals"]["percolation_losses"].number, run.Totals.TotPercolation);
}

TEST(CliSchedule, UserDefinedRiceTimingHasNoTable) {
  TempDir dir;
  WriteText(dir.File("VESKARO.INI"), "[Rice scheduling options]\r\nricetimopt=1\r\n");
  const cli::CliOutput out = Cli(With(FileArgs("schedule", "RICE.CRO", "CLAY.SOI", "01/08"),
                                      {"--settings", dir.File("VESKARO.INI").c_str()}));
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  EXPECT_EQ(out.err, "error: No user timing set. No calculations possible\n");
  // A settings file that does not exist: the built-in defaults, no message.
  const cli::CliOutput defaults =
      Cli(With(FileArgs("schedule"), {"--settings", dir.File("NONE.INI").c_str()}));
  EXPECT_EQ(defaults.exitCode, 0);
  EXPECT_EQ(defaults.err, "");
  // One that exists but cannot be read ends the run.
  const cli::CliOutput unreadable =
      Cli(With(FileArgs("schedule"), {"--settings", "/proc/self/mem"}));
  EXPECT_EQ(unreadable.exitCode, cli::kExitDataError);
  EXPECT_EQ(unreadable.err,
            "error: An error occurred trying to read data from a configuration (.ini) file\n");
}

TEST(CliSession, TheExampleSession) {
  InRepositoryRoot root;
  const cli::CliOutput session = Cli({"schedule", "--session", "examples/MAIZE.SES"});
  ASSERT_EQ(session.exitCode, 0) << session.err;
  EXPECT_EQ(session.err, "");
  MaizeSession s;
  ASSERT_TRUE(CwrDataOk(s.ws, true, false, s.ws.crop, s.ws.session.PlantingDate, s.Harvest()));
  ComputeCwr(s.ws);
  const ScheduleView view = DryScheduleView(ComputeDrySchedule(s.ws), true);
  // The same schedule as from the files; only the file names of the title differ.
  const auto lines = SectionLines(ScheduleReport(s.ws, view, {}));
  EXPECT_EQ(session.out, JoinLines(lines));
  const cli::CliOutput rain =
      Cli({"rain", "--session", "examples/MAIZE.SES", Example("NAIROBI.CRC")});
  EXPECT_NE(rain.out.find("DECADE RAIN DATA"), std::string::npos);
}

TEST(CliSession, SessionsThatCannotBeUsed) {
  TempDir dir;
  WriteText(dir.File("BROKEN.SES"), "no section here\r\n");
  const cli::CliOutput broken = Cli({"cwr", "--session", dir.File("BROKEN.SES")});
  EXPECT_EQ(broken.exitCode, cli::kExitDataError);
  EXPECT_EQ(broken.err, "error: Error reading session from file " + dir.File("BROKEN.SES") + "\n");

  // A listed file that is missing is skipped (the question answered No); the data check then
  // reports what is missing.
  WriteText(dir.File("MOVED.SES"), "[Session files]\r\nClimate/ETo file=" + dir.File("GONE.PEM") +
                                       "\r\nRain file=" + Example("NAIROBI.CRM") +
                                       "\r\nCrop file=" + Example("MAIZE.CRO") +
                                       "\r\nPlanting date=15/03/1994\r\n");
  const cli::CliOutput moved = Cli({"cwr", "--session", dir.File("MOVED.SES"), "--format", "json"});
  EXPECT_EQ(moved.exitCode, cli::kExitDataError);
  const Json json = ParseJson(moved);
  ASSERT_EQ(json["messages"].items.size(), 2u);
  EXPECT_EQ(json["messages"][0]["kind"].text, "warning");
  EXPECT_EQ(
      json["messages"][0]["text"].text.rfind("Could not find ETo file " + dir.File("GONE.PEM"), 0),
      0u);
  EXPECT_EQ(json["error"].text.rfind("ETo data ", 0), 0u) << json["error"].text;

  // A listed file that fails to read leaves its message (with the place it failed) and
  // loading goes on; the data check then names the rain.
  WriteText(dir.File("BAD.CRM"),
            "VESKARO 8.0 Rain data\r\nX\r\n  4  3\r\n  0  0  0  0  0  0\r\n"
            "  1.x\r\n");
  WriteText(dir.File("BADRAIN.SES"),
            "[Session files]\r\nClimate/ETo file=" + Example("NAIROBI.PEM") +
                "\r\nRain file=" + dir.File("BAD.CRM") + "\r\nCrop file=" + Example("MAIZE.CRO") +
                "\r\nPlanting date=15/03/1994\r\n");
  const cli::CliOutput bad = Cli({"cwr", "--session", dir.File("BADRAIN.SES")});
  EXPECT_EQ(bad.exitCode, cli::kExitDataError);
  EXPECT_EQ(bad.err, "error: Error reading data from file " + dir.File("BAD.CRM") +
                         " (line 5: \"1.x\")\nerror: Rain data are not OK Calculation of crop "
                         "water requirement not possible\n");
}

}  // namespace
}  // namespace vsk::test

// Every writer replaces its file only when the whole new file was written: a save that fails
// part way leaves the previous file byte for byte, leaves no temporary file behind, shows the
// writer's message and returns false, and the session keeps the name and status it had.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "climate/vskETocalc.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vsksession.h"
#include "core/vsksettings.h"
#include "crop/vskcropsoilcalc.h"
#include "output/vskreport.h"
#include "rain/vskraincalc.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "scheme/vskpatterncalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::FilesIn;
using test::FileSizeLimit;
using test::ReadText;
using test::ScriptedUi;
using test::TempDir;

const std::string kDataWriteError =
    "Error writing data to file %s\rPossible causes: invalid target drive/dir or file is "
    "read-only";

struct WriterCase {
  std::string name;
  std::string fileName;
  // Fills the record of the kind; `variant` 0 and 1 give two different records.
  std::function<void(Workspace&, int variant)> fill;
  std::function<bool(Workspace&, const std::string& path)> write;
  std::optional<DataKind> kind;  // the session's data kind, when the writer keeps one
  std::string message;           // the error shown, "%s" for the path; empty: none
};

void FillDryCrop(Workspace& ws, int variant) {
  TCropRecord& c = ws.crop;
  c.Reset();
  c.CropName = variant ? "Sorghum" : "Maize";
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = 20 + 5 * i + variant;
  c.Kc[1] = 0.3, c.Kc[3] = 1.2 - 0.1 * variant, c.Kc[4] = 0.35;
  c.RootDepth[2] = 0.3, c.RootDepth[3] = 1.0 + variant;
  c.CritDepletion[1] = 0.5, c.CritDepletion[3] = 0.55, c.CritDepletion[4] = 0.8;
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 0.4 + 0.1 * i;
  c.CropHeight = 2.0;
  ws.session.CropIsDry = true;
}

void FillRiceCrop(Workspace& ws, int variant) {
  FillDryCrop(ws, variant);
  TCropRecord& c = ws.crop;
  c.StageLength[5] = 25, c.StageLength[6] = 20, c.StageLength[7] = 5;
  for (int i : {1, 3, 4, 5, 6}) c.KcDry[i] = 0.5 + 0.05 * i;
  c.Kc[5] = 1.05, c.Kc[6] = 1.1;
  c.PuddleDepth = 0.1 + 0.05 * variant;
  c.CritDepletion[5] = 0.2;
  c.NurseryArea = 10;
  ws.session.CropIsDry = false;
}

void FillSoil(Workspace& ws, int variant) {
  TSoilRecord& s = ws.soil;
  s.Reset();
  s.SoilName = variant ? "Heavy clay" : "Sandy loam";
  s.TotalAvailMoisture = variant ? 200 : 110;
  s.MaxInfiltration = 30 + variant;
  s.MaxRootDepth = 120;
  s.InitialDepletion = 10 * variant;
  s.MaxWaterDepth = 100, s.DrainablePorosity = 30, s.CrackDepletion = 0.5;
  s.WaterAtPlanting = 80, s.WaterType = 1 + variant;
}

void FillClimate(Workspace& ws, int variant, int kind) {
  ws.session.EtoKind = static_cast<byte>(kind);
  TClimateData& d = ws.climate.Data;
  d.Country = "Ruritania";
  d.Station = variant ? "Hill farm" : "Riverside";
  d.Altitude = 100 + variant, d.Latitude = 12.5, d.Longitude = 44.0;
  ws.climate.EToYear = 2019;
  auto fill = [&](TClimatePeriod& p, double s) {
    p.TMin = 12 + s + variant, p.TMax = 25 + s, p.Humidity = 60, p.Wind = 150, p.Sunshine = 8;
  };
  for (int m = 1; m <= 12; ++m) {
    fill(ws.climate.Data.Month[m], m);
    for (int k = 1; k <= 3; ++k) fill(ws.climate.Data.Decade[m][k], m);
    for (int day = 1; day <= MonthLength(m); ++day) {
      fill(ws.climate.Data.Day[m][day], m);
      if (kind == 4) ws.climate.DayETo[m][day] = 3.5 + variant;
    }
  }
  RecomputeClimateTables(ws);
}

// The climate window records the new name and status after a successful save.
bool SaveClimate(Workspace& ws, const std::string& path) {
  if (!WriteClimateFile(ws, path)) return false;
  ws.session.WriterSucceeded(DataKind::Climate, path);
  return true;
}

void FillRain(Workspace& ws, int variant, int kind) {
  ws.session.RainKind = static_cast<byte>(kind);
  ws.rain.Data.RainStation = variant ? "Hill farm" : "Riverside";
  ws.rain.RainYear = 2000 + variant;
  for (int m = 1; m <= 12; ++m) {
    ws.rain.Data.MonthRain[m] = 10.0 * m + variant;
    for (int k = 1; k <= 3; ++k) ws.rain.Data.DecadeRain[m][k] = m + k + variant;
    for (int d = 1; d <= MonthLength(m); ++d) ws.rain.Data.DayRain[m][d] = 0.1 * d + variant;
  }
}

// The rain window records the new name and status after a successful save.
bool SaveRain(Workspace& ws, const std::string& path) {
  if (!WriteRainFile(ws, path)) return false;
  ws.session.WriterSucceeded(DataKind::Rain, path);
  return true;
}

void FillDrySchedule(Workspace& ws, int variant) {
  ws.events.Clear();
  for (int k = 1; k <= 6 + variant; ++k) {
    ws.events.IrrEventDay[k] = 10 * k + variant;
    ws.events.IrrEventDepth[k] = 35.5 + k;
  }
}

// The schedule window records the new name and status after a successful save.
bool SaveDrySchedule(Workspace& ws, const std::string& path) {
  if (!WriteScheduleFile(ws, path)) return false;
  ws.session.WriterSucceeded(DataKind::Schedule, path);
  return true;
}

// Crops of the pattern; the crop files themselves are not needed for saving.
void FillPattern(Workspace& ws, int variant) {
  ws.pattern = CroppingPattern();
  ws.pattern.Name = variant ? "Hill scheme" : "Valley scheme";
  for (int k = 1; k <= 2 + variant; ++k) {
    PatternEntry& e = ws.pattern.Entry(k);
    e.CropFileName = k % 2 ? "maize" : "rice.cro";
    e.PlantingDate = EncodeDate(1994, 2 + k, 10);
    e.Area = 30;
    for (int i = 1; i <= 4; ++i) e.Crop.StageLength[i] = 20;
    e.HarvestDate = PatternHarvestDate(e);  // as after reading the crop file
  }
}

// A session of saved data files with its options.
void FillSession(Workspace& ws, int variant) {
  ws.session.ReaderSucceeded(DataKind::Crop, "/data/crops/maize.cro");
  ws.session.ReaderSucceeded(DataKind::Soil, variant ? "/data/soils/clay.soi" : "/data/loam.soi");
  ws.session.PlantingDate = EncodeDate(1994, 4, 15 + variant);
  ws.options.ermethod = static_cast<byte>(2 + variant);
}

void FillOptions(Workspace& ws, int variant) {
  ws.options = Options();
  ws.options.ermethod = static_cast<byte>(1 + variant);
  ws.options.deplram = static_cast<byte>(60 + variant);
  ws.options.raina = 0.25 + variant;
}

std::vector<WriterCase> Cases() {
  return {
      {"DryCrop", "crop.CRO", FillDryCrop, WriteCropFile, DataKind::Crop, kDataWriteError},
      {"RiceCrop", "rice.CRO", FillRiceCrop, WriteCropFile, DataKind::Crop, kDataWriteError},
      {"Soil", "soil.SOI", FillSoil, WriteSoilFile, DataKind::Soil, kDataWriteError},
      {"MonthlyClimate", "station.PEM", [](Workspace& ws, int v) { FillClimate(ws, v, 3); },
       SaveClimate, DataKind::Climate, kDataWriteError},
      {"DecadeClimate", "station.PEC", [](Workspace& ws, int v) { FillClimate(ws, v, 2); },
       SaveClimate, DataKind::Climate, kDataWriteError},
      {"DailyClimate", "station.PED", [](Workspace& ws, int v) { FillClimate(ws, v, 1); },
       SaveClimate, DataKind::Climate, kDataWriteError},
      {"DailyMeasuredETo", "station.PMD", [](Workspace& ws, int v) { FillClimate(ws, v, 4); },
       SaveClimate, DataKind::Climate, kDataWriteError},
      {"MonthlyRain", "rain.CRM", [](Workspace& ws, int v) { FillRain(ws, v, 3); }, SaveRain,
       DataKind::Rain, kDataWriteError},
      {"DecadeRain", "rain.CRC", [](Workspace& ws, int v) { FillRain(ws, v, 2); }, SaveRain,
       DataKind::Rain, kDataWriteError},
      {"DailyRain", "rain.CRD", [](Workspace& ws, int v) { FillRain(ws, v, 1); }, SaveRain,
       DataKind::Rain, kDataWriteError},
      {"DrySchedule", "dry.SCH", FillDrySchedule, SaveDrySchedule, DataKind::Schedule,
       kDataWriteError},
      {"RiceSchedule", "rice.SCH",
       [](Workspace& ws, int v) {
         FillDrySchedule(ws, v);
         ws.events.IrrEventDay[1] = -12;  // a land-preparation day
       },
       WriteRiceScheduleFile, DataKind::Schedule, kDataWriteError},
      {"Pattern", "scheme.PAT", FillPattern, SavePattern, DataKind::Pattern,
       "Error writing data to file %s\rPossible causes: invalid target drive/dir or file is "
       "read-only"},
      // Save Session writes the session's own file; a failed save takes no snapshot.
      {"Session", "plan.SES", FillSession,
       [](Workspace& ws, const std::string& path) {
         const auto snapshot = ws.session.SessionSnapshot;
         ws.session.SessionFileName = path;
         const bool ok = SaveSession(ws, false);
         if (!ok) {
           EXPECT_EQ(ws.session.SessionSnapshot, snapshot);
         }
         return ok;
       },
       std::nullopt, "Error writing current session to file %s"},
      // A report text file; its text here carries the station's name.
      {"ReportText", "report.TXT",
       [](Workspace& ws, int variant) { ws.climate.Data.Station = variant ? "Kisumu" : "Embu"; },
       [](Workspace& ws, const std::string& path) {
         const ReportSection section{DataTitleLines("Monthly rain data", "File: ", path),
                                     {"Station " + ws.climate.Data.Station}};
         return WriteReportTextFile(
             ws, path, ReportTextFileLines({section}, "Veskaro 8.0 Bèta", "10/12/26 14:20"));
       },
       std::nullopt, kDataWriteError},
      // The settings writers report through their result; the caller shows the message.
      {"SettingsOptions", "VESKARO.INI", FillOptions,
       [](Workspace& ws, const std::string& path) {
         return WriteOptions(path, ws.options, ws.texts);
       },
       std::nullopt, ""},
      {"SettingsFolders", "VESKARO.INI",
       [](Workspace& ws, int variant) {
         ws.session.Default(FolderKind::Crop) = variant ? "/data/crops/other" : "/data/crops";
         ws.session.Default(FolderKind::Soil) = "/data/soils";
       },
       [](Workspace& ws, const std::string& path) {
         return WriteFolders(path, ws.session, ws.texts);
       },
       std::nullopt, ""},
      {"SettingsWelcomeFlags", "VESKARO.INI",
       [](Workspace& ws, int variant) {
         ws.options.showgeneralinfo = variant == 0;
         ws.options.showetoinfo = variant == 1;
       },
       [](Workspace& ws, const std::string& path) {
         return WriteWelcomeFlags(path, ws.options, ws.texts);
       },
       std::nullopt, ""},
  };
}

void PrintTo(const WriterCase& c, std::ostream* os) {
  *os << c.name;
}

class FailedWrite : public testing::TestWithParam<WriterCase> {};

TEST_P(FailedWrite, LeavesThePreviousFileWhole) {
  const WriterCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.File(c.fileName);
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});

  c.fill(ws, 0);
  ASSERT_TRUE(c.write(ws, path));
  ASSERT_TRUE(ui.shown.empty());
  const std::string before = ReadText(path);
  ASSERT_GT(before.size(), 16u);

  c.fill(ws, 1);
  if (c.kind) ws.session.UserEdited(*c.kind);
  bool ok = true;
  {
    FileSizeLimit limit(16);  // the new file cannot grow past its first 16 bytes
    ok = c.write(ws, path);
  }
  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadText(path), before);
  EXPECT_EQ(FilesIn(dir.path()), 1u) << "a temporary file was left behind";
  if (c.message.empty()) {
    EXPECT_TRUE(ui.shown.empty());
  } else {
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{FormatText(c.message, {path})});
  }
  if (c.kind) {
    EXPECT_EQ(ws.session.File(*c.kind), path);
    EXPECT_EQ(ws.session.StatusOf(*c.kind), dsChanged);
  }

  // Without the limit the same record is saved, and it differs from the first.
  ui.Clear();
  ASSERT_TRUE(c.write(ws, path));
  EXPECT_NE(ReadText(path), before);
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST_P(FailedWrite, CreatesNoFileWhenThereWasNone) {
  const WriterCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.File(c.fileName);
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  c.fill(ws, 0);
  bool ok = true;
  {
    FileSizeLimit limit(16);
    ok = c.write(ws, path);
  }
  EXPECT_FALSE(ok);
  EXPECT_EQ(FilesIn(dir.path()), 0u);
  if (c.kind) {
    EXPECT_EQ(ws.session.File(*c.kind), kUntitled);
    EXPECT_EQ(ws.session.StatusOf(*c.kind), dsNone);
  }
}

INSTANTIATE_TEST_SUITE_P(AllWriters, FailedWrite, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<WriterCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace vsk

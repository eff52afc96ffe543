#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vsksession.h"
#include "core/vskworkspace.h"
#include "scheme/vskschemecalc.h"
#include "scheme/vsksessionloader.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

std::string Session(const std::string& climate, const std::string& rain, const std::string& crop,
                    const std::string& soil, const std::string& pattern,
                    const std::string& schedule) {
  return "[Session files]\r\nClimate/ETo file=" + climate + "\r\nRain file=" + rain +
         "\r\nCrop file=" + crop + "\r\nSoil file=" + soil +
         "\r\nCropping pattern file=" + pattern + "\r\nScheduling file=" + schedule +
         "\r\nPlanting date=20/04/1994\r\n[Crop scheduling "
         "options]\r\ntimdepl=55\r\n";
}

struct LoaderTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  SessionLoader loader{ws};
  TempDir dir;
};

TEST_F(LoaderTest, ReadsEveryKindWithItsReader) {
  const std::string ses = dir.File("valley.ses");
  WriteText(ses, Session(DataPath("session/station.pmm"), DataPath("session/rain.crm"),
                         DataPath("session/maize.cro"), DataPath("session/loam.soi"),
                         DataPath("session/valley.pat"), DataPath("session/plan.sch")));
  ASSERT_TRUE(OpenSession(ws, loader, ses));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(loader.Loaded(),
            (std::vector<DataKind>{DataKind::Climate, DataKind::Rain, DataKind::Soil,
                                   DataKind::Pattern, DataKind::Crop, DataKind::Schedule}));
  for (int k = 0; k < kDataKindCount; ++k)
    EXPECT_EQ(ws.session.Status[static_cast<size_t>(k)], dsSaved) << k;
  EXPECT_EQ(ws.session.EtoKind, 6);
  EXPECT_DOUBLE_EQ(ws.climate.MonthETo[6], 6.1);
  // The tables are recomputed as the climate/ETo window does on opening: the average row.
  EXPECT_NEAR(ws.climate.AverageRow[7], 55.5 / 12, 1e-9);
  EXPECT_EQ(ws.session.RainKind, 3);
  EXPECT_DOUBLE_EQ(ws.rain.Data.MonthRain[4], 80.0);
  EXPECT_EQ(ws.soil.SoilName, "Loam");
  EXPECT_EQ(ws.pattern.Name, "Valley");
  EXPECT_TRUE(ws.session.CropIsDry);
  EXPECT_EQ(ws.crop.StageLength[3], 40);
  EXPECT_EQ(ws.session.PlantingDate, EncodeDate(1994, 4, 20));
  EXPECT_EQ(ws.events.IrrEventDay[2], 30);
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
  EXPECT_TRUE(loader.ScheduleRequested());
  EXPECT_EQ(ws.options.timdepl, 55);

  // The scheme supply runs on what the session loaded.
  int n = 0;
  ASSERT_TRUE(SchemeSupply(ws, n));
  EXPECT_EQ(n, 2);
  EXPECT_GT(ws.pattern.NetSchemeRequirement[6], 0.0);
  EXPECT_EQ(ws.pattern.IrrigatedArea[6], 60.0);
}

TEST_F(LoaderTest, SkipsAndFailuresLeaveTheirMessages) {
  // A missing climate file declined, a rain file that fails to read, a pattern
  // whose crop file is not found: each leaves its message and the rest loads.
  const std::string badPattern = dir.File("bad.pat");
  WriteText(badPattern,
            "VESKARO 8.0 Crop pattern "
            "data\r\n1\r\nX\r\nwheat\r\n01/02/1994\r\n100\r\n");
  const std::string ses = dir.File("s.ses");
  WriteText(ses, Session(dir.File("gone.pmm"), DataPath("session/broken.crm"),
                         DataPath("session/maize.cro"), "untitled", badPattern, "untitled"));
  ui.answers = {Answer::No};
  ASSERT_TRUE(OpenSession(ws, loader, ses));
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{
                "Could not find ETo file " + dir.File("gone.pmm") +
                    "\rDo you want to look for this or another ETo file yourself ?",
                "Error reading data from file " + DataPath("session/broken.crm"),
                "Error in cropping pattern while reading data from file " + dir.File("wheat.cro") +
                    "\rProbable cause: this file does not exist in default "
                    "directory"}));
  EXPECT_EQ(loader.Loaded(), std::vector<DataKind>{DataKind::Crop});
  EXPECT_EQ(loader.FailureDetail(DataKind::Rain).rfind("line 5", 0), 0u)
      << loader.FailureDetail(DataKind::Rain);
  EXPECT_EQ(loader.FailureDetail(DataKind::Crop), "");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Rain), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Rain), "untitled");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Pattern), dsNone);
  EXPECT_FALSE(loader.ScheduleRequested());
}

}  // namespace
}  // namespace vsk

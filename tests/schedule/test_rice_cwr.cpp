#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vskini.h"
#include "core/vsksettings.h"
#include "schedule/riceseason.h"
#include "schedule/vskricecwr.h"
#include "schedule/vskriceschedulecalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

// The hand-checked short season (riceseason.h) with yield response factors of 1 and rain
// only in the first decade of March.
void SetUpRice(Workspace& ws, RiceEtcTables& etc) {
  test::SetUpShortRiceSeason(ws, etc);
  for (int i = 1; i <= 5; ++i) ws.crop.YieldResponse[i] = 1;
  ws.rain.Data.DecadeRain[3][2] = 0;  // rain in the first decade of March only
}

TEST(RiceCwr, LandPrepRunLeavesTheScheduleAlone) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  RiceEtcTables etc;
  SetUpRice(ws, etc);
  RiceScheduleResult schedule;
  RunRiceSchedule(ws, etc, schedule);
  const RiceScheduleResult before = schedule;
  const IrrigationEvents events = ws.events;

  // Different land-preparation options for the land-preparation run only.
  Options lp = ws.options;
  lp.puddleawd = 80;
  std::vector<RiceScheduleRow> rows;
  RunLandPrepBalance(ws, lp, ws.crop, ws.session.PlantingDate, etc, rows);

  ASSERT_EQ(rows.size(), 5u);
  for (const RiceScheduleRow& r : rows) {
    EXPECT_EQ(r.Ks, 1);
    EXPECT_EQ(r.ETa, r.ETc);
    EXPECT_EQ(r.DeplSm, 0);
    EXPECT_EQ(r.DeplSat, 0);
    EXPECT_EQ(r.CumETc, 0);
  }
  EXPECT_EQ(rows[0].DayNumber, -4);
  EXPECT_EQ(rows[0].Stage, 'E');
  EXPECT_DOUBLE_EQ(rows[0].NetIrr, 87);  // the soaking irrigation
  EXPECT_EQ(rows[3].Stage, 'F');
  EXPECT_NEAR(rows[3].NetIrr, 80 + 16.2075, 1e-12);  // refill to 80 mm water depth
  EXPECT_NEAR(rows[3].GrossIrr, (80 + 16.2075) / 70 * 100, 1e-12);
  EXPECT_EQ(rows[4].PuddleState, kPuddleOk);

  EXPECT_EQ(schedule.Rows.size(), before.Rows.size());
  EXPECT_EQ(schedule.Rows[3].NetIrr, before.Rows[3].NetIrr);
  EXPECT_EQ(schedule.Points.size(), before.Points.size());
  EXPECT_EQ(schedule.Totals.TotNetIrr, before.Totals.TotNetIrr);
  EXPECT_EQ(ws.events.IrrCount, events.IrrCount);
  for (int k = 1; k <= kMaxEvents; ++k) {
    EXPECT_EQ(ws.events.IrrEventDay[k], events.IrrEventDay[k]);
    EXPECT_EQ(ws.events.IrrEventDepth[k], events.IrrEventDepth[k]);
  }

  // A fixed schedule does not fix the land preparation of a crop water requirement.
  ws.session.ScheduleAdjusted = true;
  ws.events.Clear();
  std::vector<RiceScheduleRow> again;
  RunLandPrepBalance(ws, lp, ws.crop, ws.session.PlantingDate, etc, again);
  EXPECT_DOUBLE_EQ(again[0].NetIrr, 87);
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
  EXPECT_EQ(ws.events.IrrEventDay[1], MissingInt);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(RiceCwr, LandPrepOptionsFollowTheSavedSettings) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.options.puddleawd = 65;  // changed in the options dialog, not saved
  ws.options.ricetimopt = 9;  // not a land-preparation option: kept
  ws.options.prepuddletdepl = 33;

  // No settings file: the built-in land-preparation defaults.
  Options o = LandPrepOptions(ws);
  EXPECT_EQ(o.puddleawd, 50);
  EXPECT_EQ(o.prepuddletdepl, 20);
  EXPECT_EQ(o.ricetimopt, 9);

  ws.SettingsFile = dir.File("VESKARO.INI");
  WriteText(ws.SettingsFile,
            "[Land preparation options]\r\npuddleawd=80\r\nsoakbelowpuddledepth=25\r\n"
            "[Rice scheduling options]\r\nricetimopt=3\r\n");
  o = LandPrepOptions(ws);
  EXPECT_EQ(o.puddleawd, 80);
  EXPECT_EQ(o.soakbelowpuddledepth, 25);
  EXPECT_EQ(o.prepuddletdepl, 20);  // absent key: default
  EXPECT_EQ(o.ricetimopt, 9);
  // The current options are as before.
  EXPECT_EQ(ws.options.puddleawd, 65);
  EXPECT_EQ(ws.options.prepuddletdepl, 33);
  EXPECT_TRUE(ui.shown.empty());

  // The land-preparation water of a crop water requirement follows the file.
  RiceEtcTables etc;
  SetUpRice(ws, etc);
  std::vector<RiceScheduleRow> rows;
  RunLandPrepBalance(ws, LandPrepOptions(ws), ws.crop, ws.session.PlantingDate, etc, rows);
  EXPECT_NEAR(rows[0].NetIrr, 60 + 18 * 0.45 / 0.2, 1e-12);  // soaking to 0.2 + 0.25 m
  EXPECT_EQ(ws.options.soakbelowpuddledepth, 10);
}

TEST(RiceCwr, LandPrepWaterGoesToTheDecadeOfItsDay) {
  CwrResults cwr;
  auto addRow = [&](int month, int decade, int lastDay) {
    TCwrRow r;
    r.Month = month;
    r.Decade = decade;
    r.LastDay = lastDay;
    cwr.CwrRows.push_back(r);
    cwr.DecadeIrrReq[month][decade] = 1;
  };
  addRow(1, 2, 20);
  addRow(1, 3, 31);
  addRow(2, 1, 10);
  auto lp = [](int month, int day, char stage, double net) {
    RiceScheduleRow r;
    r.Month = month;
    r.Day = day;
    r.Stage = stage;
    r.NetIrr = net;
    return r;
  };
  const std::vector<RiceScheduleRow> rows = {
      lp(1, 15, 'E', 10),  // second decade of January
      lp(1, 31, 'E', 20),  // last day of the month: its last decade
      lp(2, 1, 'F', 40),   // first decade of February
      lp(2, 5, 'F', 0),    // no irrigation
      lp(3, 2, 'F', 7),    // not in the table: the last row takes it
      lp(1, 16, 'A', 99),  // not a land-preparation row
  };
  AddLandPrepWater(rows, cwr);
  EXPECT_DOUBLE_EQ(cwr.DecadeIrrReq[1][2], 11);
  EXPECT_DOUBLE_EQ(cwr.DecadeIrrReq[1][3], 21);
  EXPECT_DOUBLE_EQ(cwr.DecadeIrrReq[2][1], 48);

  CwrResults none;
  AddLandPrepWater(rows, none);  // no decade rows: nothing to add to
  EXPECT_EQ(none.DecadeIrrReq[1][2], 0);
}

// Decade ETo of 5 mm/day everywhere, no rain; a rice crop planted on 21 January with 20 days
// of nursery, 10 of land preparation (3 of puddling) and stages of 10 days.
void SetUpRiceCwr(Workspace& ws) {
  RiceEtcTables unused;
  SetUpRice(ws, unused);
  TCropRecord& c = ws.crop;
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = 10;
  c.StageLength[5] = 20;
  c.StageLength[6] = 10;
  c.StageLength[7] = 3;
  const double wet[7] = {0, 1.05, 0, 1.2, 0.9, 1.1, 1.0};
  const double dry[7] = {0, 0.9, 0, 1.0, 0.8, 0.7, 0.5};
  for (int i = 1; i <= 6; ++i) {
    c.Kc[i] = wet[i];
    c.KcDry[i] = dry[i];
  }
  c.NurseryArea = 0;
  c.DirectSowing = false;
  ws.session.EtoKind = 2;
  ws.session.RainKind = 2;
  ws.session.PlantingDate = EncodeDate(1994, 1, 21);
  for (int m = 1; m <= 12; ++m) {
    for (int k = 1; k <= 3; ++k) {
      ws.climate.DecadeETo[m][k] = 5.0;
      ws.rain.Data.DecadeRain[m][k] = 0;
      ws.rain.Data.DecadeEffRain[m][k] = 0;
    }
  }
}

double LandPrepWater(const RiceCwrResult& r) {
  double sum = 0;
  for (const RiceScheduleRow& row : r.LandPrepRows) sum += row.NetIrr;
  return sum;
}

TEST(RiceCwrRun, NurseryAreaZeroAndLandPreparationWater) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetUpRiceCwr(ws);
  const Options current = ws.options;
  RiceCwrResult r;
  RiceCwr(ws, ws.crop, ws.session.PlantingDate, r);

  ASSERT_GE(ws.cwr.CwrRowCount(), 5);
  const TCwrRow& nursery = ws.cwr.CwrRows[0];
  EXPECT_EQ(nursery.Month, 1);
  EXPECT_EQ(nursery.Decade, 1);
  EXPECT_EQ(nursery.AreaPercent, 0);
  EXPECT_DOUBLE_EQ(ws.cwr.DecadeETc[1][1], 0);  // no nursery area: no nursery ETc
  EXPECT_DOUBLE_EQ(ws.cwr.DecadeIrrReq[1][1], 0);
  // Nursery and land preparation together use the land-preparation Kc alone.
  EXPECT_DOUBLE_EQ(ws.cwr.DecadeETc[1][2], 5.0);
  EXPECT_DOUBLE_EQ(r.Etc.EtcWet[1][2], 5.0);
  EXPECT_DOUBLE_EQ(r.Etc.EtcDry[1][2], 2.5);
  EXPECT_FALSE(r.Etc.Daily);
  EXPECT_EQ(r.Etc.StageEnd[4], 40);

  ASSERT_EQ(r.LandPrepRows.size(), 10u);
  EXPECT_EQ(r.LandPrepRows[0].DayNumber, -9);
  EXPECT_EQ(r.LandPrepRows[0].Day, 11);
  // Soaking: 60 + (15 + 2.5 of dry ETc) x 0.3 / 0.2.
  EXPECT_NEAR(r.LandPrepRows[0].NetIrr, 86.25, 1e-9);
  // All land preparation lies in the second decade of January.
  EXPECT_NEAR(ws.cwr.DecadeIrrReq[1][2], 50 + LandPrepWater(r), 1e-9);
  // Ten initial days and the first development day (Kc 1.05 + 0.15 / 10).
  EXPECT_NEAR(ws.cwr.DecadeIrrReq[1][3], 10 * 1.05 * 5.0 + 1.065 * 5.0, 1e-9);

  EXPECT_TRUE(ws.session.CropIsDry);  // a dry session crop: the rice is still rice
  EXPECT_EQ(ws.options.puddleawd, current.puddleawd);
  EXPECT_EQ(ws.events.IrrEventDay[1], MissingInt);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(RiceCwrRun, DirectSowingAndLastDayOfMonth) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetUpRiceCwr(ws);
  ws.crop.DirectSowing = true;
  ws.crop.StageLength[6] = 1;  // one land-preparation day: 31 January, the soaking day
  ws.crop.StageLength[7] = 0;
  ws.session.PlantingDate = EncodeDate(1994, 2, 1);
  RiceCwrResult r;
  RiceCwr(ws, ws.crop, ws.session.PlantingDate, r);
  ASSERT_GE(ws.cwr.CwrRowCount(), 1);
  const TCwrRow& first = ws.cwr.CwrRows[0];
  EXPECT_EQ(first.Month, 1);
  EXPECT_EQ(first.Decade, 3);
  EXPECT_EQ(first.SeasonDays, 1);
  EXPECT_EQ(first.AreaPercent, 100);
  ASSERT_EQ(r.LandPrepRows.size(), 1u);
  EXPECT_EQ(r.LandPrepRows[0].Day, 31);
  const double soak = r.LandPrepRows[0].NetIrr;
  EXPECT_GT(soak, 0);
  EXPECT_NEAR(ws.cwr.DecadeIrrReq[1][3], 1.0 * 5.0 + soak, 1e-9);
  EXPECT_DOUBLE_EQ(ws.cwr.DecadeIrrReq[2][1], 10 * 1.05 * 5.0);
}

TEST(RiceCwrRun, LandPreparationFollowsTheSettingsFile) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetUpRiceCwr(ws);
  ws.options.soakbelowpuddledepth = 40;  // current, not saved
  RiceCwrResult fromDefaults;
  RiceCwr(ws, ws.crop, ws.session.PlantingDate, fromDefaults);
  EXPECT_NEAR(fromDefaults.LandPrepRows[0].NetIrr, 86.25, 1e-9);  // soaking 10 cm below

  ws.SettingsFile = dir.File("VESKARO.INI");
  WriteText(ws.SettingsFile, "[Land preparation options]\r\nsoakbelowpuddledepth=20\r\n");
  RiceCwrResult fromFile;
  RiceCwr(ws, ws.crop, ws.session.PlantingDate, fromFile);
  EXPECT_NEAR(fromFile.LandPrepRows[0].NetIrr, 60 + 17.5 * 0.4 / 0.2, 1e-12);
  EXPECT_EQ(ws.options.soakbelowpuddledepth, 40);
}

TEST(RiceCwrRun, SessionScheduleChecksDataAndForcesDirectSowing) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetUpRiceCwr(ws);
  ws.session.CropIsDry = false;
  ws.crop.CropName = "Paddy";
  ws.crop.CritDepletion[5] = 0.2;
  ws.soil.WaterAtPlanting = 0;
  RiceEtcTables etc;
  RiceScheduleResult out;
  // Nothing loaded yet: the data check fails with its message.
  EXPECT_FALSE(ComputeRiceSchedule(ws, etc, out));
  EXPECT_EQ(ui.TextsOf("error").size(), 1u);
  EXPECT_TRUE(out.Rows.empty());

  ui.Clear();
  for (DataKind k : {DataKind::Climate, DataKind::Rain, DataKind::Crop, DataKind::Soil})
    ws.session.StatusOf(k) = dsSaved;
  ws.options.ricetimopt = 1;  // user timing without a list
  EXPECT_FALSE(ComputeRiceSchedule(ws, etc, out));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"No user timing set. No calculations possible"});

  ui.Clear();
  ws.options.ricetimopt = 2;
  ASSERT_TRUE(ComputeRiceSchedule(ws, etc, out));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(out.Rows.size(), 10u + 40u);
  // Land preparation at full area with the land-preparation Kc, the nursery ignored.
  EXPECT_DOUBLE_EQ(etc.EtcWet[1][2], 5.0);
  EXPECT_DOUBLE_EQ(etc.EtcDry[1][2], 2.5);
  EXPECT_EQ(ws.cwr.CwrRows[0].Stage, "LandPrep");
  EXPECT_FALSE(ws.crop.DirectSowing);
  EXPECT_NEAR(out.Rows[0].NetIrr, 86.25, 1e-9);
}

}  // namespace
}  // namespace vsk

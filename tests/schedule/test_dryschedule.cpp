// The daily soil-water balance of a dry crop and the timing and application rules.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/vskworkspace.h"
#include "cwr/vskcwrcalc.h"
#include "schedule/vskcropschedulecalc.h"
#include "schedule/vskscheduleoptions.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

// ---- timing and application rules ----

struct TimingCase {
  const char* name;
  int timopt;
  int deplram;
  TimingInput in;
  bool fires;
};

TEST(TimingRule, EveryOptionWithItsEdge) {
  UserIrrigationTables user;
  user.UserIrrDay[1] = 10;
  user.UserIrrDay[2] = 25;
  auto at = [](double dr, double ram) {
    TimingInput in;
    in.Dr = dr;
    in.RAM = ram;
    return in;
  };
  auto day = [](int z, int stage, int last, int count) {
    TimingInput in;
    in.DayNumber = z;
    in.Stage = stage;
    in.LastIrrDay = last;
    in.IrrCount = count;
    return in;
  };
  auto ratio = [](double eta, double etc, int stage) {
    TimingInput in;
    in.CumETa = eta;
    in.CumETc = etc;
    in.Stage = stage;
    return in;
  };
  const TimingCase cases[] = {
      {"user day reached", 1, 80, day(10, 1, 0, 0), true},
      {"user day not yet", 1, 80, day(9, 1, 0, 0), false},
      {"second user day", 1, 80, day(24, 1, 10, 1), false},
      {"a user day passed is still due", 1, 80, day(30, 1, 10, 1), true},
      {"user list ended", 1, 80, day(300, 1, 25, 2), false},
      {"critical depletion reached", 2, 80, at(30, 30), true},
      {"below critical depletion", 2, 80, at(29.99, 30), false},
      {"80 % of RAM", 3, 80, at(24, 30), true},
      {"below 80 % of RAM", 3, 80, at(23.9, 30), false},
      {"100 % of RAM is critical depletion", 3, 100, at(29.99, 30), false},
      {"0 % of RAM fires at no depletion", 3, 0, at(0, 30), true},
      {"first interval counts from day 0", 4, 80, day(10, 1, 0, 0), true},
      {"interval not over", 4, 80, day(9, 1, 0, 0), false},
      {"new stage interval from the last irrigation", 4, 80, day(27, 2, 20, 2), true},
      {"new stage interval not over", 4, 80, day(26, 2, 20, 2), false},
      {"fixed depletion reached", 5, 80, at(40, 100), true},
      {"fixed depletion not reached", 5, 80, at(39.9, 100), false},
      {"no potential ET yet", 6, 80, ratio(0, 0, 1), false},
      {"ET reduced by the allowed share", 6, 80, ratio(4.5, 5, 1), true},
      {"ET reduced less", 6, 80, ratio(4.6, 5, 1), false},
      {"ET reduction of the stage", 6, 80, ratio(4.6, 5, 3), true},
      {"yield reduction never irrigates", 7, 80, at(100, 10), false},
      {"rainfed", 8, 80, at(100, 10), false},
      {"code without a rule", 9, 80, at(100, 10), false},
  };
  Options o;
  o.timfixint[2] = 7;
  o.useretred[3] = 8;  // 4.6 / 5 = 0.92 <= 0.92
  for (const TimingCase& c : cases) {
    o.timopt = static_cast<byte>(c.timopt);
    o.deplram = static_cast<byte>(c.deplram);
    EXPECT_EQ(TimingRuleFires(o, user, c.in), c.fires) << c.name;
  }
}

TEST(ApplicationRule, DepthsOfEveryOption) {
  Options o;
  UserIrrigationTables user;
  user.UserIrrDepth[1] = 30;
  user.UserIrrDepth[3] = 20;  // entry 2 missing: as the previous one
  double last = 0;
  o.applopt = 1;
  EXPECT_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 30);
  EXPECT_EQ(ApplicationDepth(o, user, 2, 60, 50, last), 30);
  EXPECT_EQ(ApplicationDepth(o, user, 3, 60, 50, last), 20);
  UserIrrigationTables none;
  last = 0;
  EXPECT_EQ(ApplicationDepth(o, none, 1, 60, 50, last), 0);

  o.applopt = 2;
  EXPECT_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 60);
  o.applopt = 3;
  o.fieldcapcorr = 80;
  EXPECT_DOUBLE_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 50);
  EXPECT_EQ(ApplicationDepth(o, user, 1, 5, 50, last), 0);  // never negative
  o.fieldcapcorr = 120;
  EXPECT_DOUBLE_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 70);
  o.applopt = 4;
  o.fixirridept = 45;
  EXPECT_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 45);
  o.applopt = 5;
  EXPECT_EQ(ApplicationDepth(o, user, 1, 60, 50, last), 0);

  EXPECT_DOUBLE_EQ(GrossDepth(35, 70), 50);
}

TEST(ScheduleOptionTexts, DialogAndDescribingTexts) {
  test::ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  EXPECT_EQ(TimingOptionText(ws, 6), "Irrigate at given ETcrop reduction per stage");
  EXPECT_EQ(ApplicationOptionText(ws, 3), "Refill soil below / above field capacity");
  EXPECT_EQ(TimingOptionText(ws, 9), "");

  struct Case {
    int timopt;
    const char* line1;
    const char* line2;
  };
  ws.options.timfixint[3] = 12;
  ws.options.useretred[4] = 25;
  const Case cases[] = {
      {1, "Irrigate at user defined intervals", ""},
      {2, "Irrigate at 100 % depletion", ""},
      {3, "Irrigate at 80 % depletion", ""},
      {4, "Irrigate at fixed intervals per stage",
       "Intervals in days: Init 10, Dev 10, Mid 12, Late 10"},
      {5, "Irrigate at 40 mm depletion", ""},
      {6, "Irrigate at given ETcrop reduction per stage",
       "Reduction per stage in % : Init 10, Dev 10, Mid 10, Late 25"},
      {7, "Irrigate at 10 % yield reduction", ""},
      {8, "No predefined irrigation ", ""},
  };
  for (const Case& c : cases) {
    ws.options.timopt = static_cast<byte>(c.timopt);
    std::string detail = "x";
    EXPECT_EQ(TimingDescription(ws, detail), c.line1);
    EXPECT_EQ(detail, c.line2);
  }
  const char* appl[] = {"User defined application depths", "Refill to 100 % of field capacity",
                        "Refill to 85 % of field capacity", "Fixed application depth of 40 mm"};
  ws.options.fieldcapcorr = 85;
  for (int a = 1; a <= 4; ++a) {
    ws.options.applopt = static_cast<byte>(a);
    EXPECT_EQ(ApplicationDescription(ws), appl[a - 1]);
  }
}

// ---- the daily balance ----

class DryScheduleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.session.EtoKind = 1;
    ws.session.RainKind = 1;
    ws.session.PlantingDate = EncodeDate(1994, 3, 1);
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) {
        ws.rain.Data.DayRain[m][d] = 0;
        cwr.DayETc[m][d] = 5;
      }
    TCropRecord& c = ws.crop;
    c.CropName = "Maize";
    c.RootDepth[2] = 1.0;
    c.RootDepth[3] = 1.0;
    c.CritDepletion[1] = 0.5;
    c.CritDepletion[3] = 0.5;
    c.CritDepletion[4] = 0.5;
    for (int s = 1; s <= 5; ++s) c.YieldResponse[s] = 1.0;
    TSoilRecord& s = ws.soil;
    s.TotalAvailMoisture = 100;
    s.MaxInfiltration = 40;
    s.MaxRootDepth = 150;
    s.InitialDepletion = 0;
    ws.options.timopt = 8;
    Stages(10, 10, 10, 10);
  }
  void Stages(int l1, int l2, int l3, int l4) {
    cwr.StageEnd[1] = l1;
    cwr.StageEnd[2] = l1 + l2;
    cwr.StageEnd[3] = l1 + l2 + l3;
    cwr.StageEnd[4] = l1 + l2 + l3 + l4;
  }
  void Run() { ComputeDrySchedule(ws, cwr, out); }
  const TScheduleDay& Row(int z) const { return out.ScheduleRows.at(static_cast<size_t>(z - 1)); }
  std::vector<int> IrrigationDays() const {
    std::vector<int> days;
    for (const TScheduleDay& r : out.ScheduleRows)
      if (r.NetIrr != 0) days.push_back(r.DayNumber);
    return days;
  }

  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  CwrResults cwr;
  DryScheduleResults out;
};

TEST_F(DryScheduleTest, HundredDaySeasonEndsWithTheClosingRow) {
  Stages(20, 30, 30, 20);
  ws.options.timopt = 8;  // stress builds up, Ks falls below 1
  Run();
  ASSERT_EQ(out.ScheduleRowCount(), 100);
  EXPECT_EQ(out.DepletionCurve.size(), 99u);
  const TScheduleDay& last = Row(100);
  EXPECT_EQ(last.Stage, 'D');
  EXPECT_EQ(last.DayNumber, 100);
  EXPECT_EQ(last.Month, 6);
  EXPECT_EQ(last.Day, 8);
  EXPECT_EQ(last.ETa, 0);
  EXPECT_EQ(last.ETc, 0);
  EXPECT_EQ(last.CumETc, 0);
  EXPECT_LT(Row(99).Ks, 1);
  EXPECT_EQ(last.Ks, Row(99).Ks);
  EXPECT_DOUBLE_EQ(last.DeplPercent, Row(99).Deficit / 100 * 100);
  EXPECT_EQ(Row(99).Stage, 'D');
  EXPECT_EQ(Row(50).Stage, 'B');
  EXPECT_EQ(Row(51).Stage, 'C');
  EXPECT_EQ(out.DepletionCurve.back().DayNumber, 99);
}

TEST_F(DryScheduleTest, RainfedScheduleHasNoIrrigationAndStressOnly) {
  Stages(10, 30, 40, 20);
  Run();
  EXPECT_TRUE(IrrigationDays().empty());
  EXPECT_EQ(ws.events.IrrEventDay[1], MissingInt);
  const DryScheduleSummary s = SummariseDrySchedule(out, ws.options.appleff);
  EXPECT_FALSE(s.EfficiencySchedule.has_value());
  EXPECT_FALSE(s.EfficiencyRain.has_value());
  EXPECT_EQ(s.TotalNetIrrigation, 0);
  // Without stress the first 50 mm (RAM) are used at 5 mm/day: stage A has no reduction.
  const YieldReductions y = ComputeYieldReductions(out, ws.crop);
  ASSERT_TRUE(y.ReductionEtc[1].has_value());
  EXPECT_DOUBLE_EQ(*y.ReductionEtc[1], 0);
  // From day 12 on, 100 - Dr falls by a tenth a day and ETa = 4.5 * 0.9^(z - 12): stage D
  // (days 81 to 99) uses 45 * 0.9^69 * (1 - 0.9^19) of its 95 mm.
  ASSERT_TRUE(y.ReductionEtc[4].has_value());
  const double etaD = 45 * std::pow(0.9, 69) * (1 - std::pow(0.9, 19));
  EXPECT_NEAR(*y.ReductionEtc[4], (1 - etaD / 95) * 100, 1e-9);
  EXPECT_NEAR(y.YieldReduction[4].value(), *y.ReductionEtc[4], 1e-12);  // Ky 1
  EXPECT_NEAR(s.DeficiencySchedule.value(), *y.ReductionEtc[5], 1e-12);
  EXPECT_NEAR(s.MoistureDeficitAtHarvest, Row(99).Deficit, 1e-12);
}

TEST_F(DryScheduleTest, StressReducesEvapotranspiration) {
  // RAM 50 mm of 100 mm TAM: Ks = (100 - Dr) / 50 once Dr passes 50.
  Run();
  EXPECT_EQ(Row(10).Ks, 1);
  EXPECT_DOUBLE_EQ(Row(10).Deficit, 50);
  EXPECT_DOUBLE_EQ(Row(11).Ks, 1);
  EXPECT_DOUBLE_EQ(Row(12).Ks, (100 - 55) / 50.0);
  EXPECT_DOUBLE_EQ(Row(12).ETa, 4.5);
  EXPECT_DOUBLE_EQ(Row(12).DeplPercent, 59.5);
  EXPECT_DOUBLE_EQ(Row(12).CumETa, 59.5);
  EXPECT_DOUBLE_EQ(Row(12).CumETc, 60);
}

struct RainCase {
  const char* name;
  double rain;
  int initialDepletion;
  double rootIni;
  double deficit;   // Dr at the end of day 1 (no ET on that day)
  double rainLoss;  // runoff + percolation counted as loss
};

TEST_F(DryScheduleTest, RainInfiltrationRunoffAndPercolation) {
  const RainCase cases[] = {
      {"runoff kept out of the losses while the root zone takes the rest", 60, 50, 1.0, 10, 0},
      {"surplus percolates", 60, 30, 1.0, 0, 30},
      {"rain below the infiltration rate", 25, 30, 1.0, 5, 0},
      {"surplus refills the deeper soil, the rest percolates", 40, 10, 0.5, 0, 30},
      // Initial roots deeper than the maximum: nothing lacks below, the surplus percolates.
      {"initial roots below the maximum depth", 40, 10, 1.2, 0, 28},
  };
  for (const RainCase& c : cases) {
    SCOPED_TRACE(c.name);
    ws.rain.Data.DayRain[3][1] = c.rain;
    ws.soil.InitialDepletion = c.initialDepletion;
    ws.crop.RootDepth[2] = c.rootIni;
    for (int d = 1; d <= 2; ++d) cwr.DayETc[3][d] = 0;
    Run();
    EXPECT_DOUBLE_EQ(Row(1).Rain, c.rain);
    EXPECT_NEAR(Row(1).Deficit, c.deficit, 1e-12);
    EXPECT_DOUBLE_EQ(out.TotRain, c.rain);
    EXPECT_NEAR(out.TotRainLoss, c.rainLoss, 1e-12);
  }
}

TEST_F(DryScheduleTest, RainPartlyTakenByTheDeeperSoil) {
  // 0.5 m of roots over 1.0 m: 30 mm in the root zone, 30 mm deeper; 40 mm of 60 infiltrate.
  ws.rain.Data.DayRain[3][1] = 60;
  ws.soil.InitialDepletion = 60;
  ws.crop.RootDepth[2] = 0.5;
  cwr.DayETc[3][1] = 0;
  Run();
  EXPECT_DOUBLE_EQ(out.TotRainLoss, 20);  // the runoff only: the deeper soil took the surplus
  // 20 mm still lacking below: day 1 moves 1/19 of it into the root zone.
  EXPECT_NEAR(Row(1).Deficit, 20.0 / 19, 1e-12);
}

TEST_F(DryScheduleTest, DecadeRainFallsInHalvesOnDaysThreeAndSeven) {
  ws.session.RainKind = 2;
  ws.rain.Data.DecadeRain[3][1] = 40;
  ws.rain.Data.DecadeRain[3][2] = 10;
  Run();
  for (int z = 1; z <= 20; ++z) {
    const double expected = z == 3 || z == 7 ? 20 : z == 13 || z == 17 ? 5 : 0;
    EXPECT_EQ(Row(z).Rain, expected) << z;
  }
  EXPECT_DOUBLE_EQ(out.TotRain, 50);
}

TEST_F(DryScheduleTest, GrowingRootsTakeInTheDeeperDepletion) {
  ws.soil.InitialDepletion = 50;
  ws.crop.RootDepth[2] = 0.3;
  for (int d = 1; d <= 31; ++d) cwr.DayETc[3][d] = 0;
  Run();
  // Dr starts at 15 mm, 35 mm lack below; day z moves 1/(20 - z) of what is still below.
  for (int z : {1, 5, 10, 19, 20, 25}) {
    const double dr = 15 + 35.0 * (z < 19 ? z : 19) / 19;
    EXPECT_NEAR(Row(z).Deficit, dr, 1e-9) << z;
  }
  EXPECT_NEAR(out.DepletionCurve[9].TAM, (0.3 + 10 * 0.035) * 100, 1e-9);
  EXPECT_NEAR(out.DepletionCurve[24].TAM, 100, 1e-12);
  EXPECT_NEAR(out.DepletionCurve[24].RAM, 50, 1e-12);
}

TEST_F(DryScheduleTest, SoilDepthLimitsTheRoots) {
  ws.soil.MaxRootDepth = 60;
  ws.crop.RootDepth[2] = 0.3;
  ws.crop.RootDepth[3] = 1.2;
  Run();
  EXPECT_NEAR(out.DepletionCurve[0].TAM, (0.3 + 0.3 / 20) * 100, 1e-9);
  EXPECT_NEAR(out.DepletionCurve[19].TAM, 60, 1e-9);  // day 20, end of development
  EXPECT_NEAR(out.DepletionCurve[30].TAM, 60, 1e-12);
}

TEST_F(DryScheduleTest, RefillNeverLosesWaterAndFixedDepthsLoseTheSurplus) {
  ws.options.timopt = 4;  // every 10 days
  ws.options.applopt = 2;
  ws.soil.InitialDepletion = 40;
  ws.crop.RootDepth[2] = 0.5;
  Run();
  EXPECT_EQ(IrrigationDays(), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(out.TotIrrLoss, 0);
  for (int z : {10, 20, 30}) EXPECT_EQ(Row(z).Deficit, 0);

  ws.options.applopt = 4;
  ws.options.fixirridept = 90;
  ws.soil.InitialDepletion = 0;
  ws.crop.RootDepth[2] = 1.0;
  Run();
  // Day 10: Dr 50 mm, nothing lacking below the roots: 40 mm are lost.
  EXPECT_DOUBLE_EQ(Row(10).NetIrr, 90);
  EXPECT_DOUBLE_EQ(Row(10).Loss, 40);
  EXPECT_DOUBLE_EQ(Row(10).GrossIrr, 90 / 70.0 * 100);
  EXPECT_DOUBLE_EQ(Row(10).Deficit, 0);
  EXPECT_EQ(out.DepletionCurve[9].Dr, -40);  // the chart shows the surplus given
  EXPECT_DOUBLE_EQ(out.TotIrrLoss, 3 * 40);
  const DryScheduleSummary s = SummariseDrySchedule(out, 70);
  EXPECT_DOUBLE_EQ(s.TotalGrossIrrigation, 270 * 100 / 70.0);
  EXPECT_DOUBLE_EQ(s.EfficiencySchedule.value(), (270.0 - 120) / 270 * 100);
}

TEST_F(DryScheduleTest, FixedIntervalsFollowTheStageOfTheDay) {
  ws.options.timopt = 4;
  ws.options.timfixint[1] = 10;
  ws.options.timfixint[2] = 7;
  ws.options.timfixint[3] = 15;
  ws.options.timfixint[4] = 5;
  Stages(25, 10, 20, 10);
  Run();
  EXPECT_EQ(IrrigationDays(), (std::vector<int>{10, 20, 27, 34, 49, 56, 61}));
  EXPECT_EQ(out.IrrCount, 7);
  EXPECT_EQ(ws.events.IrrEventDay[5], 49);
  EXPECT_EQ(ws.events.IrrEventDay[8], MissingInt);
}

TEST_F(DryScheduleTest, IrrigationRestartsTheSumsAndEtcReductionWaitsForEt) {
  ws.options.timopt = 6;
  ws.options.applopt = 4;
  ws.options.fixirridept = 200;  // refills and more: Ks 1 again right after
  ws.soil.InitialDepletion = 60;
  cwr.DayETc[3][2] = 0;  // a day without ET
  Run();
  // Day 1 starts at Dr 60: Ks 0.8, so ETa falls 20 % short of ETc on day 1.
  ASSERT_FALSE(IrrigationDays().empty());
  EXPECT_EQ(IrrigationDays().front(), 1);
  EXPECT_EQ(Row(2).CumETc, 0);  // restarted, and no potential ET: no irrigation
  EXPECT_EQ(Row(2).NetIrr, 0);
  EXPECT_DOUBLE_EQ(Row(3).CumETc, 5);
  EXPECT_DOUBLE_EQ(Row(4).CumETc, 10);
}

TEST_F(DryScheduleTest, AdjustedScheduleReplaysTheEventList) {
  ws.options.timopt = 2;
  ws.options.applopt = 2;
  ws.session.ScheduleAdjusted = true;
  ws.events.IrrEventDay[1] = 4;
  ws.events.IrrEventDepth[1] = 12.5;
  ws.events.IrrEventDay[2] = 30;
  ws.events.IrrEventDepth[2] = 200;
  Run();
  EXPECT_EQ(IrrigationDays(), (std::vector<int>{4, 30}));
  EXPECT_EQ(Row(4).NetIrr, 12.5);
  EXPECT_EQ(Row(30).NetIrr, 200);
  EXPECT_EQ(ws.events.IrrEventDay[1], 4);
  EXPECT_EQ(ws.events.IrrEventDepth[2], 200);
  EXPECT_EQ(ws.events.IrrEventDay[3], MissingInt);
}

TEST_F(DryScheduleTest, MoreIrrigationsThanTheEventListHolds) {
  ws.options.timopt = 3;
  ws.options.deplram = 0;  // every day
  Stages(300, 300, 300, 300);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) cwr.DayETc[m][d] = 5;
  Run();
  EXPECT_EQ(out.ScheduleRowCount(), 1200);
  EXPECT_EQ(out.IrrCount, 1199);
  EXPECT_EQ(ws.events.IrrCount, 1199);
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], kMaxEvents);
  EXPECT_EQ(Row(1199).NetIrr, 5);
}

TEST_F(DryScheduleTest, MonthlyDataFromCheckToSchedule) {
  // Monthly ETo and rain: the check spreads them over decades, the schedule takes the decade
  // ETc of the crop water requirement and half of the decade rain on days 3 and 7.
  ws.session.EtoKind = 3;
  ws.session.RainKind = 3;
  for (DataKind k : {DataKind::Climate, DataKind::Rain, DataKind::Crop, DataKind::Soil})
    ws.session.StatusOf(k) = dsSaved;
  for (int m = 1; m <= 12; ++m) {
    ws.climate.MonthETo[m] = 5;
    ws.rain.Data.MonthRain[m] = 60;
  }
  TCropRecord& c = ws.crop;
  const int lengths[] = {0, 20, 30, 40, 25};
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = lengths[i];
  c.Kc[1] = 0.4;
  c.Kc[3] = 1.1;
  c.Kc[4] = 0.7;
  ws.session.PlantingDate = EncodeDate(1994, 3, 15);
  const DateSerial harvest = HarvestDate(c, ws.session.PlantingDate);
  ASSERT_TRUE(CwrDataOk(ws, true, false, c, ws.session.PlantingDate, harvest));
  ComputeCwr(ws);
  out = ComputeDrySchedule(ws);
  ASSERT_EQ(out.ScheduleRowCount(), 115);
  EXPECT_EQ(Row(115).Month, 7);
  EXPECT_EQ(Row(115).Day, 7);
  EXPECT_DOUBLE_EQ(Row(1).ETc, ws.cwr.DecadeETc[3][2]);
  EXPECT_DOUBLE_EQ(Row(7).ETc, ws.cwr.DecadeETc[3][3]);   // 21 March
  EXPECT_DOUBLE_EQ(Row(60).ETc, ws.cwr.DecadeETc[5][2]);  // 13 May
  EXPECT_DOUBLE_EQ(Row(3).Rain, 10);                      // 17 March
  // Rain days 17, 23, 27 March; six each in April, May, June; 3 and 7 July (the last day).
  EXPECT_NEAR(out.TotRain, 23 * 10, 1e-9);
}

TEST(DryScheduleSummary, RatiosAndYieldReductions) {
  DryScheduleResults r;
  r.TotNetIrr = 200;
  r.TotIrrLoss = 20;
  r.TotRain = 80;
  r.TotRainLoss = 30;
  r.FinalDr = 12;
  const double eta[] = {0, 18, 40, 90, 0};
  const double etc[] = {0, 20, 50, 100, 0};  // no ETc in stage D
  for (int s = 1; s <= 4; ++s) {
    r.StageETa[s] = eta[s];
    r.StageETc[s] = etc[s];
  }
  const DryScheduleSummary s = SummariseDrySchedule(r, 80);
  EXPECT_DOUBLE_EQ(s.TotalGrossIrrigation, 250);
  EXPECT_DOUBLE_EQ(s.EfficiencySchedule.value(), 90);
  EXPECT_DOUBLE_EQ(s.ActualWaterUse, 148);
  EXPECT_DOUBLE_EQ(s.PotentialWaterUse, 170);
  EXPECT_DOUBLE_EQ(s.DeficiencySchedule.value(), 100 - 148.0 / 170 * 100);
  EXPECT_DOUBLE_EQ(s.EffectiveRain, 50);
  EXPECT_DOUBLE_EQ(s.ActualIrrigationRequirement, 120);
  EXPECT_DOUBLE_EQ(s.EfficiencyRain.value(), 62.5);
  EXPECT_EQ(s.MoistureDeficitAtHarvest, 12);

  TCropRecord crop;
  const double ky[] = {0, 0.5, 2.0, 1.0, 0.8, 1.25};
  for (int i = 1; i <= 5; ++i) crop.YieldResponse[i] = ky[i];
  const YieldReductions y = ComputeYieldReductions(r, crop);
  EXPECT_NEAR(y.ReductionEtc[1].value(), 10, 1e-12);
  EXPECT_NEAR(y.YieldReduction[1].value(), 5, 1e-12);
  EXPECT_NEAR(y.YieldReduction[2].value(), 40, 1e-12);
  EXPECT_NEAR(y.YieldReduction[3].value(), 10, 1e-12);
  EXPECT_FALSE(y.ReductionEtc[4].has_value());
  EXPECT_FALSE(y.YieldReduction[4].has_value());
  EXPECT_NEAR(y.Cumulative[1].value(), 5, 1e-12);
  EXPECT_NEAR(y.Cumulative[2].value(), (1 - 0.95 * 0.6) * 100, 1e-12);
  EXPECT_NEAR(y.Cumulative[3].value(), (1 - 0.95 * 0.6 * 0.9) * 100, 1e-12);
  EXPECT_FALSE(y.Cumulative[4].has_value());
  EXPECT_NEAR(y.YieldReduction[5].value(), 1.25 * (1 - 148.0 / 170) * 100, 1e-12);
  EXPECT_EQ(y.YieldResponse[2], 2.0);
}

}  // namespace
}  // namespace vsk

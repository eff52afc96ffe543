#include <gtest/gtest.h>

#include <vector>

#include "schedule/riceseason.h"
#include "schedule/vskriceschedulecalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

// The short rice season of riceseason.h. The numbers of the first days are traced by hand in
// tests/data/schedule/rice_handcheck.py.
struct RiceCase {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  RiceEtcTables etc;
  RiceScheduleResult out;

  RiceCase() { test::SetUpShortRiceSeason(ws, etc); }

  // The same wet and dry ETc per decade in every month.
  void SetEtc(std::vector<double> wet, std::vector<double> dry) {
    for (int m = 1; m <= 12; ++m)
      for (int k = 1; k <= 3; ++k) {
        etc.EtcWet[m][k] = wet[k - 1];
        etc.EtcDry[m][k] = dry[k - 1];
      }
  }
  void SetStageEnds() {
    etc.StageEnd[1] = ws.crop.StageLength[1];
    for (int i = 2; i <= 4; ++i) etc.StageEnd[i] = etc.StageEnd[i - 1] + ws.crop.StageLength[i];
  }
  int L() const { return ws.crop.StageLength[6] == MissingInt ? 0 : ws.crop.StageLength[6]; }
  void Run() { RunRiceSchedule(ws, etc, out); }
  const RiceScheduleRow& Row(int day) const {
    return out.Rows.at(static_cast<size_t>(day + L() - 1));
  }
  // The chart point of a simulated day (point 0 is the initial state).
  const RiceChartPoint& Point(int day) const {
    return out.Points.at(static_cast<size_t>(day + L()));
  }
};

TEST(RiceBalance, HandCheckedShortSeason) {
  RiceCase t;
  t.Run();
  ASSERT_EQ(t.out.Rows.size(), 25u);    // 5 land-preparation days + 20 growing days
  ASSERT_EQ(t.out.Points.size(), 25u);  // the initial state + 24 simulated days
  EXPECT_TRUE(t.ui.shown.empty());

  const RiceChartPoint& p0 = t.out.Points[0];
  EXPECT_EQ(p0.DayNumber, -5);
  EXPECT_DOUBLE_EQ(p0.DeplSat, 60);  // porosity 30 % x 0.2 m x 10: at field capacity
  EXPECT_DOUBLE_EQ(p0.DeplSm, 15);   // 50 % of 0.2 m x 150 mm/m
  EXPECT_DOUBLE_EQ(p0.SatPuddle, 60);
  EXPECT_DOUBLE_EQ(p0.TamPuddle, 30);

  struct Expect {
    int day;
    char stage;
    double etc, perc, deplSm, deplSat, net, endSm, endSat;
    int puddle;
    double cumEta;
  };
  const Expect rows[] = {
      // Drained below FC: dry ETc, no percolation; the soaking irrigation saturates the
      // puddle layer and wets the soil to 0.3 m: 60 + 18 x 0.3 / 0.2.
      {-4, 'E', 3.0, 0, 18, 60, 87, 0, -9, 0, 3.0},
      // Flooded: wet ETc and the full percolation rate.
      {-3, 'E', 4.0, 8, 0, 3, 0, 0, 3, 0, 4.0},
      // At FC and partly saturated: interpolated ETc 4 - 1 x 3 / 60; 10 mm of decade rain.
      {-2, 'E', 3.95, 8, 0, 4.95, 0, 0, 4.95, 0, 7.95},
      // First puddling day: percolation (1 - 4.95/60) x 8; refill to 50 mm water depth.
      {-1, 'F', 3.9175, 7.34, 0, 16.2075, 66.2075, 0, -50, 0, 11.8675},
      // The puddle forms: rate 8 x exp(ln(2/8) / 2) = 4.
      {0, 'F', 4.0, 4, 0, -42, 0, 0, -42, 1, 4.0},
      // Main field: puddled rate 8^(1/3) = 2.
      {1, 'A', 4.0, 2, 0, -36, 0, 0, -36, 1, 8.0},
      {2, 'A', 5.0, 2, 0, -29, 0, 0, -29, 1, 13.0},
      {3, 'A', 5.0, 2, 0, -22, 0, 0, -22, 1, 18.0},
      {4, 'A', 5.0, 2, 0, -30, 0, 0, -30, 1, 23.0},    // 15 mm of rain on 13 March
      {10, 'B', 5.0, 2, 0, -3, 97, 0, -100, 1, 53.0},  // water depth <= 5 mm: refill to 100
      {11, 'C', 5.0, 2, 0, -93, 0, 0, -93, 1, 5.0},
      {19, 'D', 6.0, 2, 0, -29, 0, 0, -29, 1, 53.0},
  };
  for (const Expect& e : rows) {
    SCOPED_TRACE(e.day);
    const RiceScheduleRow& r = t.Row(e.day);
    EXPECT_EQ(r.DayNumber, e.day);
    EXPECT_EQ(r.Month, 3);
    EXPECT_EQ(r.Day, 9 + e.day);
    EXPECT_EQ(r.Stage, e.stage);
    EXPECT_NEAR(r.ETc, e.etc, 1e-12);
    EXPECT_EQ(r.Ks, 1.0);
    EXPECT_NEAR(r.ETa, e.etc, 1e-12);
    EXPECT_NEAR(r.Percolation, e.perc, 1e-12);
    EXPECT_NEAR(r.DeplSm, e.deplSm, 1e-12);
    EXPECT_NEAR(r.DeplSat, e.deplSat, 1e-12);
    EXPECT_NEAR(r.NetIrr, e.net, 1e-12);
    EXPECT_NEAR(r.GrossIrr, e.net / 70 * 100, 1e-12);
    EXPECT_EQ(r.Loss, 0);
    EXPECT_EQ(r.PuddleState, e.puddle);
    EXPECT_NEAR(r.CumETa, e.cumEta, 1e-12);
    EXPECT_NEAR(r.CumETc, e.cumEta, 1e-12);
    const RiceChartPoint& p = t.Point(e.day);
    EXPECT_EQ(p.DayNumber, e.day);
    EXPECT_NEAR(p.DeplSm, e.endSm, 1e-12);
    EXPECT_NEAR(p.DeplSat, e.endSat, 1e-12);
  }
  // Roots grow 0.03 m a day from 0.10 m and stop at the intact puddle (0.2 m).
  EXPECT_NEAR(t.Point(1).TamRootzone, 19.5, 1e-12);
  EXPECT_NEAR(t.Point(1).SatRootzone, 39, 1e-12);
  EXPECT_NEAR(t.Point(1).RamRootzone, 3.9, 1e-12);
  EXPECT_NEAR(t.Point(1).SatPuddle, 60, 1e-12);
  EXPECT_NEAR(t.Point(4).TamRootzone, 30, 1e-12);
  EXPECT_NEAR(t.Point(8).TamRootzone, 30, 1e-12);
  EXPECT_NEAR(t.Point(8).RamRootzone, 7.8, 1e-12);  // p 0.2 + 0.1 x 3/5 in development
  EXPECT_NEAR(t.Point(17).RamRootzone, 10.2, 1e-12);

  // The closing row of the harvest day (29 March).
  const RiceScheduleRow& last = t.out.Rows.back();
  EXPECT_EQ(last.DayNumber, 20);
  EXPECT_EQ(last.Day, 29);
  EXPECT_EQ(last.Stage, 'D');
  EXPECT_EQ(last.PuddleState, kPuddleOk);
  EXPECT_EQ(last.Ks, 1.0);
  EXPECT_EQ(last.DeplSm, 0);
  EXPECT_EQ(last.DeplSat, 0);
  EXPECT_EQ(last.ETc, 0);
  EXPECT_EQ(last.NetIrr, 0);

  const RiceTotals& tot = t.out.Totals;
  EXPECT_DOUBLE_EQ(tot.TotRain, 40);
  EXPECT_DOUBLE_EQ(tot.TotRainLoss, 0);
  EXPECT_NEAR(tot.TotNetIrr, 250.2075, 1e-9);
  EXPECT_NEAR(tot.TotPercolation, 65.34, 1e-9);
  EXPECT_NEAR(tot.StageETc[1], 24, 1e-12);  // 4 + 4 x 5: land preparation not included
  EXPECT_NEAR(tot.StageETc[3], 29, 1e-12);
  EXPECT_NEAR(tot.StageETc[4], 24, 1e-12);  // days 16..19; the harvest day has none
  EXPECT_EQ(tot.MoistDeficitAtHarvest, 0);

  EXPECT_EQ(t.out.IrrCount, 3);
  EXPECT_EQ(t.ws.events.IrrCount, 3);
  EXPECT_EQ(t.ws.events.IrrEventDay[1], -4);
  EXPECT_DOUBLE_EQ(t.ws.events.IrrEventDepth[1], 87);
  EXPECT_EQ(t.ws.events.IrrEventDay[2], -1);
  EXPECT_NEAR(t.ws.events.IrrEventDepth[2], 66.2075, 1e-12);
  EXPECT_EQ(t.ws.events.IrrEventDay[3], 10);
  EXPECT_EQ(t.ws.events.IrrEventDay[4], MissingInt);
}

TEST(RiceBalance, PuddleStatesForShortPuddling) {
  struct Case {
    int puddling;
    std::vector<int> states;  // days -2..3
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, 2, 2}},  // no puddling day: day 1 shows 0, later days 2
      {1, {0, 0, 0, 2, 2, 2}},  // day 0 is the only puddling day: the puddle never forms
      {2, {0, 0, 1, 1, 1, 1}},  // forms on day 0, the second puddling day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.puddling);
    RiceCase t;
    t.ws.crop.StageLength[6] = 3;
    t.ws.crop.StageLength[7] = c.puddling;
    t.Run();
    EXPECT_EQ(t.out.Rows.size(), 23u);
    for (int day = -2; day <= 3; ++day)
      EXPECT_EQ(t.Row(day).PuddleState, c.states[static_cast<size_t>(day + 2)]) << day;
    // Without a puddle the flooded main field percolates at the soil's full rate.
    if (c.puddling < 2) {
      EXPECT_EQ(t.Row(2).Percolation, 8);
      EXPECT_EQ(t.out.Rows.back().PuddleState, kPuddleBroken);
    }
    EXPECT_EQ(t.Row(0).Stage, c.puddling >= 1 ? 'F' : 'E');
  }
}

TEST(RiceBalance, SoilLimitsRootingDepth) {
  struct Case {
    int soilCm;
    double day1, day5, day12;  // TamRootzone, mm (150 mm/m)
  };
  const Case cases[] = {
      // 0.10 -> 0.30 m in 10 days: 0.02 m a day.
      {30, 0.12 * 150, 0.20 * 150, 0.30 * 150},
      // Soil shallower than the crop's initial depth: no growth, capped at once.
      {5, 0.05 * 150, 0.05 * 150, 0.05 * 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.soilCm);
    RiceCase t;
    t.ws.crop.StageLength[7] = 0;  // no puddle limiting the roots
    t.ws.soil.MaxRootDepth = c.soilCm;
    t.Run();
    EXPECT_NEAR(t.Point(1).TamRootzone, c.day1, 1e-9);
    EXPECT_NEAR(t.Point(5).TamRootzone, c.day5, 1e-9);
    EXPECT_NEAR(t.Point(12).TamRootzone, c.day12, 1e-9);
  }
}

TEST(RiceBalance, DecadeRainFallsOnThirdAndSeventhDay) {
  RiceCase t;
  // Planted on 26 February: land preparation from 21 February, across February's short
  // third decade.
  t.ws.session.PlantingDate = EncodeDate(1994, 2, 26);
  t.ws.rain.Data.DecadeRain[2][3] = 8;
  t.ws.rain.Data.DecadeRain[3][1] = 20;
  t.ws.rain.Data.DecadeRain[3][2] = 30;
  t.Run();
  double sum = 0;
  for (const RiceScheduleRow& r : t.out.Rows) {
    if (&r == &t.out.Rows.back()) break;
    double expected = 0;
    if (r.Month == 2 && (r.Day == 23 || r.Day == 27)) expected = 4;
    if (r.Month == 3 && (r.Day == 3 || r.Day == 7)) expected = 10;
    if (r.Month == 3 && (r.Day == 13 || r.Day == 17)) expected = 15;
    EXPECT_EQ(r.Rain, expected) << r.Month << "/" << r.Day;
    sum += r.Rain;
  }
  // The harvest day's rain (17 March) enters the totals, not the closing row.
  EXPECT_EQ(t.out.Rows.back().Day, 17);
  EXPECT_EQ(t.out.Rows.back().Rain, 0);
  EXPECT_DOUBLE_EQ(t.out.Totals.TotRain, sum + 15);

  // Daily rain data are taken day by day.
  RiceCase d;
  d.ws.session.RainKind = 1;
  for (auto& m : d.ws.rain.Data.DayRain)
    for (double& v : m) v = 0;
  d.ws.rain.Data.DayRain[3][6] = 12;
  d.Run();
  EXPECT_EQ(d.Row(-3).Rain, 12);
  EXPECT_EQ(d.Row(-2).Rain, 0);
  EXPECT_DOUBLE_EQ(d.out.Totals.TotRain, 12);
}

TEST(RiceBalance, DailyEtcTablesAreReadByDate) {
  RiceCase t;
  t.etc.Daily = true;
  for (int d = 1; d <= 31; ++d) {
    t.etc.EtcWet[3][d] = d / 10.0;
    t.etc.EtcDry[3][d] = d / 20.0;
  }
  t.Run();
  EXPECT_DOUBLE_EQ(t.Row(-4).ETc, 0.25);  // 5 March, drained below FC: dry
  EXPECT_DOUBLE_EQ(t.Row(-3).ETc, 0.6);   // 6 March, flooded: wet
  EXPECT_DOUBLE_EQ(t.Row(5).ETc, 1.4);
}

TEST(RiceBalance, FixedIntervalRestartsOnNegativeDepth) {
  RiceCase t;
  t.ws.options.ricetimopt = 6;
  for (int& v : t.ws.options.ricetfixedint) v = 3;
  t.ws.options.riceawd = 25;  // refill to 25 mm while more stands on the field
  t.Run();
  // The puddling irrigation on day -1 starts the interval: due on day 2, but the refill depth
  // 25 + (-29) is negative, so nothing is given and the interval restarts from day 2.
  EXPECT_EQ(t.Row(2).NetIrr, 0);
  EXPECT_EQ(t.Row(2).GrossIrr, 0);
  EXPECT_EQ(t.Row(3).NetIrr, 0);
  EXPECT_EQ(t.Row(4).NetIrr, 0);
  EXPECT_NEAR(t.Row(5).NetIrr, 25 - 23, 1e-12);
  // The counter counted the empty irrigation; the event list has no hole.
  EXPECT_EQ(t.ws.events.IrrEventDay[3], 5);
  int stored = 0, given = 0;
  for (int k = 1; k <= kMaxEvents && t.ws.events.IrrEventDay[k] != MissingInt; ++k) ++stored;
  for (const RiceScheduleRow& r : t.out.Rows)
    if (r.NetIrr != 0) ++given;
  EXPECT_EQ(stored, given);
  EXPECT_GT(t.out.IrrCount, stored);
}

TEST(RiceBalance, SoakingOnFirstDay) {
  struct Case {
    const char* name;
    int timing, application;
    bool replay;
    double day1Net;
  };
  const Case cases[] = {
      {"options", 2, 2, false, 87},
      {"fixed depth option", 2, 1, false, 87},  // the soaking rule comes first
      {"timing follows the event list", 10, 2, false, 0},
      {"depth follows the event list", 2, 10, false, 0},
      {"schedule fixed by the user", 2, 2, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RiceCase t;
    t.ws.options.prepuddlingtimopt = static_cast<byte>(c.timing);
    t.ws.options.prepuddlingapplopt = static_cast<byte>(c.application);
    if (c.replay) {
      t.ws.session.ScheduleAdjusted = true;
      t.ws.events.Clear();
      t.ws.events.IrrEventDay[1] = -3;
      t.ws.events.IrrEventDepth[1] = 40;
    }
    t.Run();
    EXPECT_DOUBLE_EQ(t.Row(-4).NetIrr, c.day1Net);
    if (c.replay) {
      EXPECT_DOUBLE_EQ(t.Row(-3).NetIrr, 40);
    }
  }
}

TEST(RiceBalance, AdjustedScheduleReplaysEvents) {
  RiceCase t;
  t.ws.session.ScheduleAdjusted = true;
  t.ws.events.Clear();
  const int days[] = {-2, 3, 12};
  const double depths[] = {30, 45.5, 0};
  for (int k = 0; k < 3; ++k) {
    t.ws.events.IrrEventDay[k + 1] = days[k];
    t.ws.events.IrrEventDepth[k + 1] = depths[k];
  }
  t.Run();
  for (const RiceScheduleRow& r : t.out.Rows) {
    double expected = 0;
    if (r.DayNumber == -2) expected = 30;
    if (r.DayNumber == 3) expected = 45.5;
    EXPECT_EQ(r.NetIrr, expected) << r.DayNumber;
  }
  EXPECT_EQ(t.out.IrrCount, 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(t.ws.events.IrrEventDay[k + 1], days[k]);
    EXPECT_EQ(t.ws.events.IrrEventDepth[k + 1], depths[k]);
  }
  EXPECT_EQ(t.ws.events.IrrEventDay[4], MissingInt);
}

TEST(RiceBalance, LongContinuousSupplyKeepsFirst370Events) {
  RiceCase t;
  for (int i = 1; i <= 4; ++i) t.ws.crop.StageLength[i] = 100;
  t.ws.crop.StageLength[5] = t.ws.crop.StageLength[6] = 30;
  t.SetStageEnds();
  t.ws.options.ricetimopt = 9;  // 9 mm every main-field day
  t.Run();
  ASSERT_EQ(t.out.Rows.size(), 430u);
  std::vector<const RiceScheduleRow*> irrigated;
  for (const RiceScheduleRow& r : t.out.Rows)
    if (r.NetIrr != 0) irrigated.push_back(&r);
  ASSERT_GT(irrigated.size(), 400u);
  EXPECT_EQ(t.out.IrrCount, static_cast<int>(irrigated.size()));
  for (int k = 1; k <= kMaxEvents; ++k) {
    EXPECT_EQ(t.ws.events.IrrEventDay[k], irrigated[static_cast<size_t>(k - 1)]->DayNumber);
    EXPECT_EQ(t.ws.events.IrrEventDepth[k], irrigated[static_cast<size_t>(k - 1)]->NetIrr);
  }
  EXPECT_EQ(t.Row(399).NetIrr, 9);
}

TEST(RiceBalance, SeasonDaysFollowThe365DayCalendar) {
  RiceCase t;
  for (int i = 1; i <= 4; ++i) t.ws.crop.StageLength[i] = 100;
  t.SetStageEnds();
  t.ws.session.PlantingDate = EncodeDate(1995, 3, 1);  // runs past February 1996
  t.Run();
  for (size_t i = 1; i < t.out.Rows.size(); ++i) {
    const RiceScheduleRow& a = t.out.Rows[i - 1];
    const RiceScheduleRow& b = t.out.Rows[i];
    EXPECT_EQ(DayOfYear(b.Month, b.Day), DayOfYear(a.Month, a.Day) % 365 + 1) << b.DayNumber;
    EXPECT_FALSE(b.Month == 2 && b.Day == 29);
  }
  EXPECT_EQ(t.Row(-4).Month, 2);
  EXPECT_EQ(t.Row(-4).Day, 24);
  EXPECT_EQ(t.out.Rows.back().Month, 4);  // 1 March + 399 days = 4 April of the next year
  EXPECT_EQ(t.out.Rows.back().Day, 4);
}

TEST(RiceBalance, MissingLandPreparationCountsAsNoDays) {
  RiceCase t;
  t.ws.crop.StageLength[6] = MissingInt;
  t.ws.crop.StageLength[7] = MissingInt;
  t.Run();
  ASSERT_EQ(t.out.Rows.size(), 20u);
  EXPECT_EQ(t.out.Points[0].DayNumber, 0);
  EXPECT_EQ(t.Row(1).Stage, 'A');
  EXPECT_EQ(t.Row(1).Day, 10);
  EXPECT_EQ(t.Row(1).ETc, 3.0);  // drained below FC at the start: dry ETc
  EXPECT_EQ(t.Row(1).PuddleState, kPuddleNotFormed);
}

TEST(RiceBalance, PuddleBreaksDuringLandPreparation) {
  RiceCase t;
  t.SetEtc({30, 30, 30}, {30, 30, 30});  // the field dries out within days
  t.ws.options.puddlingtimopt = 3;       // a code without a rule: no puddling irrigation
  t.Run();
  EXPECT_EQ(t.Row(-1).PuddleState, kPuddleNotFormed);
  EXPECT_GT(t.Row(0).DeplSm, 0);
  EXPECT_EQ(t.Row(0).PuddleState, kPuddleBroken);
  EXPECT_EQ(t.Row(0).Percolation, 0);  // drained to FC: nothing percolates
  EXPECT_EQ(t.Row(5).PuddleState, kPuddleBroken);
  EXPECT_EQ(t.ui.TextsOf("warning"),
            std::vector<std::string>{
                "Current scheduling settings causes puddle to break during land preparation"});
  // The same days in the land-preparation run of a crop water requirement: no warning.
  t.ui.Clear();
  std::vector<RiceScheduleRow> rows;
  RunLandPrepBalance(t.ws, t.ws.options, t.ws.crop, t.ws.session.PlantingDate, t.etc, rows);
  EXPECT_TRUE(t.ui.TextsOf("warning").empty());
  EXPECT_EQ(rows.back().PuddleState, kPuddleBroken);
}

// Without evapotranspiration the soaked field only percolates: the SAT layer of the 0.3 m
// puddle (90 mm) drains past the 30 mm of the 0.1 m root zone while the soil stays at field
// capacity. From day 5 (DeplSat 30.55 at its start; day 4 adds (1 - 29.196 / 90) x 2) every
// main-field day chooses its ETc with DeplSat above SatRootzone, the harvest day 20 included.
TEST(RiceBalance, EtcInterpolationBeyondTheRootZoneIsReported) {
  RiceCase t;
  t.ws.crop.PuddleDepth = 0.30;
  t.ws.crop.RootDepth[2] = t.ws.crop.RootDepth[3] = 0.10;
  t.ws.soil.InitialDepletion = 0;
  t.SetEtc({0, 0, 0}, {0, 0, 0});
  t.ws.rain.Data.DecadeRain[3][1] = t.ws.rain.Data.DecadeRain[3][2] = 0;
  t.ws.options.prepuddlingtimopt = 1;  // only the soaking on the first day
  t.ws.options.puddlingtimopt = 2;
  t.ws.options.puddletdesat = 100;
  t.ws.options.ricetimopt = 10;
  t.Run();
  EXPECT_NEAR(t.Point(3).DeplSat, 29.1959, 1e-4);
  EXPECT_NEAR(t.Point(4).DeplSat, 30.5471, 1e-4);
  EXPECT_NEAR(t.Point(19).DeplSat, 47.5600, 1e-4);
  EXPECT_EQ(t.ui.TextsOf("message"),
            std::vector<std::string>(
                16, "Error in ETc calc: deplSAT > potRootSAT while deplTAM still zero"));
}

TEST(RiceBalance, UserListsMustExistForUserOptions) {
  struct Case {
    int timing, application;
    bool haveDay, haveDepth;
    const char* message;  // nullptr: the run may start
  };
  const Case cases[] = {
      {1, 2, false, false, "No user timing set. No calculations possible"},
      {2, 1, false, false, "No user application set. No calculations possible"},
      {1, 1, true, false, "No user application set. No calculations possible"},
      {1, 1, true, true, nullptr},
      {2, 2, false, false, nullptr},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    ws.options.ricetimopt = static_cast<byte>(c.timing);
    ws.options.riceapplopt = static_cast<byte>(c.application);
    if (c.haveDay) ws.userTables.UserIrrDay[1] = 5;
    if (c.haveDepth) ws.userTables.UserIrrDepth[1] = 30;
    EXPECT_EQ(CheckRiceUserLists(ws), c.message == nullptr);
    if (c.message)
      EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{c.message});
    else
      EXPECT_TRUE(ui.shown.empty());
  }
}

TEST(RiceBalance, UserDefinedTimingAndDepths) {
  RiceCase t;
  // The k-th irrigation counts land preparation too: 2 there, so the main field starts with
  // entry 3. Entry 4 has no depth and repeats the previous user-defined one.
  t.ws.options.ricetimopt = 1;
  t.ws.options.riceapplopt = 1;
  const int days[] = {1, 2, 6, 9};
  const int depths[] = {11, 22, 33, MissingInt};
  for (int k = 0; k < 4; ++k) {
    t.ws.userTables.UserIrrDay[k + 1] = days[k];
    t.ws.userTables.UserIrrDepth[k + 1] = depths[k];
  }
  t.Run();
  EXPECT_EQ(t.Row(6).NetIrr, 33);
  EXPECT_EQ(t.Row(9).NetIrr, 33);
  int mainFieldIrrigations = 0;
  for (const RiceScheduleRow& r : t.out.Rows)
    if (r.DayNumber >= 1 && r.NetIrr != 0) ++mainFieldIrrigations;
  EXPECT_EQ(mainFieldIrrigations, 2);
  EXPECT_EQ(t.out.LastUserDepth, 33);
}

TEST(RiceBalance, SummaryOfTotalsAndYieldReductions) {
  RiceScheduleResult r;
  RiceTotals& t = r.Totals;
  t.TotRain = 40;
  t.TotRainLoss = 10;
  t.TotNetIrr = 140;
  t.TotIrrLoss = 14;
  t.TotPercolation = 55;
  t.MoistDeficitAtHarvest = 7;
  const double eta[5] = {0, 20, 0, 45, 18};
  const double etc[5] = {0, 25, 0, 50, 20};  // stage B without ETc
  for (int k = 1; k <= 4; ++k) {
    t.StageETa[k] = eta[k];
    t.StageETc[k] = etc[k];
  }
  TCropRecord crop;
  const double ky[6] = {0, 1.0, 0.8, 1.2, 0.6, 1.1};
  for (int i = 1; i <= 5; ++i) crop.YieldResponse[i] = ky[i];
  Options o;
  const RiceScheduleSummary s = SummariseRiceSchedule(r, crop, o);
  EXPECT_DOUBLE_EQ(s.TotalGrossIrr, 200);
  EXPECT_DOUBLE_EQ(s.EffectiveRain, 30);
  EXPECT_DOUBLE_EQ(s.ActualWaterUse, 83);
  EXPECT_DOUBLE_EQ(s.PotentialWaterUse, 95);
  EXPECT_DOUBLE_EQ(s.ActualIrrReq, 95 - 40 + 10);
  EXPECT_DOUBLE_EQ(s.EfficiencyIrrPercent, 90);
  EXPECT_DOUBLE_EQ(s.EfficiencyRainPercent, 75);
  EXPECT_NEAR(s.DeficiencyIrrPercent, 100 - 83.0 / 95 * 100, 1e-12);
  EXPECT_DOUBLE_EQ(s.MoistDeficitAtHarvest, 7);
  EXPECT_NEAR(s.EtcReductionPercent[1], 20, 1e-12);
  EXPECT_NEAR(s.YieldReductionPercent[1], 20, 1e-12);
  EXPECT_NEAR(s.CumYieldReductionPercent[1], 20, 1e-12);
  EXPECT_EQ(s.EtcReductionPercent[2], MissingReal);
  EXPECT_EQ(s.YieldReductionPercent[2], MissingReal);
  EXPECT_EQ(s.CumYieldReductionPercent[2], MissingReal);
  EXPECT_NEAR(s.YieldReductionPercent[3], 1.2 * 10, 1e-12);
  EXPECT_EQ(s.CumYieldReductionPercent[3], MissingReal);  // "-" from stage B on
  EXPECT_EQ(s.CumYieldReductionPercent[4], MissingReal);
  EXPECT_NEAR(s.YieldReductionPercent[5], 1.1 * (1 - 83.0 / 95) * 100, 1e-12);
  EXPECT_DOUBLE_EQ(s.YieldResponse[4], 0.6);

  // Nothing given, no rain, no ETc: every ratio is undefined.
  const RiceScheduleSummary e = SummariseRiceSchedule(RiceScheduleResult(), crop, o);
  EXPECT_EQ(e.EfficiencyIrrPercent, MissingReal);
  EXPECT_EQ(e.EfficiencyRainPercent, MissingReal);
  EXPECT_EQ(e.DeficiencyIrrPercent, MissingReal);
  EXPECT_EQ(e.YieldReductionPercent[5], MissingReal);
}

}  // namespace
}  // namespace vsk

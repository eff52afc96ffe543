// Crop water requirements: the season pass, its decade rows, the rain halves and the climate
// correction of Kc.
#include <gtest/gtest.h>

#include <cmath>

#include "core/vskworkspace.h"
#include "cwr/vskcwrcalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

DateSerial Date(int day, int month) {
  return EncodeDate(1994, month, day);
}

TCropRecord DryCrop(int l1, int l2, int l3, int l4, double kc1, double kc3, double kc4) {
  TCropRecord c;
  c.CropName = "Test crop";
  c.StageLength[1] = l1;
  c.StageLength[2] = l2;
  c.StageLength[3] = l3;
  c.StageLength[4] = l4;
  c.Kc[1] = kc1;
  c.Kc[3] = kc3;
  c.Kc[4] = kc4;
  return c;
}

class CwrTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.session.EtoKind = 2;  // decade Penman-Monteith data, held in mm/day
    for (int m = 1; m <= 12; ++m)
      for (int k = 1; k <= 3; ++k) {
        ws.climate.DecadeETo[m][k] = 5.0;
        ws.rain.Data.DecadeEffRain[m][k] = 20.0;
      }
  }
  void UseDailyETo(int kind) {
    ws.session.EtoKind = static_cast<byte>(kind);
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= MonthLength(m); ++d) ws.climate.DayETo[m][d] = 4.0 + d / 100.0;
  }

  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  CwrResults r;
};

TEST_F(CwrTest, FortyDaySeasonGivesFiveDecadeRows) {
  ComputeCwr(ws, DryCrop(10, 10, 10, 10, 0.4, 1.1, 0.6), Date(5, 1), r);

  struct Row {
    int month, decade, days, lastDay, dayNumber;
    const char* stage;
    double kc, etc, irrReq;
  };
  // Init days have Kc 0.4; development rises by 0.07 a day from 0.47 (day 11) to 1.1 (day 20);
  // the late stage falls by 0.05 a day from 1.05 (day 31) to 0.6 (day 40).
  const Row expected[] = {
      {1, 1, 6, 10, 6, "Init", 0.4, 2.0, 6 * 2.0 - 10},  // only the half of day 7
      {1, 2, 10, 20, 16, "Deve", 0.547, 2.735, 27.35 - 20},
      {1, 3, 11, 31, 27, "Mid", (0.89 + 0.96 + 1.03 + 1.1 + 7 * 1.1) / 11,
       5 * (0.89 + 0.96 + 1.03 + 1.1 + 7 * 1.1) / 11, 5 * (0.89 + 0.96 + 1.03 + 1.1 + 7.7) - 20},
      {2, 1, 10, 10, 37, "Late", (3 * 1.1 + 1.05 + 1.0 + 0.95 + 0.9 + 0.85 + 0.8 + 0.75) / 10,
       (3 * 1.1 + 1.05 + 1.0 + 0.95 + 0.9 + 0.85 + 0.8 + 0.75) / 2,
       5 * (3 * 1.1 + 1.05 + 1.0 + 0.95 + 0.9 + 0.85 + 0.8 + 0.75) - 20},
      {2, 2, 3, 13, 40, "Late", 0.65, 3.25, 0},  // 9.75 mm ETc against a 10 mm rain half
  };
  ASSERT_EQ(r.CwrRowCount(), 5);
  for (int i = 0; i < 5; ++i) {
    const TCwrRow& row = r.CwrRows[static_cast<size_t>(i)];
    const Row& e = expected[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(row.Month, e.month);
    EXPECT_EQ(row.Decade, e.decade);
    EXPECT_EQ(row.SeasonDays, e.days);
    EXPECT_EQ(row.LastDay, e.lastDay);
    EXPECT_EQ(row.DayNumber, e.dayNumber);
    EXPECT_EQ(row.Stage, e.stage);
    EXPECT_EQ(row.AreaPercent, 100);
    EXPECT_NEAR(r.DecadeKc[e.month][e.decade], e.kc, 1e-12);
    EXPECT_NEAR(r.DecadeETc[e.month][e.decade], e.etc, 1e-12);
    EXPECT_NEAR(r.DecadeIrrReq[e.month][e.decade], e.irrReq, 1e-12);
  }
  EXPECT_EQ(r.StageEnd[1], 10);
  EXPECT_EQ(r.StageEnd[4], 40);
  EXPECT_EQ(r.DecadeETc[2][3], MissingReal);  // outside the season
  EXPECT_EQ(r.DecadeIrrReq[2][3], 0);
  // Decade data: no per-day values survive the run.
  EXPECT_EQ(r.DayKc[1][5], MissingReal);
  EXPECT_EQ(r.DayETc[1][5], MissingReal);
}

TEST_F(CwrTest, PlantingOnDayEightOfADecadeGetsNoRainInItsFirstDecade) {
  ComputeCwr(ws, DryCrop(10, 10, 10, 10, 0.4, 1.1, 0.6), Date(18, 3), r);
  ASSERT_GE(r.CwrRowCount(), 1);
  EXPECT_EQ(r.CwrRows[0].SeasonDays, 3);
  EXPECT_NEAR(r.DecadeIrrReq[3][2], 3 * 5 * 0.4, 1e-12);
  // A season covering days 4 to 7 of a decade gets the half of day 7 only.
  ComputeCwr(ws, DryCrop(2, 1, 1, 0, 0.4, 1.1, 0.6), Date(4, 3), r);
  ASSERT_EQ(r.CwrRowCount(), 1);
  EXPECT_NEAR(r.DecadeIrrReq[3][1], 5 * (0.4 + 0.4 + 1.1 + 1.1) - 10, 1e-12);
}

TEST_F(CwrTest, SeasonAcrossTheYearEnd) {
  ComputeCwr(ws, DryCrop(10, 10, 10, 10, 0.4, 1.1, 0.6), Date(20, 12), r);
  const int months[] = {12, 12, 1, 1, 1};
  const int decades[] = {2, 3, 1, 2, 3};
  const int days[] = {1, 11, 10, 10, 8};
  ASSERT_EQ(r.CwrRowCount(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(r.CwrRows[static_cast<size_t>(i)].Month, months[i]);
    EXPECT_EQ(r.CwrRows[static_cast<size_t>(i)].Decade, decades[i]);
    EXPECT_EQ(r.CwrRows[static_cast<size_t>(i)].SeasonDays, days[i]);
  }
  EXPECT_EQ(r.CwrRows[4].LastDay, 28);
  EXPECT_EQ(r.CwrRows[4].DayNumber, 40);
}

TEST_F(CwrTest, SeasonLongerThanAYearKeepsOneRowPerDecadePassed) {
  UseDailyETo(1);
  ComputeCwr(ws, DryCrop(100, 100, 100, 100, 0.4, 1.2, 0.5), Date(1, 1), r);
  // 1 January to 4 February of the next year: 36 decades, then 3 of January and 4 days.
  ASSERT_EQ(r.CwrRowCount(), 40);
  EXPECT_EQ(r.CwrRows[36].Month, 1);
  EXPECT_EQ(r.CwrRows[36].Decade, 1);
  EXPECT_EQ(r.CwrRows[39].SeasonDays, 4);
  EXPECT_EQ(r.CwrRows[39].DayNumber, 400);
  // The second pass over 1 January (day 366, late stage) wins.
  EXPECT_NEAR(r.DayKc[1][1], 1.2 + (0.5 - 1.2) * 66 / 100.0, 1e-12);
  EXPECT_NEAR(r.DayKc[2][4], 0.5, 1e-12);
  EXPECT_EQ(r.DayKc[2][5], 0.4);  // 5 February is day 36, only passed in the first year
}

TEST_F(CwrTest, DailyEToKeepsDailyValues) {
  for (int kind : {1, 4}) {
    UseDailyETo(kind);
    ComputeCwr(ws, DryCrop(10, 10, 10, 10, 0.4, 1.1, 0.6), Date(5, 1), r);
    SCOPED_TRACE(kind);
    EXPECT_NEAR(r.DayETc[1][5], 4.05 * 0.4, 1e-12);
    EXPECT_NEAR(r.DayKc[1][25], 1.1, 1e-12);
    EXPECT_NEAR(r.DayETc[2][13], 4.13 * 0.6, 1e-12);
    EXPECT_EQ(r.DayETc[1][4], MissingReal);
    EXPECT_EQ(r.DayETc[2][14], MissingReal);
    EXPECT_NEAR(r.DecadeETc[2][2], (4.11 * 0.7 + 4.12 * 0.65 + 4.13 * 0.6) / 3, 1e-12);
  }
}

TEST_F(CwrTest, EToHeldPerPeriodIsTakenPerDayAndLeftAsItWas) {
  ws.options.etoasmmday = false;
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k) ws.climate.DecadeETo[m][k] = 5.0 * DecadeLength(m, k);
  ComputeCwr(ws, DryCrop(10, 10, 10, 10, 0.4, 1.1, 0.6), Date(15, 2), r);
  // The third decade of February has 8 days: 40 mm is 5 mm/day.
  EXPECT_NEAR(r.DecadeETc[2][2], 5 * 0.4, 1e-12);
  EXPECT_NEAR(r.DecadeETc[2][3], 5 * (4 * 0.4 + 0.47 + 0.54 + 0.61 + 0.68) / 8, 1e-12);
  EXPECT_EQ(ws.climate.DecadeETo[2][3], 40.0);
}

TEST_F(CwrTest, LateStageKcNeverBelowEndKc) {
  UseDailyETo(1);
  ComputeCwr(ws, DryCrop(5, 5, 5, 5, 0.3, 0.8, 1.0), Date(1, 6), r);  // Kc end above Kc mid
  for (int d = 16; d <= 20; ++d) EXPECT_EQ(r.DayKc[6][d], 1.0) << d;
}

TEST_F(CwrTest, RiceWithDirectSowingStartsWithLandPreparation) {
  ws.session.CropIsDry = false;
  UseDailyETo(1);
  TCropRecord rice = DryCrop(10, 10, 10, 10, 1.05, 1.2, 0.9);
  rice.DirectSowing = true;
  rice.StageLength[6] = 20;
  rice.StageLength[7] = 5;
  rice.Kc[6] = 1.1;
  ComputeCwr(ws, rice, Date(21, 5), r);
  EXPECT_EQ(r.RiceLandPrepDays, 20);
  EXPECT_EQ(r.RicePuddlingDays, 5);
  ASSERT_GE(r.CwrRowCount(), 2);
  EXPECT_EQ(r.CwrRows[0].Month, 5);
  EXPECT_EQ(r.CwrRows[0].Decade, 1);  // 1 May is day -19
  EXPECT_EQ(r.CwrRows[0].DayNumber, -10);
  EXPECT_EQ(r.CwrRows[0].Stage, "LandPrep");
  EXPECT_EQ(r.CwrRows[1].DayNumber, 0);
  EXPECT_EQ(r.CwrRows[1].Stage, "LandPrep");
  EXPECT_EQ(r.CwrRows[1].AreaPercent, 100);
  EXPECT_EQ(r.CwrRows[2].DayNumber, 11);  // planting day 1 to 31 May
  EXPECT_EQ(r.CwrRows[2].Stage, "Deve");
  EXPECT_NEAR(r.DayETc[5][1], 4.01 * 1.1, 1e-12);
  EXPECT_NEAR(r.DayKc[5][21], 1.05, 1e-12);
}

TEST_F(CwrTest, TransplantedRiceHasNurseryAndNurseryWithLandPreparation) {
  ws.session.CropIsDry = false;
  UseDailyETo(1);
  TCropRecord rice = DryCrop(10, 10, 10, 10, 1.05, 1.2, 0.9);
  rice.StageLength[5] = 30;
  rice.StageLength[6] = 20;
  rice.StageLength[7] = 5;
  rice.Kc[5] = 1.2;
  rice.Kc[6] = 1.0;
  rice.NurseryArea = 10;
  ComputeCwr(ws, rice, Date(31, 5), r);  // day -29 is 1 May
  EXPECT_EQ(r.RiceNurseryOnlyDays, 10);
  ASSERT_GE(r.CwrRowCount(), 3);
  EXPECT_EQ(r.CwrRows[0].Stage, "Nurs");  // days -29 to -20
  EXPECT_EQ(r.CwrRows[0].DayNumber, -20);
  EXPECT_EQ(r.CwrRows[0].AreaPercent, 10);
  EXPECT_EQ(r.CwrRows[1].Stage, "Nurs/LPr");
  EXPECT_EQ(r.CwrRows[1].AreaPercent, 100);
  EXPECT_NEAR(r.DayETc[5][1], 4.01 * 1.2 * 0.1, 1e-12);
  EXPECT_NEAR(r.DayKc[5][11], 0.1 * 1.2 + 0.9 * 1.0, 1e-12);
  EXPECT_NEAR(r.DayKc[5][31], 1.05, 1e-12);
}

TEST_F(CwrTest, ResultsDoNotDependOnTheYearOfTheDateSerial) {
  // A rice season of 20 land-preparation days before 10 March starts on 18 February in the year
  // of 365 days, whatever the year of the planting date (2028 has a 29 February).
  ws.session.CropIsDry = false;
  UseDailyETo(1);
  TCropRecord rice = DryCrop(10, 10, 10, 10, 1.05, 1.2, 0.9);
  rice.DirectSowing = true;
  rice.StageLength[6] = 20;
  rice.Kc[6] = 1.1;
  CwrResults r1994, r2028;
  ComputeCwr(ws, rice, Date(10, 3), r1994);
  ComputeCwr(ws, rice, EncodeDate(2028, 3, 10), r2028);
  ASSERT_GE(r2028.CwrRowCount(), 2);
  EXPECT_EQ(r2028.CwrRows[0].Month, 2);
  EXPECT_EQ(r2028.CwrRows[0].Decade, 2);
  EXPECT_EQ(r2028.CwrRows[0].SeasonDays, 3);  // 18 to 20 February
  EXPECT_EQ(r2028.CwrRows[0].DayNumber, -17);
  ASSERT_EQ(r2028.CwrRowCount(), r1994.CwrRowCount());
  for (size_t i = 0; i < r1994.CwrRows.size(); ++i) {
    SCOPED_TRACE(i);
    const TCwrRow &a = r1994.CwrRows[i], &b = r2028.CwrRows[i];
    EXPECT_EQ(a.Month, b.Month);
    EXPECT_EQ(a.Decade, b.Decade);
    EXPECT_EQ(a.SeasonDays, b.SeasonDays);
    EXPECT_EQ(a.DayNumber, b.DayNumber);
    EXPECT_EQ(r1994.DecadeETc[a.Month][a.Decade], r2028.DecadeETc[b.Month][b.Decade]);
  }
}

// ---- climate correction of Kc ----

class KcCorrectionTest : public CwrTest {
 protected:
  TCropRecord crop = DryCrop(20, 20, 40, 30, 0.4, 1.15, 0.7);
};

TEST_F(KcCorrectionTest, NoCropHeightTakesTheCropValues) {
  for (int kind = 1; kind <= 6; ++kind) {
    ws.session.EtoKind = static_cast<byte>(kind);
    TCropRecord c = crop;
    CorrectKcForClimate(ws, c, Date(1, 1), KcStage::LateSeason);
    EXPECT_EQ(c.Kc[7], 1.15);
    EXPECT_EQ(c.Kc[8], 0.7);
  }
}

TEST_F(KcCorrectionTest, MeasuredEToAndThreeMetreCropAddATenth) {
  crop.CropHeight = 3;
  for (int kind = 4; kind <= 6; ++kind) {
    ws.session.EtoKind = static_cast<byte>(kind);
    TCropRecord c = crop;
    CorrectKcForClimate(ws, c, Date(1, 1), KcStage::MidSeason);
    EXPECT_NEAR(c.Kc[7], 1.25, 1e-12) << kind;
  }
}

TEST_F(KcCorrectionTest, MonthlyDataWithinOneMonthUseThatMonth) {
  ws.session.EtoKind = 3;
  crop = DryCrop(5, 5, 10, 10, 0.4, 1.15, 0.7);  // mid-season 11 to 20 June
  crop.CropHeight = 3;
  ws.climate.Data.Month[6].Wind = 172.8;  // km/day = 2 m/s
  ws.climate.Data.Month[6].TMin = 15;
  ws.climate.Data.Month[6].TMax = 30;
  CorrectKcForClimate(ws, crop, Date(1, 6), KcStage::MidSeason);
  // RHmin = 100 e°(15) / e°(30) = 40.19 %
  EXPECT_NEAR(crop.Kc[7], 1.15 + 0.01923449595990482, 1e-12);
}

TEST_F(KcCorrectionTest, MonthlyDataAcrossMonthsAreWeightedByDays) {
  ws.session.EtoKind = 3;
  crop.CropHeight = 2;
  ws.climate.Data.Month[2] = {10, 25, MissingReal, MissingReal, MissingReal, 100, MissingReal};
  ws.climate.Data.Month[3] = {14, 28, MissingReal, MissingReal, MissingReal, 200, MissingReal};
  // Mid-season of 40 days from 10 February: 19 days of February and 21 of March.
  CorrectKcForClimate(ws, crop, Date(1, 1), KcStage::MidSeason);
  EXPECT_NEAR(crop.Kc[7], 1.1572049771414317, 1e-12);
}

TEST_F(KcCorrectionTest, DecadeDataWrapOverTheYearEnd) {
  ws.session.EtoKind = 2;
  crop = DryCrop(10, 10, 10, 20, 0.4, 1.15, 0.7);  // late season 25 December to 13 January
  crop.CropHeight = 3;
  auto set = [&](int m, int k, double wind) {
    ws.climate.Data.Decade[m][k].Wind = wind;
    ws.climate.Data.Decade[m][k].TMin = ws.climate.Data.Decade[m][k].TMax = 20;  // RHmin 100
  };
  set(12, 3, 100);  // 7 of the 20 days
  set(1, 1, 200);   // 10 days
  set(1, 2, 300);   // 3 days
  CorrectKcForClimate(ws, crop, Date(25, 11), KcStage::LateSeason);
  const double u2 = (7.0 / 20 * 100 + 10.0 / 20 * 200 + 3.0 / 20 * 300) / 86.4;
  EXPECT_NEAR(crop.Kc[8], 0.7 + 0.04 * (u2 - 2) - 0.004 * 55, 1e-12);
}

TEST_F(KcCorrectionTest, DailyDataTakeTheMeanOfTheStageDays) {
  ws.session.EtoKind = 1;
  ws.options.windaskmday = false;              // wind held in m/s
  crop = DryCrop(2, 2, 4, 4, 0.4, 1.15, 0.7);  // mid-season 5 to 8 March
  crop.CropHeight = 3;
  for (int d = 1; d <= 31; ++d) {
    ws.climate.Data.Day[3][d].TMin = ws.climate.Data.Day[3][d].TMax = 10;
    ws.climate.Data.Day[3][d].Wind = d >= 5 && d <= 8 ? d - 3 : 50;  // 2, 3, 4, 5 m/s
  }
  CorrectKcForClimate(ws, crop, Date(1, 3), KcStage::MidSeason);
  EXPECT_NEAR(crop.Kc[7], 1.15 + 0.04 * (3.5 - 2) - 0.004 * 55, 1e-12);
}

TEST_F(KcCorrectionTest, StagePeriodsAreCountedInTheYearOf365Days) {
  // Planted on 1 December 1994, the mid-season starts 455 days later: on 1 March 1996 in the
  // system's calendar (the serials would give 29 February, a day no table holds).
  ws.session.EtoKind = 1;
  ws.options.windaskmday = false;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= MonthLength(m); ++d) {
      TClimatePeriod& p = ws.climate.Data.Day[m][d];
      p.TMin = p.TMax = 20;                // RHmin 100 %
      p.Wind = m == 3 && d <= 10 ? 3 : 9;  // the ten stage days: 3 m/s
    }
  crop = DryCrop(300, 155, 10, 10, 0.4, 1.15, 0.7);
  crop.CropHeight = 3;
  CorrectKcForClimate(ws, crop, Date(1, 12), KcStage::MidSeason);
  EXPECT_NEAR(crop.Kc[7], 1.15 + 0.04 * (3 - 2) - 0.004 * (100 - 45), 1e-12);
}

TEST_F(CwrTest, EndKcOfAtMostFortyFiveHundredthsIsNotCorrected) {
  UseDailyETo(4);  // measured ETo: the correction is +0.1 for a 3 m crop
  for (double kcEnd : {0.45, 0.46}) {
    TCropRecord c = DryCrop(10, 10, 10, 10, 0.4, 1.1, kcEnd);
    c.CropHeight = 3;
    ComputeCwr(ws, c, Date(1, 4), r);
    SCOPED_TRACE(kcEnd);
    EXPECT_NEAR(r.DayKc[4][25], 1.2, 1e-12);  // mid-season, corrected
    if (kcEnd == 0.45)
      EXPECT_EQ(r.DayKc[5][10], 0.45);  // the last day: exactly the crop's value
    else
      EXPECT_NEAR(r.DayKc[5][10], 0.56, 1e-12);
  }
}

}  // namespace
}  // namespace vsk

#include <gtest/gtest.h>

#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

class RainRecalc : public ::testing::Test {
 protected:
  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TRainData& r = ws.rain.Data;
};

TEST_F(RainRecalc, MonthlyTable) {
  ws.session.RainKind = 3;
  ws.options.ermethod = 2;
  r.MonthRain[1] = 100;
  r.MonthRain[2] = 10;
  r.MonthEffRain[3] = 99;  // stale: its month has no rain
  RecomputeRain(ws);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[1], 56);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[2], 0);
  EXPECT_EQ(r.MonthEffRain[3], MissingReal);
  EXPECT_DOUBLE_EQ(ws.rain.TotalRain, 110);
  EXPECT_DOUBLE_EQ(ws.rain.TotalEffRain, 56);

  // Emptying a month after an edit.
  r.MonthRain[1] = MissingReal;
  RecomputeRainMonth(ws, 1);
  EXPECT_EQ(r.MonthEffRain[1], MissingReal);
  EXPECT_DOUBLE_EQ(ws.rain.TotalRain, 10);
  EXPECT_DOUBLE_EQ(ws.rain.TotalEffRain, 0);
}

TEST_F(RainRecalc, DecadeTableFillsEffectiveRainOnlyForCompleteMonths) {
  ws.session.RainKind = 2;
  ws.options.ermethod = 2;
  r.DecadeRain[4][1] = 30;
  r.DecadeRain[4][2] = 30;
  RecomputeRainMonth(ws, 4);
  EXPECT_DOUBLE_EQ(r.MonthRain[4], 60);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(r.DecadeEffRain[4][k], MissingReal);
  EXPECT_EQ(r.MonthEffRain[4], MissingReal);
  EXPECT_DOUBLE_EQ(ws.rain.TotalRain, 60);
  EXPECT_EQ(ws.rain.TotalEffRain, MissingReal);

  r.DecadeRain[4][3] = 0;
  RecomputeRainMonth(ws, 4);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[4][1], 16);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[4][3], 0);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[4], 32);
  EXPECT_DOUBLE_EQ(ws.rain.TotalEffRain, 32);
}

TEST_F(RainRecalc, DailyTableEmptyingOneDay) {
  ws.session.RainKind = 1;
  ws.options.ermethod = 1;
  ws.options.erfixperc = 50;
  ClearRain(ws);
  for (int m = 2; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) r.DayRain[m][d] = MissingReal;
  for (int d = 1; d <= 31; ++d) r.DayRain[1][d] = 2;
  RecomputeRain(ws);
  EXPECT_DOUBLE_EQ(r.DecadeRain[1][3], 22);
  EXPECT_DOUBLE_EQ(r.MonthRain[1], 62);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[1], 31);
  EXPECT_DOUBLE_EQ(ws.rain.TotalEffRain, 31);

  r.DayRain[1][25] = MissingReal;
  RecomputeRainMonth(ws, 1);
  EXPECT_DOUBLE_EQ(r.MonthRain[1], 60);
  EXPECT_EQ(r.DecadeRain[1][3], MissingReal);
  EXPECT_EQ(r.MonthEffRain[1], MissingReal);
  EXPECT_DOUBLE_EQ(ws.rain.TotalRain, 60);
  EXPECT_EQ(ws.rain.TotalEffRain, MissingReal);
}

TEST_F(RainRecalc, NewDailyDataComputeFromZeros) {
  ws.session.RainKind = 1;
  ws.options.ermethod = 4;
  ClearRain(ws);
  RecomputeRain(ws);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(r.MonthRain[m], 0.0);
    EXPECT_EQ(r.MonthEffRain[m], 0.0);
  }
  EXPECT_EQ(ws.rain.TotalRain, 0.0);
  EXPECT_EQ(ws.rain.TotalEffRain, 0.0);
}

}  // namespace
}  // namespace vsk

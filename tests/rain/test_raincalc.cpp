#include <gtest/gtest.h>

#include "rain/vskraincalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

struct EffCase {
  int method;
  int n;
  double rain;
  double expected;
};

TEST(EffectiveRain, FormulasOfEveryMethod) {
  const EffCase cases[] = {
      {2, 1, 70, 32},   // threshold takes the lower branch
      {2, 1, 100, 56},  // 0.8 * 100 - 24
      {2, 1, 10, 0},    // 0.6 * 10 - 10 = -4 becomes 0
      {2, 3, 30, 16},   // 0.8 * 30 - 24/3
      {2, 3, 20, 0.6 * 20 - 10.0 / 3},
      {4, 1, 250, 150},           // 250 * (125 - 50) / 125
      {4, 1, 300, 155},           // 125 + 30
      {4, 3, 90, 125.0 / 3 + 9},  // above 250/3
      {4, 3, 50, 50 * (125 - 0.6 * 50) / 125},
      {1, 1, 50, 40},  // 80 %
      {1, 3, 12.5, 10},
      {3, 1, 40, 15},             // 0.5 * 40 - 5
      {3, 1, 60, 62},             // 0.7 * 60 + 20
      {3, 1, 50, 20},             // on the threshold: lower branch (upper would give 55)
      {3, 1, 8, 0},               // 0.5 * 8 - 5 < 0
      {3, 3, 10, 5 - 5.0 / 3},    // below 50/3
      {3, 3, 20, 14 + 20.0 / 3},  // above 50/3
      {5, 1, 300, 0},
      {0, 1, 300, 0},  // codes without a formula consider no rain
      {6, 3, 40, 0},
      {255, 1, 40, 0},
      {4, 1, MissingReal, MissingReal},
      {1, 3, MissingReal, MissingReal},
  };
  Options o;
  for (const auto& c : cases) {
    o.ermethod = static_cast<byte>(c.method);
    EXPECT_NEAR(EffectiveRain(o, c.rain, c.n), c.expected, 1e-12)
        << "method " << c.method << " n " << c.n << " rain " << c.rain;
  }
}

TEST(EffectiveRain, EmpiricalParametersAreRealDivisions) {
  Options o;
  o.ermethod = 3;
  o.rainx = 40;
  o.raina = 0.6;
  o.rainb = -4;
  o.rainc = 0.8;
  o.raind = 7;
  // Threshold 40/3 = 13.33: 13 is below, 14 above; -4/3 and 7/3 are not truncated.
  EXPECT_NEAR(EffectiveRain(o, 13, 3), 0.6 * 13 - 4.0 / 3, 1e-12);
  EXPECT_NEAR(EffectiveRain(o, 14, 3), 0.8 * 14 + 7.0 / 3, 1e-12);
}

TEST(EffectiveRain, DivisorFollowsTheRainKind) {
  test::ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.options.ermethod = 2;
  ws.session.RainKind = 3;
  EXPECT_NEAR(EffectiveRain(ws, 30), 0.6 * 30 - 10, 1e-12);
  ws.session.RainKind = 2;
  EXPECT_NEAR(EffectiveRain(ws, 30), 16, 1e-12);
  ws.session.RainKind = 1;
  EXPECT_NEAR(EffectiveRain(ws, 30), 16, 1e-12);
}

class RainRecord : public ::testing::Test {
 protected:
  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TRainData& r = ws.rain.Data;
};

TEST_F(RainRecord, ClearRainGivesZeroDaysAndNoData) {
  ws.session.ReaderSucceeded(DataKind::Rain, "/tmp/x.crd");
  r.RainStation = "X";
  r.MonthRain[3] = 5;
  ws.rain.RainYear = 2001;
  ws.rain.TotalRain = 5;
  ClearRain(ws);
  EXPECT_EQ(r.RainStation, "");
  EXPECT_EQ(r.DayRain[2][28], 0.0);
  EXPECT_EQ(r.DayRain[2][29], MissingReal);
  EXPECT_EQ(r.DayRain[4][31], MissingReal);
  EXPECT_EQ(r.DayRain[12][31], 0.0);
  EXPECT_EQ(r.MonthRain[3], MissingReal);
  EXPECT_EQ(r.DecadeRain[1][1], MissingReal);
  EXPECT_EQ(r.DecadeEffRain[1][1], MissingReal);
  EXPECT_EQ(r.MonthEffRain[1], MissingReal);
  EXPECT_EQ(ws.rain.RainYear, MissingInt);
  EXPECT_EQ(ws.rain.TotalRain, MissingReal);
  EXPECT_EQ(ws.rain.TotalEffRain, MissingReal);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Rain), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Rain), "untitled");
}

TEST_F(RainRecord, EffRainOfAMonthByKind) {
  ws.options.ermethod = 2;
  ws.session.RainKind = 3;
  r.MonthRain[5] = 100;
  ComputeEffRainMonth(ws, 5);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[5], 56);
  EXPECT_EQ(r.DecadeEffRain[5][1], MissingReal);  // the monthly kind leaves decades alone

  ws.session.RainKind = 2;
  r.DecadeRain[5][1] = 30;
  r.DecadeRain[5][2] = 5;
  r.DecadeRain[5][3] = 20;
  ComputeEffRainMonth(ws, 5);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[5][1], 16);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[5][2], 0);  // 3 - 10/3 < 0
  EXPECT_NEAR(r.DecadeEffRain[5][3], 12 - 10.0 / 3, 1e-12);
  EXPECT_NEAR(r.MonthEffRain[5], 16 + 12 - 10.0 / 3, 1e-12);

  // No rain considered: the monthly kind also zeroes the decades.
  ws.options.ermethod = 5;
  ws.session.RainKind = 3;
  ComputeEffRainMonth(ws, 5);
  EXPECT_EQ(r.MonthEffRain[5], 0.0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(r.DecadeEffRain[5][k], 0.0);
}

TEST_F(RainRecord, TotalsSkipMissingMonths) {
  RainTotals(ws);
  EXPECT_EQ(ws.rain.TotalRain, MissingReal);
  EXPECT_EQ(ws.rain.TotalEffRain, MissingReal);

  // Effective values without any monthly rain give no effective total.
  r.MonthEffRain[2] = 12;
  RainTotals(ws);
  EXPECT_EQ(ws.rain.TotalRain, MissingReal);
  EXPECT_EQ(ws.rain.TotalEffRain, MissingReal);

  r.MonthRain[7] = 30.5;
  r.MonthRain[8] = 0;
  r.MonthEffRain[8] = 1.5;
  RainTotals(ws);
  EXPECT_DOUBLE_EQ(ws.rain.TotalRain, 30.5);
  EXPECT_DOUBLE_EQ(ws.rain.TotalEffRain, 13.5);
}

TEST_F(RainRecord, SumsFromDaysFollowTheDecadesOfTheMonth) {
  ws.session.RainKind = 1;
  ws.options.ermethod = 1;  // 80 %
  ClearRain(ws);
  for (int d = 1; d <= 28; ++d) r.DayRain[2][d] = d;  // February: decade 3 is days 21..28
  EXPECT_TRUE(MonthDaysComplete(ws, 2));
  RainFromDays(ws, 2);
  EXPECT_DOUBLE_EQ(r.DecadeRain[2][1], 55);
  EXPECT_DOUBLE_EQ(r.DecadeRain[2][2], 155);
  EXPECT_DOUBLE_EQ(r.DecadeRain[2][3], 196);
  EXPECT_DOUBLE_EQ(r.MonthRain[2], 406);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[2][3], 0.8 * 196);
  EXPECT_DOUBLE_EQ(r.MonthEffRain[2], 0.8 * 55 + 0.8 * 155 + 0.8 * 196);

  // One missing day: its decade and every effective value of the month are missing, the
  // month keeps the sum of the given days.
  r.DayRain[2][15] = MissingReal;
  EXPECT_FALSE(MonthDaysComplete(ws, 2));
  RainFromDays(ws, 2);
  EXPECT_DOUBLE_EQ(r.DecadeRain[2][1], 55);
  EXPECT_EQ(r.DecadeRain[2][2], MissingReal);
  EXPECT_DOUBLE_EQ(r.DecadeRain[2][3], 196);
  EXPECT_DOUBLE_EQ(r.MonthRain[2], 391);
  EXPECT_EQ(r.MonthEffRain[2], MissingReal);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(r.DecadeEffRain[2][k], MissingReal);

  // No day given at all: no monthly rain either.
  for (int d = 1; d <= 28; ++d) r.DayRain[2][d] = MissingReal;
  RainFromDays(ws, 2);
  EXPECT_EQ(r.MonthRain[2], MissingReal);
}

TEST_F(RainRecord, SumsFromDecades) {
  ws.session.RainKind = 2;
  ws.options.ermethod = 4;
  r.DecadeRain[6][1] = 40;
  r.DecadeRain[6][2] = 90;
  EXPECT_FALSE(MonthDecadesComplete(ws, 6));
  RainFromDecades(ws, 6);
  EXPECT_DOUBLE_EQ(r.MonthRain[6], 130);
  EXPECT_EQ(r.MonthEffRain[6], MissingReal);
  EXPECT_EQ(r.DecadeEffRain[6][1], MissingReal);

  r.DecadeRain[6][3] = 0;
  EXPECT_TRUE(MonthDecadesComplete(ws, 6));
  RainFromDecades(ws, 6);
  const double e1 = 40 * (125 - 0.6 * 40) / 125;
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[6][1], e1);
  EXPECT_NEAR(r.DecadeEffRain[6][2], 125.0 / 3 + 9, 1e-12);
  EXPECT_DOUBLE_EQ(r.DecadeEffRain[6][3], 0);
  EXPECT_NEAR(r.MonthEffRain[6], e1 + 125.0 / 3 + 9, 1e-12);

  for (int k = 1; k <= 3; ++k) r.DecadeRain[6][k] = MissingReal;
  RainFromDecades(ws, 6);
  EXPECT_EQ(r.MonthRain[6], MissingReal);
}

// ---- Decade distribution of monthly totals ------------------------------------------------

struct Decades {
  double d[13][4];
  Decades() {
    for (auto& m : d)
      for (double& v : m) v = 7777;  // what the caller held before
  }
};

void Fill(double M[13], std::initializer_list<double> values) {
  M[0] = 0;
  int m = 1;
  for (double v : values) M[m++] = v;
}

TEST(InterpolateDecadeRain, EqualMonthsGiveEqualDecades) {
  double M[13];
  for (int m = 1; m <= 12; ++m) M[m] = 90;
  Decades D;
  InterpolateDecadeRain(M, D.d);
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k) EXPECT_DOUBLE_EQ(D.d[m][k], 30) << m << "/" << k;
}

TEST(InterpolateDecadeRain, DryMonthBetweenWetOnes) {
  double M[13];
  Fill(M, {90, 0, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90});
  Decades D;
  InterpolateDecadeRain(M, D.d);
  EXPECT_EQ(D.d[2][2], 0.0);
  EXPECT_GT(D.d[2][1], 0.0);
  EXPECT_GT(D.d[2][3], 0.0);
  EXPECT_DOUBLE_EQ(D.d[2][1], D.d[2][3]);  // equal neighbours share the surplus equally
  EXPECT_LE(D.d[2][1] + D.d[2][3], 0.15 + 1e-9);
}

TEST(InterpolateDecadeRain, DecadesFollowTheSlopeAndKeepTheTotal) {
  const std::initializer_list<double> series[] = {
      {10, 25, 60, 120, 200, 260, 180, 90, 40, 15, 5, 0},
      {0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0},
      {999.9, 0, 999.9, 0.1, 500, 0.2, 0, 0, 3.5, 800, 12.3, 1},
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
  };
  for (const auto& s : series) {
    double M[13];
    Fill(M, s);
    Decades D;
    InterpolateDecadeRain(M, D.d);
    for (int m = 1; m <= 12; ++m) {
      const double sum = D.d[m][1] + D.d[m][2] + D.d[m][3];
      EXPECT_NEAR(sum, M[m], 0.15 + 1e-9) << "month " << m << " of total " << M[m];
      for (int k = 1; k <= 3; ++k) EXPECT_GE(D.d[m][k], 0.0) << m << "/" << k;
    }
  }
  // Rising months: the first decade lies below the last one.
  double M[13];
  Fill(M, {10, 25, 60, 120, 200, 260, 180, 90, 40, 15, 5, 0});
  Decades D;
  InterpolateDecadeRain(M, D.d);
  EXPECT_LT(D.d[4][1], D.d[4][2]);
  EXPECT_LT(D.d[4][2], D.d[4][3]);
  EXPECT_GT(D.d[8][1], D.d[8][3]);
}

TEST(InterpolateDecadeRain, ExactDecadesOfTheAdjustmentSteps) {
  // Expected values computed independently of this code, following the steps one by one:
  // the middle decade moves in steps of 0.05, a dry middle decade drops to 0 and the outer
  // decades are lowered in the proportion of the neighbouring months.
  struct Case {
    std::initializer_list<double> months;
    int m;
    double d1, d2, d3;
  };
  const Case cases[] = {
      // Dry month between equal wet ones: equal outer decades.
      {{90, 0, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90},
       2,
       0.074999999999925127,
       0,
       0.074999999999925127},
      // Its wet neighbour: the middle decade was raised from 30 by 85 steps.
      {{90, 0, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90},
       1,
       32.833333333333272,
       34.249999999999901,
       22.833333333333268},
      // Rising, peak and falling months.
      {{10, 25, 60, 120, 200, 260, 180, 90, 40, 15, 5, 0},
       4,
       32.73333333333337,
       39.100000000000051,
       48.28888888888892},
      {{10, 25, 60, 120, 200, 260, 180, 90, 40, 15, 5, 0},
       6,
       84.433333333333081,
       93.316666666666293,
       82.211111111110853},
      // December (0 mm) between 5 and 10 mm: the next month takes twice the share.
      {{10, 25, 60, 120, 200, 260, 180, 90, 40, 15, 5, 0},
       12,
       0.038888888888888862,
       0,
       0.077777777777777724},
      // A dry previous month: its share is 0, so only the last decade is lowered.
      {{0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0}, 4, 0, 0, 0.13333333333308861},
      {{0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0},
       5,
       85.699999999999022,
       128.54999999999853,
       85.699999999999022},
      {{0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0}, 1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    double M[13];
    Fill(M, c.months);
    Decades D;
    InterpolateDecadeRain(M, D.d);
    EXPECT_NEAR(D.d[c.m][1], c.d1, 1e-9) << "month " << c.m << " of " << M[c.m];
    EXPECT_NEAR(D.d[c.m][2], c.d2, 1e-9) << "month " << c.m << " of " << M[c.m];
    EXPECT_NEAR(D.d[c.m][3], c.d3, 1e-9) << "month " << c.m << " of " << M[c.m];
  }
}

TEST(InterpolateDecadeRain, MissingNeighbours) {
  double M[13];
  Fill(M, {MissingReal, 60, 90, MissingReal, 3, 300, MissingReal, 45, MissingReal, 30, 60,
           MissingReal});
  Decades D;
  InterpolateDecadeRain(M, D.d);
  // Only the next month given: the last decade leans towards it, the first mirrors it.
  EXPECT_DOUBLE_EQ(D.d[2][2], 20);
  EXPECT_NEAR(D.d[2][3], 20 * 2.0 / 3 + 10, 1e-12);
  EXPECT_NEAR(D.d[2][1], 20 - (20 * 2.0 / 3 + 10 - 20), 1e-12);
  // The mirrored decade is cut at 0.
  EXPECT_DOUBLE_EQ(D.d[5][1], 0);
  EXPECT_NEAR(D.d[5][3], 1 * 2.0 / 3 + 300.0 / 9, 1e-12);
  // Only the previous month given.
  EXPECT_NEAR(D.d[3][1], 30 * 2.0 / 3 + 60.0 / 9, 1e-12);
  EXPECT_NEAR(D.d[3][3], 30 + (30 - (30 * 2.0 / 3 + 60.0 / 9)), 1e-12);
  // Both neighbours missing: three equal decades.
  for (int k = 1; k <= 3; ++k) EXPECT_DOUBLE_EQ(D.d[8][k], 15);
  // A missing month is skipped: only its middle decade is touched.
  EXPECT_DOUBLE_EQ(D.d[4][2], MissingReal / 3);
  EXPECT_EQ(D.d[4][1], 7777);
  EXPECT_EQ(D.d[4][3], 7777);
}

TEST(InterpolateDecadeRain, EndsOnValuesNoWindowAccepts) {
  // Negative, huge and out-of-proportion totals (a hand-edited file) must not hang.
  const std::initializer_list<double> series[] = {
      {0, -10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {0, -10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {1e300, 1e300, 1e300, 5, -1000, 1000, 5, 1e7, 0, 0, 0, 0},
      {-5, 10, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& s : series) {
    double M[13];
    Fill(M, s);
    Decades D;
    InterpolateDecadeRain(M, D.d);
    for (int m = 1; m <= 12; ++m) EXPECT_NE(D.d[m][2], 7777);
  }
}

}  // namespace
}  // namespace vsk

// Penman-Monteith ETo, day length, estimates, summaries, conversions and decade interpolation.
// Expected values come from tests/data/climate/eto_reference.py, an independent script.
#include <gtest/gtest.h>

#include <cmath>

#include "climate/climatetestdata.h"
#include "climate/vskETocalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::Period;
using test::ScriptedUi;
using test::SetStation;

constexpr double kTight = 1e-9;

class EToCalc : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
};

TEST_F(EToCalc, SaturationVapourPressure) {
  EXPECT_NEAR(SatVapourPressure(20), 2.33828127093, kTight);
  EXPECT_DOUBLE_EQ(SatVapourPressure(0), 0.6108);
  EXPECT_DOUBLE_EQ(SatVapourPressureMean(20, 20), SatVapourPressure(20));
  EXPECT_NEAR(SatVapourPressureMean(30, 10), 2.73551383905, kTight);
}

TEST_F(EToCalc, DayLengthAndRadiation) {
  SetStation(ws, 0, 0, false);
  double N = 0, Ra = 0;
  for (double J : {1.0, 80.0, 172.0, 355.0}) {
    DaylengthAndRa(ws, J, N, Ra);
    EXPECT_NEAR(N, 11.999941458916933, kTight) << J;
  }
  struct Case {
    double latitude;
    double J;
    double N, Ra;
  } cases[] = {
      {67.8, 172, 23.9771566694, 42.0936973605},       // polar day: the root is clamped
      {67.8, 349, 0.0228407235916, -0.0023194671083},  // a residue above the threshold
      {85.0, 349, 0.00489670940528, 0.0},              // polar night: no radiation
  };
  for (const Case& c : cases) {
    ws.climate.Data.Latitude = c.latitude;
    DaylengthAndRa(ws, c.J, N, Ra);
    EXPECT_NEAR(N, c.N, kTight) << c.latitude << " " << c.J;
    EXPECT_NEAR(Ra, c.Ra, kTight) << c.latitude << " " << c.J;
  }
  // The southern hemisphere mirrors the northern one half a year later.
  ws.climate.Data.Latitude = 33.9;
  ws.climate.Data.South = true;
  double Ns = 0, Nn = 0;
  DaylengthAndRa(ws, 21, Ns, Ra);
  ws.climate.Data.South = false;
  DaylengthAndRa(ws, 21, Nn, Ra);
  EXPECT_GT(Ns, 13.5);
  EXPECT_LT(Nn, 10.5);
}

// Monthly Penman-Monteith data: every day of July with July's values and the soil heat flux
// from the mean temperatures of June and August.
TEST_F(EToCalc, MonthlyPeriodWithSoilHeatFlux) {
  SetStation(ws, 200, 13.5, false);
  ws.session.EtoKind = 3;
  ws.climate.Data.Month[6] = Period(23.0, 33.4, 80, 150, 5.0);
  ws.climate.Data.Month[7] = Period(22.1, 31.5, 78.0, 172.8, 6.2);
  ws.climate.Data.Month[8] = Period(21.8, 30.6, 80, 150, 5.0);
  ComputeMonthETo(ws, 7);
  EXPECT_NEAR(ws.climate.MonthETo[7], 4.38734067096, kTight);
  EXPECT_NEAR(ws.climate.Data.Month[7].Radiation, 18.7472084277, kTight);

  ws.options.etoasmmday = false;
  ComputeMonthETo(ws, 7);
  EXPECT_NEAR(ws.climate.MonthETo[7], 31 * 4.38734067096, 1e-7);

  // A neighbouring month without a mean temperature: no ETo (also in mm/month) ...
  ws.climate.Data.Month[6].TMin = MissingReal;
  ComputeMonthETo(ws, 7);
  EXPECT_EQ(ws.climate.MonthETo[7], MissingReal);
  EXPECT_EQ(ws.climate.Data.Month[7].Radiation, MissingReal);
  // ... but the same values as decade data need no neighbour.
  ws.session.EtoKind = 2;
  double rs = 0;
  TClimatePeriod& july = ws.climate.Data.Month[7];
  EXPECT_NEAR(PenmanMontEToDay(ws, 7, july, 182, rs, july.Sunshine), 4.33667790241, kTight);
  EXPECT_NEAR(rs, 18.6691873065, kTight);
  EXPECT_TRUE(ui.shown.empty());
}

// December's neighbours wrap over the year end: November and January.
TEST_F(EToCalc, SoilHeatFluxWrapsOverTheYearEnd) {
  SetStation(ws, 200, 13.5, false);
  ws.session.EtoKind = 3;
  ws.climate.Data.Month[12] = Period(22.1, 31.5, 78.0, 172.8, 6.2);
  ws.climate.Data.Month[11] = Period(23.0, 33.4, 80, 150, 5.0);
  ComputeMonthETo(ws, 12);
  EXPECT_EQ(ws.climate.MonthETo[12], MissingReal);
  ws.climate.Data.Month[1] = Period(21.8, 30.6, 80, 150, 5.0);
  ComputeMonthETo(ws, 12);
  EXPECT_NE(ws.climate.MonthETo[12], MissingReal);
  EXPECT_EQ(MonthMeanTemperature(ws, 13), (21.8 + 30.6) / 2);
  EXPECT_EQ(MonthMeanTemperature(ws, 0), (22.1 + 31.5) / 2);
  ws.climate.TempMinMax = false;
  ws.climate.Data.Month[1].TMean = 25.5;
  EXPECT_EQ(MonthMeanTemperature(ws, 13), 25.5);
}

// Decade data in the southern hemisphere: January decade 3 holds days 21..31.
TEST_F(EToCalc, DecadePeriodSouthernHemisphere) {
  SetStation(ws, 40, 33.9, true);
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[1][3] = Period(16.4, 27.9, 62.0, 250.0, 10.1);
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_NEAR(ws.climate.DecadeETo[1][3], 5.80541454907, kTight);
  EXPECT_NEAR(ws.climate.Data.Decade[1][3].Radiation, 26.0175109387, kTight);
  ws.options.etoasmmday = false;
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_NEAR(ws.climate.DecadeETo[1][3], 11 * 5.80541454907, 1e-8);
}

// A missing sunshine is estimated on the period's first day and stored; the later days read
// the stored value as given.
TEST_F(EToCalc, SunshineEstimateIsStoredFromTheFirstDay) {
  SetStation(ws, 40, 33.9, true);
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[1][3] = Period(16.4, 27.9, 62.0, 250.0, MissingReal);
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_NEAR(ws.climate.Data.Decade[1][3].Sunshine, 9.07441248876, kTight);
  EXPECT_NEAR(ws.climate.DecadeETo[1][3], 5.62070113136, kTight);
  EXPECT_NEAR(ws.climate.Data.Decade[1][3].Radiation, 24.4469203626, kTight);

  double N = 0, Ra = 0;
  DaylengthAndRa(ws, 21, N, Ra);
  const double hours = (0.34 * std::sqrt(27.9 - 16.4) - 0.5) * N;
  EXPECT_NEAR(ws.climate.Data.Decade[1][3].Sunshine, hours, kTight);

  ws.options.sunshineunit = SunshineUnit::Percent;
  ws.climate.Data.Decade[1][3].Sunshine = MissingReal;
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_NEAR(ws.climate.Data.Decade[1][3].Sunshine, hours / N * 100, kTight);

  // A small temperature range gives a negative estimate: 0 is stored, the day goes on.
  ws.options.sunshineunit = SunshineUnit::Hours;
  ws.climate.Data.Decade[1][3] = Period(20.0, 21.0, 62.0, 250.0, MissingReal);
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_EQ(ws.climate.Data.Decade[1][3].Sunshine, 0.0);
  EXPECT_NE(ws.climate.DecadeETo[1][3], MissingReal);
  // A maximum below the minimum estimates from a range of 0.
  ws.climate.Data.Decade[1][3] = Period(22.0, 21.0, 62.0, 250.0, MissingReal);
  ComputeDecadeETo(ws, 1, 3);
  EXPECT_EQ(ws.climate.Data.Decade[1][3].Sunshine, 0.0);
  EXPECT_GT(ws.climate.DecadeETo[1][3], 0.0);
}

// Daily data above the polar circle: polar day, a day just above the polar-night
// threshold and polar night proper.
TEST_F(EToCalc, DailyValuesAtHighLatitude) {
  ws.session.EtoKind = 1;
  SetStation(ws, 300, 67.8, false);
  ws.climate.Data.Day[6][21] = Period(8.2, 17.6, 71.0, 190.0, 14.5);
  ComputeDayETo(ws, 6, 21);
  EXPECT_NEAR(ws.climate.DayETo[6][21], 3.67914537833, kTight);
  EXPECT_NEAR(ws.climate.Data.Day[6][21].Radiation, 23.2513432536, kTight);

  ws.climate.Data.Day[12][15] = Period(-14.0, -6.5, 85.0, 120.0, MissingReal);
  ComputeDayETo(ws, 12, 15);
  EXPECT_NEAR(ws.climate.DayETo[12][15], 0.138475514814, kTight);
  EXPECT_NEAR(ws.climate.Data.Day[12][15].Radiation, -0.00107986078812, kTight);
  EXPECT_NEAR(ws.climate.Data.Day[12][15].Sunshine, 0.00984728342364, kTight);

  SetStation(ws, 30, 85.0, false);
  ws.climate.Data.Day[12][15] = Period(-18.0, -11.0, 80.0, 300.0, MissingReal);
  ComputeDayETo(ws, 12, 15);
  EXPECT_NEAR(ws.climate.DayETo[12][15], 0.234215843634, kTight);
  EXPECT_EQ(ws.climate.Data.Day[12][15].Radiation, 0.0);
  EXPECT_EQ(ws.climate.Data.Day[12][15].Sunshine, 0.0);
  for (SunshineUnit unit : {SunshineUnit::Percent, SunshineUnit::Fraction}) {
    ws.options.sunshineunit = unit;
    ws.climate.Data.Day[12][15].Sunshine = MissingReal;
    ComputeDayETo(ws, 12, 15);
    EXPECT_EQ(ws.climate.Data.Day[12][15].Sunshine, 0.0);
    EXPECT_NEAR(ws.climate.DayETo[12][15], 0.234215843634, kTight);
  }
  // Without net radiation a negative wind from a file drives the equation below zero.
  ws.climate.Data.Day[12][15].Wind = -100;
  ComputeDayETo(ws, 12, 15);
  EXPECT_EQ(ws.climate.DayETo[12][15], 0.0001);
}

TEST_F(EToCalc, DailyValueInVapourPressureMetresPerSecondAndPercent) {
  ws.session.EtoKind = 1;
  ws.options.humidityasperc = false;
  ws.options.windaskmday = false;
  ws.options.sunshineunit = SunshineUnit::Percent;
  SetStation(ws, 1208.5, 39.4575, false);
  ws.climate.Data.Day[7][19] = Period(11.3, 29.8, 1.05, 2.4, 83.0);
  ComputeDayETo(ws, 7, 19);
  EXPECT_NEAR(ws.climate.DayETo[7][19], 6.55758272734, kTight);
  EXPECT_NEAR(ws.climate.Data.Day[7][19].Radiation, 26.90655284, 1e-8);
  EXPECT_EQ(ws.climate.Data.Day[7][19].Sunshine, 83.0);
}

// Humidity above 100 %: the message once per period, no ETo and no radiation.
TEST_F(EToCalc, HumidityAboveSaturation) {
  SetStation(ws, 200, 13.5, false);
  ws.session.EtoKind = 2;
  ws.options.humidityasperc = false;
  const double es = SatVapourPressureMean(31.5, 22.1);
  ws.climate.Data.Decade[3][1] = Period(22.1, 31.5, es * 1.001, 172.8, MissingReal);
  ComputeDecadeETo(ws, 3, 1);
  EXPECT_EQ(ws.climate.DecadeETo[3][1], MissingReal);
  EXPECT_EQ(ws.climate.Data.Decade[3][1].Radiation, MissingReal);
  EXPECT_EQ(ws.climate.Data.Decade[3][1].Sunshine, MissingReal);  // not estimated
  EXPECT_EQ(ui.TextsOf("information"), std::vector<std::string>{"Humidity value out of range"});

  ui.Clear();
  ws.options.humidityasperc = true;
  ws.session.EtoKind = 3;
  ws.climate.Data.Month[5] = Period(22.1, 31.5, 100.5, 172.8, 6.0);
  double rs = 0;
  TClimatePeriod& may = ws.climate.Data.Month[5];
  EXPECT_EQ(PenmanMontEToDay(ws, 5, may, 130, rs, may.Sunshine), MissingReal);
  EXPECT_EQ(rs, MissingReal);
  EXPECT_EQ(ui.TextsOf("information"), std::vector<std::string>{"Humidity value out of range"});
}

// Values from a file that the formulas cannot take give no ETo instead of a non-number.
TEST_F(EToCalc, AbsurdValuesGiveNoETo) {
  SetStation(ws, 50000, 13.5, false);
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[1][1] = Period(22.1, 31.5, 78.0, 172.8, 6.2);
  ComputeDecadeETo(ws, 1, 1);
  EXPECT_EQ(ws.climate.DecadeETo[1][1], MissingReal);
  EXPECT_EQ(ws.climate.Data.Decade[1][1].Radiation, MissingReal);
}

TEST_F(EToCalc, RecordCompleteness) {
  SetStation(ws, 200, 13.5, false);
  const TClimatePeriod full = Period(22.1, 31.5, 78.0, 172.8, 6.2);
  EXPECT_TRUE(ClimateRecordComplete(ws, full, false));
  struct Case {
    double TClimatePeriod::*field;
    bool allowMissingSunshine;
    bool complete;
  } cases[] = {
      {&TClimatePeriod::TMin, false, false},     {&TClimatePeriod::TMax, true, false},
      {&TClimatePeriod::Humidity, true, false},  {&TClimatePeriod::Wind, true, false},
      {&TClimatePeriod::Sunshine, false, false}, {&TClimatePeriod::Sunshine, true, true},
      {&TClimatePeriod::Radiation, false, true},
  };
  for (const Case& c : cases) {
    TClimatePeriod p = full;
    p.*c.field = MissingReal;
    EXPECT_EQ(ClimateRecordComplete(ws, p, c.allowMissingSunshine), c.complete);
  }
  ws.climate.Data.Altitude = MissingReal;
  EXPECT_FALSE(ClimateRecordComplete(ws, full, true));
  SetStation(ws, 200, MissingReal, false);
  EXPECT_FALSE(ClimateRecordComplete(ws, full, true));
  // Only the temperatures in use count.
  SetStation(ws, 200, 13.5, false);
  TClimatePeriod mean = full;
  mean.TMin = mean.TMax = MissingReal;
  mean.TMean = 26.8;
  EXPECT_FALSE(ClimateRecordComplete(ws, mean, false));
  ws.climate.TempMinMax = false;
  EXPECT_TRUE(ClimateRecordComplete(ws, mean, false));
  EXPECT_FALSE(ClimateRecordComplete(ws, full, false));
}

TEST_F(EToCalc, MeanTemperatureGivesTheSameETo) {
  SetStation(ws, 200, 13.5, false);
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[4][2] = Period(26.8, 26.8, 70, 172.8, 8);
  ComputeDecadeETo(ws, 4, 2);
  const double minMax = ws.climate.DecadeETo[4][2];
  ws.climate.TempMinMax = false;
  ws.climate.Data.Decade[4][2] = Period(MissingReal, MissingReal, 70, 172.8, 8);
  ws.climate.Data.Decade[4][2].TMean = 26.8;
  ComputeDecadeETo(ws, 4, 2);
  EXPECT_DOUBLE_EQ(ws.climate.DecadeETo[4][2], minMax);
}

TEST_F(EToCalc, HumidityEstimate) {
  TClimatePeriod p = Period(10, 30, MissingReal, 100, 5);
  EstimateHumidity(ws.options, p);
  EXPECT_NEAR(p.Humidity, 64.470230863, kTight);
  ws.options.humidityasperc = false;
  ws.climate.Data.Day[2][3] = p;
  EstimateHumidity(ws, PeriodKind::Day, 2, 3);
  EXPECT_NEAR(ws.climate.Data.Day[2][3].Humidity, 0.791670335599, kTight);
}

TEST_F(EToCalc, ClearClimateKeepsTheTemperatureLayout) {
  SetStation(ws, 200, 13.5, true);
  ws.climate.Data.West = true;
  ws.climate.Data.Day[3][4] = Period(1, 2, 3, 4, 5);
  ws.climate.MonthETo[2] = 4;
  ws.climate.AverageRow[7] = 3;
  ws.climate.EToYear = 2015;
  ws.climate.TempMinMax = false;
  ws.session.ReaderSucceeded(DataKind::Climate, "/x/a.PEM");
  ClearClimate(ws);
  const ClimateState& c = ws.climate;
  EXPECT_EQ(c.Data.Country, "");
  EXPECT_EQ(c.Data.Altitude, MissingReal);
  EXPECT_FALSE(c.Data.South);
  EXPECT_FALSE(c.Data.West);
  EXPECT_EQ(c.Data.Day[3][4].TMin, MissingReal);
  EXPECT_EQ(c.MonthETo[2], MissingReal);
  EXPECT_EQ(c.AverageRow[7], MissingReal);
  EXPECT_EQ(c.EToYear, MissingInt);
  EXPECT_FALSE(c.TempMinMax);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Climate), "untitled");
}

TEST_F(EToCalc, MonthlySummaryOfDecadesAndDays) {
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[2][1] = Period(10, 20, 60, 100, 5);
  ws.climate.Data.Decade[2][2] = Period(12, 24, MissingReal, 200, 7);
  ws.climate.Data.Decade[2][1].Radiation = 18;
  ws.climate.DecadeETo[2][1] = 40;
  ws.climate.DecadeETo[2][2] = 50;
  for (int c = 1; c <= 6; ++c) MonthFromPeriods(ws, 2, c);
  const TClimatePeriod& feb = ws.climate.Data.Month[2];
  EXPECT_EQ(feb.TMin, 11);
  EXPECT_EQ(feb.TMax, 22);
  EXPECT_EQ(feb.Humidity, 60);
  EXPECT_EQ(feb.Wind, 150);
  EXPECT_EQ(feb.Sunshine, 6);
  EXPECT_EQ(feb.Radiation, 18);
  EXPECT_EQ(ws.climate.MonthETo[2], 45);  // mm/day: the mean
  ws.options.etoasmmday = false;
  MonthFromPeriods(ws, 2, 7);
  EXPECT_EQ(ws.climate.MonthETo[2], 90);  // mm/decade: the month total

  // Daily data: the days of the month only, always a mean.
  ws.session.EtoKind = 1;
  for (int d = 1; d <= 31; ++d) ws.climate.DayETo[2][d] = d <= 28 ? 2.0 : 9.0;
  ws.climate.DayETo[2][5] = MissingReal;
  MonthFromPeriods(ws, 2, 6);
  EXPECT_EQ(ws.climate.MonthETo[2], 2.0);
  EXPECT_EQ(ws.climate.Data.Month[2].Radiation, MissingReal);
  // Mean temperatures in column 2.
  ws.climate.TempMinMax = false;
  ws.climate.Data.Day[2][1].TMean = 5;
  ws.climate.Data.Day[2][2].TMean = 7;
  MonthFromPeriods(ws, 2, 2);
  EXPECT_EQ(ws.climate.Data.Month[2].TMean, 6);
  EXPECT_EQ(ws.climate.Data.Month[2].TMax, 22);
}

TEST_F(EToCalc, AverageRow) {
  ws.session.EtoKind = 3;
  for (int m = 1; m <= 12; ++m) ws.climate.MonthETo[m] = m <= 6 ? 3.0 : MissingReal;
  ws.climate.Data.Month[1].Humidity = 50;
  ws.climate.Data.Month[2].Humidity = 70;
  ws.climate.Data.Month[3].Radiation = 20;
  ColumnAverage(ws, 3);
  EXPECT_EQ(ws.climate.AverageRow[kColHumidity], 60);
  ColumnAverage(ws, 6);
  EXPECT_EQ(ws.climate.AverageRow[kColRadiation], 20);
  EXPECT_EQ(ws.climate.AverageRow[kColETo], 3.0);
  ColumnAverage(ws, 1);
  EXPECT_EQ(ws.climate.AverageRow[kColTMin], MissingReal);
  ws.options.etoasmmday = false;
  ColumnAverage(ws, 7);
  EXPECT_EQ(ws.climate.AverageRow[kColETo], 18.0);  // the yearly total
  ws.session.EtoKind = 1;
  ColumnAverage(ws, 7);
  EXPECT_EQ(ws.climate.AverageRow[kColETo], 3.0);  // daily tables always show mm/day
}

TEST_F(EToCalc, EToPerPeriodConversion) {
  ws.session.EtoKind = 2;
  ws.climate.MonthETo[2] = 4;
  ws.climate.DecadeETo[2][3] = 5;
  ws.climate.DecadeETo[2][1] = MissingReal;
  ConvertEToPerPeriod(ws, false);
  EXPECT_EQ(ws.climate.MonthETo[2], 112);
  EXPECT_EQ(ws.climate.DecadeETo[2][3], 40);
  EXPECT_EQ(ws.climate.DecadeETo[2][1], MissingReal);
  ConvertEToPerPeriod(ws, true);
  EXPECT_EQ(ws.climate.MonthETo[2], 4);
  // The month values of daily data stay mm/day.
  ws.session.EtoKind = 4;
  ConvertEToPerPeriod(ws, false);
  EXPECT_EQ(ws.climate.MonthETo[2], 4);
}

TEST_F(EToCalc, HumidityConversion) {
  ws.session.EtoKind = 3;
  TClimateData& d = ws.climate.Data;
  d.Month[1] = Period(10, 30, 1.5, 100, 5);
  d.Month[2] = Period(10, 30, 3.0, 100, 5);              // above saturation
  d.Month[3] = Period(MissingReal, 30, 1.5, 100, 5);     // no temperature for it
  d.Decade[1][1] = Period(10, 30, MissingReal, 100, 5);  // missing stays missing
  d.Day[1][1] = Period(10, 30, 1.5, 100, 5);             // not visited for kind 3
  ConvertHumidityUnits(d, true, 3, true);
  EXPECT_NEAR(d.Month[1].Humidity, 54.8343049334, kTight);
  EXPECT_EQ(d.Month[2].Humidity, 100);
  EXPECT_EQ(d.Month[3].Humidity, MissingReal);
  EXPECT_EQ(d.Decade[1][1].Humidity, MissingReal);
  EXPECT_EQ(d.Day[1][1].Humidity, 1.5);
  ConvertHumidityUnits(d, true, 3, false);
  EXPECT_NEAR(d.Month[1].Humidity, 1.5, kTight);
  // Daily data: only the days are visited; a mean temperature gives the reference.
  d.Day[1][1] = Period(MissingReal, MissingReal, 60, 100, 5);
  d.Day[1][1].TMean = 20;
  ConvertHumidityUnits(d, false, 1, false);
  EXPECT_NEAR(d.Day[1][1].Humidity, 0.6 * 2.33828127093, kTight);
  EXPECT_NEAR(d.Month[1].Humidity, 1.5, kTight);
}

TEST_F(EToCalc, SunshineAndWindConversions) {
  SetStation(ws, 0, 0, false);  // a day length of 11.99994 h all year
  const double N = 11.999941458916933;
  TClimateData& d = ws.climate.Data;
  d.Month[1].Sunshine = 6;
  d.Month[2].Sunshine = 13;  // more than the day length
  d.Decade[5][2].Sunshine = 3;
  d.Decade[5][2].Wind = 2;
  ConvertSunshineHours(d, 3, false, true);
  EXPECT_NEAR(d.Month[1].Sunshine, 600 / N, kTight);
  EXPECT_EQ(d.Month[2].Sunshine, 100);
  EXPECT_NEAR(d.Decade[5][2].Sunshine, 300 / N, kTight);
  ConvertSunshinePercentFraction(d, 3, false);
  EXPECT_NEAR(d.Month[1].Sunshine, 6 / N, kTight);
  ConvertSunshineHours(d, 3, true, false);
  EXPECT_NEAR(d.Month[1].Sunshine, 6, kTight);
  EXPECT_EQ(d.Month[3].Sunshine, MissingReal);
  ConvertWindUnits(d, 3, true);
  EXPECT_NEAR(d.Decade[5][2].Wind, 172.8, kTight);
  // Without a latitude there is no day length: the sunshine becomes missing.
  d.Latitude = MissingReal;
  ConvertSunshineHours(d, 3, true, true);
  EXPECT_EQ(d.Month[1].Sunshine, MissingReal);
  // Polar night gives 0 either way.
  d.Latitude = 85;
  d.Day[12][15].Sunshine = 0.5;
  ConvertSunshineHours(d, 1, false, true);
  EXPECT_EQ(d.Day[12][15].Sunshine, 0);
}

// The options' conversion toward the file units and back restores the values shown.
TEST_F(EToCalc, ClimateUnitsRoundTrip) {
  SetStation(ws, 200, 33.9, true);
  ws.options.humidityasperc = false;
  ws.options.windaskmday = false;
  ws.options.sunshineunit = SunshineUnit::Fraction;
  ws.session.EtoKind = 2;
  ws.climate.Data.Decade[7][2] = Period(5, 15, 0.8, 3.1, 0.45);
  TClimateData copy = ws.climate.Data;
  ConvertClimateUnits(ws.options, copy, true, 2, true);
  EXPECT_NEAR(copy.Decade[7][2].Wind, 3.1 * 86.4, kTight);
  EXPECT_NEAR(copy.Decade[7][2].Humidity, 0.8 / SatVapourPressureMean(15, 5) * 100, kTight);
  double N = 0, Ra = 0;
  DaylengthAndRa(ws, std::floor(10.1433 * 20 - 6.08175), N, Ra);
  EXPECT_NEAR(copy.Decade[7][2].Sunshine, 0.45 * N, kTight);
  ConvertClimateUnits(ws.options, copy, true, 2, false);
  EXPECT_NEAR(copy.Decade[7][2].Humidity, 0.8, kTight);
  EXPECT_NEAR(copy.Decade[7][2].Wind, 3.1, kTight);
  EXPECT_NEAR(copy.Decade[7][2].Sunshine, 0.45, kTight);
}

TEST_F(EToCalc, DecadeInterpolation) {
  ws.session.EtoKind = 3;
  for (int m = 1; m <= 12; ++m) ws.climate.MonthETo[m] = 4.0;
  InterpolateDecadeETo(ws);
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(ws.climate.DecadeETo[m][k], 4.0, kTight);

  // With per-period values the work is done in mm/day and the month totals come back.
  ws.options.etoasmmday = false;
  for (int m = 1; m <= 12; ++m) ws.climate.MonthETo[m] = 4.0 * MonthLength(m);
  InterpolateDecadeETo(ws);
  EXPECT_NEAR(ws.climate.MonthETo[2], 112, kTight);
  EXPECT_NEAR(ws.climate.DecadeETo[2][3], 32, kTight);
  EXPECT_NEAR(ws.climate.DecadeETo[1][3], 44, kTight);
  ws.options.etoasmmday = true;

  struct Case {
    double prev, month, next;
    double d1, d2, d3;
  } cases[] = {
      {2, 3, 6, 2.8 * 2 / 3 + 2.0 / 3, 2.8, 2.8 * 2 / 3 + 2},  // the middle decade moves twice
      {MissingReal, 3, 6, 2, 3, 4},
      {6, 3, MissingReal, 4, 3, 2},
      {MissingReal, 1, 6, 0, 1, 8.0 / 3},  // a negative decade becomes 0
      {MissingReal, 5, MissingReal, 5, 5, 5},
  };
  for (const Case& c : cases) {
    for (int m = 1; m <= 12; ++m) ws.climate.MonthETo[m] = MissingReal;
    ws.climate.MonthETo[5] = c.prev;
    ws.climate.MonthETo[6] = c.month;
    ws.climate.MonthETo[7] = c.next;
    ws.climate.DecadeETo[9][1] = 1.25;
    InterpolateDecadeETo(ws);
    EXPECT_NEAR(ws.climate.DecadeETo[6][1], c.d1, kTight) << c.prev << " " << c.next;
    EXPECT_NEAR(ws.climate.DecadeETo[6][2], c.d2, kTight) << c.prev << " " << c.next;
    EXPECT_NEAR(ws.climate.DecadeETo[6][3], c.d3, kTight) << c.prev << " " << c.next;
    EXPECT_EQ(ws.climate.DecadeETo[9][1], 1.25);  // a month without ETo keeps its decades
  }
  // The year wraps: December's next month is January.
  for (int m = 1; m <= 12; ++m) ws.climate.MonthETo[m] = MissingReal;
  ws.climate.MonthETo[12] = 3;
  ws.climate.MonthETo[1] = 6;
  InterpolateDecadeETo(ws);
  EXPECT_NEAR(ws.climate.DecadeETo[12][3], 4, kTight);
  EXPECT_NEAR(ws.climate.DecadeETo[1][1], 5, kTight);
  // Absurd values from a file end the loop too.
  ws.climate.MonthETo[11] = 1e17;
  InterpolateDecadeETo(ws);
  EXPECT_GE(ws.climate.DecadeETo[12][1], 0);
}

}  // namespace
}  // namespace vsk

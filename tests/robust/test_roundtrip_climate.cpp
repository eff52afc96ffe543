// Random climate/ETo records of every kind are written and read back under several unit
// options (humidity in kPa, wind in m/s, sunshine as % or fraction of the day length, ETo per
// period). Compared in the file's units, every value comes back within half a unit of the
// last decimal the file keeps; missing values stay missing; the station comes back whole.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "climate/vskETocalc.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskworkspace.h"
#include "randomrecords.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::RandomValues;
using test::ScratchDir;
using test::ScriptedUi;

constexpr int kCasesPerUnits = 50;

struct Units {
  const char* name;
  bool humidityasperc, windaskmday;
  SunshineUnit sunshine;
  bool etoasmmday;
};
constexpr Units kUnits[] = {
    {"file units", true, true, SunshineUnit::Hours, true},
    {"kPa m/s % per period", false, false, SunshineUnit::Percent, false},
    {"kPa km/day fraction", false, true, SunshineUnit::Fraction, true},
    {"% m/s fraction per period", true, false, SunshineUnit::Fraction, false},
};

const char* ExtensionOf(int kind) {
  static const char* ext[] = {"", ".PED", ".PEC", ".PEM", ".PMD", ".PMC", ".PMM"};
  return ext[kind];
}

// Climate values on the grid of the file (one decimal), in the file's units.
void RandomPeriod(RandomValues& r, bool minMax, TClimatePeriod& p) {
  if (minMax) {
    p.TMin = r.RealOrMissing(-10.0, 30.0, 1, 0.03);
    p.TMax = p.TMin == MissingReal ? MissingReal : p.TMin + r.Real(0.0, 25.0, 1);
  } else {
    p.TMean = r.RealOrMissing(-20.0, 40.0, 1, 0.03);
  }
  p.Humidity = r.RealOrMissing(1.0, 99.0, 1, 0.03);
  p.Wind = r.RealOrMissing(0.0, 800.0, 1, 0.03);
  p.Sunshine = r.RealOrMissing(0.0, 12.0, 1, 0.03);
}

// A record of `kind` as the reader leaves it: made in the file's units, then converted into
// the units the options show; then the tables are computed as the windows compute them.
void RandomClimate(RandomValues& r, Workspace& ws, int kind) {
  ClearClimate(ws);
  ws.session.EtoKind = static_cast<byte>(kind);
  ClimateState& c = ws.climate;
  c.TempMinMax = r.Chance(0.7);
  c.Data.Country = r.Name(20);
  c.Data.Station = r.Name(20);
  c.Data.Altitude = r.Int(-200, 9999);
  c.Data.Latitude = r.Real(0.0, 66.0, 2);
  c.Data.South = c.Data.Latitude > 0 && r.Chance(0.5);
  c.Data.Longitude = r.Real(0.0, 180.0, 2);
  c.Data.West = c.Data.Longitude > 0 && r.Chance(0.5);
  if (kind == 1 || kind == 4) c.EToYear = r.Int(1900, 2026);
  for (int m = 1; m <= 12; ++m) {
    switch (kind) {
      case 1:
        for (int d = 1; d <= MonthLength(m); ++d) RandomPeriod(r, c.TempMinMax, c.Data.Day[m][d]);
        break;
      case 2:
        for (int k = 1; k <= 3; ++k) RandomPeriod(r, c.TempMinMax, c.Data.Decade[m][k]);
        break;
      case 3:
        RandomPeriod(r, c.TempMinMax, c.Data.Month[m]);
        break;
      case 4:
        for (int d = 1; d <= MonthLength(m); ++d) c.DayETo[m][d] = r.RealOrMissing(0.1, 20.0, 1);
        break;
      case 5:
        for (int k = 1; k <= 3; ++k) c.DecadeETo[m][k] = r.RealOrMissing(0.1, 20.0, 1);
        break;
      case 6:
        c.MonthETo[m] = r.RealOrMissing(0.1, 20.0, 1);
        break;
    }
  }
  ConvertClimateUnits(ws, false);
  if (!ws.options.etoasmmday) ConvertEToPerPeriod(ws, false);
  RecomputeClimateTables(ws);
}

// The record in the file's units, as the writer puts it into the file.
ClimateState InFileUnits(const Workspace& ws) {
  ClimateState c = ws.climate;
  ConvertClimateUnits(ws.options, c.Data, c.TempMinMax, ws.session.EtoKind, true);
  if (!ws.options.etoasmmday) ConvertEToPerPeriod(c, ws.session.EtoKind, true);
  return c;
}

void ExpectNear(double want, double got, double halfUnit, const std::string& what) {
  if (want == MissingReal) {
    EXPECT_EQ(got, MissingReal) << what;
  } else {
    EXPECT_NEAR(got, want, halfUnit * (1 + 1e-9) + 1e-9) << what;
  }
}

void ExpectSamePeriod(const TClimatePeriod& a, const TClimatePeriod& b, bool minMax,
                      const std::string& where) {
  if (minMax) {
    ExpectNear(a.TMin, b.TMin, 0.05, where + " TMin");
    ExpectNear(a.TMax, b.TMax, 0.05, where + " TMax");
  } else {
    ExpectNear(a.TMean, b.TMean, 0.05, where + " TMean");
  }
  ExpectNear(a.Humidity, b.Humidity, 0.05, where + " humidity");
  ExpectNear(a.Wind, b.Wind, 0.05, where + " wind");
  ExpectNear(a.Sunshine, b.Sunshine, 0.05, where + " sunshine");
  ExpectNear(a.Radiation, b.Radiation, 0.05, where + " radiation");
}

void ExpectSameClimate(const Workspace& want, const Workspace& got, int kind) {
  const ClimateState a = InFileUnits(want);
  const ClimateState b = InFileUnits(got);
  EXPECT_EQ(got.session.EtoKind, kind);
  if (kind <= 3) {  // measured-ETo files hold no temperatures
    EXPECT_EQ(b.TempMinMax, a.TempMinMax);
  }
  EXPECT_EQ(b.Data.Country, a.Data.Country);
  EXPECT_EQ(b.Data.Station, a.Data.Station);
  EXPECT_EQ(b.Data.Altitude, a.Data.Altitude);
  EXPECT_EQ(b.Data.Latitude, a.Data.Latitude);
  EXPECT_EQ(b.Data.South, a.Data.South);
  EXPECT_EQ(b.Data.Longitude, a.Data.Longitude);
  EXPECT_EQ(b.Data.West, a.Data.West);
  if (kind == 1 || kind == 4) {
    EXPECT_EQ(b.EToYear, a.EToYear);
  }
  const bool mm = a.TempMinMax;
  for (int m = 1; m <= 12; ++m) {
    const std::string month = "month " + std::to_string(m);
    if (kind == 1 || kind == 4) {
      for (int d = 1; d <= MonthLength(m); ++d) {
        const std::string day = month + " day " + std::to_string(d);
        if (kind == 1) ExpectSamePeriod(a.Data.Day[m][d], b.Data.Day[m][d], mm, day);
        ExpectNear(a.DayETo[m][d], b.DayETo[m][d], 0.005, day + " ETo");
      }
    }
    if (kind == 2 || kind == 5) {
      for (int k = 1; k <= 3; ++k) {
        const std::string decade = month + " decade " + std::to_string(k);
        if (kind == 2) ExpectSamePeriod(a.Data.Decade[m][k], b.Data.Decade[m][k], mm, decade);
        ExpectNear(a.DecadeETo[m][k], b.DecadeETo[m][k], 0.005, decade + " ETo");
      }
    }
    if (kind <= 3) ExpectSamePeriod(a.Data.Month[m], b.Data.Month[m], mm, month);
    if (kind != 4) ExpectNear(a.MonthETo[m], b.MonthETo[m], 0.005, month + " ETo");
  }
}

TEST(RoundTrip, ClimateOfEveryKindInEveryUnit) {
  ScratchDir dir;
  for (int kind = 1; kind <= 6; ++kind) {
    const std::string path = dir.File(std::string("climate") + ExtensionOf(kind));
    RandomValues r(60 + kind);
    for (const Units& u : kUnits) {
      for (int n = 0; n < kCasesPerUnits; ++n) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", " + u.name + ", case " +
                     std::to_string(n));
        ScriptedUi ui;
        Workspace ws(ui, {2026, 12, 10});
        ws.options.humidityasperc = u.humidityasperc;
        ws.options.windaskmday = u.windaskmday;
        ws.options.sunshineunit = u.sunshine;
        ws.options.etoasmmday = u.etoasmmday;
        RandomClimate(r, ws, kind);
        ui.Clear();  // the recomputation may have pointed out humidity values it refused
        ASSERT_TRUE(WriteClimateFile(ws, path));

        Workspace back(ui, {2026, 12, 10});
        back.options = ws.options;
        back.climate.TempMinMax = !ws.climate.TempMinMax;
        ASSERT_TRUE(ReadClimateFile(back, path));
        ExpectSameClimate(ws, back, kind);
        EXPECT_TRUE(ui.shown.empty());
        if (testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace vsk

// Random rain records of every kind, with every effective-rain method, are written and read
// back: the rain values, the effective rain (to the one decimal the file keeps), the method
// and its parameters, the station and the year.
#include <gtest/gtest.h>

#include <string>

#include "core/vskdatafile.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "randomrecords.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::RandomValues;
using test::ScratchDir;
using test::ScriptedUi;

constexpr int kCasesPerKind = 200;

// A value as the file keeps it: one decimal.
double OneDecimal(double v) {
  double out = 0;
  EXPECT_TRUE(ParseReal(FormatC("%.1f", v), out));
  return out;
}

void RandomMethod(RandomValues& r, Options& o) {
  o.ermethod = static_cast<byte>(r.Int(1, 5));
  o.erfixperc = static_cast<byte>(r.Int(0, 100));
  o.rainx = r.Int(0, 999);
  o.raina = r.Real(0.0, 1.0, 2);
  o.rainb = r.Int(-99, 99);
  o.rainc = r.Real(0.0, 1.0, 2);
  o.raind = r.Int(-99, 99);
}

void FillRain(RandomValues& r, Workspace& ws, int kind) {
  ClearRain(ws);
  ws.session.RainKind = static_cast<byte>(kind);
  TRainData& d = ws.rain.Data;
  d.RainStation = r.Name(20);
  for (int m = 1; m <= 12; ++m) {
    if (kind == 1)
      for (int day = 1; day <= MonthLength(m); ++day)
        d.DayRain[m][day] = r.RealOrMissing(0.0, 999.9, 1, 0.05);
    if (kind == 2)
      for (int k = 1; k <= 3; ++k) d.DecadeRain[m][k] = r.RealOrMissing(0.0, 999.9, 1, 0.05);
    if (kind == 3) d.MonthRain[m] = r.RealOrMissing(0.0, 999.9, 1, 0.05);
  }
  if (kind == 1) ws.rain.RainYear = r.Int(1900, 2026);
  RandomMethod(r, ws.options);
  RecomputeRain(ws);  // the effective rain and sums, as the rain window shows them
}

void ExpectSameRain(const Workspace& want, const Workspace& got, int kind) {
  const TRainData& a = want.rain.Data;
  const TRainData& b = got.rain.Data;
  EXPECT_EQ(b.RainStation, a.RainStation);
  EXPECT_EQ(got.session.RainKind, kind);
  const Options& o = want.options;
  const Options& g = got.options;
  EXPECT_EQ(g.ermethod, o.ermethod);
  if (o.ermethod == 1) {
    EXPECT_EQ(g.erfixperc, o.erfixperc);
  }
  if (o.ermethod == 3) {
    EXPECT_EQ(g.rainx, o.rainx);
    EXPECT_EQ(g.raina, o.raina);
    EXPECT_EQ(g.rainb, o.rainb);
    EXPECT_EQ(g.rainc, o.rainc);
    EXPECT_EQ(g.raind, o.raind);
  }
  for (int m = 1; m <= 12; ++m) {
    SCOPED_TRACE("month " + std::to_string(m));
    for (int k = 1; k <= 3; ++k)
      EXPECT_EQ(b.DecadeEffRain[m][k], OneDecimal(a.DecadeEffRain[m][k]));
    EXPECT_EQ(b.MonthEffRain[m], OneDecimal(a.MonthEffRain[m]));
    if (kind == 1) {
      for (int day = 1; day <= 31; ++day) EXPECT_EQ(b.DayRain[m][day], a.DayRain[m][day]) << day;
    } else {
      for (int k = 1; k <= 3; ++k) EXPECT_EQ(b.DecadeRain[m][k], OneDecimal(a.DecadeRain[m][k]));
      EXPECT_EQ(b.MonthRain[m], OneDecimal(a.MonthRain[m]));
    }
  }
  if (kind == 1) {
    EXPECT_EQ(got.rain.RainYear, want.rain.RainYear);
  }
}

TEST(RoundTrip, RainOfEveryKind) {
  ScratchDir dir;
  for (int kind = 1; kind <= 3; ++kind) {
    const std::string path = dir.File(kind == 1 ? "rain.CRD" : kind == 2 ? "rain.crc" : "rain.CRM");
    RandomValues r(40 + kind);
    for (int n = 0; n < kCasesPerKind; ++n) {
      SCOPED_TRACE("kind " + std::to_string(kind) + " case " + std::to_string(n));
      ScriptedUi ui;
      Workspace ws(ui, {2026, 12, 10});
      FillRain(r, ws, kind);
      ASSERT_TRUE(WriteRainFile(ws, path));
      Workspace back(ui, {2026, 12, 10});
      back.options.ermethod = 2;
      ASSERT_TRUE(ReadRainFile(back, path));
      ExpectSameRain(ws, back, kind);
      EXPECT_TRUE(ui.shown.empty());
      if (testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vsk

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "cwr/vskcwrcalc.h"
#include "schedule/vskricecwr.h"
#include "scheme/vskpatterncalc.h"
#include "scheme/vskschemecalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

DateSerial D(int day, int month) {
  return EncodeDate(1994, month, day);
}

// A dry crop of four 30-day stages with one Kc throughout and no crop height
// (no correction).
TCropRecord FlatCrop(double kc) {
  TCropRecord c;
  c.CropName = "Flat";
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = 30;
  c.Kc[1] = c.Kc[3] = c.Kc[4] = kc;
  c.RootDepth[2] = 0.3;
  c.RootDepth[3] = 1.0;
  c.CritDepletion[1] = c.CritDepletion[3] = c.CritDepletion[4] = 0.5;
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.0;
  return c;
}

struct SchemeTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};

  void SetUp() override {
    ResetPattern(ws);
    // Decade measured ETo (mm/day) and decade rain without effective rain.
    ws.session.EtoKind = 5;
    ws.session.ReaderSucceeded(DataKind::Climate, "/d/st.pmc");
    ws.session.RainKind = 2;
    ws.session.ReaderSucceeded(DataKind::Rain, "/d/r.crc");
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 3; ++d) {
        ws.climate.DecadeETo[m][d] = 10.0 / 3.0;
        ws.rain.Data.DecadeRain[m][d] = 0;
        ws.rain.Data.DecadeEffRain[m][d] = 0;
      }
      ws.climate.MonthETo[m] = 10.0 / 3.0;
      ws.rain.Data.MonthRain[m] = 0;
      ws.rain.Data.MonthEffRain[m] = 0;
    }
  }

  void AddCrop(int k, const TCropRecord& crop, bool dry, DateSerial planting, int area) {
    PatternEntry& e = ws.pattern.Entry(k);
    e.CropFileName = crop.CropName + ".cro";
    e.Crop = crop;
    e.DryCrop = dry;
    e.PlantingDate = planting;
    e.HarvestDate = PatternHarvestDate(e);
    e.Area = area;
  }
};

TEST_F(SchemeTest, TwoCropsInJune) {
  // ETo 10/3 mm/day: in June the first crop (Kc 1.0) needs 100 mm, the second
  // (Kc 0.6) 60 mm.
  AddCrop(1, FlatCrop(1.0), true, D(1, 5), 50);
  AddCrop(2, FlatCrop(0.6), true, D(1, 5), 50);
  // Effective rain above the August demand: the crops are in the field but need
  // no water.
  for (int d = 1; d <= 3; ++d)
    ws.rain.Data.DecadeEffRain[8][d] = ws.rain.Data.DecadeRain[8][d] = 300;
  ws.session.CropIsDry = false;
  const TCropRecord sessionCrop = ws.crop;

  int n = 0;
  ASSERT_TRUE(SchemeSupply(ws, n));
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(ws.session.CropIsDry);  // the session crop's kind is back
  EXPECT_EQ(ws.crop.StageLength[1], sessionCrop.StageLength[1]);

  EXPECT_NEAR(ws.pattern.Entry(1).MonthlySupply[6], 100.0, 1e-9);
  EXPECT_NEAR(ws.pattern.Entry(2).MonthlySupply[6], 60.0, 1e-9);
  EXPECT_NEAR(ws.pattern.Entry(1).DecadeSupply[6][2], 100.0 / 3, 1e-9);
  const SchemeTotals t = SchemeTotalsOf(ws.pattern);
  EXPECT_NEAR(t.MmMonth[6], 80.0, 1e-9);
  EXPECT_EQ(RealToText(1, t.MmMonth[6]), "80.0");
  EXPECT_EQ(RealToText(1, t.MmDay[6]), "2.7");
  EXPECT_NEAR(t.LSHa[6], 80.0 / 30 / 8.640001, 1e-12);
  EXPECT_EQ(RealToText(2, t.LSHa[6]), "0.31");
  EXPECT_DOUBLE_EQ(t.IrrigatedArea[6], 100);
  EXPECT_NEAR(t.ActualAreaLSHa[6], t.LSHa[6], 1e-12);
  EXPECT_EQ(RealToText(2, t.ActualAreaLSHa[6]), "0.31");

  // January: no crop, no demand. August: crops in the field with a supply of
  // exactly 0.
  for (int m : {1, 8}) {
    SCOPED_TRACE(m);
    EXPECT_EQ(ws.pattern.Entry(1).MonthlySupply[m], 0.0);
    EXPECT_EQ(t.MmMonth[m], 0.0);
    EXPECT_EQ(t.IrrigatedArea[m], 0.0);
    EXPECT_EQ(t.ActualAreaLSHa[m], 0.0);
  }
  // May: 31 days of the first crop, half of the area each.
  EXPECT_NEAR(t.MmMonth[5], 0.5 * 31 * 10.0 / 3 + 0.5 * 0.6 * 31 * 10.0 / 3, 1e-9);

  // The table: crop rows, then the scheme rows.
  const auto rows = SchemeTableRows(ws, n);
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(rows[0].title, "Precipitation deficit");
  EXPECT_EQ(rows[1].title, "1. Flat");
  EXPECT_TRUE(rows[1].bold);
  EXPECT_NEAR(rows[2].values[6], 60.0, 1e-9);
  EXPECT_EQ(rows[4].title, "Net scheme irr.req.");
  EXPECT_EQ(rows[5].title, "in mm/day");
  EXPECT_EQ(rows[7].title, "in l/s/h");
  EXPECT_EQ(rows[7].decimals, 2);
  EXPECT_EQ(rows[9].title, "Irrigated area");
  EXPECT_EQ(rows[10].title, "(% of total area)");
  EXPECT_FALSE(rows[10].hasValues);
  EXPECT_EQ(rows[12].title, "Irr.req. for actual area");
  EXPECT_EQ(rows[13].title, "(l/s/h)");
  EXPECT_EQ(SchemeMonthHeadings(ws)[6], "Jun");
}

TEST_F(SchemeTest, ActualAreaOfAPartlyIrrigatedScheme) {
  AddCrop(1, FlatCrop(1.0), true, D(1, 5), 25);
  int n = 0;
  ASSERT_TRUE(SchemeSupply(ws, n));
  const SchemeTotals t = SchemeTotalsOf(ws.pattern);
  EXPECT_NEAR(t.MmMonth[6], 25.0, 1e-9);
  EXPECT_DOUBLE_EQ(t.IrrigatedArea[6], 25);
  EXPECT_NEAR(t.ActualAreaLSHa[6], 25.0 / 30 / 8.640001 / 0.25, 1e-12);
  // A missing scheme requirement shows empty cells and 0 for the actual area.
  ws.pattern.NetSchemeRequirement[6] = MissingReal;
  const SchemeTotals m = SchemeTotalsOf(ws.pattern);
  EXPECT_EQ(m.MmDay[6], MissingReal);
  EXPECT_EQ(m.LSHa[6], MissingReal);
  EXPECT_EQ(m.ActualAreaLSHa[6], 0.0);
}

TEST_F(SchemeTest, RiceAddsItsLandPreparationWater) {
  TCropRecord rice = FlatCrop(1.1);
  rice.CropName = "Paddy";
  rice.StageLength[5] = 30;  // nursery
  rice.StageLength[6] = 30;  // land preparation
  rice.StageLength[7] = 10;  // puddling
  rice.Kc[5] = 1.2;
  rice.Kc[6] = 1.05;
  for (int i : {1, 3, 4, 5, 6}) rice.KcDry[i] = 0.5;
  rice.PuddleDepth = 0.1;
  rice.NurseryArea = 10;
  rice.CritDepletion[5] = 0.2;
  ws.soil.SoilName = "Clay";
  ws.soil.TotalAvailMoisture = 140;
  ws.soil.MaxInfiltration = 40;
  ws.soil.MaxRootDepth = 120;
  ws.soil.InitialDepletion = 0;
  ws.soil.MaxWaterDepth = 100;
  ws.soil.DrainablePorosity = 10;
  ws.soil.CrackDepletion = 0.4;
  ws.soil.WaterAtPlanting = 50;
  ws.soil.WaterType = 1;
  ws.session.ReaderSucceeded(DataKind::Soil, "/d/clay.soi");

  // Planted on 15/03: nursery and land preparation from 13/02.
  AddCrop(1, FlatCrop(1.0), true, D(1, 5), 60);
  AddCrop(2, rice, false, D(15, 3), 40);
  const Options options = ws.options;
  int n = 0;
  ASSERT_TRUE(SchemeSupply(ws, n));
  EXPECT_TRUE(ws.session.CropIsDry);
  EXPECT_EQ(ws.options.riceapplopt, options.riceapplopt);

  // The ten-day requirement alone, without the land-preparation water.
  CwrResults plain;
  ComputeCwr(ws, rice, false, D(15, 3), plain);
  RiceCwrResult riceResult;
  RiceCwr(ws, rice, D(15, 3), riceResult);
  const CwrResults full = ws.cwr;
  const PatternEntry& e = ws.pattern.Entry(2);
  double plainFeb = 0;
  for (int d = 1; d <= 3; ++d) plainFeb += plain.DecadeIrrReq[2][d];
  EXPECT_GT(e.MonthlySupply[2], plainFeb + 1.0);
  for (int m = 1; m <= 12; ++m) {
    SCOPED_TRACE(m);
    double sum = 0;
    for (int d = 1; d <= 3; ++d) sum += full.DecadeIrrReq[m][d];
    EXPECT_NEAR(e.MonthlySupply[m], sum, 1e-9);
  }
  // February holds only the rice crop's land preparation: its area is the
  // irrigated area.
  EXPECT_DOUBLE_EQ(ws.pattern.IrrigatedArea[2], 40);
  EXPECT_NEAR(ws.pattern.NetSchemeRequirement[2], 0.4 * e.MonthlySupply[2], 1e-9);
  EXPECT_DOUBLE_EQ(ws.pattern.IrrigatedArea[1], 0);
}

TEST_F(SchemeTest, FailuresStopTheCalculation) {
  int n = -1;
  EXPECT_FALSE(SchemeSupply(ws, n));
  EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{"Error in cropping pattern\rCalculation "
                                                          "of scheme supply not possible"});

  // The second crop's season lacks November ETo: the first crop keeps its
  // supplies.
  ui.Clear();
  AddCrop(1, FlatCrop(1.0), true, D(1, 5), 50);
  AddCrop(2, FlatCrop(0.6), true, D(1, 10), 50);
  ws.climate.DecadeETo[11][2] = MissingReal;
  EXPECT_FALSE(SchemeSupply(ws, n));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"ETo data (November)are not OK\rCalculation of crop water "
                                     "requirement not possible"});
  EXPECT_NEAR(ws.pattern.Entry(1).MonthlySupply[6], 100.0, 1e-9);
  EXPECT_EQ(ws.pattern.Entry(2).MonthlySupply[6], MissingReal);
  EXPECT_NEAR(ws.pattern.NetSchemeRequirement[6], 50.0, 1e-9);
}

}  // namespace
}  // namespace vsk

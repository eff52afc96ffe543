#include <gtest/gtest.h>

#include "output/vskschemetable.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

// Two crops of 50 % each with 100 and 60 mm in June, nothing in July.
struct SchemeTableTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  SchemeResults r;
  void SetUp() override {
    ws.climate.Data.Station = "Nairobi";
    ws.rain.Data.RainStation = "Kisumu";
    ws.pattern.Name = "Scheme A";
    ws.pattern.Entries[1].Crop.CropName = "Maize";
    ws.pattern.Entries[2].Crop.CropName = "Beans";
    ws.pattern.Entries[1].MonthlySupply[6] = 100;
    ws.pattern.Entries[2].MonthlySupply[6] = 60;
    ws.pattern.Entries[1].MonthlySupply[7] = 0;
    r.cropCount = 2;
    r.NetSchemeRequirement[6] = 80;
    r.IrrigatedArea[6] = 100;
  }
};

TEST_F(SchemeTableTest, RowsAndScheme) {
  const TableContent t = SchemeTable(ws, r);
  ASSERT_EQ(t.RowCount(), 15);
  EXPECT_EQ(t.Text(0, 1), "Jan");
  EXPECT_EQ(t.Text(1, 0), "Precipitation deficit");
  EXPECT_EQ(t.Text(2, 0), "1. Maize");
  EXPECT_TRUE(t.At(2, 0).bold);
  EXPECT_EQ(t.Text(2, 6), "100.0");
  EXPECT_EQ(t.Text(2, 7), "0.0");
  EXPECT_EQ(t.Text(2, 5), "");
  EXPECT_EQ(t.Text(5, 0), "Net scheme irr.req.");
  EXPECT_EQ(t.Text(6, 0), "in mm/day");
  EXPECT_EQ(t.Text(6, 6), "2.7");  // 80 / 30
  EXPECT_EQ(t.Text(7, 6), "80.0");
  EXPECT_EQ(t.Text(8, 0), "in l/s/h");
  EXPECT_EQ(t.Text(8, 6), "0.31");
  EXPECT_EQ(t.Text(10, 6), "100.0");
  EXPECT_EQ(t.Text(13, 0), "Irr.req. for actual area");
  EXPECT_EQ(t.Text(13, 6), "0.31");
  EXPECT_EQ(t.Text(13, 7), "0.00");  // no irrigated area in July
  EXPECT_EQ(t.Text(14, 0), "(l/s/h)");
}

TEST_F(SchemeTableTest, ActualAreaFlowAndMissingRequirement) {
  r.IrrigatedArea[6] = 50;
  EXPECT_DOUBLE_EQ(SchemeActualAreaLitresPerSecond(r, 6), 80.0 / 30 / 8.640001 / 0.5);
  r.NetSchemeRequirement[8] = MissingReal;
  r.IrrigatedArea[8] = 40;
  const TableContent t = SchemeTable(ws, r);
  EXPECT_EQ(t.Text(6, 8), "");
  EXPECT_EQ(t.Text(7, 8), "");
  EXPECT_EQ(t.Text(13, 8), "0.00");
}

TEST_F(SchemeTableTest, ReportLines) {
  const auto lines = SchemeReportLines(ws, r, {});
  EXPECT_EQ(lines[0],
            LeftAlignText("ETo station: Nairobi", ' ', 40) + "Cropping pattern: Scheme A");
  EXPECT_EQ(lines[1], LeftAlignText("Rain station: Kisumu", ' ', 40));
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], Blanks(24) +
                          " Jan   Feb   Mar   Apr   May   Jun   Jul   Aug   Sep   Oct   Nov  "
                          " Dec  ");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], LeftAlignText("Precipitation deficit", ' ', 24) + Blanks(72));
}

}  // namespace
}  // namespace vsk

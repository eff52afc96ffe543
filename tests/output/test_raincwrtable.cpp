#include <gtest/gtest.h>

#include "output/vskcwrtable.h"
#include "output/vskraintable.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

struct RainTableTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  void SetUp() override {
    ws.rain.Data.RainStation = "Kisumu";
    ws.session.File(DataKind::Rain) = "/d/KISUMU.CRC";
  }
};

TEST_F(RainTableTest, DecadeLayoutAndResultColumns) {
  ws.session.RainKind = kRainDecade;
  ws.rain.Data.DecadeRain[3][1] = 12.34;
  ws.rain.Data.DecadeRain[3][2] = 20;
  ws.rain.Data.MonthRain[3] = 32.34;
  ws.rain.TotalRain = 32.34;
  const TableContent t = RainTable(ws);
  ASSERT_EQ(t.RowCount(), 17);
  ASSERT_EQ(t.ColumnCount(), 9);
  EXPECT_EQ(t.RowTexts(0), (std::vector<std::string>{"", "Rain", "Eff Rain", "Rain", "Eff Rain",
                                                     "Rain", "Eff Rain", "Rain", "Eff Rain"}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "dec 1", "dec 1", "dec 2", "dec 2",
                                                     "dec 3", "dec 3", "month", "month"}));
  EXPECT_EQ(t.RowTexts(5),
            (std::vector<std::string>{"March", "12.3", "", "20.0", "", "", "", "32.3", ""}));
  EXPECT_EQ(t.Text(16, 0), "Total");
  EXPECT_EQ(t.Text(16, 7), "32.3");
  for (int c : {1, 3, 5}) EXPECT_TRUE(t.At(5, c).editable) << c;
  for (int c : {2, 4, 6, 7, 8}) {
    EXPECT_FALSE(t.At(5, c).editable) << c;
    EXPECT_EQ(t.At(5, c).shade, CellShade::Result) << c;
  }
}

TEST_F(RainTableTest, MonthlyAndDailyLayouts) {
  ws.rain.Data.MonthRain[1] = 100;
  ws.rain.Data.MonthEffRain[1] = 56;
  const TableContent month = MonthRainTable(ws);
  EXPECT_EQ(month.RowTexts(0), (std::vector<std::string>{"", "Rain", "Eff rain"}));
  EXPECT_EQ(month.RowTexts(2), (std::vector<std::string>{"January", "100.0", "56.0"}));
  EXPECT_EQ(month.Text(15, 0), "Total");

  const TableContent day = DayRainTable(ws);
  ASSERT_EQ(day.ColumnCount(), 34);
  EXPECT_EQ(day.Text(0, 32), "Total Rain");
  EXPECT_EQ(day.Text(0, 33), "Total Eff Rain");
  EXPECT_EQ(day.Text(1, 33), "mm");
  EXPECT_FALSE(day.At(5, 31).editable);  // 31 April
  EXPECT_EQ(day.At(5, 31).shade, CellShade::Unused);
  EXPECT_TRUE(day.At(5, 30).editable);
}

TEST_F(RainTableTest, MethodLinesOfTheReport) {
  struct Case {
    int method;
    int kind;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {1, kRainMonthly, {"Eff. rain method: Effective rain is 80 % of actual rain"}},
      {2,
       kRainMonthly,
       {"Eff. rain method: Dependable rain (KELD / NORV formula):",
        "                  Peff = 0.6 * Pmon - 10  for Pmon <= 70 mm",
        "                  Peff = 0.8 * Pmon - 24  for Pmon  > 70 mm"}},
      {3,
       kRainDecade,
       {"Eff. rain method: Empirical formula:",
        "                  Peff = 0.5 * Pdec + -5/3  for Pmon <= 50/3",
        "                  Peff = 0.7 * Pdec + 20/3  for Pmon  > 50/3"}},
      {4,
       kRainDaily,
       {"Eff. rain method: USDA Soil Conservation Service formula:",
        "                  Peff = Pdec * (125 - 0.6 * Pdec) / 125  for Pdec <= 250/3 mm",
        "                  Peff = 125 / 3 + 0.1 * Pdec             for Pdec  > 250/3 mm"}},
      {5, kRainMonthly, {"Eff. rain method: Rainfall not considered (effective rainfall = 0)"}},
  };
  for (const Case& c : cases) {
    ws.options.ermethod = static_cast<byte>(c.method);
    ws.session.RainKind = static_cast<byte>(c.kind);
    const auto lines = RainReportHeadingLines(ws, {});
    EXPECT_EQ(lines[0], "Station: Kisumu");
    EXPECT_EQ(lines[1], "");
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(lines[2 + i], c.lines[i]) << c.method;
    EXPECT_EQ(lines[2 + c.lines.size()], "");
    EXPECT_EQ(lines[3 + c.lines.size()], "");
  }
  ws.session.RainKind = kRainDecade;
  EXPECT_EQ(RainReportTitleLines(ws),
            (std::vector<std::string>{"", "Decade rain data", "(File: /d/KISUMU.CRC)", ""}));
}

// A season of 40 days from 5 January: five decade rows, the first with 6 season days.
struct CwrTableTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  void SetUp() override {
    ws.climate.Data.Station = "Nairobi";
    ws.rain.Data.RainStation = "Kisumu";
    ws.crop.CropName = "Maize";
    ws.session.PlantingDate = *ParseDayMonth("05/01");
    const int rows[5][3] = {{1, 1, 6}, {1, 2, 10}, {1, 3, 11}, {2, 1, 10}, {2, 2, 3}};
    const char* stages[5] = {"Init", "Init", "Deve", "Deve", "Mid"};
    for (int i = 0; i < 5; ++i) {
      TCwrRow r;
      r.Month = rows[i][0];
      r.Decade = rows[i][1];
      r.SeasonDays = rows[i][2];
      r.Stage = stages[i];
      ws.cwr.CwrRows.push_back(r);
      ws.cwr.DecadeKc[r.Month][r.Decade] = 0.3 + 0.1 * i;
      ws.cwr.DecadeETc[r.Month][r.Decade] = 2.0 + i;
      ws.cwr.DecadeIrrReq[r.Month][r.Decade] = 10.0 * i;
      ws.rain.Data.DecadeEffRain[r.Month][r.Decade] = 15;
    }
    ws.rain.Data.DecadeEffRain[1][3] = MissingReal;
  }
};

TEST_F(CwrTableTest, RowsProrateByTheSeasonDays) {
  const TableContent t = CwrTable(ws);
  ASSERT_EQ(t.RowCount(), 9);
  EXPECT_EQ(t.RowTexts(0), (std::vector<std::string>{"Month", "Decade", "Stage", "Kc", "ETc", "ETc",
                                                     "Eff rain", "Irr. Req."}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "", "", "coeff", "mm/day", "mm/dec",
                                                     "mm/dec", "mm/dec"}));
  // 6 x 2.0 mm/day; 6/10 of 15 mm.
  EXPECT_EQ(t.RowTexts(2),
            (std::vector<std::string>{"Jan", "1", "Init", "0.30", "2.00", "12.0", "9.0", "0.0"}));
  EXPECT_EQ(t.RowTexts(4),
            (std::vector<std::string>{"Jan", "3", "Deve", "0.50", "4.00", "44.0", "", "20.0"}));
  EXPECT_EQ(t.RowTexts(7), std::vector<std::string>(8, ""));
  // 12 + 30 + 44 + 50 + 18; 9 + 15 + 15 + 4.5; 0 + 10 + 20 + 30 + 40.
  EXPECT_EQ(t.RowTexts(8),
            (std::vector<std::string>{"Totals", "", "", "", "", "154.0", "43.5", "100.0"}));
  EXPECT_TRUE(t.At(8, 5).bold);
  EXPECT_TRUE(t.At(8, 7).bold);
}

TEST_F(CwrTableTest, FebruaryThirdDecadeProratesOverEightDays) {
  TCwrRow r;
  r.Month = 2;
  r.Decade = 3;
  r.SeasonDays = 4;
  ws.rain.Data.DecadeEffRain[2][3] = 10;
  EXPECT_DOUBLE_EQ(CwrRowValues(ws, r).effRain, 4 * 10 / 8.0);
}

TEST_F(CwrTableTest, ReportLines) {
  const auto lines = CwrReportLines(ws, {});
  EXPECT_EQ(lines[0], LeftAlignText("ETo station: Nairobi", ' ', 40) + "Crop: Maize");
  EXPECT_EQ(lines[1], LeftAlignText("Rain station: Kisumu", ' ', 40) + "Planting date: 05/01");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4],
            "Month   Decade    Stage       Kc       ETc       ETc     Eff rain Irr. Req. ");
  EXPECT_EQ(lines[7],
            "Jan       1        Init      0.30      2.00      12.0      9.0       0.0    ");
  EXPECT_EQ(SectionLines(CwrReport(ws, {}))[1], "CROP WATER REQUIREMENTS");
}

}  // namespace
}  // namespace vsk

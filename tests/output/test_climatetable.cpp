#include <gtest/gtest.h>

#include "output/vskclimatetable.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

struct ClimateTableTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};

  void SetUp() override {
    ws.climate.Data.Country = "Kenya";
    ws.climate.Data.Station = "Nairobi";
    ws.climate.Data.Altitude = 1798;
    ws.climate.Data.Latitude = 1.32;
    ws.climate.Data.South = true;
    ws.climate.Data.Longitude = 36.92;
    TClimatePeriod& jan = ws.climate.Data.Month[1];
    jan.TMin = 12.6;
    jan.TMax = 26.3;
    jan.Humidity = 58;
    jan.Wind = 172.8;
    jan.Sunshine = 9.1;
    jan.Radiation = 23.456;
    ws.climate.MonthETo[1] = 4.567;
    ws.session.File(DataKind::Climate) = "/data/NAIROBI.PEM";
  }
};

TEST_F(ClimateTableTest, MonthlyLayoutWithMinMaxTemperatures) {
  ws.session.EtoKind = kEtoMonthPM;
  const double averages[8] = {0, 12.04, 23.45, 66.4, 208, 6.44, 18.83, 3.971};
  for (int c = 1; c <= 7; ++c) ws.climate.AverageRow[c] = averages[c];
  const TableContent t = ClimateTable(ws);
  ASSERT_EQ(t.RowCount(), 16);
  EXPECT_EQ(t.RowTexts(15), (std::vector<std::string>{"Average", "12.0", "23.5", "66", "208", "6.4",
                                                      "18.8", "3.97"}));
  ASSERT_EQ(t.ColumnCount(), 8);
  EXPECT_EQ(t.RowTexts(0), (std::vector<std::string>{"", "Min Temp", "Max Temp", "Humidity", "Wind",
                                                     "Sun", "Rad", "ETo"}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "°C", "°C", "%", "km/day", "hours",
                                                     "MJ/m²/day", "mm/day"}));
  EXPECT_EQ(t.RowTexts(2), (std::vector<std::string>{"January", "12.6", "26.3", "58", "173", "9.1",
                                                     "23.5", "4.57"}));
  EXPECT_EQ(t.Text(13, 0), "December");
  EXPECT_EQ(t.Text(15, 0), "Average");
  // Input columns editable, Rad and ETo read-only results.
  for (int c = 1; c <= 5; ++c) EXPECT_TRUE(t.At(2, c).editable) << c;
  for (int c = 6; c <= 7; ++c) {
    EXPECT_FALSE(t.At(2, c).editable);
    EXPECT_EQ(t.At(2, c).shade, CellShade::Result);
  }
  EXPECT_FALSE(t.At(15, 1).editable);
}

TEST_F(ClimateTableTest, MeanTemperatureLayoutAndOtherUnits) {
  ws.climate.TempMinMax = false;
  ws.climate.Data.Month[1].TMean = 19.45;
  ws.options.humidityasperc = false;
  ws.options.windaskmday = false;
  ws.options.etoasmmday = false;
  ws.options.sunshineunit = SunshineUnit::Fraction;
  ws.options.estimateall = true;
  ws.climate.Data.Month[1].Humidity = 1.234;
  ws.climate.Data.Month[1].Wind = 2;
  ws.climate.Data.Month[1].Sunshine = 0.755;
  ws.session.EtoKind = kEtoMonthPM;
  const TableContent t = ClimateTable(ws);
  ASSERT_EQ(t.ColumnCount(), 7);
  EXPECT_EQ(t.RowTexts(0),
            (std::vector<std::string>{"", "Avg Temp", "Humidity", "Wind", "Sun", "Rad", "ETo"}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "°C", "kPa", "m/s", "fraction",
                                                     "MJ/m²/day", "mm/month"}));
  EXPECT_EQ(t.RowTexts(2),
            (std::vector<std::string>{"January", "19.5", "1.23", "2.0", "0.76", "23.5", "4.57"}));
  // With every value estimated only the temperature is typed.
  EXPECT_TRUE(t.At(2, 1).editable);
  for (int c = 2; c <= 6; ++c) {
    EXPECT_FALSE(t.At(2, c).editable) << c;
    EXPECT_EQ(t.At(2, c).shade, CellShade::Result) << c;
  }
}

TEST_F(ClimateTableTest, DecadeRowsAndMonthSummaries) {
  ws.session.EtoKind = kEtoDecadePM;
  ws.options.etoasmmday = false;
  ws.climate.DecadeETo[12][3] = 55.5;
  const TableContent t = ClimateTable(ws);
  ASSERT_EQ(t.RowCount(), 63);
  EXPECT_EQ(t.Text(0, 0), "Month/Dec");
  EXPECT_EQ(t.Text(1, 7), "mm/dec");
  EXPECT_EQ(t.Text(2, 0), "Jan   1");
  EXPECT_EQ(t.Text(4, 0), "Jan   3");
  EXPECT_EQ(t.Text(5, 0), "Month");
  EXPECT_EQ(t.Text(5, 1), "12.6");  // the monthly summary
  EXPECT_FALSE(t.At(5, 1).editable);
  EXPECT_TRUE(t.At(4, 1).editable);
  EXPECT_EQ(t.Text(6, 0), "");
  EXPECT_EQ(t.Text(59, 0), "Dec   3");
  EXPECT_EQ(t.Text(59, 7), "55.50");
  EXPECT_EQ(t.Text(62, 0), "Average");
}

TEST_F(ClimateTableTest, DailyTabsGreyDaysPastTheMonthEnd) {
  ws.session.EtoKind = kEtoDayPM;
  ws.options.etoasmmday = false;  // the daily tables always show mm/day
  ws.climate.Data.Day[2][28].TMin = 11;
  const TableContent feb = ClimateTable(ws, 2);
  ASSERT_EQ(feb.RowCount(), 35);
  EXPECT_EQ(feb.caption, "Feb");
  EXPECT_EQ(feb.Text(1, 7), "mm/day");
  EXPECT_EQ(feb.Text(29, 1), "11.0");
  EXPECT_TRUE(feb.At(29, 1).editable);
  for (int row = 30; row <= 32; ++row) {
    EXPECT_FALSE(feb.At(row, 1).editable) << row;
    EXPECT_EQ(feb.At(row, 1).shade, CellShade::Unused) << row;
  }
  EXPECT_EQ(feb.Text(34, 0), "Average");
  const TableContent year = ClimateTable(ws, 13);
  EXPECT_EQ(year.Text(0, 0), "Month");
  EXPECT_EQ(year.Text(2, 1), "12.6");
  EXPECT_TRUE(year.At(14, 0).bold);
  EXPECT_FALSE(year.At(2, 1).editable);
}

TEST_F(ClimateTableTest, MeasuredTablesFollowTheEtoOption) {
  ws.options.etoasmmday = false;
  ws.climate.DecadeETo[1][1] = 40;
  ws.climate.DecadeETo[1][2] = 50;
  ws.climate.MonthETo[1] = 90;
  const TableContent dec = DecMEToTable(ws);
  EXPECT_EQ(dec.RowTexts(1), (std::vector<std::string>{"", "Dec 1", "Dec 2", "Dec 3", "Month"}));
  EXPECT_EQ(dec.RowTexts(2),
            (std::vector<std::string>{"", "mm/dec", "mm/dec", "mm/dec", "mm/month"}));
  EXPECT_EQ(dec.RowTexts(3), (std::vector<std::string>{"January", "40.0", "50.0", "", "90.0"}));
  EXPECT_TRUE(dec.At(3, 3).editable);
  EXPECT_FALSE(dec.At(3, 4).editable);
  EXPECT_EQ(dec.Text(16, 0), "Average");

  const TableContent day = DayMEToTable(ws);
  ASSERT_EQ(day.ColumnCount(), 33);
  EXPECT_EQ(day.Text(0, 0), "Day");
  EXPECT_EQ(day.Text(0, 32), "Month");
  EXPECT_EQ(day.Text(1, 5), "mm/d");
  EXPECT_FALSE(day.At(3, 29).editable);  // 29 February
  EXPECT_TRUE(day.At(3, 28).editable);
}

TEST_F(ClimateTableTest, ReportOfTheMonthlyWindow) {
  ws.session.EtoKind = kEtoMonthPM;
  const ReportSection s = ClimateReport(ws, {});
  EXPECT_EQ(s.titleLines, (std::vector<std::string>{"", "Monthly ETo Penman-Monteith data",
                                                    "(File: /data/NAIROBI.PEM)", ""}));
  ASSERT_GE(s.dataLines.size(), 7u);
  EXPECT_EQ(s.dataLines[0], "Country: Kenya                     Station: Nairobi");
  EXPECT_EQ(s.dataLines[1],
            "Altitude: 1798 m.                  Latitude: 1.32 °S     Longitude: 36.92 °E");
  EXPECT_EQ(s.dataLines[2], "");
  EXPECT_EQ(s.dataLines[3], "");
  EXPECT_EQ(s.dataLines[4].substr(0, 20), "           Min Temp ");
  EXPECT_EQ(s.dataLines[6], "");  // between the units row and January
  EXPECT_EQ(s.dataLines[7].substr(0, 10), "January   ");
}

TEST_F(ClimateTableTest, DailyReportOfTheCurrentMonthOnly) {
  ws.session.EtoKind = kEtoDayPM;
  ws.climate.EToYear = 2015;
  ReportOptions o;
  o.allMonths = false;
  o.currentMonth = 3;
  const auto lines = ClimateReportHeadingLines(ws, o);
  EXPECT_EQ(lines[0], LeftAlignText("Country: Kenya", ' ', 35) +
                          LeftAlignText("Station: Nairobi", ' ', 35) + "Year: 2015");
  // "°S" is one character of the line: the latitude part takes 35 visible places.
  EXPECT_EQ(lines[1], "Altitude: 1798 m." + Blanks(18) + "Latitude: 1.32 °S" + Blanks(18) +
                          "Longitude: 36.92 °E");
  EXPECT_EQ(lines[4], "MARCH");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6].substr(0, 10), "Day       ");
  // One month table: 35 rows, the heading separator and the closing empty line.
  EXPECT_EQ(lines.size(), 6u + 35u + 2u);
}

TEST_F(ClimateTableTest, MeasuredReportHeadings) {
  ws.session.EtoKind = kEtoDayMeasured;
  ws.climate.EToYear = MissingInt;
  auto lines = ClimateReportHeadingLines(ws, {});
  EXPECT_EQ(lines[0], LeftAlignText("Station: Nairobi", ' ', 50) + "Year: ");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2].substr(0, 12), "Day         ");
  ws.session.EtoKind = kEtoMonthMeasured;
  lines = ClimateReportHeadingLines(ws, {});
  EXPECT_EQ(lines[0], "Station: Nairobi");
  EXPECT_EQ(lines[3], Blanks(12) + "   ETo    ");
}

}  // namespace
}  // namespace vsk

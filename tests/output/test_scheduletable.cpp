#include <gtest/gtest.h>

#include "output/vskscheduletable.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

// A dry season of 20 days from 1 March with irrigations on days 10 and 17.
struct ScheduleTableTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  ScheduleView view;

  void SetUp() override {
    ws.climate.Data.Station = "Nairobi";
    ws.rain.Data.RainStation = "Kisumu";
    ws.crop.CropName = "Maize";
    ws.soil.SoilName = "Loam";
    ws.session.PlantingDate = *ParseDayMonth("01/03");
    const int stages[5] = {0, 5, 5, 5, 5};
    const double ky[6] = {0, 0.4, 0.4, 1.3, 0.2, 1.25};
    for (int i = 1; i <= 4; ++i) ws.crop.StageLength[i] = stages[i];
    for (int i = 1; i <= 5; ++i) ws.crop.YieldResponse[i] = ky[i];
    for (int z = 1; z <= 20; ++z) {
      ScheduleDayView d;
      d.DayNumber = z;
      d.Month = 3;
      d.Day = z;
      d.Stage = static_cast<char>('A' + std::min(3, (z - 1) / 5));
      d.Ks = 1;
      d.ETa = d.ETc = 4;
      d.CumETa = d.CumETc = 4.0 * z;
      d.DeplPercent = 3.0 * z;
      d.Deficit = 2.0 * z;
      view.days.push_back(d);
    }
    view.days[9].NetIrr = 35;
    view.days[9].GrossIrr = 50;
    view.days[16].NetIrr = 24.5;
    view.days[16].GrossIrr = 35;
    view.days[16].CumETa = 20;
    view.days[16].CumETc = 28;
    view.days[19] = ScheduleDayView{};
    view.days[19].DayNumber = 20;
    view.days[19].Month = 3;
    view.days[19].Day = 20;
    view.days[19].Stage = 'D';
    view.totals.TotNetIrr = 59.5;
    view.totals.TotIrrLoss = 5;
    view.totals.TotRain = 40;
    view.totals.TotRainLoss = 10;
    for (int s = 1; s <= 4; ++s) view.totals.StageETc[s] = 20;
    view.totals.StageETa[1] = 20;
    view.totals.StageETa[2] = 18;
    view.totals.StageETa[3] = 15;
    view.totals.StageETa[4] = 16;
    view.totals.FinalDepletion = 12.34;
  }
};

TEST_F(ScheduleTableTest, IrrigationFormatShowsIrrigationDaysAndTheLastDay) {
  const TableContent t = DryScheduleTable(ws, view);
  ASSERT_EQ(t.RowCount(), 5);
  EXPECT_EQ(t.RowTexts(0),
            (std::vector<std::string>{"Date", "Day", "Stage", "Rain", "Ks", "Eta", "Depl",
                                      "Net Irr", "Deficit", "Loss", "Gr. Irr", "Flow"}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "", "", "mm", "fract.", "%", "%", "mm",
                                                     "mm", "mm", "mm", "l/s/ha"}));
  // 50 mm over 10 days and 35 mm over 7 days both give 0.58 l/s/ha.
  EXPECT_EQ(t.RowTexts(2), (std::vector<std::string>{"10 Mar", "10", "Dev", "0.0", "1.00", "100",
                                                     "30", "35.0", "20.0", "0.0", "50.0", "0.58"}));
  EXPECT_EQ(t.Text(3, 5), "71");  // 20 / 28 of the potential use since day 10
  EXPECT_EQ(t.Text(3, 11), "0.58");
  EXPECT_EQ(t.RowTexts(4), (std::vector<std::string>{"20 Mar", "End", "End", "0.0", "0.00", "0",
                                                     "0", "", "", "", "", ""}));
  EXPECT_TRUE(t.At(2, 7).editable);
  EXPECT_FALSE(t.At(4, 7).editable);
  EXPECT_FALSE(t.At(2, 6).editable);
  EXPECT_FALSE(t.ColumnHidden(11));
}

TEST_F(ScheduleTableTest, DailyFormatShowsEveryDayAndHidesTheFlow) {
  view.irrigationFormat = false;
  const TableContent t = DryScheduleTable(ws, view);
  ASSERT_EQ(t.RowCount(), 22);
  EXPECT_EQ(t.Text(1, 5), "mm/day");
  EXPECT_EQ(t.Text(2, 5), "4.0");
  EXPECT_TRUE(t.ColumnHidden(11));
  EXPECT_EQ(t.Text(11, 11), "5.79");  // 50 / 8.64 over one day, still filled
}

TEST_F(ScheduleTableTest, SummaryAndYieldFormulas) {
  const ScheduleSummary s = ComputeScheduleSummary(view.totals, 70);
  EXPECT_DOUBLE_EQ(s.grossIrrigation, 85);
  EXPECT_DOUBLE_EQ(s.efficiencySchedule, (59.5 - 5) / 59.5 * 100);
  EXPECT_DOUBLE_EQ(s.deficiencySchedule, 100 - 69.0 / 80 * 100);
  EXPECT_DOUBLE_EQ(s.effectiveRain, 30);
  EXPECT_DOUBLE_EQ(s.actualIrrigationRequirement, 50);
  EXPECT_DOUBLE_EQ(s.efficiencyRain, 75);

  ScheduleRunTotals none = view.totals;
  none.TotNetIrr = none.TotIrrLoss = none.TotRain = none.TotRainLoss = 0;
  none.StageETc[3] = none.StageETa[3] = 0;
  const ScheduleSummary empty = ComputeScheduleSummary(none, 70);
  EXPECT_EQ(empty.efficiencySchedule, MissingReal);
  EXPECT_EQ(empty.efficiencyRain, MissingReal);
  const ScheduleYield y = ComputeScheduleYield(none, ws.crop.YieldResponse);
  EXPECT_DOUBLE_EQ(y.reductionEtc[1], 10);
  EXPECT_DOUBLE_EQ(y.yieldReduction[1], 4);
  EXPECT_EQ(y.reductionEtc[2], MissingReal);  // stage C without ETc
  EXPECT_DOUBLE_EQ(y.cumulative[1], 4);
  EXPECT_EQ(y.cumulative[2], MissingReal);
  EXPECT_EQ(y.cumulative[3], MissingReal);  // stays unknown from there on
}

TEST_F(ScheduleTableTest, DryReportLines) {
  ws.options.timopt = 4;
  ws.options.applopt = 3;
  ws.options.fieldcapcorr = 90;
  const auto lines = DryScheduleReportLines(ws, view, {});
  EXPECT_EQ(lines[0], LeftAlignText("ETo station:  Nairobi", ' ', 30) + " " +
                          LeftAlignText("Crop: Maize", ' ', 30) + " Planting date: 01/03");
  EXPECT_EQ(lines[1], LeftAlignText("Rain station:  Kisumu", ' ', 30) + " " +
                          LeftAlignText("Soil: Loam", ' ', 30) + " Harvest date: 20/03");
  // Season: 1 - 69/80 = 13.75 % less ETc, times 1.25.
  EXPECT_EQ(lines[2], "Yield red.:   17.2 %");
  EXPECT_EQ(lines[3], "Crop scheduling options");
  EXPECT_EQ(lines[4], "     Timing:        Irrigate at fixed intervals per stage");
  EXPECT_EQ(lines[5], Blanks(20) + "(Intervals in days: Init 10, Dev 10, Mid 10, Late 10)");
  EXPECT_EQ(lines[6], "     Application:   Refill to 90 % of field capacity");
  EXPECT_EQ(lines[7], "     Field eff.     70  %");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[9], "Table format: Irrigation schedule");
  EXPECT_EQ(lines[10], "");
  // The table: two heading rows, a separator, three rows, the closing empty line.
  EXPECT_EQ(lines[11].substr(0, 14), "Date     Day  ");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[17], "");
  EXPECT_EQ(lines[18], "");
  EXPECT_EQ(lines[19], "Totals: ");
  EXPECT_EQ(lines[20], "  " + LeftAlignText("Total gross irrigation", ' ', 30) + "  85.0  mm    " +
                           LeftAlignText("Total rainfall", ' ', 30) + " 40.0  mm");
  EXPECT_EQ(lines[23], "");
  EXPECT_EQ(lines[24].substr(0, 32 + 6),
            "  " + LeftAlignText("Actual water use by crop", ' ', 30) + "  69.0");
  EXPECT_EQ(lines[26], "");
  EXPECT_EQ(lines[28], "  " + LeftAlignText("Deficiency irrigation schedule", ' ', 30) +
                           "  13.8  %     " + Blanks(37));
  EXPECT_EQ(lines[29], "");
  EXPECT_EQ(lines[30], "Yield reductions:");
  EXPECT_EQ(lines[31], "  " + LeftAlignText("Stage", ' ', 30) +
                           "    A         B         C         D       Season  ");
  EXPECT_EQ(lines[32], "");
  EXPECT_EQ(lines[34], "  " + LeftAlignText("Yield response factor", ' ', 30) +
                           "   0.40      0.40      1.30      0.20      1.25   ");
  // 1 - 0.96 x 0.675 after stage C, 1 - 0.96 x 0.675 x 0.96 after stage D; no season value.
  EXPECT_EQ(lines[36], "  " + LeftAlignText("Cumulative yield reduction", ' ', 30) +
                           "   0.0       4.0       35.2      37.8" + Blanks(13) + "%");
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines.back(), "");
}

TEST_F(ScheduleTableTest, AdjustedScheduleNamesItsFile) {
  ws.session.ScheduleAdjusted = true;
  ws.session.File(DataKind::Schedule) = "/d/MAIZE.SCH";
  EXPECT_EQ(ScheduleReportTitleLines(ws, false),
            (std::vector<std::string>{"", "Crop irrigation schedule", "(File: /d/MAIZE.SCH)", ""}));
  EXPECT_EQ(DryTimingHeaderText(ws), "Irrigate at critical depletion (adjusted by user)");
  const auto lines = DryScheduleReportLines(ws, view, {});
  EXPECT_EQ(lines[7], "TIMING AND APPLICATION ADJUSTED BY USER");
}

TEST_F(ScheduleTableTest, RiceTableAndTimingLines) {
  view.rice = true;
  view.days[9].Stage = 'E';
  view.days[9].PuddleState = 0;
  view.days[9].DeplSm = 12.6;
  view.days[9].Percolation = 3;
  view.days[16].PuddleState = 2;
  view.days[19].PuddleState = 1;
  const TableContent t = RiceScheduleTable(ws, view);
  EXPECT_EQ(t.RowTexts(0),
            (std::vector<std::string>{"Date", "Day", "Stage", "Rain", "Ks", "Eta", "Puddl",
                                      "Percol.", "Depl.SM", "Net Gift", "Loss", "Depl.SAT"}));
  EXPECT_EQ(t.RowTexts(1), (std::vector<std::string>{"", "", "", "mm", "fract.", "%", "state", "mm",
                                                     "mm", "mm", "mm", "mm"}));
  EXPECT_EQ(t.Text(2, 2), "PrePu");
  EXPECT_EQ(t.Text(2, 6), "Prep");
  EXPECT_EQ(t.Text(2, 8), "13");
  EXPECT_EQ(t.Text(3, 6), "Broken");
  EXPECT_EQ(t.RowTexts(4).back(), "");
  EXPECT_EQ(t.Text(4, 6), "OK");
  EXPECT_TRUE(t.At(4, 9).editable);

  ws.options.ricetimopt = 7;
  auto lines = RiceScheduleReportLines(ws, view, {});
  auto find = [&](const std::string& start) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].rfind(start, 0) == 0) return i;
    return lines.size();
  };
  const size_t growth = find("Growth stages");
  ASSERT_LT(growth + 2, lines.size());
  EXPECT_EQ(lines[growth + 1], "     " + LeftAlignText("Timing", ' ', 25) +
                                   "Irrigate at given ETcrop reduction per stage");
  EXPECT_EQ(
      lines[growth + 2],
      Blanks(20) + "(Reduction per stage in %: Land Prep 10, Init 10, Dev 10, Mid 10, Late 10)");
  ws.options.ricetimopt = 9;
  lines = RiceScheduleReportLines(ws, view, {});
  EXPECT_EQ(lines[find("Growth stages") + 1], "     " + LeftAlignText("Timing", ' ', 25));
  // The percolation losses stand alone in the totals, after the irrigation losses.
  const size_t totals = find("Totals: ");
  EXPECT_EQ(lines[totals + 5], "  " + LeftAlignText("Total percolation losses", ' ', 30) +
                                   "   0.0  mm    " + Blanks(37));
  EXPECT_EQ(lines[totals + 6], "");
}

TEST_F(ScheduleTableTest, RiceReportLinesInOrder) {
  view.rice = true;
  Options& o = ws.options;
  ws.crop.PuddleDepth = 0.2;
  o.soakbelowpuddledepth = 10;
  o.prepuddlingtimopt = 2;
  o.prepuddletdepl = 20;
  o.prepuddlingapplopt = 1;
  o.prepuddleafixeddepth = 50;
  o.puddlingtimopt = 2;
  o.puddletdesat = 20;
  o.puddlingapplopt = 3;
  o.puddleafixeddepth = 45;
  o.ricetimopt = 5;
  const int tValues[5] = {0, 5, 10, 20, 0}, tKinds[5] = {1, 1, 2, 3, 1};
  const int aValues[5] = {0, 100, 90, 80, 50}, aKinds[5] = {1, 1, 2, 3, 1};
  for (int s = 0; s < 5; ++s) {
    o.ricetfixedany1[s] = tValues[s];
    o.ricetfixedany2[s] = tKinds[s];
    o.riceafixedany1[s] = aValues[s];
    o.riceafixedany2[s] = aKinds[s];
  }
  o.riceapplopt = 5;
  o.riceappleff = 65;
  const auto lines = RiceScheduleReportLines(ws, view, {});
  const std::string item = Blanks(5);
  const std::vector<std::string> head = {
      LeftAlignText("ETo station:  Nairobi", ' ', 30) + " " +
          LeftAlignText("Crop: Maize", ' ', 30) + " Planting date: 01/03",
      LeftAlignText("Rain station:  Kisumu", ' ', 30) + " " + LeftAlignText("Soil: Loam", ' ', 30) +
          " Harvest date: 20/03",
      "",
      "Yield red.:   17.2 %",
      "",
      "Rice scheduling options",
      "",
      "Pre puddling:",
      item + LeftAlignText("Soaking depth on day 1", ' ', 25) + "0.3 m",
      item + LeftAlignText("Timing", ' ', 25) + "Irrigate at 20 % depletion of Field Capacity",
      item + LeftAlignText("Application", ' ', 25) + "Fixed irrigation depth of 50 mm",
      "",
      "Puddling",
      item + LeftAlignText("Timing", ' ', 25) + "Irrigate at 20 % desaturation",
      item + LeftAlignText("Application", ' ', 25) + "Fixed irrigation depth of 45 mm",
      "",
      "Growth stages",
      item + LeftAlignText("Timing", ' ', 25) + "Irrigate at fixed WD/desat/depl per stage",
      Blanks(20) + "(Initial stage:          5 mm WD)",
      Blanks(20) + "(Development stage:      10 % desat.)",
      Blanks(20) + "(Mid season:             20 % crit.depl.)",
      Blanks(20) + "(Late season:            0 mm WD)",
      item + LeftAlignText("Application", ' ', 25) + "Refill to fixed WD/desat/depl per stage",
      Blanks(20) + "(Initial stage:          100 mm WD)",
      Blanks(20) + "(Development stage:      90 % sat.)",
      Blanks(20) + "(Mid season:             80 % of FC)",
      Blanks(20) + "(Late season:            50 mm WD)",
      "",
      item + LeftAlignText("Field efficiency", ' ', 25) + "65  %",
      "",
      "",
      "Table format: Irrigation schedule",
      ""};
  ASSERT_GT(lines.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
  // The table (two heading rows, the separator, days 10 and 17 and the closing row, the
  // closing empty line), two empty lines, then the totals in their groups.
  const size_t t = head.size() + 7;
  EXPECT_EQ(lines[t - 1], "");
  EXPECT_EQ(lines[t], "");
  EXPECT_EQ(lines[t + 1], "");
  EXPECT_EQ(lines[t + 2], "Totals: ");
  EXPECT_EQ(lines[t + 3], "");
  // Gross irrigation over the rice efficiency: 59.5 x 100 / 65.
  EXPECT_EQ(lines[t + 4], "  " + LeftAlignText("Total gross irrigation", ' ', 30) +
                              "  91.5  mm    " + LeftAlignText("Total rainfall", ' ', 30) +
                              " 40.0  mm");
  EXPECT_EQ(lines[t + 7].substr(0, 32), "  " + LeftAlignText("Total percolation losses", ' ', 30));
  EXPECT_EQ(lines[t + 8], "");
  EXPECT_EQ(lines[t + 9].substr(0, 32), "  " + LeftAlignText("Actual water use by crop", ' ', 30));
  EXPECT_EQ(lines[t + 11], "");
  EXPECT_EQ(lines[t + 12].substr(0, 32),
            "  " + LeftAlignText("Efficiency irrigation schedule", ' ', 30));
  EXPECT_EQ(lines[t + 14], "");
  EXPECT_EQ(lines[t + 15], "Yield reductions:");
  EXPECT_EQ(lines[t + 16], "");
  EXPECT_EQ(lines[t + 17].substr(0, 32), "  " + LeftAlignText("Stage", ' ', 30));
  EXPECT_EQ(lines[t + 18], "");
  EXPECT_EQ(lines[t + 22].substr(0, 32),
            "  " + LeftAlignText("Cumulative yield reduction", ' ', 30));
  ASSERT_EQ(lines.size(), t + 24);
  EXPECT_EQ(lines.back(), "");
}

}  // namespace
}  // namespace vsk

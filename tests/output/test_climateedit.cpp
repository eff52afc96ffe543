// Edit rules of the Penman-Monteith climate tables: cell locations, entry limits, the
// after-edit checks and recalculation, the Estimate command and the station fields.
#include <gtest/gtest.h>

#include "climate/vskETocalc.h"
#include "climate/vskclimaterecalc.h"
#include "output/vskclimateedit.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

using test::ScriptedUi;

// Columns of the min/max layout.
constexpr int kTMinCol = 1, kTMaxCol = 2, kHumCol = 3, kWindCol = 4, kSunCol = 5;

class ClimateEditTest : public ::testing::Test {
 protected:
  ClimateEditTest() : ws(ui, {2026, 12, 10}) {}

  // A complete monthly station of our own; every month gets an ETo.
  void FillMonthly() {
    ws.session.EtoKind = kClimateMonthWindow;
    TClimateData& d = ws.climate.Data;
    d.Country = "Lomaria";
    d.Station = "Tarvessa";
    d.Altitude = 250;
    d.Latitude = 12.5;
    d.Longitude = 8.25;
    for (int m = 1; m <= 12; ++m) {
      TClimatePeriod& p = d.Month[m];
      p.TMin = 14 + m;
      p.TMax = 30 + m * 0.5;
      p.Humidity = 40 + m * 2;
      p.Wind = 180;
      p.Sunshine = 8.5;
    }
    RecomputeAll(ws);
    ws.session.StatusOf(DataKind::Climate) = dsSaved;
  }

  // Types a text into the monthly table (the cell held `before` when the edit began).
  bool Type(int month, int column, const std::string& text, const std::string& before = "x") {
    return ClimateCellEdited(ws, kClimateMonthWindow, 1, month + 1, column, text, before);
  }

  ScriptedUi ui;
  Workspace ws;
};

TEST_F(ClimateEditTest, CellLocationsOfTheThreeWindows) {
  ws.climate.TempMinMax = true;
  struct Case {
    int window, tab, row, column;
    bool found;
    PeriodKind kind;
    int month, index;
    ClimateField field;
  };
  const Case cases[] = {
      {kClimateMonthWindow, 1, 2, kTMinCol, true, PeriodKind::Month, 1, 0, ClimateField::TMin},
      {kClimateMonthWindow, 1, 13, kSunCol, true, PeriodKind::Month, 12, 0, ClimateField::Sunshine},
      {kClimateMonthWindow, 1, 14, kTMinCol, false, {}, 0, 0, {}},  // empty row
      {kClimateMonthWindow, 1, 15, kTMinCol, false, {}, 0, 0, {}},  // average row
      {kClimateMonthWindow, 1, 1, kTMinCol, false, {}, 0, 0, {}},   // units row
      // Decade rows 2 + 5(m - 1) + k - 1; the fourth row of a month is its summary.
      {kClimateDecadeWindow, 1, 2, kHumCol, true, PeriodKind::Decade, 1, 1, ClimateField::Humidity},
      {kClimateDecadeWindow, 1, 14, kWindCol, true, PeriodKind::Decade, 3, 3, ClimateField::Wind},
      {kClimateDecadeWindow, 1, 5, kWindCol, false, {}, 0, 0, {}},
      {kClimateDecadeWindow, 1, 6, kWindCol, false, {}, 0, 0, {}},
      {kClimateDecadeWindow, 1, 59, kTMaxCol, true, PeriodKind::Decade, 12, 3, ClimateField::TMax},
      {kClimateDecadeWindow, 1, 62, kTMaxCol, false, {}, 0, 0, {}},
      // Daily: the tab is the month, row = day + 1; February ends at day 28.
      {kClimateDayWindow, 2, 29, kTMinCol, true, PeriodKind::Day, 2, 28, ClimateField::TMin},
      {kClimateDayWindow, 2, 30, kTMinCol, false, {}, 0, 0, {}},
      {kClimateDayWindow, 1, 32, kTMinCol, true, PeriodKind::Day, 1, 31, ClimateField::TMin},
      {kClimateDayWindow, 1, 34, kTMinCol, false, {}, 0, 0, {}},
      {kClimateDayWindow, 13, 2, kTMinCol, false, {}, 0, 0, {}},  // the year summary
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "window " << c.window << " tab " << c.tab << " row " << c.row);
    const auto ref = ClimateCellAt(ws, c.window, c.tab, c.row, c.column);
    ASSERT_EQ(ref.has_value(), c.found);
    if (!c.found) continue;
    EXPECT_EQ(ref->kind, c.kind);
    EXPECT_EQ(ref->month, c.month);
    EXPECT_EQ(ref->index, c.index);
    EXPECT_EQ(ref->field, c.field);
  }
}

TEST_F(ClimateEditTest, ResultColumnsAndEstimatedColumnsTakeNoInput) {
  ws.climate.TempMinMax = true;
  EXPECT_TRUE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, kSunCol));
  EXPECT_FALSE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, 6));  // Rad
  EXPECT_FALSE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, 7));  // ETo
  ws.options.estimateall = true;
  EXPECT_TRUE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, kTMaxCol));
  for (int c : {kHumCol, kWindCol, kSunCol})
    EXPECT_FALSE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, c)) << c;
  // Mean layout: Avg Temp, Humidity, Wind, Sun, Rad, ETo.
  ws.options.estimateall = false;
  ws.climate.TempMinMax = false;
  EXPECT_EQ(ClimateColumnField(ws, 1), ClimateField::TMean);
  EXPECT_EQ(ClimateColumnField(ws, 3), ClimateField::Wind);
  EXPECT_FALSE(ClimateCellEditable(ws, kClimateMonthWindow, 1, 2, 5));
}

TEST_F(ClimateEditTest, EntryLengthsFollowTheUnits) {
  ws.climate.TempMinMax = true;
  EXPECT_EQ(ClimateEntryLength(ws, kTMinCol), 5);
  EXPECT_EQ(ClimateEntryLength(ws, kHumCol), 2);
  EXPECT_EQ(ClimateEntryLength(ws, kWindCol), 3);
  EXPECT_EQ(ClimateEntryLength(ws, kSunCol), 4);
  EXPECT_EQ(ClimateEntryLength(ws, 6), 0);
  ws.options.humidityasperc = false;
  ws.options.sunshineunit = SunshineUnit::Percent;
  EXPECT_EQ(ClimateEntryLength(ws, kHumCol), 4);
  EXPECT_EQ(ClimateEntryLength(ws, kSunCol), 2);
  ws.options.sunshineunit = SunshineUnit::Fraction;
  EXPECT_EQ(ClimateEntryLength(ws, kSunCol), 3);
  EXPECT_TRUE(ClimateEntryCharAllowed('7'));
  EXPECT_TRUE(ClimateEntryCharAllowed('-'));
  EXPECT_FALSE(ClimateEntryCharAllowed('e'));
  EXPECT_FALSE(ClimateEntryCharAllowed(','));
}

TEST_F(ClimateEditTest, TypedValuesAreCheckedAndStored) {
  struct Case {
    const char* what;
    int column;
    double tmax;  // January's maximum before the edit
    const char* text;
    double stored;  // the field of the edited column afterwards
    const char* message;
  };
  const Case cases[] = {
      {"minimum above its range", kTMinCol, 45, "45", MissingReal, "Value out of range"},
      {"minimum at the top of its range", kTMinCol, 45, "40", 40, nullptr},
      {"minimum not below the maximum", kTMinCol, 25, "30", MissingReal,
       "Minimum temp should be smaller than maximum temp"},
      {"maximum below its range", kTMaxCol, 31, "-41", MissingReal, "Value out of range"},
      {"humidity 100 %", kHumCol, 31, "100", MissingReal, "Value out of range"},
      {"humidity 99 %", kHumCol, 31, "99", 99, nullptr},
      {"sunshine of 25 hours", kSunCol, 31, "25", MissingReal, "Value out of range"},
      {"empty cell", kWindCol, 31, "", MissingReal, nullptr},
      {"blanks around a number", kWindCol, 31, "  95 ", 95, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FillMonthly();
    ws.climate.Data.Month[1].TMax = c.tmax;
    ui.Clear();
    EXPECT_TRUE(Type(1, c.column, c.text));
    const TClimatePeriod& jan = ws.climate.Data.Month[1];
    const double got = c.column == kTMinCol   ? jan.TMin
                       : c.column == kTMaxCol ? jan.TMax
                       : c.column == kHumCol  ? jan.Humidity
                       : c.column == kWindCol ? jan.Wind
                                              : jan.Sunshine;
    EXPECT_DOUBLE_EQ(got, c.stored);
    if (c.message)
      EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{c.message});
    else
      EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsChanged);
    // A month without a complete record has no ETo and no radiation.
    if (c.stored == MissingReal) {
      EXPECT_EQ(ws.climate.MonthETo[1], MissingReal);
      EXPECT_EQ(jan.Radiation, MissingReal);
    }
  }
}

TEST_F(ClimateEditTest, UnchangedOrUnparsableTextStoresNothing) {
  FillMonthly();
  const double eto = ws.climate.MonthETo[3];
  EXPECT_FALSE(Type(3, kTMinCol, "17.0", "17.0"));  // the text the cell had
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsSaved);
  EXPECT_TRUE(Type(3, kTMinCol, "1.2.3"));
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[3].TMin, 17);
  EXPECT_DOUBLE_EQ(ws.climate.MonthETo[3], eto);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsChanged);
  // Result columns never take a value.
  EXPECT_FALSE(Type(3, 7, "9.99"));
  EXPECT_DOUBLE_EQ(ws.climate.MonthETo[3], eto);
}

TEST_F(ClimateEditTest, JanuaryTemperatureChangesTheEToOfItsNeighbours) {
  FillMonthly();
  double before[13];
  for (int m = 1; m <= 12; ++m) before[m] = ws.climate.MonthETo[m];
  ASSERT_TRUE(Type(1, kTMaxCol, "38"));
  // The soil heat flux of February and December uses January's mean temperature.
  EXPECT_NE(ws.climate.MonthETo[2], before[2]);
  EXPECT_NE(ws.climate.MonthETo[12], before[12]);
  EXPECT_NE(ws.climate.MonthETo[1], before[1]);
  for (int m = 3; m <= 11; ++m) EXPECT_DOUBLE_EQ(ws.climate.MonthETo[m], before[m]) << m;
}

TEST_F(ClimateEditTest, AnEditElsewhereNeverErasesOtherMonths) {
  FillMonthly();
  // March read from a file with its minimum above its maximum.
  ws.climate.Data.Month[3].TMin = 35;
  ws.climate.Data.Month[3].TMax = 30;
  ASSERT_TRUE(Type(1, kTMinCol, "12"));
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[3].TMin, 35);
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[1].TMin, 12);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ClimateEditTest, HumidityInKPaAboveSaturationIsRefused) {
  FillMonthly();
  ws.options.humidityasperc = false;
  // e° at 16 and 30.5 °C average about 2.9 kPa; 9.5 kPa is far above.
  ASSERT_TRUE(Type(2, kHumCol, "9.5"));
  EXPECT_EQ(ws.climate.Data.Month[2].Humidity, MissingReal);
  EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{"Humidity value out of range"});
  ui.Clear();
  ASSERT_TRUE(Type(2, kHumCol, "1.5"));
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[2].Humidity, 1.5);
  // Without both temperatures the vapour pressure cannot be checked.
  ws.climate.Data.Month[4].TMin = MissingReal;
  ui.Clear();
  ASSERT_TRUE(Type(4, kHumCol, "1.5"));
  EXPECT_EQ(ws.climate.Data.Month[4].Humidity, MissingReal);
  EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{"Min and max temperatures needed"});
}

TEST_F(ClimateEditTest, DecadeMessagesAreInformationBoxes) {
  FillMonthly();
  ws.session.EtoKind = kClimateDecadeWindow;
  ws.options.humidityasperc = false;
  ws.climate.Data.Decade[2][1] = ws.climate.Data.Month[2];
  ASSERT_TRUE(ClimateCellEdited(ws, kClimateDecadeWindow, 1, 7, kHumCol, "9.5", "x"));
  EXPECT_EQ(ui.TextsOf("information"), std::vector<std::string>{"Humidity value out of range"});
  EXPECT_EQ(ws.climate.Data.Decade[2][1].Humidity, MissingReal);
}

TEST_F(ClimateEditTest, DecadeEditComputesItsDecadeOnly) {
  FillMonthly();
  ws.session.EtoKind = kClimateDecadeWindow;
  for (int k = 1; k <= 3; ++k) ws.climate.Data.Decade[5][k] = ws.climate.Data.Month[5];
  ws.climate.Data.Decade[5][2].Wind = MissingReal;
  // Row of May decade 2: 2 + 5 * 4 + 1.
  ASSERT_TRUE(ClimateCellEdited(ws, kClimateDecadeWindow, 1, 23, kWindCol, "150", "x"));
  EXPECT_NE(ws.climate.DecadeETo[5][2], MissingReal);
  EXPECT_EQ(ws.climate.DecadeETo[5][1], MissingReal);  // not edited, not computed
}

TEST_F(ClimateEditTest, LatitudeChangeRecomputesEveryMonth) {
  FillMonthly();
  double before[13];
  for (int m = 1; m <= 12; ++m) before[m] = ws.climate.MonthETo[m];
  EXPECT_FALSE(StationNumberEdited(ws, StationField::Latitude, "40"));
  for (int m = 1; m <= 12; ++m) EXPECT_NE(ws.climate.MonthETo[m], before[m]) << m;
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsChanged);
  // The southern hemisphere turns the seasons.
  const double january = ws.climate.MonthETo[1];
  HemisphereChanged(ws, StationField::Latitude, true);
  EXPECT_TRUE(ws.climate.Data.South);
  EXPECT_GT(ws.climate.MonthETo[1], january);
}

TEST_F(ClimateEditTest, StationFieldsOutsideTheirRangesBecomeMissing) {
  FillMonthly();
  EXPECT_TRUE(StationNumberEdited(ws, StationField::Latitude, "91"));
  EXPECT_EQ(ws.climate.Data.Latitude, MissingReal);
  EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{"Value out of range"});
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(ws.climate.MonthETo[m], MissingReal);
  ui.Clear();
  EXPECT_FALSE(StationNumberEdited(ws, StationField::Altitude, ""));
  EXPECT_EQ(ws.climate.Data.Altitude, MissingReal);
  EXPECT_TRUE(StationNumberEdited(ws, StationField::Altitude, "-201"));
  EXPECT_FALSE(StationNumberEdited(ws, StationField::Longitude, "180"));
  EXPECT_DOUBLE_EQ(ws.climate.Data.Longitude, 180);
  StationTextEdited(ws, StationField::Country, "A country name that is too long");
  EXPECT_EQ(ws.climate.Data.Country, "A country name that ");
  EXPECT_EQ(ws.climate.Data.Country.size(), 20u);
  EXPECT_TRUE(EtoYearEdited(ws, "1899"));
  EXPECT_EQ(ws.climate.EToYear, MissingInt);
  EXPECT_FALSE(EtoYearEdited(ws, "2020"));
  EXPECT_EQ(ws.climate.EToYear, 2020);
}

TEST_F(ClimateEditTest, EstimatesOfTheMonthlyWindowFillEveryMonth) {
  FillMonthly();
  for (int m = 1; m <= 12; ++m) ws.climate.Data.Month[m].Humidity = MissingReal;
  ASSERT_TRUE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 5, kHumCol));
  ASSERT_TRUE(EstimateClimateCell(ws, kClimateMonthWindow, 1, 5, kHumCol));
  for (int m = 1; m <= 12; ++m) {
    const TClimatePeriod& p = ws.climate.Data.Month[m];
    const double rh = (SatVapourPressure(p.TMin) / SatVapourPressure(p.TMax) * 100 + 100) / 2;
    EXPECT_DOUBLE_EQ(p.Humidity, rh) << m;
    EXPECT_NE(ws.climate.MonthETo[m], MissingReal) << m;
  }
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsChanged);
  ASSERT_TRUE(EstimateClimateCell(ws, kClimateMonthWindow, 1, 2, kWindCol));
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[7].Wind, 172.8);
  // Sunshine from the temperature range needs the rest of the record.
  ws.climate.Data.Month[6].Wind = MissingReal;
  ASSERT_TRUE(EstimateClimateCell(ws, kClimateMonthWindow, 1, 2, kSunCol));
  EXPECT_EQ(ws.climate.Data.Month[6].Sunshine, MissingReal);
  EXPECT_NE(ws.climate.Data.Month[5].Sunshine, MissingReal);
  EXPECT_EQ(ui.TextsOf("message"),
            std::vector<std::string>{
                "Values for altitude, latitude, temperatures, humidity and wind needed"});
}

TEST_F(ClimateEditTest, EstimateIsOfferedOnlyWhereItApplies) {
  FillMonthly();
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 15, kHumCol));  // average
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 2, kTMinCol));
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateDecadeWindow, 1, 5, kWindCol));  // month row
  EXPECT_TRUE(ClimateCellEstimable(ws, kClimateDayWindow, 2, 29, kSunCol));
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateDayWindow, 13, 2, kSunCol));
  ws.climate.TempMinMax = false;  // a mean temperature: only the wind (column 3)
  EXPECT_TRUE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 2, 3));
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 2, 2));
  ws.climate.TempMinMax = true;
  ws.options.estimateall = true;
  EXPECT_FALSE(ClimateCellEstimable(ws, kClimateMonthWindow, 1, 2, kWindCol));
  EXPECT_FALSE(EstimateClimateCell(ws, kClimateMonthWindow, 1, 2, kWindCol));
}

TEST_F(ClimateEditTest, EstimationModeFillsAMonthFromItsTemperatures) {
  ws.session.EtoKind = kClimateMonthWindow;
  NewClimateData(ws, true);
  ws.climate.Data.Altitude = 100;
  ws.climate.Data.Latitude = 20;
  FixEstimatedWind(ws, kClimateMonthWindow);
  EXPECT_DOUBLE_EQ(ws.climate.Data.Month[4].Wind, 172.8);
  ASSERT_TRUE(Type(4, kTMinCol, "18"));
  EXPECT_EQ(ws.climate.MonthETo[4], MissingReal);  // the maximum is still missing
  ASSERT_TRUE(Type(4, kTMaxCol, "33"));
  const TClimatePeriod& apr = ws.climate.Data.Month[4];
  EXPECT_NE(apr.Humidity, MissingReal);
  EXPECT_NE(apr.Sunshine, MissingReal);
  // The soil heat flux needs March and May: the monthly ETo and radiation wait for them.
  EXPECT_EQ(apr.Radiation, MissingReal);
  for (int m : {3, 5}) {
    ASSERT_TRUE(Type(m, kTMinCol, "17"));
    ASSERT_TRUE(Type(m, kTMaxCol, "32"));
  }
  EXPECT_NE(ws.climate.MonthETo[4], MissingReal);
  EXPECT_NE(apr.Radiation, MissingReal);
}

}  // namespace
}  // namespace vsk

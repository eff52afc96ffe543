// The data check before a crop water requirement or schedule calculation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "cwr/vskcwrcalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

DateSerial Date(int day, int month) {
  return EncodeDate(1994, month, day);
}

class CwrDataOkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.session.StatusOf(DataKind::Climate) = dsSaved;
    ws.session.StatusOf(DataKind::Rain) = dsSaved;
    ws.session.StatusOf(DataKind::Crop) = dsSaved;
    ws.session.StatusOf(DataKind::Soil) = dsSaved;
    ws.session.EtoKind = 2;
    ws.session.RainKind = 2;
    for (int m = 1; m <= 12; ++m)
      for (int k = 1; k <= 3; ++k) {
        ws.climate.DecadeETo[m][k] = 4;
        ws.rain.Data.DecadeRain[m][k] = 10;
      }
    TCropRecord& c = ws.crop;
    c.CropName = "Maize";
    for (int i = 1; i <= 4; ++i) {
      c.StageLength[i] = 20;
      c.Kc[i] = 0.8;
      c.CritDepletion[i] = 0.5;
      c.YieldResponse[i] = 1;
    }
    c.YieldResponse[5] = 1.2;
    c.RootDepth[2] = 0.3;
    c.RootDepth[3] = 1.2;
    ws.soil.TotalAvailMoisture = 140;
    ws.soil.MaxInfiltration = 30;
    ws.soil.MaxRootDepth = 120;
    ws.soil.InitialDepletion = 0;
  }
  // A season of `days` days planted on `planting`.
  bool Check(bool forSchedule, DateSerial planting, int days = 80) {
    for (int i = 1; i <= 4; ++i) ws.crop.StageLength[i] = days / 4;
    return CwrDataOk(ws, forSchedule, false, ws.crop, planting, HarvestDate(ws.crop, planting));
  }
  std::vector<std::string> Errors() const { return ui.TextsOf("error"); }

  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
};

TEST_F(CwrDataOkTest, CompleteDataPass) {
  EXPECT_TRUE(Check(true, Date(1, 3)));
  EXPECT_TRUE(Check(false, Date(1, 3)));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(CwrDataOkTest, StageLengthsOutsideWhatASeasonCanHoldAreRefused) {
  // Also when the completeness check is skipped (cropping-pattern crops): a huge length from an
  // edited file would make the day-by-day pass run for billions of days.
  const int bad[] = {2000000000, -5, 361, MissingInt};
  for (int length : bad) {
    ui.Clear();
    ws.crop.StageLength[3] = length;
    EXPECT_FALSE(CwrDataOk(ws, false, true, ws.crop, Date(1, 3), Date(1, 6))) << length;
    EXPECT_EQ(Errors(), std::vector<std::string>{"Dry crop data are not OK\rCalculation of crop "
                                                 "water requirement not possible"});
  }
  ws.crop.StageLength[3] = 360;
  EXPECT_TRUE(CwrDataOk(ws, false, true, ws.crop, Date(1, 3), Date(1, 6)));
}

// A dry-crop root zone that holds no water (from an edited file: no maximum rooting depth of
// the crop or the soil, no available moisture) would give 0 / 0 for every depletion and Ks of
// the schedule. The schedule refuses it; the crop water requirement does not need the soil.
TEST_F(CwrDataOkTest, DryScheduleNeedsARootZoneThatHoldsWater) {
  struct Case {
    double cropMaxRoot, moisture;
    int soilMaxRoot;
    const char* data;
  } cases[] = {
      {0.0, 140, 120, "Dry crop"}, {-1.0, 140, 120, "Dry crop"}, {1.2, 0, 120, "Soil"},
      {1.2, -50, 120, "Soil"},     {1.2, 140, 0, "Soil"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    ui.Clear();
    ws.crop.RootDepth[3] = c.cropMaxRoot;
    ws.soil.TotalAvailMoisture = c.moisture;
    ws.soil.MaxRootDepth = c.soilMaxRoot;
    EXPECT_FALSE(Check(true, Date(1, 3)));
    EXPECT_EQ(Errors(), std::vector<std::string>{std::string(c.data) +
                                                 " data are not OK\rCalculation of irrigation "
                                                 "schedule not possible"});
    if (std::string(c.data) == "Soil") {
      EXPECT_TRUE(Check(false, Date(1, 3)));
    }
  }
}

TEST_F(CwrDataOkTest, MissingMonthIsNamedWithoutABlankBeforeAre) {
  ws.climate.DecadeETo[3][2] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 3)));  // 1 March to 19 May
  EXPECT_EQ(Errors(), std::vector<std::string>{
                          "ETo data (March)are not OK\rCalculation of irrigation schedule not "
                          "possible"});
  ui.Clear();
  EXPECT_FALSE(Check(false, Date(1, 3)));
  EXPECT_EQ(Errors(), std::vector<std::string>{"ETo data (March)are not OK\rCalculation of crop "
                                               "water requirement not possible"});
}

TEST_F(CwrDataOkTest, EToMonthsComeBeforeRainAndTheFirstMonthOfTheSeasonFirst) {
  ws.climate.DecadeETo[5][1] = MissingReal;
  ws.climate.DecadeETo[4][3] = MissingReal;
  ws.rain.Data.DecadeRain[3][1] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 3)));
  ws.climate.DecadeETo[4][3] = ws.climate.DecadeETo[5][1] = 4;
  EXPECT_FALSE(Check(true, Date(1, 3)));
  ws.climate.DecadeETo[3][2] = MissingReal;
  ws.rain.Data.DecadeRain[3][1] = 10;
  EXPECT_TRUE(Check(true, Date(1, 1), 40));  // January to February: March not looked at
  const std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].substr(0, e[0].find('\r')), "ETo data (April)are not OK");
  EXPECT_EQ(e[1].substr(0, e[1].find('\r')), "Rain data (March)are not OK");
}

TEST_F(CwrDataOkTest, WholeDataSetsAreNamedWithoutMonth) {
  struct Case {
    const char* name;
    void (*spoil)(Workspace&);
    bool forSchedule;
    const char* line;
  };
  const Case cases[] = {
      {"no ETo", [](Workspace& w) { w.session.StatusOf(DataKind::Climate) = dsNone; }, true,
       "ETo data are not OK"},
      {"no rain", [](Workspace& w) { w.session.StatusOf(DataKind::Rain) = dsNone; }, true,
       "Rain data are not OK"},
      {"incomplete crop", [](Workspace& w) { w.crop.CritDepletion[3] = MissingReal; }, true,
       "Dry crop data are not OK"},
      {"incomplete soil", [](Workspace& w) { w.soil.MaxInfiltration = MissingInt; }, true,
       "Soil data are not OK"},
  };
  for (const Case& c : cases) {
    SetUp();
    ui.Clear();
    c.spoil(ws);
    EXPECT_FALSE(Check(c.forSchedule, Date(1, 3))) << c.name;
    ASSERT_EQ(Errors().size(), 1u) << c.name;
    EXPECT_EQ(Errors()[0].substr(0, Errors()[0].find('\r')), c.line) << c.name;
  }
  // A dry crop's water requirement needs no soil; the crop check can be skipped.
  SetUp();
  ui.Clear();
  ws.soil.MaxInfiltration = MissingInt;
  EXPECT_TRUE(Check(false, Date(1, 3)));
  ws.crop.CritDepletion[3] = MissingReal;
  EXPECT_TRUE(CwrDataOk(ws, false, true, ws.crop, Date(1, 3), Date(19, 5)));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(CwrDataOkTest, SeasonsOfAYearOrMoreAndWithinAMonthCheckEveryMonth) {
  ws.climate.DecadeETo[8][2] = MissingReal;
  EXPECT_TRUE(Check(true, Date(1, 1), 40));
  EXPECT_FALSE(Check(true, Date(1, 1), 400));  // to 4 February of the next year
  EXPECT_FALSE(Check(true, Date(1, 3), 20));   // 1 to 20 March
  EXPECT_TRUE(Check(true, Date(1, 10), 120));  // October to January
  ws.climate.DecadeETo[1][3] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 10), 120));
  const std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].substr(0, e[0].find('\r')), "ETo data (August)are not OK");
  EXPECT_EQ(e[1], e[0]);
  EXPECT_EQ(e[2].substr(0, e[2].find('\r')), "ETo data (January)are not OK");
}

TEST_F(CwrDataOkTest, DailyDataAreCheckedDayByDay) {
  ws.session.EtoKind = 4;
  ws.session.RainKind = 1;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= MonthLength(m); ++d) {
      ws.climate.DayETo[m][d] = 4;
      ws.rain.Data.DayRain[m][d] = 0;
    }
  EXPECT_TRUE(Check(true, Date(1, 3)));  // 1 March to 19 May
  ws.rain.Data.DayRain[5][31] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 3)));
  ws.climate.DayETo[4][30] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 3)));
  const std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].substr(0, e[0].find('\r')), "Rain data (May)are not OK");
  EXPECT_EQ(e[1].substr(0, e[1].find('\r')), "ETo data (April)are not OK");
}

TEST_F(CwrDataOkTest, RiceSeasonStartsBeforeTransplantingAndNeedsRiceSoil) {
  ws.session.CropIsDry = false;
  TCropRecord& c = ws.crop;
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = 20;
  c.StageLength[5] = 30;  // nursery from 23 February
  c.StageLength[6] = 20;  // land preparation from 5 March
  ws.climate.DecadeETo[2][3] = MissingReal;
  ws.soil.MaxWaterDepth = 100;
  ws.soil.DrainablePorosity = 10;
  ws.soil.CrackDepletion = 0.4;
  ws.soil.WaterAtPlanting = 20;
  const DateSerial planting = Date(25, 3);
  auto check = [&](bool forSchedule) {
    return CwrDataOk(ws, forSchedule, true, c, planting, HarvestDate(c, planting));
  };
  EXPECT_FALSE(check(false));
  c.DirectSowing = true;
  EXPECT_TRUE(check(false));
  ws.soil.MaxWaterDepth = MissingInt;  // rice needs its soil data also without a schedule
  EXPECT_FALSE(check(false));
  EXPECT_FALSE(check(true));
  const std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].substr(0, e[0].find('\r')), "ETo data (February)are not OK");
  EXPECT_EQ(e[1], "Soil data are not OK\rCalculation of crop water requirement not possible");
  EXPECT_EQ(e[2], "Soil data are not OK\rCalculation of irrigation schedule not possible");
}

TEST_F(CwrDataOkTest, LeapYearDateSerialsCountInTheYearOf365Days) {
  // A default planting date may lie in a leap year: 31 January + 29 days is 1 March, so March
  // belongs to the season (counting on the serials would stop at 29 February).
  ws.climate.DecadeETo[3][1] = MissingReal;
  const int lengths[] = {0, 7, 8, 7, 8};
  for (int i = 1; i <= 4; ++i) ws.crop.StageLength[i] = lengths[i];
  for (int year : {1994, 2028}) {
    const DateSerial planting = EncodeDate(year, 1, 31);
    EXPECT_FALSE(CwrDataOk(ws, true, false, ws.crop, planting, HarvestDate(ws.crop, planting)))
        << year;
  }
  const std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].substr(0, e[0].find('\r')), "ETo data (March)are not OK");
  EXPECT_EQ(e[1], e[0]);
}

TEST_F(CwrDataOkTest, MonthlyDataAreSpreadOverDecades) {
  ws.session.EtoKind = 3;
  ws.session.RainKind = 3;
  for (int m = 1; m <= 12; ++m) {
    ws.climate.MonthETo[m] = 5;
    ws.rain.Data.MonthRain[m] = 90;
    for (int k = 1; k <= 3; ++k) ws.climate.DecadeETo[m][k] = MissingReal;
  }
  ASSERT_TRUE(Check(true, Date(1, 3)));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_NEAR(ws.climate.DecadeETo[6][k], 5, 1e-9);
    EXPECT_NEAR(ws.rain.Data.DecadeRain[6][k], 30, 1e-9);
    EXPECT_NE(ws.rain.Data.DecadeEffRain[6][k], MissingReal);
  }
  ws.climate.MonthETo[4] = MissingReal;
  EXPECT_FALSE(Check(true, Date(1, 3)));
  EXPECT_EQ(Errors()[0].substr(0, Errors()[0].find('\r')), "ETo data (April)are not OK");
}

}  // namespace
}  // namespace vsk

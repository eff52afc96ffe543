#include <gtest/gtest.h>

#include "core/vskglobal.h"
#include "core/vskmessages.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

TEST(Calendar, DayNumbersAndDecades) {
  EXPECT_EQ(DayOfYear(12, 31), 365);
  EXPECT_EQ(DayOfYear(3, 1), 60);
  EXPECT_EQ(MidMonthDay(1), 15);
  EXPECT_EQ(MidMonthDay(2), 45);
  EXPECT_EQ(MidMonthDay(3), 74);
  EXPECT_EQ(MidMonthDay(12), 349);
  EXPECT_EQ(DecadeOfDay(10), 1);
  EXPECT_EQ(DecadeOfDay(11), 2);
  EXPECT_EQ(DecadeOfDay(31), 3);
  EXPECT_EQ(DecadeLength(2, 3), 8);
  EXPECT_EQ(DecadeLength(1, 3), 11);
  EXPECT_EQ(DecadeIndex(12, 3), 36);
  int total = 0;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(DecadeLength(m, 1) + DecadeLength(m, 2) + DecadeLength(m, 3), MonthLength(m));
    total += MonthLength(m);
  }
  EXPECT_EQ(total, 365);
}

TEST(Calendar, DateSerials) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  const DateSerial d = EncodeDate(1994, 12, 31);
  EXPECT_EQ(DateMonth(AddDays(d, 1)), 1);
  EXPECT_EQ(DateDay(AddDays(d, 1)), 1);
  EXPECT_EQ(FormatDayMonth(AddDays(EncodeDate(1994, 2, 28), 1)), "01/03");
}

TEST(Calendar, CountingOnTheYearOf365Days) {
  const MonthDay leap = MonthDayOf(EncodeDate(2028, 2, 28));
  const MonthDay next = AddCalendarDays(leap, 1);  // no 29 February in the system's year
  EXPECT_EQ(next.month, 3);
  EXPECT_EQ(next.day, 1);
  const MonthDay back = AddCalendarDays({1, 1}, -1);
  EXPECT_EQ(back.month, 12);
  EXPECT_EQ(back.day, 31);
  const MonthDay far = AddCalendarDays({12, 31}, 365 * 3 + 60);
  EXPECT_EQ(far.month, 3);
  EXPECT_EQ(far.day, 1);
}

TEST(Calendar, ParseDayMonth) {
  EXPECT_FALSE(ParseDayMonth("29/02"));
  EXPECT_FALSE(ParseDayMonth("31/04"));
  EXPECT_FALSE(ParseDayMonth("12/13"));
  EXPECT_FALSE(ParseDayMonth(""));
  EXPECT_FALSE(ParseDayMonth("12/"));
  EXPECT_FALSE(ParseDayMonth("/3"));
  EXPECT_FALSE(ParseDayMonth("1.3"));
  EXPECT_FALSE(ParseDayMonth("015/03"));  // one or two digits a field
  EXPECT_FALSE(ParseDayMonth("15/003"));
  ASSERT_TRUE(ParseDayMonth("28/02"));
  EXPECT_EQ(*ParseDayMonth("28/02"), EncodeDate(1994, 2, 28));
  ASSERT_TRUE(ParseDayMonth("1/3"));
  EXPECT_EQ(FormatDayMonth(*ParseDayMonth("1/3")), "01/03");
}

TEST(Calendar, DefaultDateTakesLeapDayBack) {
  EXPECT_EQ(DefaultDateFor({2024, 2, 29}), EncodeDate(2024, 2, 28));
  EXPECT_EQ(DefaultDateFor({2026, 12, 10}), EncodeDate(2026, 12, 10));
}

TEST(Calendar, PerDayToPeriodTotalRoundTrip) {
  double month[13];
  double decade[13][4];
  for (int m = 1; m <= 12; ++m) {
    month[m] = m == 4 ? MissingReal : 2.5 + m;
    for (int d = 1; d <= 3; ++d) decade[m][d] = d == 2 ? MissingReal : 1.0 + d;
  }
  PerDayToPeriodTotal(month, decade, true);
  EXPECT_DOUBLE_EQ(month[2], 4.5 * 28);
  EXPECT_EQ(month[4], MissingReal);
  EXPECT_DOUBLE_EQ(decade[2][3], 4.0 * 8);
  EXPECT_EQ(decade[5][2], MissingReal);
  PerDayToPeriodTotal(month, decade, false);
  EXPECT_DOUBLE_EQ(month[2], 4.5);
  EXPECT_DOUBLE_EQ(decade[2][3], 4.0);
}

TEST(NumberText, RealToText) {
  struct Case {
    int decimals;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {1, -99.9, ""},
      {1, -99.8, "-99.8"},
      {2, 3.0, "3.00"},
      {10, 0.5, "0.5"},
      {2, 12.3, "12.30"},
      {0, 12.6, "13"},
      {1, 0.05, "0.1"},
      {2, -0.001, "0.00"},
      {3, 123456.789, "123456.800"},
      {10, 1234.5, "1234.5"},
      {10, 100, "100"},
      {10, -0.25, "-0.25"},
      {10, 8.640001, "8.640001"},
      {1, 2.25, "2.3"},
      {2, 99.995, "100.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(RealToText(c.decimals, c.value), c.text) << c.value;
  EXPECT_EQ(IntToText(MissingInt), "");
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-12), "-12");
}

TEST(NumberText, RangeChecks) {
  double v = -80.1;
  EXPECT_EQ(CheckRealRange(v, -80, 40), MissingReal);
  v = -80;
  EXPECT_EQ(CheckRealRange(v, -80, 40), -80);
  v = 40;
  EXPECT_EQ(CheckRealRange(v, -80, 40), 40);
  int i = 0;
  EXPECT_EQ(CheckIntRange(i, 1, 360), MissingInt);
  i = 360;
  EXPECT_EQ(CheckIntRange(i, 1, 360), 360);
}

TEST(NumberText, Alignment) {
  EXPECT_EQ(CentreText("ab", '*', 7), "**ab***");
  EXPECT_EQ(LeftAlignText("abcdef", ' ', 3), "abc");
  EXPECT_EQ(LeftAlignText("ab", '.', 4), "ab..");
  EXPECT_EQ(RightAlignText("ab", ' ', 5), "   ab");
  EXPECT_EQ(RightAlignText("abcdef", ' ', 3), "abc");
  EXPECT_EQ(CentreText("abcdef", ' ', 3), "abc");
  EXPECT_EQ(TrimBlanks("  a b \t "), "a b \t");
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_DOUBLE_EQ(PowerOf(8, 1.0 / 3), 2.0);
  EXPECT_EQ(FormatText("Irrigate at %s %s depletion", {"80", "%"}), "Irrigate at 80 % depletion");
}

TEST(DataFiles, IsValidDataFile) {
  test::ScriptedUi ui;
  EXPECT_TRUE(IsValidDataFile("VESKARO 8.0 Crop data", &ui));
  EXPECT_TRUE(IsValidDataFile("VESKARO 7.0 Climate data", &ui));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(IsValidDataFile("VESKARO 6.0 Crop data", &ui));
  EXPECT_FALSE(IsValidDataFile("VESKARO ", &ui));
  EXPECT_FALSE(IsValidDataFile("", nullptr));
  EXPECT_EQ(ui.TextsOf("error"),
            (std::vector<std::string>{"This file is not a valid VESKARO file",
                                      "This file is not a valid VESKARO file"}));
}

TEST(Messages, MonthNamesAndOverrides) {
  Texts texts;
  EXPECT_EQ(MonthName(texts, 1), "January");
  EXPECT_EQ(MonthName(texts, 12), "December");
  texts.Replace(Msg::March, "Maart");
  EXPECT_EQ(MonthName(texts, 3), "Maart");
  EXPECT_EQ(DefaultText(Msg::ValueOutOfRange), "Value out of range");
}

}  // namespace
}  // namespace vsk

// Climate/ETo data files: layouts, round trips under every kind and unit option, the old
// monthly format and the failures of the reader and writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "climate/climatetestdata.h"
#include "climate/vskETocalc.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskdatafile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::Period;
using test::ReadText;
using test::ScriptedUi;
using test::SetStation;
using test::TempDir;
using test::WriteText;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
    out.push_back(text.substr(start, pos - start));
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

// A station record of the given kind in file units, converted to the display units of the
// options and computed as the window would show it.
void FillRecord(Workspace& ws, int kind) {
  ClearClimate(ws);
  ws.session.EtoKind = static_cast<byte>(kind);
  SetStation(ws, 1234.5, 33.9, true);
  ws.climate.Data.West = true;
  ws.climate.Data.Longitude = 70.25;
  ws.climate.EToYear = kind == 1 || kind == 4 ? 2015 : MissingInt;
  auto values = [](int m, int i) {
    const double s = std::sin(m * 0.7 + i * 0.3);
    return Period(10 + 3 * s, 24 + 4 * s, 55 + 10 * s, 160 + 40 * s, 6 + 2 * s);
  };
  for (int m = 1; m <= 12; ++m) {
    if (kind == 1)
      for (int d = 1; d <= MonthLength(m); ++d) ws.climate.Data.Day[m][d] = values(m, d);
    if (kind == 2)
      for (int k = 1; k <= 3; ++k) ws.climate.Data.Decade[m][k] = values(m, k);
    if (kind == 3) ws.climate.Data.Month[m] = values(m, 0);
    if (kind == 4)
      for (int d = 1; d <= MonthLength(m); ++d) ws.climate.DayETo[m][d] = 2 + 0.01 * d + m * 0.1;
    if (kind == 5)
      for (int k = 1; k <= 3; ++k)
        ws.climate.DecadeETo[m][k] = (3 + 0.1 * k + m * 0.2) * (ws.options.etoasmmday ? 1 : 10);
    if (kind == 6) ws.climate.MonthETo[m] = (3.5 + m * 0.17) * (ws.options.etoasmmday ? 1 : 30);
  }
  ws.climate.DayETo[3][7] = MissingReal;  // a gap survives the trip
  ws.climate.Data.Decade[4][2].Sunshine = MissingReal;
  ConvertClimateUnits(ws, false);
  RecomputeMeasuredMonthETo(ws);  // the month values that typing the measured ETo gives
  RecomputeClimateTables(ws);
}

struct Tolerance {
  double temperature = 0.051, humidity, wind, sunshine, radiation = 0.051, eto;
};

Tolerance TolerancesFor(const Options& o) {
  Tolerance t;
  // In kPa the reference pressure also moves with the rounded temperatures.
  t.humidity = o.humidityasperc ? 0.051 : 0.006;
  t.wind = o.windaskmday ? 0.051 : 0.051 / 86.4;
  t.sunshine = o.sunshineunit == SunshineUnit::Hours     ? 0.051
               : o.sunshineunit == SunshineUnit::Percent ? 0.051 / 9 * 100
                                                         : 0.051 / 9;
  t.eto = o.etoasmmday ? 0.0051 : 0.0051 * 31;
  return t;
}

void ExpectSamePeriod(const TClimatePeriod& a, const TClimatePeriod& b, const Tolerance& t,
                      const std::string& where) {
  auto near = [&](double x, double y, double tol, const char* field) {
    if (x == MissingReal || y == MissingReal)
      EXPECT_EQ(x, y) << where << " " << field;
    else
      EXPECT_NEAR(x, y, tol) << where << " " << field;
  };
  near(a.TMin, b.TMin, t.temperature, "TMin");
  near(a.TMax, b.TMax, t.temperature, "TMax");
  near(a.TMean, b.TMean, t.temperature, "TMean");
  near(a.Humidity, b.Humidity, t.humidity, "Humidity");
  near(a.Wind, b.Wind, t.wind, "Wind");
  near(a.Sunshine, b.Sunshine, t.sunshine, "Sunshine");
  near(a.Radiation, b.Radiation, t.radiation, "Radiation");
}

void ExpectSameValue(double a, double b, double tol, const std::string& where) {
  if (a == MissingReal || b == MissingReal)
    EXPECT_EQ(a, b) << where;
  else
    EXPECT_NEAR(a, b, tol) << where;
}

struct RoundTripCase {
  const char* name;
  int kind;
};

class ClimateFileRoundTrip : public ::testing::TestWithParam<std::tuple<RoundTripCase, bool>> {};

TEST_P(ClimateFileRoundTrip, WriteThenReadGivesTheSameRecord) {
  const auto [c, otherUnits] = GetParam();
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  if (otherUnits) {
    ws.options.humidityasperc = false;
    ws.options.windaskmday = false;
    ws.options.etoasmmday = false;
    ws.options.sunshineunit = SunshineUnit::Percent;
  }
  FillRecord(ws, c.kind);
  const ClimateState before = ws.climate;
  TempDir dir;
  const std::string path = dir.File(c.name);
  ASSERT_TRUE(WriteClimateFile(ws, path));
  // The writer works on a copy: the record is untouched, bit for bit.
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(ws.climate.MonthETo[m], before.MonthETo[m]);
  EXPECT_EQ(ws.climate.Data.Month[5].Humidity, before.Data.Month[5].Humidity);

  ScriptedUi ui2;
  Workspace back(ui2, {2026, 12, 10});
  back.options = ws.options;
  back.options.estimateall = true;
  ASSERT_TRUE(OpenClimateFile(back, path));
  EXPECT_TRUE(ui2.shown.empty());
  EXPECT_FALSE(back.options.estimateall);
  EXPECT_EQ(back.session.EtoKind, c.kind);
  EXPECT_EQ(back.session.StatusOf(DataKind::Climate), dsSaved);
  EXPECT_EQ(back.session.File(DataKind::Climate), path);
  // The values as read, ETo included; only what the file does not hold is derived.
  if (c.kind == 4) RecomputeMeasuredMonthETo(back);  // a .PMD file has no month values
  RecomputeAverages(back);

  const ClimateState& a = before;
  const ClimateState& b = back.climate;
  EXPECT_EQ(b.Data.Country, a.Data.Country);
  EXPECT_EQ(b.Data.Station, a.Data.Station);
  EXPECT_EQ(b.Data.Altitude, a.Data.Altitude);
  EXPECT_EQ(b.Data.Latitude, a.Data.Latitude);
  EXPECT_EQ(b.Data.Longitude, a.Data.Longitude);
  EXPECT_TRUE(b.Data.South);
  EXPECT_TRUE(b.Data.West);
  EXPECT_EQ(b.EToYear, a.EToYear);
  EXPECT_EQ(b.TempMinMax, a.TempMinMax);
  const Tolerance t = TolerancesFor(ws.options);
  for (int m = 1; m <= 12; ++m) {
    const std::string month = std::string(c.name) + " month " + std::to_string(m);
    if (c.kind == 1 || c.kind == 4) {
      for (int d = 1; d <= 31; ++d) {
        const std::string where = month + " day " + std::to_string(d);
        ExpectSameValue(b.DayETo[m][d], a.DayETo[m][d], 0.0051, where);
        ExpectSamePeriod(b.Data.Day[m][d], a.Data.Day[m][d], t, where);
      }
      ExpectSameValue(b.MonthETo[m], a.MonthETo[m], 0.0051, month);
    } else {
      ExpectSamePeriod(b.Data.Month[m], a.Data.Month[m], t, month);
      ExpectSameValue(b.MonthETo[m], a.MonthETo[m], t.eto, month);
      for (int k = 1; k <= 3; ++k) {
        const std::string where = month + " decade " + std::to_string(k);
        ExpectSamePeriod(b.Data.Decade[m][k], a.Data.Decade[m][k], t, where);
        ExpectSameValue(b.DecadeETo[m][k], a.DecadeETo[m][k], t.eto, where);
      }
    }
  }
  for (int c2 = 1; c2 <= 7; ++c2)
    ExpectSameValue(b.AverageRow[c2], a.AverageRow[c2], c2 == 7 ? 12 * t.eto : 0.1,
                    "average " + std::to_string(c2));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ClimateFileRoundTrip,
    ::testing::Combine(
        ::testing::Values(RoundTripCase{"daily.PED", 1}, RoundTripCase{"decade.PEC", 2},
                          RoundTripCase{"monthly.PEM", 3}, RoundTripCase{"measured_daily.PMD", 4},
                          RoundTripCase{"measured_decade.PMC", 5},
                          RoundTripCase{"measured_monthly.PMM", 6}, RoundTripCase{"lower.pem", 3},
                          RoundTripCase{"lower.ped", 1}),
        ::testing::Bool()),
    [](const auto& info) {
      std::string n = std::get<0>(info.param).name;
      for (char& ch : n)
        if (ch == '.') ch = '_';
      return n + (std::get<1>(info.param) ? "_otherunits" : "_fileunits");
    });

class ClimateFile : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TempDir dir;
};

TEST_F(ClimateFile, MonthlyLayout) {
  ws.session.EtoKind = 3;
  SetStation(ws, 1798, 1.3, true);
  ws.climate.Data.Longitude = 36.75;
  ws.climate.Data.West = true;
  ws.climate.Data.Month[1] = Period(22.1, 31.5, 78.0, 172.8, 6.2);
  ws.climate.Data.Month[1].Radiation = 19.3;
  ws.climate.MonthETo[1] = 4.12;
  const std::string path = dir.File("layout.PEM");
  ASSERT_TRUE(WriteClimateFile(ws, path));
  const std::string text = ReadText(path);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "VESKARO 8.0 Climate data");
  EXPECT_EQ(lines[1], " 0   3");
  EXPECT_EQ(lines[2], "Testland");
  EXPECT_EQ(lines[3], "Station");
  EXPECT_EQ(lines[4], "1798.00");
  EXPECT_EQ(lines[5], "  -1.30  -36.75");
  EXPECT_EQ(lines[6], "  22.1  31.5   78.0  172.8    6.2  19.3     4.12");
  EXPECT_EQ(lines[7], " -99.9 -99.9  -99.9  -99.9  -99.9 -99.9   -99.90");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));

  ws.climate.TempMinMax = false;
  ws.climate.Data.Month[1].TMean = 26.8;
  ASSERT_TRUE(WriteClimateFile(ws, path));
  EXPECT_EQ(Lines(ReadText(path))[6], " -99.9  26.8   78.0  172.8    6.2  19.3     4.12");
}

TEST_F(ClimateFile, DailyLayouts) {
  ws.session.EtoKind = 4;
  ws.climate.EToYear = 2015;
  ws.climate.DayETo[1][1] = 1.234;
  const std::string path = dir.File("m.PMD");
  ASSERT_TRUE(WriteClimateFile(ws, path));
  const auto lines = Lines(ReadText(path));
  ASSERT_EQ(lines.size(), 6u + 24u);
  EXPECT_EQ(lines[1], " 0   4");
  EXPECT_EQ(lines[6], "2015");
  EXPECT_EQ(lines[7].size(), 31u * 8u);
  EXPECT_EQ(lines[7].substr(0, 16), "    1.23  -99.90");
  // The kind line carries the data's kind, the layout follows the extension.
  ws.session.EtoKind = 1;
  ws.climate.EToYear = MissingInt;
  ASSERT_TRUE(WriteClimateFile(ws, dir.File("d.ped")));
  const auto daily = Lines(ReadText(dir.File("d.ped")));
  ASSERT_EQ(daily.size(), 6u + 12u * 2u + 365u);
  EXPECT_EQ(daily[6], "-999");
  EXPECT_EQ(daily[7].substr(daily[7].size() - 9), "     1.23");
  EXPECT_EQ(daily[6 + 1 + 31 + 1], "-999");  // the year line of February
}

// Hand-written decade and daily files: every value lands in its period, and writing the
// record again gives the same text byte for byte.
std::string RightAligned(const std::string& text, size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

TEST_F(ClimateFile, DecadeAndDailyLayoutsByHand) {
  const std::string head =
      "VESKARO 8.0 Climate data\r\n 0   %\r\nChile\r\nLa Serena\r\n 40.00\r\n"
      " -33.90  -70.25\r\n";
  const std::string climate = "  15.0  28.0   60.0  200.0    9.0  21.5";
  auto eto = [](int m, int part) {  // m.pp as text, right-aligned in 9 characters
    const std::string pp = part < 10 ? "0" + std::to_string(part) : std::to_string(part);
    return RightAligned(std::to_string(m) + "." + pp, 9);
  };
  std::string pec = head, ped = head;
  pec[pec.find('%')] = '2';
  ped[ped.find('%')] = '1';
  const int days[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    for (int k = 1; k <= 3; ++k) pec += climate + eto(m, 10 * k) + "\r\n";
    pec += climate + eto(m, 5) + "\r\n";
    ped += "2015\r\n";
    for (int d = 1; d <= days[m]; ++d) ped += climate + eto(m, d) + "\r\n";
    ped += climate + eto(m, 99) + "\r\n";
  }
  struct Case {
    const char* name;
    const std::string& text;
    int kind;
  } cases[] = {{"hand.PEC", pec, 2}, {"hand.PED", ped, 1}};
  for (const Case& c : cases) {
    WriteText(dir.File(c.name), c.text);
    ASSERT_TRUE(ReadClimateFile(ws, dir.File(c.name))) << c.name;
    const ClimateState& r = ws.climate;
    EXPECT_EQ(ws.session.EtoKind, c.kind);
    EXPECT_EQ(r.Data.Station, "La Serena");
    EXPECT_EQ(r.Data.Altitude, 40);
    EXPECT_EQ(r.Data.Latitude, 33.9);
    EXPECT_TRUE(r.Data.South);
    EXPECT_EQ(r.Data.Longitude, 70.25);
    EXPECT_TRUE(r.Data.West);
    EXPECT_EQ(r.MonthETo[7], c.kind == 2 ? 7.05 : 7.99);
    EXPECT_EQ(r.Data.Month[7].Wind, 200);
    if (c.kind == 2) {
      EXPECT_EQ(r.DecadeETo[7][1], 7.1);
      EXPECT_EQ(r.DecadeETo[12][3], 12.3);
      EXPECT_EQ(r.Data.Decade[7][2].Sunshine, 9);
      EXPECT_EQ(r.Data.Decade[7][2].Radiation, 21.5);
      EXPECT_EQ(r.EToYear, MissingInt);
    } else {
      EXPECT_EQ(r.DayETo[2][28], 2.28);
      EXPECT_EQ(r.DayETo[2][29], MissingReal);
      EXPECT_EQ(r.MonthETo[2], 2.99);
      EXPECT_EQ(r.DayETo[12][31], 12.31);
      EXPECT_EQ(r.Data.Day[3][1].Humidity, 60);
      EXPECT_EQ(r.Data.Day[3][1].TMin, 15);
      EXPECT_EQ(r.EToYear, 2015);
    }
    const std::string copy = dir.File(std::string("copy_") + c.name);
    ASSERT_TRUE(WriteClimateFile(ws, copy));
    EXPECT_EQ(ReadText(copy), c.text) << c.name;
  }
  EXPECT_TRUE(ui.shown.empty());
}

// A file of 28 February values on a line of 31: the last three are ignored.
TEST_F(ClimateFile, MeasuredDailyFebruary) {
  std::string text =
      "VESKARO 8.0 Climate data\r\n 0   4\r\nC\r\nS\r\n-99.90\r\n -99.90  -99.90\r\n";
  for (int m = 1; m <= 12; ++m) {
    text += "2014\r\n";
    for (int d = 1; d <= 31; ++d) text += FormatC("%8.2f", m == 2 && d > 28 ? 9.99 : 1.0 + m);
    text += "\r\n";
  }
  WriteText(dir.File("feb.PMD"), text);
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("feb.PMD")));
  EXPECT_EQ(ws.climate.DayETo[2][28], 3.0);
  EXPECT_EQ(ws.climate.DayETo[2][29], MissingReal);
  EXPECT_EQ(ws.climate.DayETo[4][31], MissingReal);
  EXPECT_EQ(ws.climate.DayETo[12][31], 13.0);
  EXPECT_EQ(ws.climate.EToYear, 2014);
  EXPECT_EQ(ws.climate.Data.Latitude, MissingReal);
  EXPECT_FALSE(ws.climate.Data.South);
  RecomputeClimateTables(ws);
  EXPECT_EQ(ws.climate.MonthETo[2], 3.0);
}

// Lines 1..6 and the given data lines, filled up with a default month line to `lines`.
std::string MonthlyFile(int kind, const std::vector<std::string>& monthLines, int lines = 12) {
  std::string text = "VESKARO 8.0 Climate data\r\n" + FormatC(" 0 %3d", kind) +
                     "\r\nCountry\r\nStation\r\n200.00\r\n  13.50   12.25\r\n";
  for (int m = 0; m < lines; ++m)
    text += (m < int(monthLines.size()) ? monthLines[m]
                                        : "  22.1  31.5   78.0  172.8    6.2  19.3     4.12") +
            "\r\n";
  return text;
}

// The kind on line 2 selects the records that are converted while reading; the extension
// gives the kind afterwards.
TEST_F(ClimateFile, KindLineAndExtension) {
  ws.options.windaskmday = false;
  WriteText(dir.File("k.PEM"), MonthlyFile(1, {}));
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("k.PEM")));
  EXPECT_EQ(ws.session.EtoKind, 3);
  EXPECT_EQ(ws.climate.Data.Month[1].Wind, 172.8);     // visited as daily data: not converted
  WriteText(dir.File("k.PEM"), MonthlyFile(257, {}));  // a byte: 257 is kind 1
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("k.PEM")));
  EXPECT_EQ(ws.climate.Data.Month[1].Wind, 172.8);
  WriteText(dir.File("k.PEM"), MonthlyFile(3, {}));
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("k.PEM")));
  EXPECT_NEAR(ws.climate.Data.Month[1].Wind, 2.0, 1e-12);
  // Version 7 files are read as well.
  std::string v7 = MonthlyFile(3, {});
  v7[8] = '7';
  WriteText(dir.File("v7.PEM"), v7);
  EXPECT_TRUE(ReadClimateFile(ws, dir.File("v7.PEM")));
  // Any other extension reads month lines as monthly Penman-Monteith data.
  WriteText(dir.File("k.txt"), MonthlyFile(6, {}));
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("k.txt")));
  EXPECT_EQ(ws.session.EtoKind, 3);
  EXPECT_EQ(ws.climate.MonthETo[12], 4.12);
}

// The last line that holds a temperature decides how temperatures are held; numbers are a
// stream (a number may end right before a sign, a line may continue on the next one) and
// the rest of a line after its seventh number is skipped.
TEST_F(ClimateFile, TemperatureColumnsAndNumberStream) {
  WriteText(dir.File("t.PEM"), MonthlyFile(3,
                                           {"  22.1  31.5   78.0  172.8    6.2-99.9     4.12 7 8 9",
                                            " -99.9  26.8   78.0  172.8    6.2  19.3", "   4.12",
                                            "  20.0 -99.9   78.0  172.8    6.2  19.3     4.12"},
                                           13));
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("t.PEM")));
  const ClimateState& c = ws.climate;
  EXPECT_EQ(c.Data.Month[1].Radiation, MissingReal);
  EXPECT_EQ(c.MonthETo[1], 4.12);
  EXPECT_EQ(c.Data.Month[2].TMean, 26.8);
  EXPECT_EQ(c.Data.Month[2].TMax, MissingReal);
  EXPECT_EQ(c.Data.Month[2].TMin, MissingReal);
  EXPECT_EQ(c.MonthETo[2], 4.12);
  EXPECT_EQ(c.Data.Month[3].TMin, 20.0);  // the month after the split line
  EXPECT_EQ(c.Data.Month[3].TMean, MissingReal);
  EXPECT_TRUE(c.TempMinMax);  // the last months hold minimum/maximum temperatures

  // Only missing temperatures: the layout of the record before reading stays.
  std::vector<std::string> empty(12, " -99.9 -99.9  -99.9  -99.9  -99.9 -99.9     3.00");
  for (bool before : {false, true}) {
    ws.climate.TempMinMax = before;
    WriteText(dir.File("e.PMM"), MonthlyFile(6, empty));
    ASSERT_TRUE(ReadClimateFile(ws, dir.File("e.PMM")));
    EXPECT_EQ(ws.climate.TempMinMax, before);
  }
  // A mean in the last month clears the flag for the whole record.
  std::vector<std::string> lastMean(11, "  22.1  31.5   78.0  172.8    6.2  19.3     4.12");
  lastMean.push_back(" -99.9  26.8   78.0  172.8    6.2  19.3     4.12");
  WriteText(dir.File("m.PEM"), MonthlyFile(3, lastMean));
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("m.PEM")));
  EXPECT_FALSE(ws.climate.TempMinMax);
}

TEST_F(ClimateFile, OldMonthlyFormat) {
  ws.options.humidityasperc = false;  // recomputation runs in the file units anyway
  ASSERT_TRUE(OpenClimateFile(ws, DataPath("climate/oldformat.PEN")));
  EXPECT_TRUE(ui.shown.empty());
  const ClimateState& c = ws.climate;
  EXPECT_EQ(ws.session.EtoKind, 3);
  EXPECT_EQ(c.Data.Country, "Kenya");
  EXPECT_EQ(c.Data.Station, "Nairobi Dagoretti Co");
  EXPECT_EQ(c.Data.Altitude, 1798);
  EXPECT_EQ(c.Data.Latitude, 1.3);
  EXPECT_TRUE(c.Data.South);
  EXPECT_EQ(c.Data.Longitude, 36.75);
  EXPECT_FALSE(c.Data.West);
  EXPECT_EQ(c.Data.Month[1].TMax, 31.5);
  EXPECT_EQ(c.Data.Month[1].TMin, 22.1);
  EXPECT_EQ(c.MonthETo[12], 3.33);  // incomplete month: the file's value

  // The complete months hold the ETo that the same data give as a monthly file.
  ScriptedUi ui2;
  Workspace pem(ui2, {2026, 12, 10});
  pem.session.EtoKind = 3;
  SetStation(pem, 1798, 1.3, true);
  const double rows[12][5] = {
      {31.5, 22.1, 61, 155, 5.3}, {28.0, 13.5, 62, 160, 5.6}, {27.7, 13.3, 63, 165, 5.9},
      {27.0, 12.8, 64, 170, 6.2}, {26.0, 12.0, 65, 175, 6.5}, {25.0, 11.2, 66, 180, 6.8},
      {24.3, 10.7, 67, 185, 7.1}, {24.0, 10.5, 68, 190, 7.4}, {24.3, 10.7, 69, 195, 7.7},
      {25.0, 11.2, 70, 200, 8.0}, {26.0, 12.0, 71, 205, 8.3}, {27.0, 12.8, MissingReal, 210, 8.6}};
  for (int m = 1; m <= 12; ++m) {
    const auto& r = rows[m - 1];
    pem.climate.Data.Month[m] = Period(r[1], r[0], r[2], r[3], r[4]);
  }
  RecomputeAll(pem);
  for (int m = 1; m <= 11; ++m) {
    EXPECT_NE(c.MonthETo[m], 9.99);
    EXPECT_DOUBLE_EQ(c.MonthETo[m], pem.climate.MonthETo[m]) << m;
    EXPECT_DOUBLE_EQ(c.Data.Month[m].Radiation, pem.climate.Data.Month[m].Radiation) << m;
  }
  // Humidity arrives in the display unit (kPa).
  EXPECT_NEAR(c.Data.Month[1].Humidity, 0.61 * SatVapourPressureMean(31.5, 22.1), 1e-12);
}

TEST_F(ClimateFile, OldFormatStationLineNeedsSixCommas) {
  const std::string months =
      "31.5 22.1 61 155 5.3 18 1\r\n"
      "31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n"
      "31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n"
      "31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n"
      "31.5 22.1 61 155 5.3 18 1\r\n31.5 22.1 61 155 5.3 18 1\r\n";
  struct Case {
    const char* line;
    bool ok;
  } cases[] = {
      {"A,B,100,-99.9,x,-20.5,", true},
      {"A,B,100,10,x,20", false},   // no comma after the longitude
      {"A,B,1x0,10,x,20,", false},  // an altitude that is no number
      {"A;B;100;10;x;20;", false},  // no comma at all
      {"\"Q\",\"R\", 100 , 10 ,,20,tail", true},
  };
  for (const Case& c : cases) {
    ui.Clear();
    WriteText(dir.File("o.pen"), std::string(c.line) + "\r\n" + months);
    EXPECT_EQ(ReadClimateFile(ws, dir.File("o.pen")), c.ok) << c.line;
    if (!c.ok) {
      EXPECT_EQ(ui.TextsOf("error"),
                std::vector<std::string>{"Error reading data from file " + dir.File("o.pen")});
      EXPECT_EQ(ws.climate.Data.Country, "");
    }
  }
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("o.pen")));
  EXPECT_EQ(ws.climate.Data.Country, "Q");
  WriteText(dir.File("o.pen"), "A,B,100,-99.9,x,-20.5,\r\n" + months);
  ASSERT_TRUE(ReadClimateFile(ws, dir.File("o.pen")));
  EXPECT_EQ(ws.climate.Data.Latitude, MissingReal);
  EXPECT_FALSE(ws.climate.Data.South);
  EXPECT_EQ(ws.climate.Data.Longitude, 20.5);
  EXPECT_TRUE(ws.climate.Data.West);
}

// Broken files: the system's message, a cleared record and a located detail.
TEST_F(ClimateFile, ReadFailures) {
  const std::string good = MonthlyFile(3, {});
  std::string bad = good;
  bad.replace(bad.find("172.8", bad.find("172.8") + 1), 5, "12abc");
  struct Case {
    const char* name;
    std::string content;
    std::string message;
    std::string detail;
  } cases[] = {
      {"truncated", good.substr(0, good.size() / 2), "Error reading data from file %s",
       "ends too early"},
      {"token", bad, "Error reading data from file %s", "line 8: \"12abc\""},
      {"version6", "VESKARO 6.0 Climate data\r\n" + good.substr(26),
       "This file is not a valid VESKARO file", "line 1"},
      {"empty", "", "This file is not a valid VESKARO file", "line 1"},
      {"kind", "VESKARO 8.0 Climate data\r\n 0 3.5\r\n" + good.substr(34),
       "Error reading data from file %s", "line 2: \"3.5\""},
      {"nocountry", "VESKARO 8.0 Climate data\r\n 0   3\r\n", "Error reading data from file %s",
       "line 3"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File(std::string(c.name) + ".PEM");
    WriteText(path, c.content);
    FillRecord(ws, 2);
    ui.Clear();
    std::string detail;
    EXPECT_FALSE(ReadClimateFile(ws, path, &detail)) << c.name;
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{FormatText(c.message, {path})})
        << c.name;
    EXPECT_NE(detail.find(c.detail), std::string::npos) << c.name << ": " << detail;
    EXPECT_EQ(ws.climate.Data.Country, "") << c.name;
    EXPECT_EQ(ws.climate.Data.Decade[1][1].TMin, MissingReal) << c.name;
    EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsNone) << c.name;
  }
}

TEST_F(ClimateFile, MissingFile) {
  FillRecord(ws, 3);
  ws.session.ReaderSucceeded(DataKind::Climate, "/old/file.PEM");
  ws.options.estimateall = true;
  const std::string path = dir.File("absent.PEM");
  std::string detail;
  EXPECT_FALSE(ReadClimateFile(ws, path, &detail));
  EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{"Error opening file " + path +
                                                          "\rProbable cause: file does not exist"});
  EXPECT_EQ(ws.climate.Data.Country, "Testland");  // the reader leaves the record alone
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsSaved);
  EXPECT_FALSE(detail.empty());
  EXPECT_FALSE(OpenClimateFile(ws, path));  // opening clears it
  EXPECT_EQ(ws.climate.Data.Country, "");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Climate), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Climate), "untitled");
  EXPECT_FALSE(ws.options.estimateall);
}

TEST_F(ClimateFile, WriteFailureLeavesRecordAndNamesTheFile) {
  FillRecord(ws, 3);
  const std::string longName(150, 'x');
  const std::string path = dir.File("missing-folder/" + longName + ".PEM");
  EXPECT_FALSE(WriteClimateFile(ws, path));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + path.substr(0, 120) +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
  EXPECT_EQ(ws.climate.Data.Country, "Testland");
  // An existing file is replaced whole.
  const std::string target = dir.File("t.PEM");
  WriteText(target, "old contents");
  ASSERT_TRUE(WriteClimateFile(ws, target));
  EXPECT_EQ(ReadText(target).substr(0, 24), "VESKARO 8.0 Climate data");
}

}  // namespace
}  // namespace vsk

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ReadText;
using test::TempDir;
using test::WriteText;

class RainFile : public ::testing::Test {
 protected:
  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TempDir dir;

  std::string ReadingError(const std::string& path) const {
    return "Error reading data from file " + path;
  }
};

// A record with a value in every field the files carry (one decimal, as written).
void FillRecord(RainState& s) {
  s.Data.RainStation = "Upper Valley 12";
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= 31; ++d)
      s.Data.DayRain[m][d] = d <= MonthLength(m) ? (m * d % 17) * 0.7 : MissingReal;
    for (int k = 1; k <= 3; ++k) {
      s.Data.DecadeRain[m][k] = m * 10 + k + 0.1;
      s.Data.DecadeEffRain[m][k] = m * 5 + k + 0.3;
    }
    s.Data.MonthRain[m] = m == 4 ? MissingReal : m * 31.4;
    s.Data.MonthEffRain[m] = m == 4 ? MissingReal : m * 12.9;
  }
  s.Data.DecadeRain[7][2] = MissingReal;
  s.Data.DayRain[3][9] = MissingReal;
  s.Data.DayRain[5][30] = 999.9;
  s.RainYear = 2017;
}

void ExpectSameCarriedValues(const TRainData& a, const TRainData& b, bool daily) {
  EXPECT_EQ(a.RainStation, b.RainStation);
  for (int m = 1; m <= 12; ++m) {
    for (int k = 1; k <= 3; ++k) {
      EXPECT_NEAR(a.DecadeEffRain[m][k], b.DecadeEffRain[m][k], 1e-9) << m << "/" << k;
      if (!daily) {
        EXPECT_NEAR(a.DecadeRain[m][k], b.DecadeRain[m][k], 1e-9) << m << "/" << k;
      }
    }
    EXPECT_NEAR(a.MonthEffRain[m], b.MonthEffRain[m], 1e-9) << m;
    if (daily) {
      for (int d = 1; d <= 31; ++d)
        EXPECT_NEAR(a.DayRain[m][d], b.DayRain[m][d], 1e-9) << m << "/" << d;
    } else {
      EXPECT_NEAR(a.MonthRain[m], b.MonthRain[m], 1e-9) << m;
    }
  }
}

TEST_F(RainFile, EveryKindRoundTrips) {
  struct Case {
    byte kind;
    const char* name;
    byte method;
  };
  const Case cases[] = {{3, "north.CRM", 4}, {2, "north.CRC", 3}, {1, "north.CRD", 1}};
  for (const auto& c : cases) {
    test::ScriptedUi ui1, ui2;
    Workspace out(ui1, {2026, 12, 10});
    FillRecord(out.rain);
    out.session.RainKind = c.kind;
    out.options.ermethod = c.method;
    out.options.erfixperc = 65;
    out.options.rainx = 45;
    out.options.raina = 0.55;
    out.options.rainb = -3;
    out.options.rainc = 0.75;
    out.options.raind = 15;
    const std::string path = dir.File(c.name);
    ASSERT_TRUE(WriteRainFile(out, path)) << c.name;

    Workspace in(ui2, {2026, 12, 10});
    in.session.RainKind = 3;
    ASSERT_TRUE(ReadRainFile(in, path)) << c.name;
    EXPECT_TRUE(ui2.shown.empty()) << c.name;
    ExpectSameCarriedValues(in.rain.Data, out.rain.Data, c.kind == 1);
    EXPECT_EQ(in.session.RainKind, c.kind);
    EXPECT_EQ(in.options.ermethod, c.method);
    EXPECT_EQ(in.session.StatusOf(DataKind::Rain), dsSaved);
    EXPECT_EQ(in.session.File(DataKind::Rain), path);
    if (c.kind == 1) {
      EXPECT_EQ(in.rain.RainYear, 2017);
    }
    if (c.method == 1) {
      EXPECT_EQ(in.options.erfixperc, 65);
    }
    if (c.method == 3) {
      EXPECT_EQ(in.options.rainx, 45);
      EXPECT_DOUBLE_EQ(in.options.raina, 0.55);
      EXPECT_EQ(in.options.rainb, -3);
      EXPECT_DOUBLE_EQ(in.options.rainc, 0.75);
      EXPECT_EQ(in.options.raind, 15);
    }
  }
}

TEST_F(RainFile, WrittenLayout) {
  FillRecord(ws.rain);
  ws.session.RainKind = 2;
  ws.options.ermethod = 3;
  const std::string path = dir.File("layout.crc");
  ASSERT_TRUE(WriteRainFile(ws, path));
  const std::string text = ReadText(path);
  const std::string head =
      "VESKARO 8.0 Rain data\r\n"
      "Upper Valley 12\r\n"
      "  3  2\r\n"
      "  0      50    0.50      -5    0.70      20\r\n"
      "     11.1      6.3     12.1      7.3     13.1      8.3      31.4      12.9\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);

  ws.options.ermethod = 1;
  ws.options.erfixperc = 80;
  ws.session.RainKind = 1;
  ws.rain.RainYear = MissingInt;
  ASSERT_TRUE(WriteRainFile(ws, path));
  const std::string daily = ReadText(path);
  const std::string dailyHead =
      "VESKARO 8.0 Rain data\r\n"
      "Upper Valley 12\r\n"
      "  1  1\r\n"
      "80  0  0  0  0  0\r\n"
      "-999\r\n"
      "      6.3      7.3      8.3      12.9\r\n"
      "   0.7   1.4   2.1   2.8   3.5   4.2   4.9   5.6   6.3   7.0   7.7   8.4   9.1   9.8"
      "  10.5  11.2   0.0   0.7   1.4   2.1   2.8   3.5   4.2   4.9   5.6   6.3   7.0   7.7"
      "   8.4   9.1   9.8\r\n";
  EXPECT_EQ(daily.substr(0, dailyHead.size()), dailyHead);
  // February: the days past its end are written as missing.
  EXPECT_NE(daily.find("   3.5 -99.9 -99.9 -99.9\r\n"), std::string::npos);
}

TEST_F(RainFile, ReadingReplacesTheMethodAndKeepsWhatTheFileDoesNotCarry) {
  ws.options.ermethod = 4;
  ws.rain.Data.DayRain[1][1] = 42;
  const std::string path = DataPath("rain/riverbend.crc");  // lower-case extension
  ASSERT_TRUE(ReadRainFile(ws, path));
  EXPECT_EQ(ws.session.RainKind, 2);
  EXPECT_EQ(ws.rain.Data.RainStation, "Riverbend");
  EXPECT_EQ(ws.options.ermethod, 3);
  EXPECT_EQ(ws.options.rainx, 60);
  EXPECT_DOUBLE_EQ(ws.options.raina, 0.6);
  EXPECT_EQ(ws.options.rainb, -4);
  EXPECT_DOUBLE_EQ(ws.options.rainc, 0.8);
  EXPECT_EQ(ws.options.raind, 18);
  EXPECT_DOUBLE_EQ(ws.rain.Data.DecadeRain[12][3], 36);
  EXPECT_EQ(ws.rain.Data.DayRain[1][1], 42);  // not in a decade file

  // The window's redisplay uses the method just read: threshold 60/3 = 20 per decade.
  RecomputeRain(ws);
  EXPECT_NEAR(ws.rain.Data.DecadeEffRain[12][3], 0.8 * 36 + 18.0 / 3, 1e-12);
  EXPECT_EQ(ws.rain.Data.DecadeEffRain[1][1], 0.0);                           // 0.6 * 1 - 4/3 < 0
  EXPECT_NEAR(ws.rain.Data.DecadeEffRain[10][2], 0.6 * 20 - 4.0 / 3, 1e-12);  // on the threshold
  EXPECT_DOUBLE_EQ(ws.rain.Data.MonthRain[12], 72);
}

TEST_F(RainFile, DailyFileKeepsSumsUntilRecomputed) {
  FillRecord(ws.rain);
  ws.session.RainKind = 1;
  const std::string path = dir.File("days.crd");
  ASSERT_TRUE(WriteRainFile(ws, path));

  test::ScriptedUi ui2;
  Workspace in(ui2, {2026, 12, 10});
  in.rain.Data.DecadeRain[1][1] = 555;
  in.rain.Data.MonthRain[1] = 777;
  ASSERT_TRUE(ReadRainFile(in, path));
  EXPECT_EQ(in.rain.Data.DecadeRain[1][1], 555);
  EXPECT_EQ(in.rain.Data.MonthRain[1], 777);
  RecomputeRain(in);
  double jan1 = 0, jan = 0;
  for (int d = 1; d <= 31; ++d) {
    if (d <= 10) jan1 += in.rain.Data.DayRain[1][d];
    jan += in.rain.Data.DayRain[1][d];
  }
  EXPECT_NEAR(in.rain.Data.DecadeRain[1][1], jan1, 1e-9);
  EXPECT_NEAR(in.rain.Data.MonthRain[1], jan, 1e-9);
}

TEST_F(RainFile, OldMonthlyFormat) {
  ws.session.RainKind = 1;
  const std::string path = DataPath("rain/hillside.cli");
  ASSERT_TRUE(OpenRainFile(ws, path));
  EXPECT_EQ(ws.rain.Data.RainStation, "Hillside Farm");
  EXPECT_EQ(ws.options.ermethod, 1);
  EXPECT_EQ(ws.options.erfixperc, 70);
  EXPECT_EQ(ws.session.RainKind, 3);
  EXPECT_DOUBLE_EQ(ws.rain.Data.MonthRain[1], 12.0);
  EXPECT_DOUBLE_EQ(ws.rain.Data.MonthRain[6], 160.4);
  EXPECT_DOUBLE_EQ(ws.rain.Data.MonthRain[12], 0.0);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Rain), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Rain), path);

  // A name relative to the working folder is kept as the full path.
  const std::string relative = std::filesystem::relative(path).string();
  ASSERT_TRUE(OpenRainFile(ws, relative));
  EXPECT_EQ(ws.session.File(DataKind::Rain),
            std::filesystem::absolute(relative).lexically_normal().string());
}

TEST_F(RainFile, OldFormatFirstLine) {
  struct Case {
    const char* line;
    bool ok;
  };
  const Case cases[] = {
      {"\"A very long station name indeed\",x,3,y,60,1,-5,0,20,", true},
      {"Plain,1990,2,", true},
      {"Plain,1990,2", false},                    // the method must be followed by a comma
      {"Plain,1990,1,75", false},                 // so must the percentage
      {"Plain,1990,3,y,60,0.5,-5,1,20,", false},  // the empirical factors are whole numbers
      {"Plain,1990,x,", false},
      {"Plain", false},
      {"", false},
  };
  for (const auto& c : cases) {
    test::ScriptedUi u;
    Workspace w(u, {2026, 12, 10});
    std::string text = std::string(c.line) + "\r\n";
    for (int m = 1; m <= 12; ++m) text += "0 " + std::to_string(m) + ".5\r\n";
    const std::string path = dir.File("old.cli");
    WriteText(path, text);
    EXPECT_EQ(ReadRainFile(w, path), c.ok) << c.line;
    if (c.ok) {
      EXPECT_TRUE(u.shown.empty());
      EXPECT_DOUBLE_EQ(w.rain.Data.MonthRain[11], 11.5);
    } else {
      EXPECT_EQ(u.TextsOf("error"), std::vector<std::string>{ReadingError(path)}) << c.line;
    }
  }
  test::ScriptedUi u;
  Workspace w(u, {2026, 12, 10});
  const std::string path = dir.File("long.cli");
  std::string text = "\"A very long station name indeed\",x,3,y,60,1,-5,0,20,\r\n";
  for (int m = 1; m <= 12; ++m) text += "0 1\r\n";
  WriteText(path, text);
  ASSERT_TRUE(ReadRainFile(w, path));
  EXPECT_EQ(w.rain.Data.RainStation, "A very long station ");
  EXPECT_EQ(w.options.rainx, 60);
  EXPECT_DOUBLE_EQ(w.options.raina, 1);
  EXPECT_EQ(w.options.rainb, -5);
  EXPECT_DOUBLE_EQ(w.options.rainc, 0);
  EXPECT_EQ(w.options.raind, 20);
}

TEST_F(RainFile, LongFileNamesAreUsedWhole) {
  // Messages show at most 120 characters of the name; the file itself is the one named.
  FillRecord(ws.rain);
  ws.session.RainKind = 3;
  const std::string path = dir.File(std::string(150, 'r') + ".crm");
  ASSERT_TRUE(WriteRainFile(ws, path));
  test::ScriptedUi u;
  Workspace w(u, {2026, 12, 10});
  ASSERT_TRUE(ReadRainFile(w, path));
  EXPECT_EQ(w.session.File(DataKind::Rain), path);
  EXPECT_EQ(w.rain.Data.RainStation, "Upper Valley 12");

  const std::string absent = dir.File(std::string(150, 'a') + ".crm");
  EXPECT_FALSE(ReadRainFile(w, absent));
  EXPECT_EQ(u.TextsOf("error"),
            std::vector<std::string>{"Error opening file " + absent.substr(0, 120) +
                                     "\rProbable cause: file does not exist"});
}

TEST_F(RainFile, ByteValuesWrapAround) {
  const std::string path = dir.File("wrap.crm");
  std::string text = "VESKARO 8.0 Rain data\r\nWrap\r\n257  3\r\n336  0  0  0  0  0\r\n";
  for (int m = 1; m <= 12; ++m) text += "0 0 0 0 0 0 50 0\r\n";
  WriteText(path, text);
  ASSERT_TRUE(ReadRainFile(ws, path));
  EXPECT_EQ(ws.options.ermethod, 1);
  EXPECT_EQ(ws.options.erfixperc, 80);
}

TEST_F(RainFile, BrokenFilesFailWithTheirMessage) {
  const std::string missing = dir.File("absent.crm");
  const std::string empty = dir.File("empty.crm");
  WriteText(empty, "");
  const std::string emptyOld = dir.File("empty.cli");
  WriteText(emptyOld, "");
  const std::string headerOnly = dir.File("header.crc");
  WriteText(headerOnly, "VESKARO 8.0 Rain data\r\n");
  const std::string integerYear = dir.File("year.crd");
  WriteText(integerYear,
            "VESKARO 8.0 Rain data\r\nX\r\n  4  1\r\n  0  0  0  0  0  0\r\n2019.5\r\n");
  const std::string notValid = "This file is not a valid VESKARO file";

  struct Case {
    std::string path;
    std::string message;
    int line;
    std::string token;
  };
  const Case cases[] = {
      {missing, "Error opening file " + missing + "\rProbable cause: file does not exist", 0, ""},
      {empty, notValid, 1, ""},
      {DataPath("rain/oldversion.crm"), notValid, 1, "VESKARO 6.0 Rain data"},
      {emptyOld, ReadingError(emptyOld), 1, ""},
      {headerOnly, ReadingError(headerOnly), 1, ""},
      {DataPath("rain/shortyear.crd"), ReadingError(DataPath("rain/shortyear.crd")), 11, ""},
      {DataPath("rain/typo.crm"), ReadingError(DataPath("rain/typo.crm")), 10, "6O.0"},
      {integerYear, ReadingError(integerYear), 5, "2019.5"},
  };
  for (const auto& c : cases) {
    test::ScriptedUi u;
    Workspace w(u, {2026, 12, 10});
    w.rain.Data.MonthRain[1] = 3.3;
    w.options.ermethod = 2;
    w.session.RainKind = 2;
    RainFileDiagnostic diag;
    EXPECT_FALSE(ReadRainFile(w, c.path, &diag)) << c.path;
    EXPECT_EQ(u.TextsOf("error"), std::vector<std::string>{c.message}) << c.path;
    EXPECT_EQ(diag.line, c.line) << c.path;
    EXPECT_EQ(diag.token, c.token) << c.path;
    // Nothing of a failed file reaches the workspace.
    EXPECT_EQ(w.rain.Data.MonthRain[1], 3.3);
    EXPECT_EQ(w.options.ermethod, 2);
    EXPECT_EQ(w.session.RainKind, 2);
    EXPECT_EQ(w.session.StatusOf(DataKind::Rain), dsNone);
  }
}

TEST_F(RainFile, DecadeDataSavedUnderADailyNameDoesNotReadBack) {
  FillRecord(ws.rain);
  ws.session.RainKind = 2;
  const std::string path = dir.File("wrong.CRD");
  ASSERT_TRUE(WriteRainFile(ws, path));
  EXPECT_NE(ReadText(path).find("\r\n     11.1      6.3"), std::string::npos);

  test::ScriptedUi u;
  Workspace w(u, {2026, 12, 10});
  RainFileDiagnostic diag;
  EXPECT_FALSE(ReadRainFile(w, path, &diag));
  EXPECT_EQ(u.TextsOf("error"), std::vector<std::string>{ReadingError(path)});
  EXPECT_EQ(diag.line, 5);
  EXPECT_EQ(diag.token, "11.1");
}

TEST_F(RainFile, OpenFailureClearsTheRecord) {
  FillRecord(ws.rain);
  ws.session.ReaderSucceeded(DataKind::Rain, "/earlier/file.crm");
  EXPECT_FALSE(OpenRainFile(ws, DataPath("rain/typo.crm")));
  EXPECT_EQ(ws.rain.Data.RainStation, "");
  EXPECT_EQ(ws.rain.Data.MonthRain[1], MissingReal);
  EXPECT_EQ(ws.rain.Data.DayRain[1][1], 0.0);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Rain), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Rain), "untitled");
}

TEST_F(RainFile, WriteFailureIsReportedAndKeepsNoHalfFile) {
  FillRecord(ws.rain);
  const std::string path = dir.File("no/such/folder/rain.crm");
  EXPECT_FALSE(WriteRainFile(ws, path));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + path +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});

  // A target that cannot be replaced leaves what was there.
  const std::string blocked = dir.File("blocked.crm");
  ASSERT_EQ(::mkdir(blocked.c_str(), 0755), 0);
  EXPECT_FALSE(WriteRainFile(ws, blocked));
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left beside it
}

TEST_F(RainFile, OutOfLayoutValuesStillReadBack) {
  // Numbers wider than their column (a hand-edited file) and a station with a line end.
  ws.session.RainKind = 1;
  ClearRain(ws);
  ws.rain.Data.RainStation = "Two\nlines";
  ws.rain.Data.DayRain[1][1] = 123456.7;
  ws.rain.Data.DayRain[1][2] = 9999.9;
  ws.rain.Data.MonthEffRain[1] = 1234567890.1;
  const std::string path = dir.File("wide.crd");
  ASSERT_TRUE(WriteRainFile(ws, path));
  test::ScriptedUi u;
  Workspace w(u, {2026, 12, 10});
  ASSERT_TRUE(ReadRainFile(w, path));
  EXPECT_EQ(w.rain.Data.RainStation, "Two");
  EXPECT_DOUBLE_EQ(w.rain.Data.DayRain[1][1], 123456.7);
  EXPECT_DOUBLE_EQ(w.rain.Data.DayRain[1][2], 9999.9);
  EXPECT_DOUBLE_EQ(w.rain.Data.DayRain[1][3], 0);
  EXPECT_DOUBLE_EQ(w.rain.Data.MonthEffRain[1], 1234567890.1);
}

}  // namespace
}  // namespace vsk

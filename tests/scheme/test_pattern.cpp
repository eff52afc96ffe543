#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "scheme/vskpatterncalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ReadText;
using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

DateSerial D(int day, int month) {
  return EncodeDate(1994, month, day);
}

// An entry with a crop of the given stage lengths (land preparation for rice).
void SetEntry(PatternEntry& e, bool dry, DateSerial planting, int seasonDays, int area,
              int landPrep = MissingInt) {
  e.CropFileName = dry ? "dry.cro" : "rice.cro";
  e.DryCrop = dry;
  e.Crop.Reset();
  e.Crop.StageLength[1] = seasonDays - 3;
  e.Crop.StageLength[2] = e.Crop.StageLength[3] = e.Crop.StageLength[4] = 1;
  e.Crop.StageLength[6] = landPrep;
  e.PlantingDate = planting;
  e.HarvestDate = PatternHarvestDate(e);
  e.Area = area;
}

struct PatternTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TempDir dir;
  void SetUp() override { ResetPattern(ws); }
};

TEST_F(PatternTest, AreaCheck) {
  struct Case {
    const char* name;
    // entry 1 and entry 2: dry?, planting, days, area, land preparation
    bool dry1;
    DateSerial p1;
    int days1, area1;
    bool dry2;
    DateSerial p2;
    int days2, area2, prep2;
    const char* message;  // nullptr: the check passes
  } cases[] = {
      {"same days 60 + 50", true, D(1, 3), 90, 60, true, D(1, 3), 90, 50, MissingInt,
       "Total area on 01/03 is more than 100 percent"},
      {"second crop overlaps from 20/05", true, D(1, 3), 90, 60, true, D(20, 5), 30, 50, MissingInt,
       "Total area on 20/05 is more than 100 percent"},
      {"100 + 100 following each other", true, D(1, 3), 90, 100, true, D(30, 5), 60, 100,
       MissingInt, nullptr},
      {"exactly 100", true, D(1, 3), 90, 70, true, D(1, 3), 90, 30, MissingInt, nullptr},
      // Rice planted 10/01 with 30 days of land preparation takes the field from 11/12 of the
      // year before, which folds onto the December days of the one year.
      {"rice wraps into the previous year", true, D(1, 12), 11, 100, false, D(10, 1), 40, 10, 30,
       "Total area on 11/12 is more than 100 percent"},
      {"rice land preparation after a harvest on 10/12", true, D(1, 12), 10, 100, false, D(10, 1),
       40, 10, 30, nullptr},
      {"dry crop running into the next year", true, D(1, 12), 40, 100, true, D(9, 1), 20, 1,
       MissingInt, "Total area on 09/01 is more than 100 percent"},
      {"a season longer than a year overlaps itself", true, D(1, 3), 400, 60, true, D(1, 8), 5, 1,
       MissingInt, "Total area on 01/03 is more than 100 percent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetPattern(ws);
    ui.Clear();
    SetEntry(ws.pattern.Entry(1), c.dry1, c.p1, c.days1, c.area1);
    SetEntry(ws.pattern.Entry(2), c.dry2, c.p2, c.days2, c.area2, c.prep2);
    const bool ok = CheckPatternArea(ws);
    EXPECT_EQ(ok, c.message == nullptr);
    if (c.message) {
      EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{c.message});
      // The entry that passed the total loses its area; the other keeps it.
      const bool secondFailed =
          std::string(c.name) != "a season longer than a year overlaps itself";
      EXPECT_EQ(ws.pattern.Entry(secondFailed ? 2 : 1).Area, MissingInt);
      EXPECT_EQ(ws.pattern.Entry(secondFailed ? 1 : 2).Area, secondFailed ? c.area1 : c.area2);
    } else {
      EXPECT_TRUE(ui.shown.empty());
      EXPECT_EQ(ws.pattern.Entry(2).Area, c.area2);
    }
  }
}

// The check walks each slot once per entry instead of every season day; a plain day-by-day walk
// must find the same day and entry.
TEST_F(PatternTest, AreaCheckMatchesADayByDayWalk) {
  std::uint32_t seed = 12345;
  auto next = [&](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  for (int run = 0; run < 300; ++run) {
    ResetPattern(ws);
    ui.Clear();
    const int crops = 1 + next(6);
    for (int k = 1; k <= crops; ++k)
      SetEntry(ws.pattern.Entry(k), next(2) == 0, D(1, 1) + next(365), 4 + next(500), 1 + next(60),
               next(40));
    const CroppingPattern before = ws.pattern;

    int sums[365] = {};
    int failEntry = 0;
    std::string failDay;
    for (int k = 1; k <= crops && !failEntry; ++k) {
      const PatternEntry& e = before.Entry(k);
      const DateSerial start = e.DryCrop ? e.PlantingDate : e.PlantingDate - e.Crop.StageLength[6];
      for (DateSerial d = start; d <= e.HarvestDate; d += 1) {
        const int slot = ((static_cast<int>(d - D(1, 1)) % 365) + 365) % 365;
        sums[slot] += e.Area;
        if (sums[slot] >= 101) {
          failEntry = k;
          failDay = FormatDayMonth(D(1, 1) + slot);
          break;
        }
      }
    }
    SCOPED_TRACE(run);
    EXPECT_EQ(CheckPatternArea(ws), failEntry == 0);
    for (int k = 1; k <= crops; ++k)
      EXPECT_EQ(ws.pattern.Entry(k).Area, k == failEntry ? MissingInt : before.Entry(k).Area);
    if (failEntry) {
      EXPECT_EQ(ui.TextsOf("error"),
                std::vector<std::string>{"Total area on " + failDay + " is more than 100 percent"});
    }
  }
}

TEST_F(PatternTest, CountStopsAtTheFirstUnusedEntry) {
  SetEntry(ws.pattern.Entry(1), true, D(1, 3), 90, 30);
  SetEntry(ws.pattern.Entry(2), true, D(1, 4), 90, 30);
  SetEntry(ws.pattern.Entry(4), true, D(1, 5), 90, 30);
  int n = -1;
  ASSERT_TRUE(CountPatternCrops(ws.pattern, n));
  EXPECT_EQ(n, 2);

  // Rows 1, 2 and 4 filled: the saved file holds two crops.
  ASSERT_TRUE(SavePattern(ws, dir.File("three.pat")));
  EXPECT_EQ(ReadText(dir.File("three.pat")),
            "VESKARO 8.0 Crop pattern data\r\n2\r\n\r\ndry.cro\r\n01/03/1994\r\n30\r\n"
            "dry.cro\r\n01/04/1994\r\n30\r\n");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Pattern), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Pattern), dir.File("three.pat"));
  EXPECT_EQ(ws.session.Current(FolderKind::Session), dir.path());

  // An incomplete entry before the stop, or no first entry, fails the count and the save.
  ws.pattern.Entry(2).Area = MissingInt;
  EXPECT_FALSE(CountPatternCrops(ws.pattern, n));
  EXPECT_FALSE(SavePattern(ws, dir.File("bad.pat")));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error in cropping pattern\rData cannot be saved"});
  EXPECT_FALSE(DataFileExists(dir.File("bad.pat")));
  ResetPattern(ws);
  EXPECT_FALSE(CountPatternCrops(ws.pattern, n));
  EXPECT_EQ(n, 0);
}

TEST_F(PatternTest, ReadResolvesCropFilesAndRoundTrips) {
  // No default crop folder: the crop files are looked for beside the pattern file.
  const std::string path = DataPath("scheme/valley.pat");
  ASSERT_TRUE(ReadPatternFile(ws, path));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(ws.pattern.Name, "Valley scheme");
  const PatternEntry& maize = ws.pattern.Entry(1);
  EXPECT_EQ(maize.CropFileName, "maize");
  EXPECT_TRUE(maize.DryCrop);
  EXPECT_EQ(maize.Crop.CropName, "Maize             ");
  EXPECT_EQ(maize.PlantingDate, D(15, 3));
  EXPECT_EQ(maize.HarvestDate, D(15, 3) + 119);
  EXPECT_EQ(maize.Area, 60);
  const PatternEntry& rice = ws.pattern.Entry(2);
  EXPECT_FALSE(rice.DryCrop);
  EXPECT_EQ(rice.PlantingDate, D(10, 7));  // "10/07" reads as "10/07/1994"
  EXPECT_EQ(rice.Crop.StageLength[6], 30);
  EXPECT_EQ(rice.HarvestDate, D(10, 7) + 119);
  EXPECT_TRUE(ws.pattern.Entry(3).CropFileName.empty());
  EXPECT_EQ(ws.session.StatusOf(DataKind::Pattern), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Pattern), path);

  // Written back: the names as entered, the dates completed with the year.
  const std::string copy = dir.File("copy.pat");
  ASSERT_TRUE(WritePatternFile(ws, copy, 2));
  std::string expected = ReadText(path);
  expected.replace(expected.find("10/07"), 5, "10/07/1994");
  EXPECT_EQ(ReadText(copy), expected);

  // The copy lies elsewhere: with the default crop folder set, the bare names resolve there.
  ws.session.Default(FolderKind::Crop) = test::DataPath("scheme");
  const CroppingPattern before = ws.pattern;
  ASSERT_TRUE(ReadPatternFile(ws, copy));
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(ws.pattern.Entry(k).CropFileName, before.Entry(k).CropFileName);
    EXPECT_EQ(ws.pattern.Entry(k).PlantingDate, before.Entry(k).PlantingDate);
    EXPECT_EQ(ws.pattern.Entry(k).Area, before.Entry(k).Area);
    EXPECT_EQ(ws.pattern.Entry(k).Crop.Kc[3], before.Entry(k).Crop.Kc[3]);
  }
}

TEST_F(PatternTest, CropFileNames) {
  ws.session.Default(FolderKind::Crop) = "/crops";
  struct Case {
    const char* stored;
    const char* resolved;
  } cases[] = {
      {"maize", "/crops/maize.cro"},
      {"maize.CRO", "/crops/maize.CRO"},
      {"/data/x/maize.cro", "/data/x/maize.cro"},
      {"\\data\\x\\maize", "/data/x/maize.cro"},
      {"sub/maize", "sub/maize.cro"},
      {"v1.2\\maize", "v1.2/maize.cro"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolvePatternCropFile(ws, c.stored, "/p/a.pat"), c.resolved) << c.stored;
  ws.session.Default(FolderKind::Crop) = "";
  EXPECT_EQ(ResolvePatternCropFile(ws, "maize", "/p/a.pat"), "/p/maize.cro");

  // A stored full name with "\" between its folders reads from those folders.
  std::string folder = DataPath("scheme");
  std::replace(folder.begin(), folder.end(), '/', '\\');
  WriteText(dir.File("win.pat"), "VESKARO 8.0 Crop pattern data\r\n1\r\nW\r\n" + folder +
                                     "\\maize\r\n01/02/1994\r\n100\r\n");
  ASSERT_TRUE(ReadPatternFile(ws, dir.File("win.pat")));
  EXPECT_EQ(ws.pattern.Entry(1).CropFileName, folder + "\\maize");
  EXPECT_EQ(ws.pattern.Entry(1).HarvestDate, D(1, 2) + 119);
}

TEST_F(PatternTest, BadFilesFailWithTheirMessage) {
  const std::string h = "VESKARO 8.0 Crop pattern data\r\n";
  const std::string maize = DataPath("scheme/maize");
  struct Case {
    const char* name;
    std::string text;  // empty: no file
    std::string message;
  } cases[] = {
      {"no file", "", "Error opening file %s\rProbable cause: file does not exist"},
      {"old version", "VESKARO 6.0 Crop pattern data\r\n0\r\n\r\n",
       "This file is not a valid VESKARO file"},
      {"count 21", h + "21\r\nX\r\n", "Error reading data from file %s"},
      {"count -1", h + "-1\r\nX\r\n", "Error reading data from file %s"},
      {"count 1.5", h + "1.5\r\nX\r\n", "Error reading data from file %s"},
      {"area missing", h + "1\r\nX\r\n" + maize + "\r\n01/02/1994\r\n",
       "Error reading data from file %s"},
      {"area not a number", h + "1\r\nX\r\n" + maize + "\r\n01/02/1994\r\nall\r\n",
       "Error reading data from file %s"},
      {"fewer crops than counted", h + "2\r\nX\r\n" + maize + "\r\n01/02/1994\r\n50\r\n",
       "Error reading data from file %s"},
      {"crop file missing",
       h + "2\r\nX\r\n" + maize + "\r\n01/02\r\n50\r\nwheat\r\n01/06\r\n50\r\n",
       "Error in cropping pattern while reading data from file " + DataPath("scheme/wheat.cro") +
           "\rProbable cause: this file does not exist in default directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.Clear();
    ResetPattern(ws);
    ws.session.Default(FolderKind::Crop) = DataPath("scheme");
    ws.pattern.Name = "before";
    ws.session.ReaderSucceeded(DataKind::Pattern, "/old.pat");
    const std::string path = dir.File("bad.pat");
    std::remove(path.c_str());
    if (!c.text.empty()) WriteText(path, c.text);
    EXPECT_FALSE(ReadPatternFile(ws, path));
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{FormatText(c.message, {path})});
    EXPECT_EQ(ws.pattern.Name, "");
    EXPECT_TRUE(ws.pattern.Entry(1).CropFileName.empty());
    EXPECT_EQ(ws.session.StatusOf(DataKind::Pattern), dsNone);
    EXPECT_EQ(ws.session.File(DataKind::Pattern), "untitled");
  }
}

TEST_F(PatternTest, EmptyPatternAndUnreadableDates) {
  WriteText(dir.File("zero.pat"), "VESKARO 8.0 Crop pattern data\r\n0\r\nNothing yet\r\n");
  ASSERT_TRUE(ReadPatternFile(ws, dir.File("zero.pat")));
  EXPECT_EQ(ws.pattern.Name, "Nothing yet");
  int n = 0;
  EXPECT_FALSE(CountPatternCrops(ws.pattern, n));

  // A date line that does not start with day/month gives the default date, in the pattern's
  // reference year; a name longer than 20 characters is cut.
  WriteText(dir.File("d.pat"),
            "VESKARO 8.0 Crop pattern data\r\n1\r\nA name of thirty characters..\r\n" +
                DataPath("scheme/maize") + "\r\n29/02/1994\r\n100\r\n");
  ASSERT_TRUE(ReadPatternFile(ws, dir.File("d.pat")));
  EXPECT_EQ(ws.pattern.Name, "A name of thirty cha");
  EXPECT_EQ(ws.pattern.Entry(1).PlantingDate, D(10, 12));
  EXPECT_EQ(ws.pattern.Entry(2).PlantingDate, D(10, 12));
}

TEST_F(PatternTest, FailedWriteKeepsTheOldFile) {
  SetEntry(ws.pattern.Entry(1), true, D(1, 3), 90, 30);
  const std::string target = dir.File("no-such-folder/p.pat");
  EXPECT_FALSE(WritePatternFile(ws, target, 1));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + target +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
  EXPECT_EQ(ws.session.StatusOf(DataKind::Pattern), dsNone);
}

}  // namespace
}  // namespace vsk

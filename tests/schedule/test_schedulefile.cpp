// Schedule files and the user's adjustments of the irrigation event list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/vskdatafile.h"
#include "core/vskworkspace.h"
#include "schedule/vskcropschedulecalc.h"
#include "schedule/vskschedulefile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ReadText;
using test::TempDir;
using test::WriteText;

class ScheduleFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 60-day crop on daily data, irrigated every 10 days to field capacity.
    ws.session.EtoKind = 1;
    ws.session.RainKind = 1;
    ws.session.PlantingDate = EncodeDate(1994, 4, 1);
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) {
        ws.rain.Data.DayRain[m][d] = d % 9 == 0 ? 12.0 : 0.0;
        cwr.DayETc[m][d] = 3 + d / 10.0;
      }
    cwr.StageEnd[1] = 10;
    cwr.StageEnd[2] = 25;
    cwr.StageEnd[3] = 45;
    cwr.StageEnd[4] = 60;
    ws.crop.RootDepth[2] = 0.3;
    ws.crop.RootDepth[3] = 1.0;
    ws.crop.CritDepletion[1] = ws.crop.CritDepletion[3] = ws.crop.CritDepletion[4] = 0.5;
    ws.soil.TotalAvailMoisture = 120;
    ws.soil.MaxInfiltration = 30;
    ws.soil.MaxRootDepth = 100;
    ws.soil.InitialDepletion = 20;
    ws.options.timopt = 4;
    ws.options.applopt = 2;
  }
  DryScheduleResults Run() {
    DryScheduleResults out;
    ComputeDrySchedule(ws, cwr, out);
    return out;
  }
  static std::vector<std::pair<int, double>> Irrigations(const DryScheduleResults& r) {
    std::vector<std::pair<int, double>> v;
    for (const TScheduleDay& row : r.ScheduleRows)
      if (row.NetIrr != 0) v.emplace_back(row.DayNumber, row.NetIrr);
    return v;
  }
  std::vector<int> EventDays() const {
    std::vector<int> v;
    for (int i = 1; i <= kMaxEvents && ws.events.IrrEventDay[i] != MissingInt; ++i)
      v.push_back(ws.events.IrrEventDay[i]);
    return v;
  }

  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  CwrResults cwr;
  TempDir dir;
};

TEST_F(ScheduleFileTest, ComputedScheduleRoundTripsAndReplaysExactly) {
  const DryScheduleResults computed = Run();
  ASSERT_EQ(EventDays(), (std::vector<int>{10, 20, 30, 40, 50}));
  const std::string path = dir.File("maize.sch");
  ASSERT_TRUE(WriteScheduleFile(ws, path));
  const std::string text = ReadText(path);
  EXPECT_EQ(text.substr(0, 32), "VESKARO 8.0 Crop Schedule Data\r\n");
  EXPECT_EQ(text.substr(32, 15), FormatC("%5d%8.1f\r\n", 10, ws.events.IrrEventDepth[1]));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);

  ResetScheduleData(ws);
  EXPECT_EQ(ws.events.IrrEventDay[1], MissingInt);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Schedule), "untitled");

  ASSERT_TRUE(ReadScheduleFile(ws, path));
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Schedule), path);
  ws.options.timopt = 8;  // the options no longer count
  const DryScheduleResults replayed = Run();
  const auto a = Irrigations(computed), b = Irrigations(replayed);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].first, b[i].first);
    EXPECT_NEAR(a[i].second, b[i].second, 0.05);  // the file holds one decimal
  }
}

TEST_F(ScheduleFileTest, EventLineLayout) {
  ws.events.IrrEventDay[1] = 12;
  ws.events.IrrEventDepth[1] = 35.4;
  ws.events.IrrEventDay[2] = 105;
  ws.events.IrrEventDepth[2] = 120.26;
  const std::string path = dir.File("layout.sch");
  ASSERT_TRUE(WriteScheduleFile(ws, path));
  EXPECT_EQ(ReadText(path), "VESKARO 8.0 Crop Schedule Data\r\n   12    35.4\r\n  105   120.3\r\n");
}

TEST_F(ScheduleFileTest, HeaderOnlyFileGivesAnAdjustedScheduleWithoutIrrigation) {
  Run();
  ASSERT_FALSE(EventDays().empty());
  ASSERT_TRUE(ReadScheduleFile(ws, DataPath("schedule/headeronly.sch")));
  EXPECT_TRUE(EventDays().empty());
  const DryScheduleResults r = Run();
  EXPECT_TRUE(Irrigations(r).empty());
  EXPECT_EQ(r.IrrCount, 0);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ScheduleFileTest, EventsAreReadAsANumberStream) {
  ASSERT_TRUE(ReadScheduleFile(ws, DataPath("schedule/loose.sch")));
  EXPECT_EQ(EventDays(), (std::vector<int>{12, 20, 31}));
  EXPECT_EQ(ws.events.IrrEventDepth[1], 35.4);
  EXPECT_EQ(ws.events.IrrEventDepth[2], 22.5);
  EXPECT_EQ(ws.events.IrrEventDepth[3], 40);
}

TEST_F(ScheduleFileTest, BadFilesFailWithTheirMessageAndChangeNothing) {
  Run();
  const std::vector<int> before = EventDays();
  struct Case {
    std::string path;
    std::string message;
  };
  const std::string missing = dir.File("none.sch");
  const Case cases[] = {
      {DataPath("schedule/version6.sch"), "This file is not a valid VESKARO file"},
      {DataPath("schedule/garbage.sch"),
       "Error reading data from file " + DataPath("schedule/garbage.sch")},
      {missing, "Error opening file " + missing + "\rProbable cause: file does not exist"},
  };
  for (const Case& c : cases) {
    ui.Clear();
    EXPECT_FALSE(ReadScheduleFile(ws, c.path));
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{c.message});
    EXPECT_EQ(EventDays(), before);
    EXPECT_FALSE(ws.session.ScheduleAdjusted);
    EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsNone);
  }
}

TEST_F(ScheduleFileTest, AtMostTheEventListIsTakenFromALongFile) {
  std::string text = "VESKARO 8.0 Crop Schedule Data\r\n";
  for (int i = 1; i <= kMaxEvents + 5; ++i) text += FormatC("%5d%8.1f\r\n", i, 10.0);
  text += "not read\r\n";
  const std::string path = dir.File("long.sch");
  WriteText(path, text);
  ASSERT_TRUE(ReadScheduleFile(ws, path));
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], kMaxEvents);
  EXPECT_TRUE(ui.shown.empty());
  // Writing stops at the end of the table as well.
  const std::string copy = dir.File("copy.sch");
  ASSERT_TRUE(WriteScheduleFile(ws, copy));
  EXPECT_EQ(ReadText(copy).size(), 32u + 15u * kMaxEvents);
}

TEST_F(ScheduleFileTest, FailedWriteKeepsTheOldFile) {
  const std::string bad = dir.File("no/such/folder.sch");
  EXPECT_FALSE(WriteScheduleFile(ws, bad));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + bad +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
}

// ---- adjustments ----

TEST_F(ScheduleFileTest, AdjustmentsKeepDayOrder) {
  struct Step {
    int day;
    double depth;
    EventEdit result;
    std::vector<int> days;
  };
  const Step steps[] = {
      {20, 30, EventEdit::Inserted, {20}},
      {10, 25, EventEdit::Inserted, {10, 20}},
      {30, 40, EventEdit::Inserted, {10, 20, 30}},
      {15, 35, EventEdit::Inserted, {10, 15, 20, 30}},
      {20, 45, EventEdit::Changed, {10, 15, 20, 30}},
      {10, 0, EventEdit::Removed, {15, 20, 30}},
      {25, 0, EventEdit::Unchanged, {15, 20, 30}},
      {31, 0, EventEdit::Unchanged, {15, 20, 30}},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(AdjustIrrigationEvent(ws, s.day, s.depth), s.result) << s.day;
    EXPECT_EQ(EventDays(), s.days) << s.day;
  }
  EXPECT_EQ(ws.events.IrrEventDepth[2], 45);
  EXPECT_EQ(ws.events.IrrEventDepth[3], 40);
  EXPECT_EQ(ws.events.IrrEventDepth[4], MissingReal);
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsChanged);
}

TEST_F(ScheduleFileTest, FullEventList) {
  for (int i = 1; i <= kMaxEvents; ++i) {
    ws.events.IrrEventDay[i] = 2 * i;
    ws.events.IrrEventDepth[i] = i;
  }
  // Inserting drops the last entry.
  EXPECT_EQ(AdjustIrrigationEvent(ws, 3, 99), EventEdit::Inserted);
  EXPECT_EQ(ws.events.IrrEventDay[2], 3);
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], 2 * (kMaxEvents - 1));
  // A day later than all of a full list cannot be held; the cell edit says so.
  EXPECT_EQ(AdjustIrrigationEvent(ws, 5000, 10), EventEdit::NotStored);
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], 2 * (kMaxEvents - 1));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ApplyNetIrrEntry(ws, 5000, "10", "0.0", true));
  EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{"Error; please report!!"});
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], 2 * (kMaxEvents - 1));
  // Removing frees the last entry.
  EXPECT_EQ(AdjustIrrigationEvent(ws, 2, 0), EventEdit::Removed);
  EXPECT_EQ(ws.events.IrrEventDay[1], 3);
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], MissingInt);
  EXPECT_EQ(ws.events.IrrEventDepth[kMaxEvents], MissingReal);
}

TEST_F(ScheduleFileTest, AdjustedListIsReplayedWhateverTheOptionsSay) {
  const DryScheduleResults computed = Run();
  const auto before = Irrigations(computed);
  ASSERT_EQ(before.size(), 5u);
  // Remove day 20, add 18 mm on day 33.
  AdjustIrrigationEvent(ws, 20, 0);
  AdjustIrrigationEvent(ws, 33, 18);
  const DryScheduleResults r = Run();
  const auto after = Irrigations(r);
  const std::vector<std::pair<int, double>> expected = {
      before[0], before[2], {33, 18.0}, before[3], before[4]};
  EXPECT_EQ(after, expected);
  // Day 40 keeps its old depth although the depletion before it differs now.
  EXPECT_EQ(EventDays(), (std::vector<int>{10, 30, 33, 40, 50}));
}

struct EntryCase {
  const char* text;
  const char* old;
  bool daily;
  NetIrrEntry::Kind kind;
  double depth;
};

TEST(NetIrrEntry, CellTextsAreTakenAsTheTableRules) {
  const EntryCase cases[] = {
      {"30", "0.0", true, NetIrrEntry::Depth, 30},
      {" 12.5 ", "40.0", false, NetIrrEntry::Depth, 12.5},
      {"200", "", false, NetIrrEntry::Depth, 200},
      {"250", "40.0", false, NetIrrEntry::OutOfRange, 0},
      {"-1", "40.0", false, NetIrrEntry::OutOfRange, 0},
      {"abc", "40.0", false, NetIrrEntry::Invalid, 0},
      {"", "0.0", true, NetIrrEntry::Invalid, 0},
      {"", "40.0", false, NetIrrEntry::Remove, 0},
      {"0", "40.0", false, NetIrrEntry::Remove, 0},
      {"0", "40.0", true, NetIrrEntry::Remove, 0},
      {"0", "0.0", true, NetIrrEntry::NoChange, 0},
  };
  for (const EntryCase& c : cases) {
    const NetIrrEntry e = InterpretNetIrrEntry(c.text, c.old, c.daily);
    EXPECT_EQ(e.kind, c.kind) << c.text;
    if (c.kind == NetIrrEntry::Depth) {
      EXPECT_EQ(e.depth, c.depth) << c.text;
    }
  }
}

TEST_F(ScheduleFileTest, CellEditsShowTheirMessages) {
  EXPECT_FALSE(ApplyNetIrrEntry(ws, 12, "250", "40.0", false));
  EXPECT_FALSE(ApplyNetIrrEntry(ws, 12, "", "0.0", true));
  EXPECT_FALSE(ApplyNetIrrEntry(ws, 12, "0", "0.0", true));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].kind, "message");
  EXPECT_EQ(ui.shown[0].text, "Value out of range");
  EXPECT_EQ(ui.shown[1].kind, "error");
  EXPECT_EQ(ui.shown[1].text, "Invalid entry");
  EXPECT_FALSE(ws.session.ScheduleAdjusted);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsNone);

  EXPECT_TRUE(ApplyNetIrrEntry(ws, 12, "30", "0.0", true));
  EXPECT_EQ(EventDays(), std::vector<int>{12});
  EXPECT_EQ(ws.events.IrrEventDepth[1], 30);
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
}

}  // namespace
}  // namespace vsk

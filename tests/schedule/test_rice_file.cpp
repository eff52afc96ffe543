#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vskdatafile.h"
#include "schedule/vskriceschedulefile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::ReadText;
using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

void SetEvents(IrrigationEvents& ev, const std::vector<std::pair<int, double>>& list) {
  ev.Clear();
  int k = 1;
  for (const auto& [day, depth] : list) {
    ev.IrrEventDay[k] = day;
    ev.IrrEventDepth[k] = depth;
    ++k;
  }
}

std::vector<std::pair<int, double>> EventsOf(const IrrigationEvents& ev) {
  std::vector<std::pair<int, double>> out;
  for (int k = 1; k <= kMaxEvents && ev.IrrEventDay[k] != MissingInt; ++k)
    out.emplace_back(ev.IrrEventDay[k], ev.IrrEventDepth[k]);
  return out;
}

TEST(RiceScheduleFile, WriteAndReadBackWithLandPreparationDays) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetEvents(ws.events, {{-29, 87.0}, {-3, 66.25}, {0, 12.3}, {12, 35.4}, {140, 100}});
  const std::string path = dir.File("rice.sch");
  ASSERT_TRUE(WriteRiceScheduleFile(ws, path));
  EXPECT_EQ(ReadText(path),
            "VESKARO 8.0 Schedule Data\r\n"
            "  -29    87.0\r\n"
            "   -3    66.2\r\n"  // 66.25 with one decimal
            "    0    12.3\r\n"
            "   12    35.4\r\n"
            "  140   100.0\r\n");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Schedule), path);
  EXPECT_EQ(ws.session.CurrentFolder[static_cast<int>(FolderKind::Session)], dir.path());

  Workspace back(ui, {2026, 12, 10});
  back.events.IrrEventDay[6] = 200;  // a stale entry beyond the file's list
  back.events.IrrEventDepth[6] = 1;
  ASSERT_TRUE(ReadRiceScheduleFile(back, path));
  EXPECT_EQ(EventsOf(back.events),
            (std::vector<std::pair<int, double>>{
                {-29, 87.0}, {-3, 66.2}, {0, 12.3}, {12, 35.4}, {140, 100}}));
  EXPECT_EQ(back.events.IrrEventDay[6], MissingInt);
  EXPECT_TRUE(back.session.ScheduleAdjusted);
  EXPECT_EQ(back.session.StatusOf(DataKind::Schedule), dsSaved);
  EXPECT_EQ(back.session.File(DataKind::Schedule), path);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(RiceScheduleFile, ReadsDryScheduleFilesAndEmptyLists) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  const std::string dry = dir.File("dry.sch");
  WriteText(dry, "VESKARO 8.0 Crop Schedule Data\n   12    35.4\n   20 40 rest of line\n\n");
  ASSERT_TRUE(ReadRiceScheduleFile(ws, dry));
  EXPECT_EQ(EventsOf(ws.events), (std::vector<std::pair<int, double>>{{12, 35.4}, {20, 40}}));

  const std::string empty = dir.File("empty.sch");
  WriteText(empty, "VESKARO 8.0 Schedule Data\r\n");
  ASSERT_TRUE(ReadRiceScheduleFile(ws, empty));
  EXPECT_TRUE(EventsOf(ws.events).empty());
  EXPECT_TRUE(ws.session.ScheduleAdjusted);
}

TEST(RiceScheduleFile, TakesAtMost370Events) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  std::string text = "VESKARO 8.0 Schedule Data\r\n";
  for (int k = 1; k <= 400; ++k) text += FormatC("%5d%8.1f\r\n", k - 30, 9.0);
  text += "garbage after the list\r\n";
  const std::string path = dir.File("long.sch");
  WriteText(path, text);
  ASSERT_TRUE(ReadRiceScheduleFile(ws, path));
  EXPECT_EQ(ws.events.IrrEventDay[1], -29);
  EXPECT_EQ(ws.events.IrrEventDay[kMaxEvents], kMaxEvents - 30);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(RiceScheduleFile, BadFilesFailAndChangeNothing) {
  TempDir dir;
  const std::string missing = dir.File("none.sch");
  struct Case {
    const char* name;
    const char* content;  // nullptr: no file
    std::string message;
  };
  const std::string readError = "Error reading data from file ";
  const Case cases[] = {
      {"no file", nullptr,
       "Error opening file " + missing + "\rProbable cause: file does not exist"},
      {"empty file", "", "This file is not a valid VESKARO file"},
      {"old version", "VESKARO 6.0 Schedule Data\r\n   1  10.0\r\n",
       "This file is not a valid VESKARO file"},
      {"depth missing", "VESKARO 8.0 Schedule Data\r\n   12\r\n", readError},
      {"real day", "VESKARO 8.0 Schedule Data\r\n  1.5    10.0\r\n", readError},
      {"text after a number", "VESKARO 8.0 Schedule Data\r\n   12  10.0abc\r\n", readError},
      {"not a number", "VESKARO 8.0 Schedule Data\r\n   12    35.4\r\n  x 1\r\n", readError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    SetEvents(ws.events, {{3, 30}});
    std::string path = missing;
    std::string message = c.message;
    if (c.content) {
      path = dir.File("bad.sch");
      WriteText(path, c.content);
      if (message == readError) message += path;
    }
    EXPECT_FALSE(ReadRiceScheduleFile(ws, path));
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{message});
    EXPECT_EQ(EventsOf(ws.events), (std::vector<std::pair<int, double>>{{3, 30}}));
    EXPECT_FALSE(ws.session.ScheduleAdjusted);
    EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsNone);
  }
}

TEST(RiceScheduleFile, FailedWriteIsReported) {
  TempDir dir;
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  const std::string notAFolder = dir.File("plain");
  WriteText(notAFolder, "old");
  const std::string path = notAFolder + "/rice.sch";
  SetEvents(ws.events, {{1, 10}});
  EXPECT_FALSE(WriteRiceScheduleFile(ws, path));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + path +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
  EXPECT_EQ(ReadText(notAFolder), "old");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Schedule), kUntitled);
}

TEST(RiceScheduleAdjustment, CellEdits) {
  struct Case {
    const char* name;
    const char* dayText;
    const char* entered;
    const char* oldText;
    bool irrigationFormat;
    RiceAdjustment result;
    const char* message;  // kind:text or nullptr
    std::vector<std::pair<int, double>> after;
  };
  const std::vector<std::pair<int, double>> before = {{-4, 87}, {10, 50}};
  const Case cases[] = {
      {"add 60 mm on day 20",
       "20",
       " 60 ",
       "0.0",
       false,
       RiceAdjustment::Applied,
       nullptr,
       {{-4, 87}, {10, 50}, {20, 60}}},
      {"empty deletes in the irrigation format",
       "10",
       "",
       "50.0",
       true,
       RiceAdjustment::Applied,
       nullptr,
       {{-4, 87}}},
      {"0 deletes", "-4", "0", "87.0", true, RiceAdjustment::Applied, nullptr, {{10, 50}}},
      {"add on a land-preparation day",
       " -2",
       "20",
       "0.0",
       false,
       RiceAdjustment::Applied,
       nullptr,
       {{-4, 87}, {-2, 20}, {10, 50}}},
      {"change on day 0",
       "0",
       "12.5",
       "",
       false,
       RiceAdjustment::Applied,
       nullptr,
       {{-4, 87}, {0, 12.5}, {10, 50}}},
      {"delete a day without irrigation", "3", "0", "5.0", true, RiceAdjustment::Applied, nullptr,
       before},
      {"empty in the daily format", "10", "  ", "50.0", false, RiceAdjustment::Rejected,
       "error:Invalid entry", before},
      {"not a number", "10", "5x", "50.0", true, RiceAdjustment::Rejected, "error:Invalid entry",
       before},
      {"250 is out of range", "10", "250", "50.0", true, RiceAdjustment::Rejected,
       "message:Value out of range", before},
      {"negative is out of range", "10", "-5", "50.0", false, RiceAdjustment::Rejected,
       "message:Value out of range", before},
      {"0 over 0 in the daily format", "5", "0", "0.0", false, RiceAdjustment::Unchanged, nullptr,
       before},
      {"the harvest row", "End", "30", "", true, RiceAdjustment::Failed,
       "message:Error; please report!!", before},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    SetEvents(ws.events, before);
    EXPECT_EQ(AdjustRiceScheduleDepth(ws, c.dayText, c.entered, c.oldText, c.irrigationFormat),
              c.result);
    EXPECT_EQ(EventsOf(ws.events), c.after);
    std::vector<std::string> shown;
    for (const auto& s : ui.shown) shown.push_back(s.kind + ":" + s.text);
    EXPECT_EQ(shown, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    const bool applied = c.result == RiceAdjustment::Applied;
    EXPECT_EQ(ws.session.ScheduleAdjusted, applied);
    EXPECT_EQ(ws.session.StatusOf(DataKind::Schedule), applied ? dsChanged : dsNone);
  }
}

TEST(RiceScheduleAdjustment, FullListCannotTakeALaterIrrigation) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  std::vector<std::pair<int, double>> full;
  for (int k = 1; k <= kMaxEvents; ++k) full.push_back({2 * k, 10});
  SetEvents(ws.events, full);
  EXPECT_EQ(AdjustRiceScheduleDepth(ws, "800", "30", "0.0", false), RiceAdjustment::Applied);
  EXPECT_EQ(EventsOf(ws.events), full);
  EXPECT_EQ(ui.TextsOf("message"), std::vector<std::string>{"Error; please report!!"});
  // An earlier day still goes in; the last entry of the full list is dropped.
  ui.Clear();
  EXPECT_EQ(AdjustRiceScheduleDepth(ws, "3", "30", "0.0", false), RiceAdjustment::Applied);
  full.insert(full.begin() + 1, {3, 30});
  full.pop_back();
  EXPECT_EQ(EventsOf(ws.events), full);
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace vsk

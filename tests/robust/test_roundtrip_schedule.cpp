// Random irrigation event lists (up to the 370 entries the list holds) are written as
// schedule files and read back as the same adjusted schedule.
#include <gtest/gtest.h>

#include <string>

#include "core/vskdatafile.h"
#include "core/vskworkspace.h"
#include "randomrecords.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::RandomValues;
using test::ScratchDir;
using test::ScriptedUi;

constexpr int kCases = 300;

// Ascending days from `firstDay` on, net depths of 0.1 to 200 mm with one decimal (the
// schedule table accepts 0 to 200; 0 removes an irrigation). Some lists are full.
void RandomEvents(RandomValues& r, IrrigationEvents& events, int firstDay) {
  events.Clear();
  const int count = r.Chance(0.1) ? kMaxEvents : r.Int(0, 60);
  int day = firstDay;
  for (int k = 1; k <= count; ++k) {
    day += r.Int(1, count > 100 ? 2 : 9);
    events.IrrEventDay[k] = day;
    events.IrrEventDepth[k] = r.Real(0.1, 200.0, 1);
  }
}

void ExpectSameEvents(const IrrigationEvents& want, const IrrigationEvents& got) {
  for (int k = 1; k <= kMaxEvents; ++k) {
    ASSERT_EQ(got.IrrEventDay[k], want.IrrEventDay[k]) << "entry " << k;
    ASSERT_EQ(got.IrrEventDepth[k], want.IrrEventDepth[k]) << "entry " << k;
  }
}

TEST(RoundTrip, DryCropSchedules) {
  ScratchDir dir;
  const std::string path = dir.File("dry.SCH");
  RandomValues r(71);
  for (int n = 0; n < kCases; ++n) {
    SCOPED_TRACE("schedule " + std::to_string(n));
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    RandomEvents(r, ws.events, 0);
    ASSERT_TRUE(WriteScheduleFile(ws, path));

    Workspace back(ui, {2026, 12, 10});
    back.events.IrrEventDay[1] = 5, back.events.IrrEventDepth[1] = 10;  // replaced by the file
    ASSERT_TRUE(ReadScheduleFile(back, path));
    ExpectSameEvents(ws.events, back.events);
    EXPECT_TRUE(back.session.ScheduleAdjusted);
    EXPECT_TRUE(ui.shown.empty());
    if (testing::Test::HasFailure()) return;
  }
}

// Rice lists start on land-preparation days: day numbers 0 and below.
TEST(RoundTrip, RiceSchedules) {
  ScratchDir dir;
  const std::string path = dir.File("rice.SCH");
  RandomValues r(72);
  for (int n = 0; n < kCases; ++n) {
    SCOPED_TRACE("schedule " + std::to_string(n));
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    RandomEvents(r, ws.events, -r.Int(1, 60));
    ASSERT_TRUE(WriteRiceScheduleFile(ws, path));
    EXPECT_EQ(ws.session.File(DataKind::Schedule), path);

    Workspace back(ui, {2026, 12, 10});
    back.events.IrrEventDay[1] = 5, back.events.IrrEventDepth[1] = 10;  // replaced by the file
    ASSERT_TRUE(ReadRiceScheduleFile(back, path));
    ExpectSameEvents(ws.events, back.events);
    EXPECT_TRUE(back.session.ScheduleAdjusted);
    EXPECT_EQ(back.session.StatusOf(DataKind::Schedule), dsSaved);
    EXPECT_TRUE(ui.shown.empty());
    if (testing::Test::HasFailure()) return;
  }
}

// A file of more event lines than the list holds gives the first 370; the rest is ignored.
TEST(RoundTrip, ScheduleFileLongerThanTheList) {
  ScratchDir dir;
  const std::string path = dir.File("long.SCH");
  std::string text;
  AppendLine(text, kCropScheduleHeader);
  for (int k = 1; k <= kMaxEvents + 30; ++k) AppendLine(text, FormatC("%5d%8.1f", k, k / 10.0));
  AppendLine(text, "not an event line");
  test::WriteText(path, text);
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadScheduleFile(ws, path));
  EXPECT_EQ(ws.events.DayAt(kMaxEvents), kMaxEvents);
  EXPECT_EQ(ws.events.DepthAt(kMaxEvents), kMaxEvents / 10.0);
  EXPECT_EQ(ws.events.DayAt(kMaxEvents + 1), MissingInt);
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace vsk

// Files found by fuzzing the readers, kept as fixtures: each once broke a reader or a writer.
#include <gtest/gtest.h>

#include <string>

#include "climate/vskclimatefile.h"
#include "crop/vskcropsoilcalc.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ScriptedUi;
using test::TempDir;

// Reads the fixture into `ws`, saves it as `saved` and reads that file back into `back`.
template <class Read, class Write>
::testing::AssertionResult ReadSaveReadBack(Workspace& ws, Workspace& back,
                                            const std::string& fixture, const std::string& saved,
                                            Read read, Write write) {
  if (!read(ws, DataPath(fixture))) return ::testing::AssertionFailure() << fixture << " unread";
  if (!write(ws, saved)) return ::testing::AssertionFailure() << saved << " unwritten";
  if (!read(back, saved)) return ::testing::AssertionFailure() << test::ReadText(saved);
  return ::testing::AssertionSuccess();
}

// A crop value of 1000 or more fills its whole "%6.2f" field; written straight after the value
// before it, the two read back as one unreadable number ("25.002505.00").
TEST(FuzzFindings, WideCropValuesReadBackAfterASave) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadCropFile(ws, DataPath("crop/fuzz-wide-values.cro")));
  EXPECT_EQ(ws.crop.RootDepth[3], 2505.0);
  TempDir dir;
  const std::string path = dir.File("wide.CRO");
  ASSERT_TRUE(WriteCropFile(ws, path));
  Workspace back(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadCropFile(back, path)) << test::ReadText(path);
  EXPECT_EQ(back.crop.RootDepth[2], 25.0);
  EXPECT_EQ(back.crop.RootDepth[3], 2505.0);
  EXPECT_EQ(CropFileText(back.crop, true), CropFileText(ws.crop, true));
}

// The same in a climate file: a radiation of 2019 fills its field of six and ran into the
// sunshine before it ("8.02019.0").
TEST(FuzzFindings, WideClimateValuesReadBackAfterASave) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadClimateFile(ws, DataPath("climate/fuzz-wide-values.PEM")));
  ASSERT_EQ(ws.climate.Data.Month[2].Radiation, 2019.0);
  TempDir dir;
  for (const char* name : {"wide.PEM", "wide.PEC", "wide.PED", "wide.PMD"}) {
    SCOPED_TRACE(name);
    const std::string path = dir.File(name);
    ASSERT_TRUE(WriteClimateFile(ws, path));
    Workspace back(ui, {2026, 12, 10});
    ASSERT_TRUE(ReadClimateFile(back, path)) << test::ReadText(path);
  }
  Workspace back(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadClimateFile(back, dir.File("wide.PEM")));
  EXPECT_EQ(back.climate.Data.Month[2].Radiation, 2019.0);
  EXPECT_EQ(back.climate.Data.Month[2].Sunshine, 8.0);
  EXPECT_TRUE(ui.shown.empty());
}

// And in a schedule file: a net depth of 100000 mm or more filled its field and ran into the
// day number before it.
TEST(FuzzFindings, WideScheduleDepthReadsBackAfterASave) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10}), back(ui, {2026, 12, 10});
  TempDir dir;
  ASSERT_TRUE(ReadSaveReadBack(
      ws, back, "schedule/fuzz-wide-depth.sch", dir.File("wide.SCH"),
      [](Workspace& w, const std::string& p) { return ReadScheduleFile(w, p); },
      [](Workspace& w, const std::string& p) { return WriteScheduleFile(w, p); }));
  EXPECT_EQ(back.events.DayAt(1), 10);
  EXPECT_EQ(back.events.DepthAt(1), 40.0);
  EXPECT_EQ(back.events.DayAt(2), 25);
  EXPECT_EQ(back.events.DepthAt(2), 123456.0);
  EXPECT_EQ(back.events.DayAt(3), MissingInt);

  // The rice schedule writer shares the event line.
  const std::string rice = dir.File("rice.SCH");
  ASSERT_TRUE(WriteRiceScheduleFile(ws, rice));
  Workspace riceBack(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadRiceScheduleFile(riceBack, rice)) << test::ReadText(rice);
  EXPECT_EQ(riceBack.events.DepthAt(2), 123456.0);
}

// A minimum temperature of -99.93 was written as "-99.9", the missing marker, and read back as
// a missing value (the same for a radiation or an ETo near -99.9): the given value is written
// with all its decimals, so that it stays given and a second save writes the same text.
TEST(FuzzFindings, ValuesNearTheMissingMarkerStayGivenAfterASave) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10}), back(ui, {2026, 12, 10});
  TempDir dir;
  const std::string path = dir.File("near.PEM");
  ASSERT_TRUE(ReadSaveReadBack(
      ws, back, "climate/fuzz-near-missing.PEM", path,
      [](Workspace& w, const std::string& p) { return ReadClimateFile(w, p); },
      [](Workspace& w, const std::string& p) { return WriteClimateFile(w, p); }));
  EXPECT_DOUBLE_EQ(back.climate.Data.Month[2].TMin, -99.93);
  EXPECT_DOUBLE_EQ(back.climate.Data.Month[3].Radiation, -99.88);
  EXPECT_DOUBLE_EQ(back.climate.MonthETo[3], -99.904);
  EXPECT_DOUBLE_EQ(back.climate.Data.Month[4].Radiation, -99.9496);  // not "-99.95" / "-100.0"
  const std::string again = dir.File("again.PEM");
  ASSERT_TRUE(WriteClimateFile(back, again));
  EXPECT_EQ(test::ReadText(again), test::ReadText(path));
}

}  // namespace
}  // namespace vsk

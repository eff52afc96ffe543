// Random cropping patterns and sessions are saved and read back: a pattern keeps its name and
// every crop's file name, planting date and area (and reads the crops it names); a session
// keeps its data file names, its planting date and every option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vsksession.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "randomoptions.h"
#include "randomrecords.h"
#include "scheme/vskpatterncalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::RandomValues;
using test::ScratchDir;
using test::ScriptedUi;

DateSerial RandomDate(RandomValues& r) {
  const int month = r.Int(1, 12);
  return EncodeDate(1994, month, r.Int(1, MonthLength(month)));
}

// A dry crop and a rice crop in `dir`, written by the crop writer.
void WriteCrops(const ScratchDir& dir) {
  SilentUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TCropRecord& c = ws.crop;
  c.CropName = "Maize";
  for (int i = 1; i <= 7; ++i) c.StageLength[i] = 10 + 5 * i;
  for (int i : {1, 3, 4, 5, 6}) c.Kc[i] = 1.05, c.KcDry[i] = 0.6;
  c.PuddleDepth = 0.1, c.RootDepth[2] = 0.1, c.RootDepth[3] = 0.6;
  for (int i : {1, 3, 4, 5}) c.CritDepletion[i] = 0.2;
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.1;
  c.NurseryArea = 10, c.CropHeight = 1.0;
  ws.session.CropIsDry = true;
  ASSERT_TRUE(WriteCropFile(ws, dir.File("maize.cro")));
  c.CropName = "Paddy";
  ws.session.CropIsDry = false;
  ASSERT_TRUE(WriteCropFile(ws, dir.File("paddy.CRO")));
}

TEST(RoundTrip, CroppingPatterns) {
  ScratchDir dir;
  WriteCrops(dir);
  const std::string path = dir.File("scheme.PAT");
  // Bare names resolve in the pattern's folder; full names are used as they stand.
  const std::vector<std::string> names = {"maize", "paddy.CRO", dir.File("maize.cro"),
                                          dir.File("paddy.CRO")};
  RandomValues r(81);
  for (int n = 0; n < 200; ++n) {
    SCOPED_TRACE("pattern " + std::to_string(n));
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    ResetPattern(ws);
    ws.pattern.Name = r.Name(20);
    const int count = r.Int(1, kMaxPatternCrops);
    for (int k = 1; k <= count; ++k) {
      PatternEntry& e = ws.pattern.Entry(k);
      e.CropFileName = names[static_cast<size_t>(r.Int(0, 3))];
      e.PlantingDate = RandomDate(r);
      e.Area = r.Int(1, 100);
      // The crop as the pattern window reads it when the name is entered.
      bool dry = true;
      ASSERT_TRUE(
          ReadCropFile(ws, ResolvePatternCropFile(ws, e.CropFileName, path), e.Crop, true, dry));
      e.DryCrop = dry;
      e.HarvestDate = PatternHarvestDate(e);
    }
    ASSERT_TRUE(SavePattern(ws, path));

    Workspace back(ui, {2026, 12, 10});
    ASSERT_TRUE(ReadPatternFile(back, path));
    EXPECT_EQ(back.pattern.Name, ws.pattern.Name);
    for (int k = 1; k <= kMaxPatternCrops; ++k) {
      const PatternEntry& a = ws.pattern.Entry(k);
      const PatternEntry& b = back.pattern.Entry(k);
      EXPECT_EQ(b.CropFileName, k <= count ? a.CropFileName : "") << k;
      if (k > count) continue;
      EXPECT_EQ(FormatDayMonth(b.PlantingDate), FormatDayMonth(a.PlantingDate)) << k;
      EXPECT_EQ(b.Area, a.Area) << k;
      const bool maize = a.CropFileName.find("maize") != std::string::npos;
      EXPECT_EQ(b.DryCrop, maize) << k;
      EXPECT_EQ(TrimBlanks(b.Crop.CropName), maize ? "Maize" : "Paddy") << k;
    }
    EXPECT_TRUE(ui.shown.empty());
    if (testing::Test::HasFailure()) return;
  }
}

// A program around the session that takes every listed file as read.
class RecordingHost : public SessionHost {
 public:
  explicit RecordingHost(Workspace& ws) : ws_(ws) {}
  bool ReadDataFile(DataKind kind, const std::string& path) override {
    ws_.session.ReaderSucceeded(kind, path);
    return true;
  }
  void OpenDataWindow(DataKind) override {}
  bool CloseAllWindows() override { return true; }
  bool AnyWindowOpen() const override { return false; }
  void RunScheduleCommand() override {}

 private:
  Workspace& ws_;
};

TEST(RoundTrip, Sessions) {
  ScratchDir dir;
  const char* files[kDataKindCount] = {"station.PEM", "rain.CRM", "crop.CRO",
                                       "soil.SOI",    "plan.PAT", "plan.SCH"};
  for (const char* f : files) test::WriteText(dir.File(f), "");
  const std::string path = dir.File("session.SES");
  RandomValues r(82);
  for (int n = 0; n < 200; ++n) {
    SCOPED_TRACE("session " + std::to_string(n));
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    ws.options = test::RandomOptions(r);
    for (int k = 0; k < kDataKindCount; ++k) {
      const auto kind = static_cast<DataKind>(k);
      if (r.Chance(0.7)) ws.session.ReaderSucceeded(kind, dir.File(files[k]));
    }
    ws.session.PlantingDate = RandomDate(r);
    ws.session.SessionFileName = path;
    ASSERT_TRUE(SaveSession(ws, false));

    Workspace back(ui, {2026, 12, 10});
    RecordingHost host(back);
    ASSERT_TRUE(OpenSession(back, host, path));
    for (int k = 0; k < kDataKindCount; ++k) {
      const auto kind = static_cast<DataKind>(k);
      EXPECT_EQ(back.session.File(kind), ws.session.File(kind)) << k;
    }
    if (ws.session.File(DataKind::Crop) != kUntitled) {
      EXPECT_EQ(FormatDayMonth(back.session.PlantingDate), FormatDayMonth(ws.session.PlantingDate));
    }
    EXPECT_EQ(test::OptionsText(back.options, back.texts), test::OptionsText(ws.options, ws.texts));
    EXPECT_EQ(back.session.SessionFileName, path);
    EXPECT_TRUE(ui.shown.empty());
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace vsk

// Random crops, rice crops and soils within the ranges their input windows accept (with some
// values left empty) are written and read back unchanged, up to the decimals each file keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "crop/vskcropsoilcalc.h"
#include "randomrecords.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::RandomValues;
using test::ScratchDir;
using test::ScriptedUi;

constexpr int kCases = 300;
const std::string kNoHeight =
    "File does not contain cropheight\rEdit cropheight or calculate CWR without Kc corrections";

TCropRecord RandomCrop(RandomValues& r, bool dry) {
  TCropRecord c;
  c.CropName = r.Name(18);
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = r.IntOrMissing(1, 360);
  for (int i : {1, 3, 4}) c.Kc[i] = r.RealOrMissing(0.01, 2.0, 2);
  c.RootDepth[2] = r.RealOrMissing(0.01, 99.99, 2);
  c.RootDepth[3] = r.RealOrMissing(0.01, 99.99, 2);
  for (int i : {1, 3, 4}) c.CritDepletion[i] = r.RealOrMissing(0.01, 0.99, 2);
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = r.RealOrMissing(0.01, 5.0, 2);
  c.CropHeight = r.RealOrMissing(0.1, 10.0, 2, 0.3);
  if (dry) return c;
  c.DirectSowing = r.Chance(0.3);
  c.StageLength[5] = r.IntOrMissing(1, 360);
  c.StageLength[6] = r.IntOrMissing(1, 360);
  c.StageLength[7] = r.IntOrMissing(0, 360);
  c.Kc[5] = r.RealOrMissing(0.01, 2.0, 2);
  c.Kc[6] = r.RealOrMissing(0.01, 2.0, 2);
  for (int i : {1, 3, 4, 5, 6}) c.KcDry[i] = r.RealOrMissing(0.01, 2.0, 2);
  c.PuddleDepth = r.RealOrMissing(0.01, 10.0, 2);
  c.CritDepletion[5] = r.RealOrMissing(0.01, 0.99, 2);
  c.NurseryArea = r.IntOrMissing(1, 100);
  return c;
}

void ExpectSameCrop(const TCropRecord& want, const TCropRecord& got) {
  // The name comes back in its field of 18 characters.
  EXPECT_EQ(got.CropName, LeftAlignText(want.CropName, ' ', 18));
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(got.StageLength[i], want.StageLength[i]) << i;
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(got.Kc[i], want.Kc[i]) << i;
    EXPECT_EQ(got.KcDry[i], want.KcDry[i]) << i;
  }
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(got.RootDepth[i], want.RootDepth[i]) << i;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(got.CritDepletion[i], want.CritDepletion[i]) << i;
    EXPECT_EQ(got.YieldResponse[i], want.YieldResponse[i]) << i;
  }
  EXPECT_EQ(got.CropHeight, want.CropHeight);
  EXPECT_EQ(got.PuddleDepth, want.PuddleDepth);
  EXPECT_EQ(got.NurseryArea, want.NurseryArea);
  EXPECT_EQ(got.DirectSowing, want.DirectSowing);
}

TEST(RoundTrip, DryAndRiceCrops) {
  ScratchDir dir;
  const std::string path = dir.File("crop.CRO");
  for (bool dry : {true, false}) {
    RandomValues r(dry ? 11 : 12);
    for (int n = 0; n < kCases; ++n) {
      SCOPED_TRACE((dry ? "dry crop " : "rice crop ") + std::to_string(n));
      ScriptedUi ui;
      Workspace ws(ui, {2026, 12, 10});
      ws.crop = RandomCrop(r, dry);
      ws.session.CropIsDry = dry;
      ASSERT_TRUE(WriteCropFile(ws, path));
      const TCropRecord written = ws.crop;

      Workspace back(ui, {2026, 12, 10});
      back.session.CropIsDry = !dry;
      ASSERT_TRUE(ReadCropFile(back, path));
      EXPECT_EQ(back.session.CropIsDry, dry);
      ExpectSameCrop(written, back.crop);
      // The only message: the missing crop height is pointed out.
      const std::vector<std::string> none, warned{kNoHeight};
      EXPECT_EQ(ui.Texts(), written.CropHeight == MissingReal ? warned : none);

      // The silent read of the cropping pattern gives the same crop without a word.
      ScriptedUi quiet;
      Workspace pattern(quiet, {2026, 12, 10});
      TCropRecord entry;
      bool entryDry = !dry;
      ASSERT_TRUE(ReadCropFile(pattern, path, entry, true, entryDry));
      EXPECT_EQ(entryDry, dry);
      ExpectSameCrop(written, entry);
      EXPECT_TRUE(quiet.shown.empty());
      if (testing::Test::HasFailure()) return;
    }
  }
}

// The soil file keeps the total available moisture to two significant digits and the cracking
// depletion to one decimal, both rounded half up.
double TwoSignificantDigits(double tenths) {  // tenths: the value in units of 0.1
  const long long k = std::llround(tenths);
  return k < 995 ? static_cast<double>((k + 5) / 10) : static_cast<double>((k + 50) / 100 * 10);
}

TEST(RoundTrip, Soils) {
  ScratchDir dir;
  const std::string path = dir.File("soil.SOI");
  RandomValues r(21);
  for (int n = 0; n < kCases; ++n) {
    SCOPED_TRACE("soil " + std::to_string(n));
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    TSoilRecord& s = ws.soil;
    s.SoilName = r.Name(20);
    s.TotalAvailMoisture = r.Real(30.0, 300.0, 1);
    s.MaxInfiltration = r.Int(1, 300);
    s.MaxRootDepth = r.Int(20, 9000);
    s.InitialDepletion = r.Int(0, 100);
    // The rice values are optional for a dry crop.
    s.DrainablePorosity = r.IntOrMissing(1, 100);
    s.CrackDepletion = r.RealOrMissing(0.01, 0.99, 2);
    s.WaterAtPlanting = r.IntOrMissing(0, 999);
    s.MaxWaterDepth = r.IntOrMissing(0, 999);
    s.WaterType = r.Int(1, 3);
    ASSERT_TRUE(WriteSoilFile(ws, path));

    Workspace back(ui, {2026, 12, 10});
    ASSERT_TRUE(ReadSoilFile(back, path));
    const TSoilRecord& g = back.soil;
    EXPECT_EQ(g.SoilName, s.SoilName);
    EXPECT_EQ(g.TotalAvailMoisture, TwoSignificantDigits(s.TotalAvailMoisture * 10))
        << s.TotalAvailMoisture;
    EXPECT_EQ(g.MaxInfiltration, s.MaxInfiltration);
    EXPECT_EQ(g.MaxRootDepth, s.MaxRootDepth);
    EXPECT_EQ(g.InitialDepletion, s.InitialDepletion);
    EXPECT_EQ(g.DrainablePorosity, s.DrainablePorosity);
    const double crack =
        s.CrackDepletion == MissingReal
            ? MissingReal
            : static_cast<double>((std::llround(s.CrackDepletion * 100) + 5) / 10) / 10;
    EXPECT_EQ(g.CrackDepletion, crack) << s.CrackDepletion;
    EXPECT_EQ(g.WaterAtPlanting, s.WaterAtPlanting);
    EXPECT_EQ(g.MaxWaterDepth, s.MaxWaterDepth);
    EXPECT_EQ(g.WaterType, s.WaterType);
    EXPECT_TRUE(ui.shown.empty());
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace vsk

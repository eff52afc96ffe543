// The example data set is written in the exact file formats: each file reads back and the
// program writes it again byte for byte.
#include <gtest/gtest.h>

#include "climate/vskclimatefile.h"
#include "clitest.h"
#include "crop/vskcropsoilcalc.h"
#include "rain/vskraincalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk::test {
namespace {

struct ExamplesTest : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TempDir dir;
};

TEST_F(ExamplesTest, CropsAndSoils) {
  struct Crop {
    const char* file;
    bool dry;
    bool direct;
  };
  for (const Crop& c : {Crop{"MAIZE.CRO", true, false}, Crop{"BEANS.CRO", true, false},
                        Crop{"TOMATO.CRO", true, false}, Crop{"POTATO.CRO", true, false},
                        Crop{"RICE.CRO", false, false}, Crop{"RICEDS.CRO", false, true}}) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(OpenCropFile(ws, Example(c.file)));
    EXPECT_EQ(ws.session.CropIsDry, c.dry);
    EXPECT_EQ(ws.crop.DirectSowing, c.direct);
    EXPECT_TRUE(CropDataComplete(ws, 0, ws.crop));
    EXPECT_EQ(CropFileText(ws.crop, c.dry), ReadText(Example(c.file)));
  }
  for (const char* soil : {"LOAM.SOI", "CLAY.SOI"}) {
    SCOPED_TRACE(soil);
    ASSERT_TRUE(OpenSoilFile(ws, Example(soil)));
    EXPECT_EQ(SoilFileText(ws.soil), ReadText(Example(soil)));
  }
  EXPECT_TRUE(SoilDataComplete(ws, 3));  // the clay soil has the rice values
  ASSERT_TRUE(OpenSoilFile(ws, Example("LOAM.SOI")));
  EXPECT_TRUE(SoilDataComplete(ws, 2));
  EXPECT_FALSE(SoilDataComplete(ws, 3));
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
}

TEST_F(ExamplesTest, RainAndClimateFilesAreWrittenAgainUnchanged) {
  for (const char* file : {"NAIROBI.CRM", "NAIROBI.CRC", "NAIROBI.CRD"}) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(OpenRainFile(ws, Example(file)));
    const std::string copy = dir.File(file);
    ASSERT_TRUE(WriteRainFile(ws, copy));
    EXPECT_EQ(ReadText(copy), ReadText(Example(file)));
  }
  for (const char* file : {"NAIROBI.PEM", "NAIROBI.PEC", "NAIROBI.PED", "ZONE12.PMM"}) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(OpenClimateFile(ws, Example(file)));
    const std::string copy = dir.File(file);
    ASSERT_TRUE(WriteClimateFile(ws, copy));
    EXPECT_EQ(ReadText(copy), ReadText(Example(file)));
  }
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
}

}  // namespace
}  // namespace vsk::test

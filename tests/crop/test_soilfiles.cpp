#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "crop/vskcropsoilcalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::DataPath;
using test::ReadText;
using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

TSoilRecord RiceSoil() {
  TSoilRecord s;
  s.SoilName = "Heavy clay";
  s.TotalAvailMoisture = 140;
  s.MaxInfiltration = 64;
  s.MaxRootDepth = 900;
  s.InitialDepletion = 50;
  s.DrainablePorosity = 40;
  s.CrackDepletion = 0.25;
  s.WaterAtPlanting = 50;
  s.WaterType = 1;
  s.MaxWaterDepth = 100;
  return s;
}

void ExpectSameSoil(const TSoilRecord& a, const TSoilRecord& b) {
  EXPECT_EQ(a.SoilName, b.SoilName);
  EXPECT_DOUBLE_EQ(a.TotalAvailMoisture, b.TotalAvailMoisture);
  EXPECT_EQ(a.MaxInfiltration, b.MaxInfiltration);
  EXPECT_EQ(a.MaxRootDepth, b.MaxRootDepth);
  EXPECT_EQ(a.InitialDepletion, b.InitialDepletion);
  EXPECT_EQ(a.DrainablePorosity, b.DrainablePorosity);
  EXPECT_DOUBLE_EQ(a.CrackDepletion, b.CrackDepletion);
  EXPECT_EQ(a.WaterAtPlanting, b.WaterAtPlanting);
  EXPECT_EQ(a.WaterType, b.WaterType);
  EXPECT_EQ(a.MaxWaterDepth, b.MaxWaterDepth);
}

TEST(NumberLayouts, ScientificAndHalfUpTexts) {
  EXPECT_EQ(PuddleDepthText(0.1), " 1.00000000000000E-0001");
  EXPECT_EQ(PuddleDepthText(0.25), " 2.50000000000000E-0001");
  EXPECT_EQ(PuddleDepthText(12), " 1.20000000000000E+0001");
  EXPECT_EQ(PuddleDepthText(0), " 0.00000000000000E+0000");
  EXPECT_EQ(PuddleDepthText(MissingReal), "-9.99000000000000E+0001");
  EXPECT_EQ(PuddleDepthText(0.1).size(), 23u);

  const std::vector<std::pair<double, std::string>> moisture = {
      {140, " 1.4E+0002"}, {145, " 1.5E+0002"},  {144.9, " 1.4E+0002"}, {30, " 3.0E+0001"},
      {300, " 3.0E+0002"}, {99.5, " 1.0E+0002"}, {0, " 0.0E+0000"},     {0.125, " 1.3E-0001"},
  };
  for (const auto& [v, text] : moisture) EXPECT_EQ(TotalAvailMoistureText(v), text) << v;

  const std::vector<std::pair<double, std::string>> crack = {
      {0.25, "  0.3"}, {0.3, "  0.3"},  {0.35, "  0.4"},        {0.95, "  1.0"},
      {0.04, "  0.0"}, {0.99, "  1.0"}, {MissingReal, "-99.9"},
  };
  for (const auto& [v, text] : crack) EXPECT_EQ(CrackDepletionText(v), text) << v;
}

TEST(SoilReset, EmptiesRecordAndSessionState) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.soil = RiceSoil();
  ws.soil.WaterType = 3;
  ws.session.ReaderSucceeded(DataKind::Soil, "/x/clay.soi");
  ResetSoil(ws);
  TSoilRecord empty;
  ExpectSameSoil(ws.soil, empty);
  EXPECT_EQ(ws.soil.TotalAvailMoisture, MissingReal);
  EXPECT_EQ(ws.soil.MaxWaterDepth, MissingInt);
  EXPECT_EQ(ws.soil.WaterType, 1);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Soil), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Soil), "untitled");
}

TEST(SoilFile, LayoutIsExactAndRoundTrips) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  const std::string path = dir.File("clay.soi");
  ws.soil = RiceSoil();
  ASSERT_TRUE(WriteSoilFile(ws, path));
  EXPECT_EQ(ReadText(path),
            "VESKARO 8.0 Soil Data\r\n"
            "Heavy clay\r\n"
            " 1.4E+0002\r\n"
            "64\r\n"
            "900\r\n"
            "50\r\n"
            "40\r\n"
            "  0.3\r\n"
            "50  1\r\n"
            "100\r\n");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Soil), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Soil), path);
  EXPECT_EQ(ws.session.Current(FolderKind::Soil), dir.path());

  ws.soil.Reset();
  ASSERT_TRUE(ReadSoilFile(ws, path));
  EXPECT_TRUE(ui.shown.empty());
  TSoilRecord expected = RiceSoil();
  expected.CrackDepletion = 0.3;  // one decimal in the file
  ExpectSameSoil(ws.soil, expected);

  // 145 is written with two significant digits, half up, and comes back as 150.
  ws.soil.TotalAvailMoisture = 145;
  ws.soil.WaterType = 2;
  ws.soil.SoilName = "Sandy loam, 20 chars";
  ASSERT_TRUE(WriteSoilFile(ws, path));
  ASSERT_TRUE(OpenSoilFile(ws, path));
  EXPECT_DOUBLE_EQ(ws.soil.TotalAvailMoisture, 150);
  EXPECT_EQ(ws.soil.WaterType, 2);
  EXPECT_EQ(ws.soil.SoilName, "Sandy loam, 20 chars");

  // A soil without rice values writes the missing markers and reads them back as missing.
  ws.soil = RiceSoil();
  ws.soil.DrainablePorosity = ws.soil.WaterAtPlanting = ws.soil.MaxWaterDepth = MissingInt;
  ws.soil.CrackDepletion = MissingReal;
  ASSERT_TRUE(WriteSoilFile(ws, path));
  EXPECT_NE(ReadText(path).find("\r\n-999\r\n-99.9\r\n-999  1\r\n-999\r\n"), std::string::npos);
  const TSoilRecord written = ws.soil;
  ws.soil.Reset();
  ASSERT_TRUE(ReadSoilFile(ws, path));
  ExpectSameSoil(ws.soil, written);
}

TEST(SoilFile, SixLinesIsASoilWithoutRiceData) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.soil.WaterType = 3;
  ASSERT_TRUE(OpenSoilFile(ws, DataPath("crop/dry_soil_6_lines.soi")));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(ws.soil.SoilName, "Loam");
  EXPECT_DOUBLE_EQ(ws.soil.TotalAvailMoisture, 140);
  EXPECT_EQ(ws.soil.MaxInfiltration, 40);
  EXPECT_EQ(ws.soil.MaxRootDepth, 120);
  EXPECT_EQ(ws.soil.InitialDepletion, 20);
  EXPECT_EQ(ws.soil.DrainablePorosity, MissingInt);
  EXPECT_EQ(ws.soil.CrackDepletion, MissingReal);
  EXPECT_EQ(ws.soil.MaxWaterDepth, MissingInt);
  EXPECT_EQ(ws.soil.WaterType, 1);
  EXPECT_TRUE(SoilDataComplete(ws, 2));
  EXPECT_TRUE(SoilDataComplete(ws, 1));
  EXPECT_FALSE(SoilDataComplete(ws, 3));
  EXPECT_FALSE(SoilDataComplete(ws, 4));
  EXPECT_TRUE(ui.shown.empty());  // modes 2 to 4 are silent
}

TEST(SoilComplete, RequiredValuesByMode) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.soil = RiceSoil();
  EXPECT_FALSE(SoilDataComplete(ws, 2));  // no soil data in the session
  EXPECT_FALSE(SoilDataComplete(ws, 1));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Incomplete crop or soil data cannot be saved"});
  ws.session.UserEdited(DataKind::Soil);
  for (int mode = 1; mode <= 4; ++mode) EXPECT_TRUE(SoilDataComplete(ws, mode)) << mode;

  struct Drop {
    const char* what;
    void (*apply)(TSoilRecord&);
    bool dryOk;  // still complete for modes 1 and 2
  };
  const std::vector<Drop> drops = {
      {"moisture", [](TSoilRecord& s) { s.TotalAvailMoisture = MissingReal; }, false},
      {"infiltration", [](TSoilRecord& s) { s.MaxInfiltration = MissingInt; }, false},
      {"rooting depth", [](TSoilRecord& s) { s.MaxRootDepth = MissingInt; }, false},
      {"initial depletion", [](TSoilRecord& s) { s.InitialDepletion = MissingInt; }, false},
      {"water depth", [](TSoilRecord& s) { s.MaxWaterDepth = MissingInt; }, true},
      {"porosity", [](TSoilRecord& s) { s.DrainablePorosity = MissingInt; }, true},
      {"cracking", [](TSoilRecord& s) { s.CrackDepletion = MissingReal; }, true},
      {"water at planting", [](TSoilRecord& s) { s.WaterAtPlanting = MissingInt; }, true},
  };
  for (const Drop& d : drops) {
    ws.soil = RiceSoil();
    d.apply(ws.soil);
    ui.Clear();
    EXPECT_EQ(SoilDataComplete(ws, 2), d.dryOk) << d.what;
    EXPECT_FALSE(SoilDataComplete(ws, 3)) << d.what;
    EXPECT_FALSE(SoilDataComplete(ws, 4)) << d.what;
    EXPECT_TRUE(ui.shown.empty()) << d.what;
    EXPECT_EQ(SoilDataComplete(ws, 1), d.dryOk) << d.what;
    EXPECT_EQ(ui.shown.size(), d.dryOk ? 0u : 1u) << d.what;
  }
}

TEST(SoilFile, BadFilesFailWithTheirMessageAndChangeNothing) {
  struct Case {
    std::string name;
    std::optional<std::string> content;  // nullopt: the file does not exist
    std::string message;                 // "open", "invalid" or "read"
    int line;
    std::string token;
  };
  const std::string head = "VESKARO 8.0 Soil Data\r\nLoam\r\n";
  const std::vector<Case> cases = {
      {"missing.soi", std::nullopt, "open", 0, ""},
      {"empty.soi", "", "invalid", 1, ""},
      {"version6.soi", "VESKARO 6.0 Soil Data\r\nLoam\r\n 1.4E+0002\r\n40\r\n120\r\n20\r\n",
       "invalid", 1, "VESKARO 6.0 Soil Data"},
      {"truncated.soi", head + " 1.4E+0002\r\n40\r\n", "read", 5, ""},
      {"text.soi", head + " 1.4E+0002\r\nfast\r\n120\r\n20\r\n", "read", 4, "fast"},
      {"real_as_int.soi", head + " 1.4E+0002\r\n40\r\n120.5\r\n20\r\n", "read", 5, "120.5"},
      {"half_rice.soi", head + " 1.4E+0002\r\n40\r\n120\r\n20\r\n40\r\n  0.3\r\n", "read", 9, ""},
      {"water_type.soi", head + " 1.4E+0002\r\n40\r\n120\r\n20\r\n40\r\n  0.3\r\n50  4\r\n100\r\n",
       "read", 9, "4"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    const std::string path = dir.File(c.name);
    if (c.content) WriteText(path, *c.content);
    ws.soil = RiceSoil();
    ws.session.ReaderSucceeded(DataKind::Soil, "/x/clay.soi");

    CropSoilDiagnostic diag;
    EXPECT_FALSE(ReadSoilFile(ws, path, &diag)) << c.name;
    const std::string expected =
        c.message == "open" ? "Error opening file " + path + "\rProbable cause: file does not exist"
        : c.message == "invalid" ? "This file is not a valid VESKARO file"
                                 : "Error reading data from file " + path;
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{expected}) << c.name;
    EXPECT_EQ(diag.line, c.line) << c.name;
    EXPECT_EQ(diag.token, c.token) << c.name;
    ExpectSameSoil(ws.soil, RiceSoil());
    EXPECT_EQ(ws.session.File(DataKind::Soil), "/x/clay.soi") << c.name;

    EXPECT_FALSE(OpenSoilFile(ws, path)) << c.name;
    EXPECT_EQ(ws.session.StatusOf(DataKind::Soil), dsNone);
    EXPECT_EQ(ws.session.File(DataKind::Soil), "untitled");
    EXPECT_EQ(ws.soil.TotalAvailMoisture, MissingReal);
  }
}

TEST(SoilFile, FailedWriteReportsAndKeepsTheSession) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  ws.soil = RiceSoil();
  ws.session.UserEdited(DataKind::Soil);
  const std::string path = dir.File("missing/clay.soi");
  EXPECT_FALSE(WriteSoilFile(ws, path));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + path +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
  EXPECT_EQ(ws.session.StatusOf(DataKind::Soil), dsChanged);
  EXPECT_EQ(ws.session.File(DataKind::Soil), "untitled");
}

}  // namespace
}  // namespace vsk

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

const std::string kReadError = "Error reading data from file ";
const std::string kNoHeight =
    "File does not contain cropheight\rEdit cropheight or calculate CWR without Kc corrections";

TCropRecord DryCrop() {
  TCropRecord c;
  c.CropName = "Maize";
  const int len[5] = {0, 30, 40, 50, 30};
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = len[i];
  c.Kc[1] = 0.3, c.Kc[3] = 1.2, c.Kc[4] = 0.35;
  c.RootDepth[2] = 0.3, c.RootDepth[3] = 1.0;
  c.CritDepletion[1] = 0.5, c.CritDepletion[3] = 0.55, c.CritDepletion[4] = 0.8;
  c.YieldResponse[1] = 0.4, c.YieldResponse[2] = 0.4, c.YieldResponse[3] = 1.3;
  c.YieldResponse[4] = 0.5, c.YieldResponse[5] = 1.25;
  c.CropHeight = 2.0;
  return c;
}

TCropRecord RiceCrop() {
  TCropRecord c;
  c.CropName = "Paddy";
  const int len[8] = {0, 30, 30, 60, 30, 25, 20, 5};
  for (int i = 1; i <= 7; ++i) c.StageLength[i] = len[i];
  const double kc[7] = {0, 1.1, 0, 1.2, 1.05, 1.2, 1.05};
  const double kcDry[7] = {0, 0.5, 0, 1.05, 0.7, 0.6, 0.4};
  for (int i : {1, 3, 4, 5, 6}) c.Kc[i] = kc[i], c.KcDry[i] = kcDry[i];
  c.PuddleDepth = 0.1;
  c.RootDepth[2] = 0.1, c.RootDepth[3] = 0.6;
  for (int i : {1, 3, 4, 5}) c.CritDepletion[i] = 0.2;
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.0 + i / 10.0;
  c.NurseryArea = 10;
  c.CropHeight = 1.0;
  return c;
}

void ExpectSameCrop(const TCropRecord& a, const TCropRecord& b) {
  EXPECT_EQ(a.CropName, b.CropName);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(a.StageLength[i], b.StageLength[i]) << i;
  for (int i = 1; i <= 6; ++i) {
    EXPECT_DOUBLE_EQ(a.Kc[i], b.Kc[i]) << i;
    EXPECT_DOUBLE_EQ(a.KcDry[i], b.KcDry[i]) << i;
  }
  for (int i = 1; i <= 4; ++i) EXPECT_DOUBLE_EQ(a.RootDepth[i], b.RootDepth[i]) << i;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_DOUBLE_EQ(a.CritDepletion[i], b.CritDepletion[i]) << i;
    EXPECT_DOUBLE_EQ(a.YieldResponse[i], b.YieldResponse[i]) << i;
  }
  EXPECT_DOUBLE_EQ(a.CropHeight, b.CropHeight);
  EXPECT_DOUBLE_EQ(a.PuddleDepth, b.PuddleDepth);
  EXPECT_EQ(a.NurseryArea, b.NurseryArea);
  EXPECT_EQ(a.DirectSowing, b.DirectSowing);
}

// A rice body (lines 3 to 12) and a dry body (lines 3 to 8) for hand-made files.
const std::string kRiceBody =
    "0\r\n30 30 60 30 25 20 5 \r\n  1.10  1.20  1.05  1.20  1.05\r\n"
    "  0.50  1.05  0.70  0.60  0.40\r\n 1.00000000000000E-0001\r\n  0.10  0.60\r\n"
    "  0.20  0.20  0.20  0.20\r\n  1.10  1.20  1.30  1.40  1.50\r\n10\r\n  1.00\r\n";
const std::string kDryBody =
    "30 40 50 30 \r\n  0.30  1.20  0.35\r\n  0.30  1.00\r\n  0.50  0.55  0.80\r\n"
    "  0.40  0.40  1.30  0.50  1.25\r\n  2.00\r\n";

TEST(CropReset, EmptiesRecordDecadeKcAndSessionState) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.crop = RiceCrop();
  ws.crop.DirectSowing = true;
  ws.crop.Kc[7] = 1.1;
  ws.cwr.DecadeKc[3][2] = 0.8;
  ws.session.CropIsDry = false;
  ws.session.ReaderSucceeded(DataKind::Crop, "/x/paddy.cro");

  ResetCrop(ws);
  EXPECT_TRUE(ws.crop.CropName.empty());
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(ws.crop.StageLength[i], MissingInt);
  for (int i : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(ws.crop.Kc[i], MissingReal) << i;
  EXPECT_EQ(ws.crop.Kc[2], 0);
  EXPECT_EQ(ws.crop.KcDry[2], 0);
  EXPECT_EQ(ws.crop.RootDepth[1], 0);
  EXPECT_EQ(ws.crop.RootDepth[4], 0);
  EXPECT_EQ(ws.crop.CritDepletion[2], 0);
  EXPECT_EQ(ws.crop.PuddleDepth, MissingReal);
  EXPECT_EQ(ws.crop.NurseryArea, MissingInt);
  EXPECT_FALSE(ws.crop.DirectSowing);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(ws.cwr.DecadeKc[m][d], MissingReal);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsNone);
  EXPECT_EQ(ws.session.File(DataKind::Crop), "untitled");
  EXPECT_FALSE(ws.session.CropIsDry);  // the kind is set by the New commands, not the reset
}

TEST(CropFile, DryLayoutIsExactAndNameBlanksComeBack) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  const std::string path = dir.File("maize.cro");
  ws.crop = DryCrop();
  ws.session.CropIsDry = true;
  ASSERT_TRUE(WriteCropFile(ws, path));
  EXPECT_EQ(ReadText(path),
            "VESKARO 8.0 Crop data\r\n"
            "Maize               \r\n"
            "30 40 50 30 \r\n"
            "  0.30  1.20  0.35\r\n"
            "  0.30  1.00\r\n"
            "  0.50  0.55  0.80\r\n"
            "  0.40  0.40  1.30  0.50  1.25\r\n"
            "  2.00\r\n");
  EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsSaved);
  EXPECT_EQ(ws.session.File(DataKind::Crop), path);
  EXPECT_EQ(ws.session.Current(FolderKind::Crop), dir.path());

  ws.crop.Reset();
  ws.session.CropIsDry = false;
  ASSERT_TRUE(ReadCropFile(ws, path));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ws.session.CropIsDry);
  // The 15 blanks after the name are read back as part of it, cut to 18 characters.
  EXPECT_EQ(ws.crop.CropName, "Maize" + std::string(13, ' '));
  TCropRecord expected = DryCrop();
  expected.CropName = ws.crop.CropName;
  ExpectSameCrop(ws.crop, expected);
  // Written again, the file is the same byte for byte.
  const std::string first = ReadText(path);
  ASSERT_TRUE(WriteCropFile(ws, path));
  EXPECT_EQ(ReadText(path), first);
}

TEST(CropFile, RiceLayoutIsExactAndRoundTrips) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  const std::string path = dir.File("paddy.cro");
  ws.crop = RiceCrop();
  ws.crop.CropName = "Paddy rice long 18";
  ws.session.CropIsDry = false;
  ASSERT_TRUE(WriteCropFile(ws, path));
  EXPECT_EQ(ReadText(path),
            "VESKARO 8.0 Crop data\r\n"
            "Paddy rice long 18  Rice\r\n"
            "0\r\n"
            "30 30 60 30 25 20 5 \r\n"
            "  1.10  1.20  1.05  1.20  1.05\r\n"
            "  0.50  1.05  0.70  0.60  0.40\r\n"
            " 1.00000000000000E-0001\r\n"
            "  0.10  0.60\r\n"
            "  0.20  0.20  0.20  0.20\r\n"
            "  1.10  1.20  1.30  1.40  1.50\r\n"
            "10\r\n"
            "  1.00\r\n");
  ws.crop.Reset();
  ws.session.CropIsDry = true;
  ASSERT_TRUE(ReadCropFile(ws, path));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(ws.session.CropIsDry);
  TCropRecord expected = RiceCrop();
  expected.CropName = "Paddy rice long 18";
  ExpectSameCrop(ws.crop, expected);

  // A directly sown rice without land preparation writes its missing values as numbers
  // (-99.90 straight after the previous value, -999) and reads them back as missing.
  TCropRecord direct = RiceCrop();
  direct.DirectSowing = true;
  direct.StageLength[5] = direct.StageLength[6] = direct.StageLength[7] = MissingInt;
  direct.Kc[5] = direct.Kc[6] = direct.KcDry[5] = direct.KcDry[6] = MissingReal;
  direct.NurseryArea = MissingInt;
  direct.PuddleDepth = MissingReal;
  direct.CropHeight = MissingReal;
  ws.crop = direct;
  ASSERT_TRUE(WriteCropFile(ws, path));
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("\r\n1\r\n30 30 60 30 -999 -999 -999 \r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  1.05-99.90-99.90\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n-9.99000000000000E+0001\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 8), "\r\n-999\r\n");  // no crop-height line
  ws.crop.Reset();
  ASSERT_TRUE(ReadCropFile(ws, path));
  EXPECT_EQ(ui.TextsOf("warning"), std::vector<std::string>{kNoHeight});
  direct.CropName = "Paddy" + std::string(13, ' ');
  ExpectSameCrop(ws.crop, direct);
}

TEST(CropFile, DryFileWithoutCropHeightWarnsAndWritesSevenLines) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(OpenCropFile(ws, DataPath("crop/dry_no_height.cro")));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, "warning");
  EXPECT_EQ(ui.shown[0].text, kNoHeight);
  EXPECT_EQ(ws.crop.CropHeight, MissingReal);
  EXPECT_EQ(ws.crop.StageLength[3], 50);
  EXPECT_DOUBLE_EQ(ws.crop.YieldResponse[5], 1.05);
  EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsSaved);

  TempDir dir;
  ASSERT_TRUE(WriteCropFile(ws, dir.File("copy.cro")));
  EXPECT_EQ(ReadText(dir.File("copy.cro")), ReadText(DataPath("crop/dry_no_height.cro")));
}

TEST(CropFile, MissingValuesWrittenBackToBackReadAsTwoNumbers) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(ReadCropFile(ws, DataPath("crop/missing_values.cro")));
  EXPECT_DOUBLE_EQ(ws.crop.Kc[3], 1.05);
  EXPECT_EQ(ws.crop.Kc[4], MissingReal);
  EXPECT_DOUBLE_EQ(ws.crop.CritDepletion[1], 0.45);
  EXPECT_EQ(ws.crop.CritDepletion[3], MissingReal);
  EXPECT_DOUBLE_EQ(ws.crop.CritDepletion[4], 0.60);
}

TEST(CropFile, NameFieldAndKindMarker) {
  struct Case {
    std::string line2;
    bool rice;
    std::string name;
  };
  const std::vector<Case> cases = {
      {"Paddy               RICE", true, "Paddy" + std::string(13, ' ')},
      {"Paddy               ri", true, "Paddy" + std::string(13, ' ')},
      {"Rye field           Rye", false, "Rye field" + std::string(9, ' ')},
      {"Oats                R", false, "Oats" + std::string(14, ' ')},
      {"Sorghum", false, "Sorghum"},
      {"ABCDEFGHIJKLMNOPQRST", false, "ABCDEFGHIJKLMNOPQR"},  // 20 characters cut to 18
      {"ABCDEFGHIJKLMNOPQRSTRice", true, "ABCDEFGHIJKLMNOPQR"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    const std::string path = dir.File("kind.cro");
    WriteText(path,
              "VESKARO 8.0 Crop data\r\n" + c.line2 + "\r\n" + (c.rice ? kRiceBody : kDryBody));
    TCropRecord target;
    bool dry = !c.rice;
    ASSERT_TRUE(ReadCropFile(ws, path, target, true, dry)) << c.line2;
    EXPECT_EQ(dry, !c.rice) << c.line2;
    EXPECT_EQ(target.CropName, c.name) << c.line2;
    EXPECT_TRUE(ui.shown.empty()) << c.line2;
  }
}

TEST(CropFile, DirectSowingIsAnyIntegerOtherThanZero) {
  TempDir dir;
  for (const auto& [text, expected] : std::vector<std::pair<std::string, bool>>{
           {"0", false}, {"1", true}, {"2", true}, {"-1", true}}) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    const std::string path = dir.File("sow.cro");
    WriteText(path, "VESKARO 8.0 Crop data\r\nPaddy               Rice\r\n" + text +
                        kRiceBody.substr(kRiceBody.find("\r\n")));
    ASSERT_TRUE(ReadCropFile(ws, path)) << text;
    EXPECT_EQ(ws.crop.DirectSowing, expected) << text;
  }
}

TEST(CropFile, OlderRiceLayoutsAreAcceptedWithTheirMessages) {
  // Ten lines: the unsupported-format error, shown even to the silent reader of the pattern.
  for (bool silent : {false, true}) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    const std::string path = DataPath("crop/rice_old_format.cro");
    TCropRecord target;
    bool dry = true;
    ASSERT_TRUE(ReadCropFile(ws, path, target, silent, dry));
    EXPECT_FALSE(dry);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "error");
    EXPECT_EQ(ui.shown[0].text,
              "Error reading rice data from file " + path +
                  "\rProbable cause: this is a rice file of a no longer supported format");
    EXPECT_EQ(target.NurseryArea, MissingInt);
    EXPECT_EQ(target.CropHeight, MissingReal);
    EXPECT_EQ(target.StageLength[7], 5);
    EXPECT_DOUBLE_EQ(target.PuddleDepth, 0.1);
    EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsNone);  // the silent form leaves it
  }
  // Eleven lines: the nursery area but no crop height; the warning only when not silent.
  TempDir dir;
  const std::string path = dir.File("eleven.cro");
  WriteText(path, ReadText(DataPath("crop/rice_old_format.cro")) + "15\r\n");
  for (bool silent : {false, true}) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    TCropRecord target;
    bool dry = true;
    ASSERT_TRUE(ReadCropFile(ws, path, target, silent, dry));
    EXPECT_EQ(target.NurseryArea, 15);
    EXPECT_EQ(target.CropHeight, MissingReal);
    EXPECT_EQ(ui.TextsOf("warning"),
              silent ? std::vector<std::string>{} : std::vector<std::string>{kNoHeight});
    EXPECT_TRUE(ui.TextsOf("error").empty());
  }
}

TEST(CropFile, SilentReadLeavesTheSessionAlone) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  const std::string path = dir.File("paddy.cro");
  WriteText(path, CropFileText(RiceCrop(), false));
  ws.crop = DryCrop();
  ws.session.CropIsDry = true;
  ws.session.ReaderSucceeded(DataKind::Crop, "/x/maize.cro");

  TCropRecord entry;
  bool dry = true;
  ASSERT_TRUE(ReadCropFile(ws, path, entry, true, dry));
  EXPECT_FALSE(dry);
  EXPECT_EQ(entry.NurseryArea, 10);
  ExpectSameCrop(ws.crop, DryCrop());
  EXPECT_TRUE(ws.session.CropIsDry);
  EXPECT_EQ(ws.session.File(DataKind::Crop), "/x/maize.cro");
  EXPECT_TRUE(ui.shown.empty());
}

TEST(CropFile, BadFilesFailWithTheirMessageAndChangeNothing) {
  struct Case {
    std::string name;
    std::optional<std::string> content;  // nullopt: the file does not exist
    std::string message;                 // "open", "invalid" or "read"
    int line;
    std::string token;
  };
  const std::string header = "VESKARO 8.0 Crop data\r\nMaize               \r\n";
  const std::vector<Case> cases = {
      {"missing.cro", std::nullopt, "open", 0, ""},
      {"empty.cro", "", "invalid", 1, ""},
      {"version6.cro", ReadText(DataPath("crop/version6.cro")), "invalid", 1,
       "VESKARO 6.0 Crop data"},
      {"header_only.cro", "VESKARO 8.0 Crop data\r\n", "read", 2, ""},
      {"truncated.cro", header + "30 40 50 30 \r\n  0.30  1.20  0.35\r\n  0.30", "read", 5, ""},
      {"text.cro", header + "30 40 abc 30 \r\n", "read", 3, "abc"},
      {"fraction_stage.cro", header + "30 40 3.5 30 \r\n", "read", 3, "3.5"},
      {"glued.cro", header + "30 40 50 30 \r\n  0.30  1.20abc\r\n", "read", 4, "1.20abc"},
      {"bad_height.cro", header + kDryBody.substr(0, kDryBody.size() - 8) + "  2.0x\r\n", "read", 8,
       "2.0x"},
      {"rice_truncated.cro",
       "VESKARO 8.0 Crop data\r\nPaddy               Rice\r\n0\r\n30 30 60 30 25 20 5 \r\n", "read",
       5, ""},
  };
  TempDir dir;
  for (const Case& c : cases) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    const std::string path = dir.File(c.name);
    if (c.content) WriteText(path, *c.content);
    ws.crop = DryCrop();
    ws.session.ReaderSucceeded(DataKind::Crop, "/x/maize.cro");

    CropSoilDiagnostic diag;
    EXPECT_FALSE(ReadCropFile(ws, path, &diag)) << c.name;
    const std::string expected =
        c.message == "open" ? "Error opening file " + path + "\rProbable cause: file does not exist"
        : c.message == "invalid" ? "This file is not a valid VESKARO file"
                                 : kReadError + path;
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{expected}) << c.name;
    EXPECT_EQ(diag.line, c.line) << c.name;
    EXPECT_EQ(diag.token, c.token) << c.name;
    EXPECT_FALSE(diag.reason.empty()) << c.name;
    ExpectSameCrop(ws.crop, DryCrop());
    EXPECT_EQ(ws.session.File(DataKind::Crop), "/x/maize.cro") << c.name;

    // Silent: the same failure without a message; the target stays as it was.
    ui.Clear();
    TCropRecord target = RiceCrop();
    bool dry = false;
    EXPECT_FALSE(ReadCropFile(ws, path, target, true, dry)) << c.name;
    EXPECT_TRUE(ui.shown.empty()) << c.name;
    ExpectSameCrop(target, RiceCrop());
    EXPECT_FALSE(dry);

    // Open: the failed file leaves no crop behind.
    EXPECT_FALSE(OpenCropFile(ws, path)) << c.name;
    EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsNone);
    EXPECT_EQ(ws.session.File(DataKind::Crop), "untitled");
    EXPECT_TRUE(ws.crop.CropName.empty());
  }
}

TEST(CropFile, InvalidHeaderShowsTheTextInForce) {
  // A language file may replace the message; the crop and soil readers show its text.
  TempDir dir;
  const std::string soil = dir.File("old.soi");
  WriteText(soil, "VESKARO 6.0 Soil Data\r\nLoam\r\n 1.4E+0002\r\n40\r\n120\r\n20\r\n");
  for (const std::string& path : {DataPath("crop/version6.cro"), soil}) {
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    ws.texts.Replace(Msg::NotValidFile, "Keine gueltige Datei");
    const bool read = path == soil ? ReadSoilFile(ws, path) : ReadCropFile(ws, path);
    EXPECT_FALSE(read) << path;
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{"Keine gueltige Datei"}) << path;
  }
}

TEST(CropFile, FailedWriteReportsAndKeepsTheSession) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  TempDir dir;
  ws.crop = DryCrop();
  ws.session.UserEdited(DataKind::Crop);
  const std::string path = dir.File("no/such/folder/maize.cro");
  EXPECT_FALSE(WriteCropFile(ws, path));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + path +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
  EXPECT_EQ(ws.session.StatusOf(DataKind::Crop), dsChanged);
  EXPECT_EQ(ws.session.File(DataKind::Crop), "untitled");
}

TEST(CropComplete, DryCropRules) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.session.CropIsDry = true;
  TCropRecord crop = DryCrop();
  // No crop data in the session: incomplete, whatever the record holds.
  EXPECT_FALSE(CropDataComplete(ws, 3, crop));
  ws.session.UserEdited(DataKind::Crop);
  EXPECT_TRUE(CropDataComplete(ws, 1, crop));
  crop.CropHeight = MissingReal;                     // optional
  crop.Kc[2] = crop.CritDepletion[2] = MissingReal;  // development values are never needed
  EXPECT_TRUE(CropDataComplete(ws, 1, crop));
  EXPECT_TRUE(ui.shown.empty());

  struct Drop {
    const char* what;
    void (*apply)(TCropRecord&);
  };
  const std::vector<Drop> drops = {
      {"name", [](TCropRecord& c) { c.CropName.clear(); }},
      {"Ky season", [](TCropRecord& c) { c.YieldResponse[5] = MissingReal; }},
      {"length 2", [](TCropRecord& c) { c.StageLength[2] = MissingInt; }},
      {"length 4", [](TCropRecord& c) { c.StageLength[4] = MissingInt; }},
      {"Kc end", [](TCropRecord& c) { c.Kc[4] = MissingReal; }},
      {"initial root", [](TCropRecord& c) { c.RootDepth[2] = MissingReal; }},
      {"maximum root", [](TCropRecord& c) { c.RootDepth[3] = MissingReal; }},
      {"p mid", [](TCropRecord& c) { c.CritDepletion[3] = MissingReal; }},
      {"Ky 2", [](TCropRecord& c) { c.YieldResponse[2] = MissingReal; }},
  };
  for (const Drop& d : drops) {
    TCropRecord c = DryCrop();
    d.apply(c);
    ui.Clear();
    EXPECT_FALSE(CropDataComplete(ws, 3, c)) << d.what;
    EXPECT_TRUE(ui.shown.empty()) << d.what;
    EXPECT_FALSE(CropDataComplete(ws, 1, c)) << d.what;
    EXPECT_EQ(ui.TextsOf("error"),
              std::vector<std::string>{"Incomplete crop or soil data cannot be saved"})
        << d.what;
  }
}

TEST(CropComplete, RiceLandPreparationAndNursery) {
  ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.session.CropIsDry = false;
  ws.session.UserEdited(DataKind::Crop);
  auto direct = [] {
    TCropRecord c = RiceCrop();
    c.DirectSowing = true;
    c.StageLength[5] = c.StageLength[6] = c.StageLength[7] = MissingInt;
    c.Kc[5] = c.Kc[6] = c.KcDry[5] = c.KcDry[6] = MissingReal;
    c.NurseryArea = MissingInt;
    c.CritDepletion[5] = c.PuddleDepth = c.CropHeight = MissingReal;
    return c;
  };
  struct Case {
    const char* what;
    TCropRecord crop;
    bool complete;
  };
  std::vector<Case> cases;
  cases.push_back({"transplanted, whole", RiceCrop(), true});
  cases.push_back({"direct, no land preparation", direct(), true});
  {
    TCropRecord c = direct();
    c.KcDry[6] = 0.4;
    cases.push_back({"direct, only dry land-prep Kc", c, false});
    c.StageLength[6] = 20, c.StageLength[7] = 5, c.Kc[6] = 1.05;
    cases.push_back({"direct, whole land preparation", c, true});
    c.KcDry[6] = MissingReal;
    cases.push_back({"direct, land preparation without dry Kc", c, true});
  }
  for (auto drop : {+[](TCropRecord& c) { c.NurseryArea = MissingInt; },
                    +[](TCropRecord& c) { c.StageLength[5] = MissingInt; },
                    +[](TCropRecord& c) { c.Kc[5] = MissingReal; },
                    +[](TCropRecord& c) { c.KcDry[6] = MissingReal; },
                    +[](TCropRecord& c) { c.StageLength[7] = MissingInt; }}) {
    TCropRecord c = RiceCrop();
    drop(c);
    cases.push_back({"transplanted, one nursery or land-prep value missing", c, false});
  }
  {
    TCropRecord c = RiceCrop();
    c.CritDepletion[5] = c.PuddleDepth = c.CropHeight = MissingReal;
    cases.push_back({"transplanted, optional values missing", c, true});
  }
  for (const Case& c : cases) EXPECT_EQ(CropDataComplete(ws, 4, c.crop), c.complete) << c.what;
  // The same directly sown record as a dry crop needs no rice values at all.
  TCropRecord c = direct();
  c.KcDry[6] = 0.4;
  EXPECT_TRUE(CropRecordComplete(c, true));
}

}  // namespace
}  // namespace vsk

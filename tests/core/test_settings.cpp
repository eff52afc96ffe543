#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/vskini.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

TEST(IniFile, ValuesFollowTheReadingRules) {
  IniFile ini;
  ini.LoadText(
      "[Main]\r\n"
      "Text = \"quoted value\" \r\n"
      "int1=42\n"
      "INT1=7\n"
      "hex=0x1F\n"
      "hexneg=0xFFFFFFFF\n"
      "hexlong=0x123456789\n"
      "bad=12abc\n"
      "real=2.5E-1\n"
      "comma=2,5\n"
      "flag=5\n"
      "[main]\n"
      "other=1\n");
  EXPECT_EQ(ini.ReadString("MAIN", "text", "-"), "quoted value");
  EXPECT_EQ(ini.ReadInteger("main", "Int1", 0), 42);  // the first of two keys counts
  EXPECT_EQ(ini.ReadInteger("main", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("main", "hexneg", 0), -1);  // 32 bits
  EXPECT_EQ(ini.ReadInteger("main", "hexlong", 9), 9);
  EXPECT_EQ(ini.ReadInteger("main", "bad", 9), 9);
  EXPECT_DOUBLE_EQ(ini.ReadReal("main", "real", 0), 0.25);
  EXPECT_DOUBLE_EQ(ini.ReadReal("main", "comma", 3.0), 3.0);
  EXPECT_TRUE(ini.ReadBool("main", "flag", false));
  EXPECT_EQ(ini.ReadInteger("main", "other", 0), 0);  // only the first section counts
  EXPECT_EQ(ini.ReadString("none", "text", "def"), "def");
}

TEST(IniFile, WritingKeepsUnknownSectionsAndKeys) {
  IniFile ini;
  ini.LoadText(
      "; comment\n[Unknown]\nkeep=me\n\n[Rain options]\nermethod=1\nmine=2\n\n[Tail]\nx=1\n");
  ini.WriteInteger("rain options", "ERMETHOD", 3);
  ini.WriteInteger("Rain options", "erfixperc", 70);
  ini.WriteString("New section", "k", "v");
  EXPECT_EQ(ini.Text(),
            "; comment\r\n[Unknown]\r\nkeep=me\r\n\r\n[Rain options]\r\nERMETHOD=3\r\nmine=2\r\n"
            "erfixperc=70\r\n\r\n[Tail]\r\nx=1\r\n\r\n[New section]\r\nk=v\r\n");
}

class SettingsTest : public ::testing::Test {
 protected:
  test::ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  TempDir dir;
};

TEST_F(SettingsTest, MissingFileGivesDefaultsAndSuccess) {
  Options o;
  o.deplram = 5;
  o.puddletwd = 9;
  EXPECT_TRUE(ReadOptions(dir.File("VESKARO.INI"), o, false, false, ws.texts));
  EXPECT_EQ(o.deplram, 80);
  EXPECT_EQ(o.puddletwd, 0);
  EXPECT_DOUBLE_EQ(o.userdefpuddlepercrate, 3.0);
}

// A settings file that exists but cannot be read (here a regular file whose reading fails)
// is an error and changes nothing; the folders stay as well.
TEST_F(SettingsTest, UnreadableFileFailsAndKeepsTheValuesInMemory) {
  const std::string unreadable = "/proc/self/mem";
  ASSERT_TRUE(DataFileExists(unreadable));
  Options o;
  o.deplram = 5;
  o.puddletwd = 9;
  o.showetoinfo = false;
  EXPECT_FALSE(ReadOptions(unreadable, o, false, false, ws.texts));
  EXPECT_EQ(o.deplram, 5);
  EXPECT_EQ(o.puddletwd, 9);
  EXPECT_FALSE(o.showetoinfo);
  SessionState session;
  session.DefaultFolder[0] = "/data/climate";
  EXPECT_FALSE(ReadFolders(unreadable, session, ws.texts));
  EXPECT_EQ(session.DefaultFolder[0], "/data/climate");
}

TEST_F(SettingsTest, ReadsEveryTypeWithItsRules) {
  const std::string file = dir.File("VESKARO.INI");
  WriteText(file,
            "[Climate/ETo options]\r\nshowgeneralinfo=0\r\nshowetoinfo=0\r\nestimateall=1\r\n"
            "newtempnotaverage=0\r\nsunshineunit=7\r\nwindaskmday=0\r\n"
            "[Rain options]\r\nermethod=258\r\nraina=0,6\r\nrainc=0.65\r\nrainb=0x10\r\n"
            "[Crop scheduling options]\r\ndeplram=300\r\ntimfixint3=12\r\n"
            "[Rice scheduling options]\r\nricetfixedany31=25\r\nriceafixedany22=3\r\n");
  Options o;
  ASSERT_TRUE(ReadOptions(file, o, false, false, ws.texts));
  EXPECT_FALSE(o.showgeneralinfo);
  EXPECT_FALSE(o.showetoinfo);
  EXPECT_TRUE(o.estimateall);
  EXPECT_TRUE(o.newtempnotaverage);  // forced on by estimateall
  EXPECT_EQ(o.sunshineunit, SunshineUnit::Fraction);
  EXPECT_FALSE(o.windaskmday);
  EXPECT_EQ(o.ermethod, 2);        // 258 modulo 256
  EXPECT_DOUBLE_EQ(o.raina, 0.5);  // a comma is no decimal separator
  EXPECT_DOUBLE_EQ(o.rainc, 0.65);
  EXPECT_EQ(o.rainb, 16);
  EXPECT_EQ(o.deplram, 44);
  EXPECT_EQ(o.timfixint[3], 12);
  EXPECT_EQ(o.ricetfixedany1[3], 25);
  EXPECT_EQ(o.riceafixedany2[2], 3);
  // No land-preparation section: its defaults.
  EXPECT_EQ(o.puddletwd, 0);
  EXPECT_DOUBLE_EQ(o.userdefpuddlepercrate, 3.0);

  ASSERT_TRUE(WriteOptions(file, o, ws.texts));
  IniFile ini;
  ASSERT_TRUE(ini.Load(file));
  EXPECT_EQ(ini.ReadString("Climate/ETo options", "sunshineunit", ""), "3");
  EXPECT_EQ(ini.ReadString("Rain options", "raina", ""), "0.5");
  EXPECT_EQ(ini.ReadString("Crop scheduling options", "deplram", ""), "44");
  EXPECT_EQ(ini.ReadString("Land preparation options", "userdefpuddlepercrate", ""), "3");

  Options back;
  ASSERT_TRUE(ReadOptions(file, back, false, false, ws.texts));
  EXPECT_EQ(back.deplram, 44);
  EXPECT_EQ(back.sunshineunit, SunshineUnit::Fraction);
  EXPECT_EQ(back.ricetfixedany1[3], 25);
}

TEST_F(SettingsTest, OnlyTheSettingsFileSetsTheWelcomeFlags) {
  const std::string session = dir.File("crops.ses");
  WriteText(session, "[Climate/ETo options]\r\nshowgeneralinfo=0\r\nshowetoinfo=0\r\ntimopt=3\r\n");
  Options o;
  ASSERT_TRUE(ReadOptions(session, o, false, false, ws.texts));
  EXPECT_TRUE(o.showgeneralinfo);
  EXPECT_TRUE(o.showetoinfo);

  const std::string settings = dir.File("veskaro.ini");  // the name is compared without case
  WriteText(settings, "[Climate/ETo options]\r\nshowgeneralinfo=0\r\nshowetoinfo=0\r\n");
  ASSERT_TRUE(ReadOptions(settings, o, false, false, ws.texts));
  EXPECT_FALSE(o.showgeneralinfo);
  EXPECT_FALSE(o.showetoinfo);

  // "Reset to defaults": the stored welcome flag stays, the info flag becomes true.
  o.deplram = 1;
  ASSERT_TRUE(ReadOptions(settings, o, true, false, ws.texts));
  EXPECT_FALSE(o.showgeneralinfo);
  EXPECT_TRUE(o.showetoinfo);
  EXPECT_EQ(o.deplram, 80);

  // Writing options never writes the two flags; WriteWelcomeFlags does.
  const std::string fresh = dir.File("fresh.ini");
  ASSERT_TRUE(WriteOptions(fresh, o, ws.texts));
  EXPECT_EQ(ReadText(fresh).find("showgeneralinfo"), std::string::npos);
  ASSERT_TRUE(WriteWelcomeFlags(fresh, o, ws.texts));
  EXPECT_NE(ReadText(fresh).find("showgeneralinfo=0"), std::string::npos);
}

TEST_F(SettingsTest, LandPreparationOnlyLeavesOtherOptions) {
  const std::string file = dir.File("other.ini");
  WriteText(
      file,
      "[Crop scheduling options]\r\ntimopt=5\r\n[Land preparation options]\r\npuddletwd=7\r\n");
  Options o;
  o.timopt = 3;
  ASSERT_TRUE(ReadOptions(file, o, false, true, ws.texts));
  EXPECT_EQ(o.timopt, 3);
  EXPECT_EQ(o.puddletwd, 7);
}

TEST_F(SettingsTest, FoldersAreReadAndCurrentFoldersFollow) {
  const std::string file = dir.File("VESKARO.INI");
  WriteText(file,
            "[File Locations]\r\nCrop Directory=/data/crops\r\nsoil directory= /data/soils \r\n");
  ASSERT_TRUE(ReadFolders(file, ws.session, ws.texts));
  EXPECT_EQ(ws.session.Default(FolderKind::Crop), "/data/crops");
  EXPECT_EQ(ws.session.Current(FolderKind::Soil), "/data/soils");
  EXPECT_EQ(ws.session.Current(FolderKind::Rain), "");
  ws.session.Default(FolderKind::Reports) = "/data/reports";
  ASSERT_TRUE(WriteFolders(file, ws.session, ws.texts));
  SessionState other;
  ASSERT_TRUE(ReadFolders(file, other, ws.texts));
  EXPECT_EQ(other.Default(FolderKind::Reports), "/data/reports");
  EXPECT_EQ(other.Default(FolderKind::Crop), "/data/crops");
}

TEST_F(SettingsTest, FailedWriteLeavesTheOldFileWhole) {
  const std::string file = dir.File("VESKARO.INI");
  WriteText(file, "[Rain options]\r\nermethod=1\r\n");
  {
    // The file-size limit makes the write of the new content fail, also for root.
    test::FileSizeLimit limit(64);
    Options o;
    EXPECT_FALSE(WriteOptions(file, o, ws.texts));
  }
  EXPECT_EQ(ReadText(file), "[Rain options]\r\nermethod=1\r\n");
  EXPECT_EQ(test::FilesIn(dir.path()), 1u);  // no temporary file left behind
}

TEST_F(SettingsTest, FailedWriteThroughAMissingFolder) {
  // A folder that cannot hold the temporary file: the write fails and nothing is created.
  const std::string file = dir.File("gone/VESKARO.INI");
  Options o;
  EXPECT_FALSE(WriteOptions(file, o, ws.texts));
  EXPECT_FALSE(DataFileExists(file));
}

TEST(Workspace, TwoWorkspacesAreIndependent) {
  test::ScriptedUi ui1;
  test::ScriptedUi ui2;
  Workspace a(ui1, {2026, 12, 10});
  Workspace b(ui2, {2024, 2, 29});
  a.options.deplram = 12;
  a.session.ReaderSucceeded(DataKind::Crop, "/x/maize.cro");
  a.texts.Replace(Msg::March, "Maart");
  a.climate.MonthETo[3] = 4.5;
  EXPECT_EQ(b.options.deplram, 80);
  EXPECT_EQ(b.session.File(DataKind::Crop), "untitled");
  EXPECT_EQ(MonthName(b.texts, 3), "March");
  EXPECT_EQ(b.climate.MonthETo[3], MissingReal);
  EXPECT_EQ(b.DefaultDate, EncodeDate(2024, 2, 28));
  EXPECT_EQ(a.DefaultDate, EncodeDate(2026, 12, 10));
}

TEST(SessionState, Rules) {
  test::ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SessionState& s = ws.session;
  for (int k = 0; k < kDataKindCount; ++k) {
    EXPECT_EQ(s.Status[static_cast<size_t>(k)], dsNone);
    EXPECT_EQ(s.FileName[static_cast<size_t>(k)], "untitled");
  }
  EXPECT_EQ(s.EtoKind, 0);
  EXPECT_EQ(s.RainKind, 3);
  EXPECT_TRUE(s.CropIsDry);
  EXPECT_TRUE(s.SessionFileName.empty());

  s.ReaderSucceeded(DataKind::Soil, "/in/loam.soi");
  EXPECT_EQ(s.StatusOf(DataKind::Soil), dsSaved);
  s.UserEdited(DataKind::Soil);
  EXPECT_EQ(s.StatusOf(DataKind::Soil), dsChanged);
  s.WriterSucceeded(DataKind::Soil, "/out/soils/loam.soi");
  EXPECT_EQ(s.StatusOf(DataKind::Soil), dsSaved);
  EXPECT_EQ(s.Current(FolderKind::Soil), "/out/soils");
  s.RecordReset(DataKind::Soil);
  EXPECT_EQ(s.StatusOf(DataKind::Soil), dsNone);
  EXPECT_EQ(s.File(DataKind::Soil), "untitled");

  // New data edited but never saved: untitled and changed.
  s.UserEdited(DataKind::Rain);
  EXPECT_EQ(s.File(DataKind::Rain), "untitled");
  EXPECT_EQ(s.StatusOf(DataKind::Rain), dsChanged);

  s.TakeSnapshot();
  s.UpdateSessionChanged();
  EXPECT_EQ(s.SessionChanged, 2);
  s.PlantingDate = EncodeDate(1994, 3, 15);
  s.UpdateSessionChanged();
  EXPECT_EQ(s.SessionChanged, 1);
  s.PlantingDate = 0;
  s.UpdateSessionChanged();
  EXPECT_EQ(s.SessionChanged, 1);  // never back to 2 by the update
  s.TakeSnapshot();
  s.ReaderSucceeded(DataKind::Climate, "/in/station.pem");
  s.UpdateSessionChanged();
  EXPECT_EQ(s.SessionChanged, 1);
}

}  // namespace
}  // namespace vsk

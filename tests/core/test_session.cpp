#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/vskini.h"
#include "core/vsksession.h"
#include "core/vskworkspace.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::ReadText;
using test::ScriptedUi;
using test::TempDir;
using test::WriteText;

const char* KindName(DataKind kind) {
  static const char* names[] = {"climate", "rain", "crop", "soil", "pattern", "schedule"};
  return names[static_cast<int>(kind)];
}

// A program around the session commands that records what it is asked to do. Reads succeed
// (applying the reader's session-state rule) unless the kind is listed in `failing`.
class ScriptedHost : public SessionHost {
 public:
  explicit ScriptedHost(Workspace& ws) : ws_(ws) {}

  bool ReadDataFile(DataKind kind, const std::string& path) override {
    calls.push_back(std::string("read ") + KindName(kind) + " " + path);
    if (failing.count(kind)) {
      ws_.ui.error("cannot read " + path);
      return false;
    }
    ws_.session.ReaderSucceeded(kind, path);
    return true;
  }
  void OpenDataWindow(DataKind kind) override {
    calls.push_back(std::string("window ") + KindName(kind));
    windowsOpen = true;
  }
  bool CloseAllWindows() override {
    calls.push_back("close all");
    if (refuseClose) {
      ws_.session.CloseCancelled = true;
      return false;
    }
    windowsOpen = false;
    return true;
  }
  bool AnyWindowOpen() const override { return windowsOpen; }
  void RunScheduleCommand() override { calls.push_back("schedule command"); }

  std::vector<std::string> calls;
  std::set<DataKind> failing;
  bool windowsOpen = false;
  bool refuseClose = false;

 private:
  Workspace& ws_;
};

struct SessionFixture : ::testing::Test {
  ScriptedUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  ScriptedHost host{ws};
  TempDir dir;

  // Creates an (empty) data file in the temporary folder; the scripted host does not parse it.
  std::string DataFile(const std::string& name) {
    WriteText(dir.File(name), "x");
    return dir.File(name);
  }
  void Loaded(DataKind kind, const std::string& path) { ws.session.ReaderSucceeded(kind, path); }
  std::string SessionText(const std::string& climate, const std::string& crop,
                          const std::string& date) {
    std::string t = "[Session files]\r\nClimate/ETo file=" + climate + "\r\n";
    t += "Rain file=" + DataFile("r.crm") + "\r\n";
    t += "Crop file=" + crop + "\r\n";
    t += "Soil file=untitled\r\nCropping pattern file=untitled\r\nScheduling file=untitled\r\n";
    if (!date.empty()) t += "Planting date=" + date + "\r\n";
    t += "[Rain options]\r\nermethod=2\r\n";
    return t;
  }
};

TEST_F(SessionFixture, SaveAndOpenRoundTrip) {
  const std::string files[] = {DataFile("st.pem"),   DataFile("r.crm"), DataFile("maize.cro"),
                               DataFile("loam.soi"), DataFile("p.pat"), DataFile("s.sch")};
  for (int k = 0; k < kDataKindCount; ++k) Loaded(static_cast<DataKind>(k), files[k]);
  ws.session.PlantingDate = EncodeDate(1994, 3, 15);
  ws.options.ermethod = 2;
  ws.options.timdepl = 55;
  ws.options.userdefpuddlepercrate = 4.5;

  // Right after start-up the session has no file: the dialog is shown and ".SES" appended.
  ui.dialogAnswers.push_back(dir.File("season"));
  ASSERT_TRUE(SaveSession(ws, false));
  const std::string path = dir.File("season.SES");
  EXPECT_EQ(ws.session.SessionFileName, path);
  EXPECT_EQ(ws.session.SessionChanged, 2);
  EXPECT_EQ(ws.session.SavedPlantingDate, ws.session.PlantingDate);
  EXPECT_EQ(ws.session.SessionSnapshot[2], files[2]);
  EXPECT_EQ(ws.session.SessionSnapshot[4], "15/03");
  EXPECT_EQ(ws.session.Current(FolderKind::Session), dir.path());
  ASSERT_EQ(ui.dialogRequests.size(), 1u);
  EXPECT_EQ(ui.dialogRequests[0].filter, "Session files (*.ses)|*.SES");
  EXPECT_EQ(ui.dialogRequests[0].proposedName, "");

  const std::string text = ReadText(path);
  EXPECT_EQ(text.find("[Session files]"), 0u);
  EXPECT_NE(text.find("Cropping pattern file=" + files[4]), std::string::npos);
  EXPECT_NE(text.find("Planting date=15/03/1994"), std::string::npos);
  EXPECT_NE(text.find("[Land preparation options]"), std::string::npos);
  EXPECT_EQ(text.find("[File Locations]"), std::string::npos);
  EXPECT_EQ(text.find("showgeneralinfo"), std::string::npos);

  // A second save goes to the same file without a dialog.
  ws.options.ermethod = 3;
  ASSERT_TRUE(SaveSession(ws, false));
  EXPECT_EQ(ui.dialogRequests.size(), 1u);

  ScriptedUi ui2;
  Workspace ws2(ui2, {2026, 12, 10});
  ScriptedHost host2(ws2);
  ASSERT_TRUE(OpenSession(ws2, host2, path));
  const std::vector<std::string> expected = {
      "close all",       "read climate " + files[0], "window climate", "read rain " + files[1],
      "window rain",     "read soil " + files[3],    "window soil",    "read pattern " + files[4],
      "window pattern",  "read crop " + files[2],    "window crop",    "read schedule " + files[5],
      "schedule command"};
  EXPECT_EQ(host2.calls, expected);
  EXPECT_TRUE(ui2.shown.empty());
  EXPECT_EQ(ws2.options.ermethod, 3);
  EXPECT_EQ(ws2.options.timdepl, 55);
  EXPECT_DOUBLE_EQ(ws2.options.userdefpuddlepercrate, 4.5);
  EXPECT_EQ(ws2.session.PlantingDate, EncodeDate(1994, 3, 15));
  EXPECT_EQ(ws2.session.SavedPlantingDate, EncodeDate(1994, 3, 15));
  EXPECT_TRUE(ws2.session.ScheduleAdjusted);
  EXPECT_TRUE(ws2.session.KeepDataOnClose);
  EXPECT_EQ(ws2.session.SessionFileName, path);
  EXPECT_EQ(ws2.session.SessionChanged, 2);
  EXPECT_EQ(ws2.session.SessionSnapshot, ws.session.SessionSnapshot);
  ws2.session.UpdateSessionChanged();
  EXPECT_EQ(ws2.session.SessionChanged, 2);
  EXPECT_EQ(ws2.session.Current(FolderKind::Crop), dir.path());
}

TEST_F(SessionFixture, SaveDialogLoop) {
  WriteText(dir.File("old.SES"), "keep");
  WriteText(dir.File("notes.txt"), "keep");
  // A ".txt" name is refused even though the file exists; an existing session file is replaced
  // only after Yes (No shows the dialog again); a bare name gets ".SES".
  ui.dialogAnswers = {dir.File("notes.txt"), dir.File("old.SES"), dir.File("old")};
  ui.answers = {Answer::No};
  ui.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(SaveSession(ws, true));
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{
                "Session files (*.ses)|*.SES", "File extension for this file type should be .SES",
                "Session files (*.ses)|*.SES",
                "File " + dir.File("old.SES") + " already exists\rDo you want to replace it?",
                "Session files (*.ses)|*.SES",
                "File " + dir.File("old.SES") + " already exists\rDo you want to replace it?"}));
  EXPECT_EQ(ReadText(dir.File("old.SES")), "keep");
  EXPECT_EQ(ws.session.SessionFileName, "");

  ui.Clear();
  ui.dialogAnswers = {dir.File("old.SES")};
  ui.answers = {Answer::Yes};
  ASSERT_TRUE(SaveSession(ws, true));
  EXPECT_NE(ReadText(dir.File("old.SES")).find("[Session files]"), std::string::npos);
  // Save As proposes the name part of the session file.
  ui.dialogAnswers = {std::nullopt};
  EXPECT_FALSE(SaveSession(ws, true));
  EXPECT_EQ(ui.dialogRequests.back().proposedName, "old.SES");
  EXPECT_EQ(ws.session.SessionFileName, dir.File("old.SES"));
}

TEST(SaveDialog, RequiredExtensionOfTheChosenFilter) {
  struct Case {
    const char* filter;
    int index;
    const char* ext;
  } cases[] = {
      {"Session files (*.ses)|*.SES", 1, ".SES"},
      {"Monthly rain (*.crm)| *.CRM", 1, ".CRM"},
      {"Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf", 1, ".BMP"},
      {"Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf", 2, ".EMF"},
      {"*.txt", 1, ".TXT"},
  };
  for (const Case& c : cases) EXPECT_EQ(RequiredExtension(c.filter, c.index), c.ext) << c.filter;
}

TEST_F(SessionFixture, UntitledChangedDataBlockSaveAndClose) {
  // New climate data not edited yet (untitled, no data) do not block: every kind is "untitled".
  ui.dialogAnswers.push_back(dir.File("a.ses"));
  ASSERT_TRUE(SaveSession(ws, false));
  IniFile ini;
  ASSERT_TRUE(ini.Load(dir.File("a.ses")));
  EXPECT_EQ(ini.ReadString("Session files", "Climate/ETo file", ""), "untitled");
  EXPECT_EQ(ini.ReadString("Session files", "Scheduling file", ""), "untitled");

  ws.session.UserEdited(DataKind::Soil);  // edited, never saved
  ws.session.SessionChanged = 1;
  host.windowsOpen = true;
  const std::string blocked =
      "Current session cannot be saved or closed since some data have still \"untitled\" status";
  EXPECT_FALSE(SaveSession(ws, false));
  EXPECT_FALSE(CloseSession(ws, host));
  EXPECT_EQ(ui.TextsOf("error"), (std::vector<std::string>{blocked, blocked}));
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(ws.session.SessionFileName, dir.File("a.ses"));
}

TEST_F(SessionFixture, FailedWriteKeepsTheSessionState) {
  ws.session.SessionFileName = dir.File("missing-folder/s.ses");
  ws.session.SessionChanged = 1;
  const auto snapshot = ws.session.SessionSnapshot;
  EXPECT_FALSE(SaveSession(ws, false));
  EXPECT_EQ(ui.TextsOf("error"),
            (std::vector<std::string>{"Error writing current session to file " +
                                      dir.File("missing-folder/s.ses")}));
  EXPECT_EQ(ws.session.SessionChanged, 1);
  EXPECT_EQ(ws.session.SessionSnapshot, snapshot);
}

TEST_F(SessionFixture, CloseSessionQuestion) {
  const std::string path = dir.File("cur.ses");
  ws.session.SessionFileName = path;
  ws.session.SessionChanged = 1;
  host.windowsOpen = true;

  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(CloseSession(ws, host));
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(ws.session.SessionFileName, path);

  // Yes saves to the session file first, then closes the windows.
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(CloseSession(ws, host));
  EXPECT_TRUE(DataFileExists(path));
  EXPECT_EQ(host.calls, std::vector<std::string>{"close all"});
  EXPECT_EQ(ws.session.SessionFileName, "untitled");

  // No question without a change or without windows; a refused close gives false.
  ui.Clear();
  host.windowsOpen = true;
  host.refuseClose = true;
  EXPECT_FALSE(CloseSession(ws, host));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(ws.session.SessionFileName, "untitled");
  EXPECT_TRUE(ws.session.CloseCancelled);

  // No: closes without saving.
  host.refuseClose = false;
  ws.session.SessionChanged = 1;
  ui.answers = {Answer::No};
  EXPECT_TRUE(CloseSession(ws, host));
}

TEST_F(SessionFixture, CancelAtSaveChangesLeavesTheSessionOpen) {
  const std::string ses = dir.File("other.ses");
  WriteText(ses, SessionText(DataFile("c.pem"), "untitled", "01/05/1994"));
  ws.session.SessionFileName = dir.File("cur.ses");
  ws.session.SessionChanged = 1;
  ws.options.ermethod = 4;
  host.windowsOpen = true;
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(OpenSession(ws, host, ses));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Save changes to this session?"});
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(ws.session.SessionFileName, dir.File("cur.ses"));
  EXPECT_EQ(ws.session.SessionChanged, 1);
  EXPECT_EQ(ws.options.ermethod, 4);
}

TEST_F(SessionFixture, MovedCropFileAnsweredNo) {
  const std::string climate = DataFile("c.pem");
  const std::string moved = dir.File("gone/maize.cro");
  const std::string ses = dir.File("s.ses");
  WriteText(ses, SessionText(climate, moved, "10/04/1994"));
  ws.session.PlantingDate = EncodeDate(1994, 2, 2);
  ui.answers = {Answer::No};
  ASSERT_TRUE(OpenSession(ws, host, ses));
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"close all", "read climate " + climate, "window climate",
                                      "read rain " + dir.File("r.crm"), "window rain"}));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{
                            "Could not find Dry crop file " + moved +
                            "\rDo you want to look for this or another Dry crop file yourself ?"});
  EXPECT_EQ(ws.session.PlantingDate, EncodeDate(1994, 2, 2));
  EXPECT_EQ(ws.session.SessionPlantingDate, EncodeDate(1994, 4, 10));
  EXPECT_EQ(ws.options.ermethod, 2);

  // Yes: the file chosen in the dialog is read instead and the session is marked changed at the
  // next status update.
  const std::string found = DataFile("maize.cro");
  ui.Clear();
  host.calls.clear();
  ui.answers = {Answer::Yes};
  ui.dialogAnswers = {found};
  ASSERT_TRUE(OpenSession(ws, host, ses));
  EXPECT_EQ(host.calls.back(), "window crop");
  EXPECT_EQ(host.calls[host.calls.size() - 2], "read crop " + found);
  EXPECT_EQ(ui.dialogRequests.back().filter, "Crop files (*.cro)|*.CRO");
  EXPECT_EQ(ui.dialogRequests.back().initialDir, dir.File("gone"));
  EXPECT_EQ(ui.dialogRequests.back().proposedName, "");
  EXPECT_EQ(ws.session.PlantingDate, EncodeDate(1994, 4, 10));
  EXPECT_EQ(ws.session.Current(FolderKind::Crop), dir.path());
  EXPECT_EQ(ws.session.SessionChanged, 2);
  ws.session.UpdateSessionChanged();
  EXPECT_EQ(ws.session.SessionChanged, 1);
}

TEST_F(SessionFixture, MissingFilesAndFailedReads) {
  // Missing pattern declined (the session folder still moves to its folder), soil read fails
  // (its window stays closed, loading goes on), missing schedule declined ends the loading.
  const std::string ses = dir.File("s.ses");
  const std::string soil = DataFile("loam.soi");
  const std::string crop = DataFile("rice.cro");
  std::string t = "[session FILES]\nCrop file=" + crop + "\nSoil file=\"" + soil + "\"\n";
  t += "Cropping pattern file=" + dir.File("pats/p.pat") +
       "\nScheduling file=" + dir.File("sch/s.sch") + "\nPlanting date=05/06/1994\n";
  WriteText(ses, t);
  host.failing = {DataKind::Soil};
  ui.answers = {Answer::No, Answer::No};
  ASSERT_TRUE(OpenSession(ws, host, ses));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"close all", "read soil " + soil,
                                                  "read crop " + crop, "window crop"}));
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{
                "cannot read " + soil,
                "Could not find Cropping pattern file " + dir.File("pats/p.pat") +
                    "\rDo you want to look for this or another Cropping pattern file yourself ?",
                "Could not find Schedule file " + dir.File("sch/s.sch") +
                    "\rDo you want to look for this or another Schedule file yourself ?"}));
  EXPECT_EQ(ws.session.Current(FolderKind::Session), dir.File("pats"));
  EXPECT_FALSE(ws.session.ScheduleAdjusted);
  EXPECT_EQ(ws.session.SessionSnapshot[3], soil);
  EXPECT_EQ(ws.session.SessionSnapshot[0], "untitled");
}

TEST_F(SessionFixture, PlantingDateOfTheSessionFile) {
  struct Case {
    const char* value;  // nullptr: no key
    DateSerial expected;
  } cases[] = {
      {"15/03/1994", EncodeDate(1994, 3, 15)},
      {"15/03", EncodeDate(1994, 3, 15)},
      {nullptr, EncodeDate(1994, 1, 1)},
      {"29/02/1994", EncodeDate(2026, 12, 10)},  // the default date
      {"3/4/1994", EncodeDate(2026, 12, 10)},    // "3/4/1" does not parse
  };
  for (const Case& c : cases) {
    IniFile ini;
    ini.LoadText(std::string("[Session files]\nCrop file=x.cro\n") +
                 (c.value ? std::string("Planting date=") + c.value + "\n" : std::string()));
    SessionFileNames names;
    ASSERT_TRUE(ReadSessionSection(ws, ini, names));
    EXPECT_EQ(ws.session.SessionPlantingDate, c.expected) << (c.value ? c.value : "(none)");
    EXPECT_EQ(names[static_cast<int>(DataKind::Crop)], "x.cro");
    EXPECT_EQ(names[static_cast<int>(DataKind::Rain)], "untitled");
  }
}

TEST_F(SessionFixture, UnreadableSessionFiles) {
  WriteText(dir.File("notes.ses"), "[Rain options]\r\nermethod=1\r\n");
  ws.options.ermethod = 3;
  const std::string paths[] = {dir.File("none.ses"), dir.File("notes.ses"), dir.path()};
  for (const std::string& p : paths) {
    ui.Clear();
    host.calls.clear();
    EXPECT_FALSE(OpenSession(ws, host, p));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Error reading session from file " + p});
    // The previous session is closed already; nothing is loaded and the options stay.
    EXPECT_EQ(host.calls, std::vector<std::string>{"close all"});
    EXPECT_EQ(ws.session.SessionFileName, "untitled");
    EXPECT_EQ(ws.options.ermethod, 3);
  }
}

TEST_F(SessionFixture, OpenSessionThroughTheDialog) {
  const std::string ses = dir.File("d.ses");
  WriteText(ses, SessionText("untitled", "untitled", ""));
  ws.session.Current(FolderKind::Session) = "/start/here";
  ui.dialogAnswers = {std::nullopt, ses};
  EXPECT_FALSE(OpenSession(ws, host));
  EXPECT_TRUE(host.calls.empty());
  ASSERT_TRUE(OpenSession(ws, host));
  EXPECT_EQ(ui.dialogRequests[0].initialDir, "/start/here");
  EXPECT_EQ(ui.dialogRequests[0].filter, "Session files (*.ses)|*.SES");
  EXPECT_EQ(ws.session.Current(FolderKind::Session), dir.path());
  EXPECT_EQ(ws.session.SessionFileName, ses);
}

}  // namespace
}  // namespace vsk

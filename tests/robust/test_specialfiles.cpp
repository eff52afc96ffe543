// Every reader refuses what is not a regular file: a folder and a named pipe under a data
// file's name give the reader's open error at once (a pipe would otherwise wait for a writer
// for ever), and the workspace keeps its data.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "climate/vskclimatefile.h"
#include "core/vskglobal.h"
#include "core/vskini.h"
#include "core/vsksettings.h"
#include "crop/vskcropsoilcalc.h"
#include "rain/vskraincalc.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "scheme/vskpatterncalc.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::ScriptedUi;
using test::TempDir;

const std::string kOpenError = "Error opening file %s\rProbable cause: file does not exist";

struct ReaderCase {
  std::string name;
  std::string fileName;
  std::function<bool(Workspace&, const std::string&)> read;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<ReaderCase> Readers() {
  return {
      {"Climate", "station.PED",
       [](Workspace& ws, const std::string& p) { return ReadClimateFile(ws, p); }},
      {"Rain", "rain.CRD", [](Workspace& ws, const std::string& p) { return ReadRainFile(ws, p); }},
      {"Crop", "crop.CRO", [](Workspace& ws, const std::string& p) { return ReadCropFile(ws, p); }},
      {"Soil", "soil.SOI", [](Workspace& ws, const std::string& p) { return ReadSoilFile(ws, p); }},
      {"DrySchedule", "dry.SCH",
       [](Workspace& ws, const std::string& p) { return ReadScheduleFile(ws, p); }},
      {"RiceSchedule", "rice.SCH",
       [](Workspace& ws, const std::string& p) { return ReadRiceScheduleFile(ws, p); }},
      {"Pattern", "scheme.PAT",
       [](Workspace& ws, const std::string& p) { return ReadPatternFile(ws, p); }},
  };
}

// Ends the test program when a read does not come back: a failure instead of a hang.
class Watchdog {
 public:
  Watchdog() { ::alarm(20); }
  ~Watchdog() { ::alarm(0); }
};

class SpecialFile : public testing::TestWithParam<ReaderCase> {};

TEST_P(SpecialFile, IsRefusedAtOnce) {
  const ReaderCase& c = GetParam();
  TempDir dir;
  const std::string folder = dir.File("folder-" + c.fileName);
  const std::string pipe = dir.File("pipe-" + c.fileName);
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {folder, pipe}) {
    SCOPED_TRACE(path);
    ScriptedUi ui;
    Workspace ws(ui, {2026, 12, 10});
    Watchdog watchdog;
    EXPECT_FALSE(c.read(ws, path));
    EXPECT_EQ(ui.TextsOf("error"), std::vector<std::string>{FormatText(kOpenError, {path})});
    EXPECT_FALSE(DataFileExists(path));
  }
}

INSTANTIATE_TEST_SUITE_P(AllReaders, SpecialFile, testing::ValuesIn(Readers()),
                         [](const testing::TestParamInfo<ReaderCase>& info) {
                           return info.param.name;
                         });

// The settings file: a pipe in its place reads as no settings file (the defaults).
TEST(SpecialFile, SettingsPipeGivesTheDefaults) {
  TempDir dir;
  const std::string pipe = dir.File("VESKARO.INI");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const Texts texts;
  Options options;
  options.deplram = 7;
  Watchdog watchdog;
  EXPECT_TRUE(ReadOptions(pipe, options, false, false, texts));
  EXPECT_EQ(options.deplram, Options().deplram);
}

}  // namespace
}  // namespace vsk

// Session files (.SES): the data files that belong together, the planting date and the options,
// and the three session commands of the File menu (save, close, open). The data files are read
// by the modules of their kinds through a SessionHost; the session only names them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/vskini.h"
#include "core/vsksessionstate.h"
#include "core/vskui.h"

namespace vsk {

struct Workspace;

// What the session commands need from the program around them. The desktop program implements
// it with its readers and windows; the command line with the readers alone.
class SessionHost {
 public:
  virtual ~SessionHost() = default;
  // Reads a data file with the reader of its kind, which shows its own messages and applies the
  // session-state rules. Crop: into the session crop (dry or rice by the file), resetting it on
  // failure; schedule: the dry-crop or the rice reader by CropIsDry.
  virtual bool ReadDataFile(DataKind kind, const std::string& path) = 0;
  // Opens, or brings to the front, the input window of a kind that was just read: climate/ETo
  // for EtoKind with reload, rain for RainKind, crop for CropIsDry, soil, cropping pattern.
  virtual void OpenDataWindow(DataKind kind) = 0;
  // Closes every child window (schedule, CWR and scheme windows first), each asking its own save
  // question. False when a window refused to close.
  virtual bool CloseAllWindows() = 0;
  virtual bool AnyWindowOpen() const = 0;
  // The Schedule module button: opens the schedule window of the crop's kind.
  virtual void RunScheduleCommand() = 0;
};

// The six file names of a session, indexed by DataKind ("untitled" when not given).
using SessionFileNames = std::array<std::string, kDataKindCount>;

// The untitled rule: data created in the program and changed but never saved ("untitled" and
// dsChanged) block saving and closing the session. Shows the message and gives false then.
bool UntitledDataAllowSession(Workspace& ws);

// The save dialog of every data file and of the session: shown until the user chooses a name
// that has the required extension and may be written, or cancels (nullopt). The required
// extension is the last four characters of the chosen filter pair, upper-cased (".SES"); a name
// without extension gets it appended; another extension gives "File extension for this file
// type should be %s" and the dialog again. An existing file is replaced only after Yes to
// "File %s already exists..." (No: the dialog again; Cancel: nullopt), unless askReplace is off.
std::optional<std::string> AskSaveFileName(Workspace& ws, FileDialogRequest request,
                                           bool askReplace = true);
// The required extension of a save dialog's filter pair (1-based), upper-cased.
std::string RequiredExtension(std::string_view filter, int filterIndex = 1);

// Writes the "Session files" section: the six current file names and the planting date.
void WriteSessionSection(const Workspace& ws, IniFile& ini);
// Reads the "Session files" section into the names to load and SessionPlantingDate (DefaultDate
// when the date does not parse). False when the file has no such section.
bool ReadSessionSection(Workspace& ws, const IniFile& ini, SessionFileNames& names);

// Asks whether to look for a data file that is missing and lets the user choose one. True and
// `path` replaced when a file was chosen.
bool FindMissingFile(Workspace& ws, std::string& path, std::string_view kindWord,
                     std::string_view filter, int filterIndex = 1);

// Save Session (saveAs false) and Save Session As (true). True when the session was written.
bool SaveSession(Workspace& ws, bool saveAs);
// New Session and Close Session. True when the session was closed (all windows closed).
bool CloseSession(Workspace& ws, SessionHost& host);
// Open Session: from `path`, or from a file chosen in a dialog when `path` is empty. True when
// the session file was read; listed data files may still have been skipped or failed.
bool OpenSession(Workspace& ws, SessionHost& host, const std::string& path = {});

}  // namespace vsk

#include "core/vsksession.h"

#include "core/vskdatafile.h"
#include "core/vskglobal.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

// File keys of the session section, by DataKind.
constexpr Msg kFileKeys[kDataKindCount] = {Msg::SesKeyClimate, Msg::SesKeyRain,
                                           Msg::SesKeyCrop,    Msg::SesKeySoil,
                                           Msg::SesKeyPattern, Msg::SesKeySchedule};

bool IsUntitled(const std::string& name) {
  return name.empty() || name == kUntitled;
}

std::string Cut100(const std::string& s) {
  return s.substr(0, 100);
}

// The pattern of filter pair `index` (1-based): "Session files (*.ses)|*.SES" -> "*.SES".
std::string_view FilterPattern(std::string_view filter, int index) {
  std::size_t start = 0;
  for (int field = 1; field < 2 * index; ++field) {
    const std::size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) return {};
    start = bar + 1;
  }
  const std::size_t end = filter.find('|', start);
  return filter.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

bool WriteSessionFile(const Workspace& ws, const std::string& path) {
  IniFile ini;
  WriteSessionSection(ws, ini);
  WriteOptionsTo(ini, ws.options, ws.texts);
  return ini.Save(path);
}

}  // namespace

bool UntitledDataAllowSession(Workspace& ws) {
  for (int k = 0; k < kDataKindCount; ++k) {
    const auto kind = static_cast<DataKind>(k);
    if (ws.session.File(kind) == kUntitled && ws.session.StatusOf(kind) == dsChanged) {
      ws.error(Msg::SesUntitledData);
      return false;
    }
  }
  return true;
}

std::string RequiredExtension(std::string_view filter, int filterIndex) {
  std::string_view pattern = FilterPattern(filter, filterIndex);
  if (pattern.empty()) pattern = filter;  // a filter without pairs: its own last characters
  return UpperCase(pattern.size() > 4 ? pattern.substr(pattern.size() - 4) : pattern);
}

std::optional<std::string> AskSaveFileName(Workspace& ws, FileDialogRequest request,
                                           bool askReplace) {
  for (;;) {
    const auto chosen = ws.ui.saveFileDialog(request);
    if (!chosen || chosen->path.empty()) return std::nullopt;
    const std::string required = RequiredExtension(request.filter, chosen->filterIndex);
    std::string path = chosen->path;
    const std::string ext = FileExtension(path);
    request.filterIndex = chosen->filterIndex;
    request.initialDir = FileFolder(path);
    request.proposedName = FileNameOnly(path);
    if (ext.empty()) {
      path += required;
    } else if (UpperCase(ext) != required) {
      ws.ui.error(FormatText(ws.text(Msg::SesWrongExtension), {required}));
      continue;
    }
    if (askReplace && DataFileExists(path)) {
      const Answer a = ws.ui.ask(AskKind::Warning, FormatText(ws.text(Msg::SesFileExists), {path}),
                                 Buttons::YesNoCancel);
      if (a == Answer::No) continue;
      if (a != Answer::Yes) return std::nullopt;
    }
    return path;
  }
}

void WriteSessionSection(const Workspace& ws, IniFile& ini) {
  const std::string section(ws.text(Msg::SesSection));
  for (int k = 0; k < kDataKindCount; ++k)
    ini.WriteString(section, ws.text(kFileKeys[k]), ws.session.File(static_cast<DataKind>(k)));
  ini.WriteString(section, ws.text(Msg::SesKeyPlantingDate),
                  FormatDayMonth(ws.session.PlantingDate) + "/1994");
}

bool ReadSessionSection(Workspace& ws, const IniFile& ini, SessionFileNames& names) {
  const std::string section(ws.text(Msg::SesSection));
  if (!ini.HasSection(section)) return false;
  for (int k = 0; k < kDataKindCount; ++k)
    names[static_cast<size_t>(k)] = ini.ReadString(section, ws.text(kFileKeys[k]), kUntitled);
  const std::string date = ini.ReadString(section, ws.text(Msg::SesKeyPlantingDate), "01/01");
  const auto parsed = ParseDayMonth(std::string_view(date).substr(0, 5));
  ws.session.SessionPlantingDate = parsed ? *parsed : ws.DefaultDate;
  return true;
}

bool FindMissingFile(Workspace& ws, std::string& path, std::string_view kindWord,
                     std::string_view filter, int filterIndex) {
  const std::string question = FormatText(ws.text(Msg::SesMissingFile), {kindWord, path, kindWord});
  if (ws.ui.ask(AskKind::Warning, question, Buttons::YesNo) != Answer::Yes) return false;
  FileDialogRequest request;
  request.filter = std::string(filter);
  request.filterIndex = filterIndex;
  request.initialDir = FileFolder(path);
  request.mustExist = true;
  const auto chosen = ws.ui.openFileDialog(request);
  if (!chosen || chosen->path.empty()) return false;
  path = chosen->path;
  return true;
}

bool SaveSession(Workspace& ws, bool saveAs) {
  if (!UntitledDataAllowSession(ws)) return false;
  SessionState& s = ws.session;
  std::string path;
  if (!saveAs && !IsUntitled(s.SessionFileName)) {
    path = s.SessionFileName;
  } else {
    FileDialogRequest request;
    request.filter = std::string(ws.text(Msg::SesFilter));
    request.initialDir = s.Current(FolderKind::Session);
    if (!IsUntitled(s.SessionFileName)) request.proposedName = FileNameOnly(s.SessionFileName);
    request.mustExist = false;
    const auto chosen = AskSaveFileName(ws, request);
    if (!chosen) return false;
    path = *chosen;
  }
  s.Current(FolderKind::Session) = FileFolder(path);
  if (!WriteSessionFile(ws, path)) {
    ws.ui.error(FormatText(ws.text(Msg::SesWriteError), {path}));
    return false;
  }
  s.SessionFileName = path;
  s.TakeSnapshot();
  return true;
}

bool CloseSession(Workspace& ws, SessionHost& host) {
  if (!UntitledDataAllowSession(ws)) return false;
  SessionState& s = ws.session;
  if (s.SessionChanged == 1 && host.AnyWindowOpen()) {
    const Answer a =
        ws.ui.ask(AskKind::Warning, ws.text(Msg::SesSaveChanges), Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes && !SaveSession(ws, false)) return false;
  }
  s.SessionFileName = kUntitled;
  s.CloseCancelled = false;
  const bool closed = host.CloseAllWindows();
  return closed && !s.CloseCancelled;
}

bool OpenSession(Workspace& ws, SessionHost& host, const std::string& givenPath) {
  SessionState& s = ws.session;
  std::string path = givenPath;
  if (path.empty()) {
    FileDialogRequest request;
    request.filter = std::string(ws.text(Msg::SesFilter));
    request.initialDir = s.Current(FolderKind::Session);
    request.mustExist = true;
    const auto chosen = ws.ui.openFileDialog(request);
    if (!chosen || chosen->path.empty()) return false;
    path = chosen->path;
  }
  if (!CloseSession(ws, host)) return false;

  // The file is read once; its session section and its options come from the same text.
  SessionFileNames names;
  std::string content;
  bool ok = ReadWholeFile(path, content);
  IniFile ini;
  if (ok) {
    ini.LoadText(content);
    ok = ReadSessionSection(ws, ini, names);
  }
  if (ok) ReadOptionsFrom(ini, path, ws.options, false, false, ws.texts);
  if (!ok) {
    ws.ui.error(FormatText(ws.text(Msg::SesReadError), {path}));
    return false;
  }

  s.SessionFileName = path;
  s.Current(FolderKind::Session) = FileFolder(path);
  s.SessionChanged = 2;
  s.SessionSnapshot = {Cut100(names[0]),
                       Cut100(names[1]),
                       Cut100(names[2]),
                       Cut100(names[3]),
                       FormatDayMonth(s.SessionPlantingDate),
                       Cut100(names[4]),
                       Cut100(names[5])};
  s.SavedPlantingDate = s.PlantingDate;

  s.KeepDataOnClose = false;
  auto name = [&](DataKind kind) -> std::string& { return names[static_cast<size_t>(kind)]; };
  // Climate/ETo, rain and soil: a missing file may be replaced by the user or skipped.
  struct Step {
    DataKind kind;
    FolderKind folder;
    Msg word;
    Msg filter;
    int filterIndex;
  };
  constexpr Step kFirst[] = {
      {DataKind::Climate, FolderKind::Climate, Msg::SesWordETo, Msg::SesClimateFilter, 7},
      {DataKind::Rain, FolderKind::Rain, Msg::SesWordRain, Msg::SesRainFilter, 4},
      {DataKind::Soil, FolderKind::Soil, Msg::SesWordSoil, Msg::SesSoilFilter, 1},
  };
  auto available = [&](std::string& file, Msg word, Msg filter, int index) {
    return DataFileExists(file) || FindMissingFile(ws, file, ws.text(word), ws.text(filter), index);
  };
  for (const Step& step : kFirst) {
    std::string& file = name(step.kind);
    if (file == kUntitled) continue;
    if (!available(file, step.word, step.filter, step.filterIndex)) continue;
    s.Current(step.folder) = FileFolder(file);
    if (host.ReadDataFile(step.kind, file)) host.OpenDataWindow(step.kind);
  }

  // Cropping pattern: its folder becomes the session folder before it is looked for.
  if (std::string& file = name(DataKind::Pattern); file != kUntitled) {
    s.Current(FolderKind::Session) = FileFolder(file);
    if (available(file, Msg::SesWordPattern, Msg::SesPatternFilter, 1) &&
        host.ReadDataFile(DataKind::Pattern, file))
      host.OpenDataWindow(DataKind::Pattern);
  }

  // Crop: the session's planting date comes with it.
  if (std::string& file = name(DataKind::Crop); file != kUntitled) {
    if (available(file, Msg::SesWordCrop, Msg::SesCropFilter, 1)) {
      s.Current(FolderKind::Crop) = FileFolder(file);
      if (host.ReadDataFile(DataKind::Crop, file)) {
        s.PlantingDate = s.SessionPlantingDate;
        s.SavedPlantingDate = s.SessionPlantingDate;
        host.OpenDataWindow(DataKind::Crop);
      }
    }
  }

  // Schedule: read into an adjusted schedule and shown by the Schedule command.
  if (std::string& file = name(DataKind::Schedule); file != kUntitled) {
    if (available(file, Msg::SesWordSchedule, Msg::SesScheduleFilter, 1)) {
      s.Current(FolderKind::Session) = FileFolder(file);
      if (host.ReadDataFile(DataKind::Schedule, file)) {
        s.ScheduleAdjusted = true;
        host.RunScheduleCommand();
      }
    }
  }

  s.KeepDataOnClose = true;
  return true;
}

}  // namespace vsk

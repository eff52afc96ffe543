// Which data set of each kind is loaded, where it came from and whether it changed, the
// session-file bookkeeping, a few shared flags and the default and current folders.
#pragma once

#include <array>
#include <string>

#include "core/vskglobal.h"
#include "core/vskoptions.h"

namespace vsk {

enum class DataKind : int { Climate = 0, Rain, Crop, Soil, Pattern, Schedule };
inline constexpr int kDataKindCount = 6;

enum DataStatus : byte { dsNone = 0, dsChanged = 1, dsSaved = 2 };

// Folders kept per kind of file.
enum class FolderKind : int { Climate = 0, Rain, Crop, Soil, Reports, Session };
inline constexpr int kFolderKindCount = 6;

inline constexpr const char* kUntitled = "untitled";

struct SessionState {
  std::array<std::string, kDataKindCount> FileName;
  std::array<byte, kDataKindCount> Status{};
  byte EtoKind = 0;   // 1..6, 0 = none
  byte RainKind = 3;  // 1 daily, 2 decade, 3 monthly
  bool CropIsDry = true;
  DateSerial PlantingDate = 0;
  DateSerial SessionPlantingDate = 0;
  DateSerial SavedPlantingDate = 0;
  std::string SessionFileName;
  byte SessionChanged = 2;
  // ETo, rain, crop and soil file names, planting date text, pattern and schedule file names.
  std::array<std::string, 7> SessionSnapshot;
  bool KeepDataOnClose = true;
  bool CloseCancelled = false;
  bool ScheduleAdjusted = false;
  bool ChartShowsEto = true;
  std::array<std::string, kFolderKindCount> DefaultFolder;
  std::array<std::string, kFolderKindCount> CurrentFolder;

  SessionState();

  std::string& File(DataKind kind) { return FileName[static_cast<int>(kind)]; }
  const std::string& File(DataKind kind) const { return FileName[static_cast<int>(kind)]; }
  byte& StatusOf(DataKind kind) { return Status[static_cast<int>(kind)]; }
  byte StatusOf(DataKind kind) const { return Status[static_cast<int>(kind)]; }
  bool HasData(DataKind kind) const { return StatusOf(kind) != dsNone; }
  std::string& Current(FolderKind kind) { return CurrentFolder[static_cast<int>(kind)]; }
  std::string& Default(FolderKind kind) { return DefaultFolder[static_cast<int>(kind)]; }

  // The rules that every module follows.
  void ReaderSucceeded(DataKind kind, const std::string& path);
  void WriterSucceeded(DataKind kind, const std::string& path);
  void FileChosen(DataKind kind, const std::string& path);  // through an open dialog
  void RecordReset(DataKind kind);
  void UserEdited(DataKind kind);
  // The state at start-up (all kinds reset, snapshot taken).
  void StartUp(const Options& options);
  // A session file was saved or opened.
  void TakeSnapshot();
  // The periodic status update: marks the session changed when a name or the planting
  // date differs from the snapshot. Never sets it back.
  void UpdateSessionChanged();
  // The six current file names and the planting date in snapshot order.
  std::array<std::string, 7> CurrentSnapshot() const;
};

// The folder kind in which files of a data kind are looked for and saved.
FolderKind FolderOf(DataKind kind);

}  // namespace vsk

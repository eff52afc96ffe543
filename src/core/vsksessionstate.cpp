#include "core/vsksessionstate.h"

namespace vsk {

SessionState::SessionState() {
  FileName.fill(kUntitled);
  SessionSnapshot = CurrentSnapshot();
}

FolderKind FolderOf(DataKind kind) {
  switch (kind) {
    case DataKind::Climate:
      return FolderKind::Climate;
    case DataKind::Rain:
      return FolderKind::Rain;
    case DataKind::Crop:
      return FolderKind::Crop;
    case DataKind::Soil:
      return FolderKind::Soil;
    case DataKind::Pattern:
    case DataKind::Schedule:
      return FolderKind::Session;
  }
  return FolderKind::Session;
}

void SessionState::ReaderSucceeded(DataKind kind, const std::string& path) {
  File(kind) = path;
  StatusOf(kind) = dsSaved;
}

void SessionState::WriterSucceeded(DataKind kind, const std::string& path) {
  File(kind) = path;
  StatusOf(kind) = dsSaved;
  Current(FolderOf(kind)) = FileFolder(path);
}

void SessionState::FileChosen(DataKind kind, const std::string& path) {
  Current(FolderOf(kind)) = FileFolder(path);
}

void SessionState::RecordReset(DataKind kind) {
  StatusOf(kind) = dsNone;
  File(kind) = kUntitled;
}

void SessionState::UserEdited(DataKind kind) {
  StatusOf(kind) = dsChanged;
}

void SessionState::StartUp(const Options& options) {
  for (int k = 0; k < kDataKindCount; ++k) RecordReset(static_cast<DataKind>(k));
  EtoKind = 0;
  RainKind = options.newraintype;
  CropIsDry = options.newcropnotrice;
  PlantingDate = 0;
  SavedPlantingDate = 0;
  SessionFileName.clear();
  SessionChanged = 2;
  KeepDataOnClose = true;
  CloseCancelled = false;
  ScheduleAdjusted = false;
  SessionSnapshot = CurrentSnapshot();
}

std::array<std::string, 7> SessionState::CurrentSnapshot() const {
  auto cut = [](const std::string& s) { return s.substr(0, 100); };
  return {cut(File(DataKind::Climate)), cut(File(DataKind::Rain)),    cut(File(DataKind::Crop)),
          cut(File(DataKind::Soil)),    FormatDayMonth(PlantingDate), cut(File(DataKind::Pattern)),
          cut(File(DataKind::Schedule))};
}

void SessionState::TakeSnapshot() {
  SessionSnapshot = CurrentSnapshot();
  SavedPlantingDate = PlantingDate;
  SessionChanged = 2;
}

void SessionState::UpdateSessionChanged() {
  const auto now = CurrentSnapshot();
  for (int i = 0; i < 7; ++i) {
    if (i == 4) continue;  // the planting date is compared as a date below
    if (now[static_cast<size_t>(i)] != SessionSnapshot[static_cast<size_t>(i)]) SessionChanged = 1;
  }
  if (PlantingDate != SavedPlantingDate) SessionChanged = 1;
}

}  // namespace vsk

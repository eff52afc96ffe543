// The session host of the command line: the data files of a session are read
// with the real readers of every module, and a window that the desktop program
// would open only recomputes what that window computes on opening. Nothing is
// shown and no window exists.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/vsksession.h"
#include "core/vskworkspace.h"

namespace vsk {

class SessionLoader : public SessionHost {
 public:
  explicit SessionLoader(Workspace& ws) : ws_(ws) {}

  // Climate/ETo, rain, soil and crop files through their open functions (a
  // failed read resets the kind); the cropping pattern with its crop files; a
  // schedule file with the dry-crop or the rice reader after the session crop's
  // kind.
  bool ReadDataFile(DataKind kind, const std::string& path) override;
  // Climate/ETo: the tables recomputed as the climate/ETo window does after
  // opening; rain: the sums and effective rain as the rain window does; other
  // kinds: nothing to compute.
  void OpenDataWindow(DataKind kind) override;
  bool CloseAllWindows() override { return true; }
  bool AnyWindowOpen() const override { return false; }
  void RunScheduleCommand() override { scheduleRequested_ = true; }

  // The kinds read successfully, in the order they were read.
  const std::vector<DataKind>& Loaded() const { return loaded_; }
  // A schedule file was read: the schedule replays its irrigations.
  bool ScheduleRequested() const { return scheduleRequested_; }
  // Where the file of a kind failed to read ("line 7: \"12x\""), for the command line; empty
  // when the kind did not fail or its reader gives no location.
  const std::string& FailureDetail(DataKind kind) const {
    return details_[static_cast<size_t>(kind)];
  }

 private:
  Workspace& ws_;
  std::vector<DataKind> loaded_;
  bool scheduleRequested_ = false;
  std::array<std::string, kDataKindCount> details_;
};

}  // namespace vsk

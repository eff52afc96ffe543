// The irrigation event list shared by the dry-crop and rice balances, and the user-defined
// timing and depth tables. Tables are 1-based; index 0 is unused.
#pragma once

#include "core/vskglobal.h"

namespace vsk {

inline constexpr int kMaxEvents = 370;

struct IrrigationEvents {
  int IrrEventDay[kMaxEvents + 1];       // day numbers, MissingInt when empty
  double IrrEventDepth[kMaxEvents + 1];  // net depths in mm, MissingReal when empty
  int IrrCount = 0;                      // irrigations of the last run (not limited)

  IrrigationEvents() { Clear(); }
  void Clear() {
    for (int& v : IrrEventDay) v = MissingInt;
    for (double& v : IrrEventDepth) v = MissingReal;
    IrrCount = 0;
  }
  // Entry k (1-based); beyond the table a missing entry.
  int DayAt(int k) const { return k >= 1 && k <= kMaxEvents ? IrrEventDay[k] : MissingInt; }
  double DepthAt(int k) const { return k >= 1 && k <= kMaxEvents ? IrrEventDepth[k] : MissingReal; }
};

struct UserIrrigationTables {
  int UserIrrDay[kMaxEvents + 1];    // day numbers after planting, MissingInt ends the list
  int UserIrrDepth[kMaxEvents + 1];  // net depths in mm, MissingInt = as the previous one

  UserIrrigationTables() {
    for (int& v : UserIrrDay) v = MissingInt;
    for (int& v : UserIrrDepth) v = MissingInt;
  }
  int DayAt(int k) const { return k >= 1 && k <= kMaxEvents ? UserIrrDay[k] : MissingInt; }
  int DepthAt(int k) const { return k >= 1 && k <= kMaxEvents ? UserIrrDepth[k] : MissingInt; }
};

}  // namespace vsk

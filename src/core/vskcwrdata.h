// Results of the crop water requirement calculation, rewritten by every run.
#pragma once

#include <string>
#include <vector>

#include "core/vskglobal.h"

namespace vsk {

struct TCwrRow {
  int Month = 0;       // 1..12
  int Decade = 0;      // 1..3
  int SeasonDays = 0;  // season days in the decade, 1..11
  std::string Stage;   // stage text of the last season day in the decade
  int LastDay = 0;     // day of the month of that day
  int DayNumber = 0;   // its day number from planting (<= 0 for rice before transplanting)
  int AreaPercent = 100;
};

struct CwrResults {
  int StageEnd[5] = {0, 0, 0, 0, 0};  // [1..4]
  int RiceNurseryDays = 0;
  int RiceLandPrepDays = 0;
  int RicePuddlingDays = 0;
  int RiceNurseryOnlyDays = 0;
  double DayKc[13][32];
  double DayETc[13][32];  // mm/day
  double DecadeKc[13][4];
  double DecadeETc[13][4];     // mm/day
  double DecadeIrrReq[13][4];  // mm per decade
  std::vector<TCwrRow> CwrRows;

  CwrResults() {
    for (auto& m : DayKc)
      for (double& v : m) v = MissingReal;
    for (auto& m : DayETc)
      for (double& v : m) v = MissingReal;
    for (auto& m : DecadeKc)
      for (double& v : m) v = MissingReal;
    for (auto& m : DecadeETc)
      for (double& v : m) v = MissingReal;
    for (auto& m : DecadeIrrReq)
      for (double& v : m) v = 0;
  }
  int CwrRowCount() const { return static_cast<int>(CwrRows.size()); }
};

}  // namespace vsk

// The rain record. Arrays keep the calendar's 1-based indices; index 0 is unused.
// All rain values are mm per period.
#pragma once

#include <string>

#include "core/vskglobal.h"

namespace vsk {

struct TRainData {
  std::string RainStation;  // at most 20 characters
  double DayRain[13][32];
  double DecadeRain[13][4];
  double MonthRain[13];
  double DecadeEffRain[13][4];
  double MonthEffRain[13];

  TRainData() {
    for (auto& m : DayRain)
      for (double& v : m) v = MissingReal;
    for (auto& m : DecadeRain)
      for (double& v : m) v = MissingReal;
    for (auto& m : DecadeEffRain)
      for (double& v : m) v = MissingReal;
    for (double& v : MonthRain) v = MissingReal;
    for (double& v : MonthEffRain) v = MissingReal;
  }
};

struct RainState {
  TRainData Data;
  int RainYear = MissingInt;
  double TotalRain = MissingReal;
  double TotalEffRain = MissingReal;
};

}  // namespace vsk

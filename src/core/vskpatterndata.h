// The cropping pattern of up to 20 crops and the scheme supply computed from it. The pattern's
// status and file name are those of the pattern kind in the session state.
#pragma once

#include <string>

#include "core/vskcropdata.h"
#include "core/vskglobal.h"

namespace vsk {

inline constexpr int kMaxPatternCrops = 20;
inline constexpr int kMaxPatternName = 20;
inline constexpr int kMaxPatternFileName = 120;

struct PatternEntry {
  bool DryCrop = true;  // kind of the crop file; false = rice
  TCropRecord Crop;
  std::string CropFileName;  // as entered, at most 120 characters; empty = not used
  DateSerial PlantingDate = 0;
  DateSerial HarvestDate = 0;  // 0 when the entry has no crop
  int Area = MissingInt;       // % of the scheme area, 1..100
  double MonthlySupply[13];    // mm/month [1..12], MissingReal for a month without decades
  double DecadeSupply[13][3];  // mm/decade [1..12][0..2], MissingReal outside the season

  PatternEntry() { ClearSupply(); }
  void ClearSupply() {
    for (double& v : MonthlySupply) v = MissingReal;
    for (auto& m : DecadeSupply)
      for (double& v : m) v = MissingReal;
  }
};

struct CroppingPattern {
  std::string Name;                            // at most 20 characters
  PatternEntry Entries[kMaxPatternCrops + 1];  // [1..20], filled from entry 1 without gaps

  // Scheme results of the last scheme supply run, months [1..12].
  double NetSchemeRequirement[13] = {};  // mm/month over the whole scheme area
  double IrrigatedArea[13] = {};         // % of the scheme area irrigated in the month

  PatternEntry& Entry(int k) { return Entries[k]; }
  const PatternEntry& Entry(int k) const { return Entries[k]; }
};

}  // namespace vsk

// The cropping pattern of up to 20 crops.
#pragma once

#include <string>

#include "core/vskcropdata.h"
#include "core/vskglobal.h"

namespace vsk {

inline constexpr int kMaxPatternCrops = 20;

struct PatternEntry {
  bool DryCrop = true;
  TCropRecord Crop;
  std::string CropFileName;  // as entered, at most 120 characters; empty = not used
  DateSerial PlantingDate = 0;
  DateSerial HarvestDate = 0;
  int Area = MissingInt;  // % of the scheme area
  double MonthlySupply[13];
  double DecadeSupply[13][3];

  PatternEntry() {
    for (double& v : MonthlySupply) v = MissingReal;
    for (auto& m : DecadeSupply)
      for (double& v : m) v = MissingReal;
  }
};

struct CroppingPattern {
  std::string Name;                            // at most 20 characters
  PatternEntry Entries[kMaxPatternCrops + 1];  // [1..20]
};

}  // namespace vsk

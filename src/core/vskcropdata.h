// The crop record (dry crop or rice) and the soil record. Arrays keep the 1-based indices of
// their fields; index 0 is unused.
#pragma once

#include <string>

#include "core/vskglobal.h"

namespace vsk {

struct TCropRecord {
  std::string CropName;     // at most 18 characters; trailing blanks from a file stay
  int StageLength[8];       // 1..4 stages; rice: 5 nursery, 6 land preparation, 7 puddling
  double Kc[9];             // 1 ini, 3 mid, 4 end; rice 5 nursery, 6 land prep; 7, 8 corrected
  double KcDry[9];          // rice: dry-soil Kc, same meanings
  double CropHeight;        // m, optional
  double RootDepth[5];      // m: 2 initial, 3 maximum
  double PuddleDepth;       // rice: m
  double CritDepletion[6];  // 1 ini, 3 mid, 4 end; rice 5 nursery
  double YieldResponse[6];  // Ky 1..4 per stage, 5 season
  int NurseryArea;          // rice: % of the field
  bool DirectSowing;        // rice: sown directly, without nursery

  TCropRecord() { Reset(); }
  // All values missing; the slots that carry no data 0.
  void Reset() {
    CropName.clear();
    for (int& v : StageLength) v = MissingInt;
    for (double& v : Kc) v = MissingReal;
    for (double& v : KcDry) v = MissingReal;
    for (double& v : RootDepth) v = MissingReal;
    for (double& v : CritDepletion) v = MissingReal;
    for (double& v : YieldResponse) v = MissingReal;
    Kc[2] = KcDry[2] = 0;
    RootDepth[1] = RootDepth[4] = 0;
    CritDepletion[2] = 0;
    CropHeight = MissingReal;
    PuddleDepth = MissingReal;
    NurseryArea = MissingInt;
    DirectSowing = false;
  }
};

struct TSoilRecord {
  std::string SoilName;                     // at most 20 characters
  double TotalAvailMoisture = MissingReal;  // mm/m
  int MaxInfiltration = MissingInt;         // mm/day
  int MaxRootDepth = MissingInt;            // cm
  int InitialDepletion = MissingInt;        // % of TAM
  int MaxWaterDepth = MissingInt;           // rice: mm
  int DrainablePorosity = MissingInt;       // rice: %
  double CrackDepletion = MissingReal;      // rice: fraction
  int WaterAtPlanting = MissingInt;         // rice: in the unit of WaterType
  int WaterType = 1;                        // 1 mm WD, 2 % desat., 3 % depl.

  void Reset() { *this = TSoilRecord(); }
};

}  // namespace vsk

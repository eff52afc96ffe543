// Results of the paddy-rice water balance: one row per day, the chart points, the season
// totals, and the two ETc tables the balance reads. All depths in mm.
#pragma once

#include <vector>

#include "core/vskglobal.h"

namespace vsk {

// Stage letters of the rice rows.
inline constexpr char kRiceStagePrePuddling = 'E';
inline constexpr char kRiceStagePuddling = 'F';

// Puddle state of a row.
inline constexpr int kPuddleNotFormed = 0;
inline constexpr int kPuddleOk = 1;
inline constexpr int kPuddleBroken = 2;

struct RiceScheduleRow {
  int Day = 0;         // calendar day of the month
  int Month = 0;       // 1..12
  int DayNumber = 0;   // relative to planting; <= 0 during land preparation
  char Stage = ' ';    // A..D main field, E pre-puddling, F puddling
  double DeplSm = 0;   // depletion below field capacity after the day's losses
  double DeplSat = 0;  // depletion between saturation and field capacity, same moment
  double Ks = 0;
  double ETa = 0;     // mm/day
  double ETc = 0;     // mm/day
  double CumETa = 0;  // since the last irrigation day
  double CumETc = 0;
  double Rain = 0;
  double NetIrr = 0;
  double Percolation = 0;
  double Loss = 0;  // irrigation water above the maximum water depth
  double GrossIrr = 0;
  int PuddleState = kPuddleNotFormed;
};

// The state of the stores at the end of a day (after its irrigation).
struct RiceChartPoint {
  int DayNumber = 0;
  double SatPuddle = 0;
  double SatRootzone = 0;
  double DeplSat = 0;
  double TamPuddle = 0;
  double TamRootzone = 0;
  double RamRootzone = 0;
  double DeplSm = 0;
};

struct RiceTotals {
  double TotRain = 0;
  double TotRainLoss = 0;  // rain above the maximum water depth
  double TotNetIrr = 0;
  double TotIrrLoss = 0;
  double TotPercolation = 0;
  double StageETa[5] = {0, 0, 0, 0, 0};  // [1..4] = stages A..D
  double StageETc[5] = {0, 0, 0, 0, 0};
  // DeplSm at the end of the last simulated day, after its irrigation.
  double MoistDeficitAtHarvest = 0;
};

struct RiceScheduleResult {
  std::vector<RiceScheduleRow> Rows;  // land preparation + growing length, the last the harvest day
  std::vector<RiceChartPoint> Points;  // the initial state, then one per simulated day
  RiceTotals Totals;
  int IrrCount = 0;  // irrigations of the run (not limited; the event tables keep 370)
  // The depth of the last user-defined application. It is carried from run to run of the same
  // result object and repeated when the user list has no depth for an irrigation.
  double LastUserDepth = 0;
};

// The inputs taken from the crop water requirement runs: stage ends and the ETc of the rice
// record's wet and dry Kc values (mm/day). With daily climate data the tables hold days
// [month][day]; otherwise decade averages [month][1..3].
struct RiceEtcTables {
  int StageEnd[5] = {0, 0, 0, 0, 0};  // [1..4]
  bool Daily = false;
  double EtcWet[13][32];
  double EtcDry[13][32];

  RiceEtcTables() {
    for (auto& m : EtcWet)
      for (double& v : m) v = MissingReal;
    for (auto& m : EtcDry)
      for (double& v : m) v = MissingReal;
  }
};

// Totals and yield reductions as the schedule window, its report and the command line show
// them. A ratio whose divisor is 0 is MissingReal.
struct RiceScheduleSummary {
  double TotalGrossIrr = 0;
  double TotalNetIrr = 0;
  double TotalIrrLoss = 0;
  double TotalRain = 0;
  double EffectiveRain = 0;
  double TotalRainLoss = 0;
  double TotalPercolation = 0;
  double ActualWaterUse = 0;     // ETa of stages A..D
  double PotentialWaterUse = 0;  // ETc of stages A..D
  double MoistDeficitAtHarvest = 0;
  double ActualIrrReq = 0;
  double EfficiencyIrrPercent = MissingReal;
  double EfficiencyRainPercent = MissingReal;
  double DeficiencyIrrPercent = MissingReal;
  // [1..4] stages A..D, [5] the season.
  double EtcReductionPercent[6] = {0,           MissingReal, MissingReal,
                                   MissingReal, MissingReal, MissingReal};
  double YieldResponse[6] = {0, MissingReal, MissingReal, MissingReal, MissingReal, MissingReal};
  double YieldReductionPercent[6] = {0,           MissingReal, MissingReal,
                                     MissingReal, MissingReal, MissingReal};
  // [1..4] after stage A..D; no season value.
  double CumYieldReductionPercent[5] = {0, MissingReal, MissingReal, MissingReal, MissingReal};
};

}  // namespace vsk

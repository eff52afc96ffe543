// The daily soil-water balance of a dry crop: rain limited by the infiltration rate, a root
// zone that grows into deeper soil, evapotranspiration reduced by water stress, and the
// irrigations of the timing and application options (or of the user-adjusted event list).
#pragma once

#include <optional>
#include <vector>

#include "core/vskcropdata.h"
#include "core/vskcwrdata.h"
#include "core/vskglobal.h"

namespace vsk {

struct Workspace;

// One row per season day.
struct TScheduleDay {
  int Day = 0;             // day of the month
  int Month = 0;           // 1..12
  int DayNumber = 0;       // days since planting, the planting day being 1
  char Stage = 'A';        // A initial, B development, C mid-season, D late season
  double DeplPercent = 0;  // Dr / TAM * 100 after the day's ET, before its irrigation
  double Ks = 0;           // water stress coefficient
  double ETa = 0;          // actual crop ET, mm
  double ETc = 0;          // potential crop ET, mm
  double CumETa = 0;       // sums since the last irrigation, this day included, mm
  double CumETc = 0;
  double Rain = 0;      // the day's rain as it falls, mm
  double NetIrr = 0;    // mm, 0 without irrigation
  double GrossIrr = 0;  // mm
  double Deficit = 0;   // Dr at the end of the day, mm
  double Loss = 0;      // irrigation water lost below the maximum rooting depth, mm
};

// One point of the depletion chart: on an irrigation day Dr after the irrigation.
struct TDepletionPoint {
  int DayNumber = 0;
  double Dr = 0;   // mm
  double TAM = 0;  // mm
  double RAM = 0;  // mm
};

struct DryScheduleResults {
  std::vector<TScheduleDay>
      ScheduleRows;  // ScheduleRows[z - 1] is day z; the last is the final row
  std::vector<TDepletionPoint> DepletionCurve;
  int IrrCount = 0;  // irrigations given (not limited by the event list)
  double TotNetIrr = 0;
  double TotIrrLoss = 0;
  double TotRain = 0;
  double TotRainLoss = 0;
  double StageETa[5] = {0, 0, 0, 0, 0};  // [1..4], mm
  double StageETc[5] = {0, 0, 0, 0, 0};
  double FinalDr = 0;  // root-zone depletion at the end of the run, mm

  int ScheduleRowCount() const { return static_cast<int>(ScheduleRows.size()); }
};

// The totals box of the schedule; an empty value is a ratio whose divisor is 0 (shown "-").
struct DryScheduleSummary {
  double TotalGrossIrrigation = 0;  // mm
  double TotalNetIrrigation = 0;
  double TotalIrrigationLosses = 0;
  double ActualWaterUse = 0;                 // sum of ETa
  double PotentialWaterUse = 0;              // sum of ETc
  std::optional<double> EfficiencySchedule;  // %
  std::optional<double> DeficiencySchedule;  // %
  double TotalRain = 0;
  double EffectiveRain = 0;
  double TotalRainLoss = 0;
  double MoistureDeficitAtHarvest = 0;
  double ActualIrrigationRequirement = 0;
  std::optional<double> EfficiencyRain;  // %
};

// Reductions per stage [1..4] and for the season [5], in % (the response factors as factors).
// An empty value is a stage or season without ETc; the cumulative reduction is empty from such
// a stage on and has no season value.
struct YieldReductions {
  std::optional<double> ReductionEtc[6];
  double YieldResponse[6] = {0, 0, 0, 0, 0, 0};
  std::optional<double> YieldReduction[6];
  std::optional<double> Cumulative[5];
};

// The balance of the session crop and soil planted on the session planting date, on `cwr` (the
// result of ComputeCwr for the same crop and date). Rebuilds the event list of ws.events
// unless the schedule is adjusted, in which case its irrigations are replayed.
void ComputeDrySchedule(Workspace& ws, const CwrResults& cwr, DryScheduleResults& out);
// The same on ws.cwr.
DryScheduleResults ComputeDrySchedule(Workspace& ws);

DryScheduleSummary SummariseDrySchedule(const DryScheduleResults& r, int appleff);
YieldReductions ComputeYieldReductions(const DryScheduleResults& r, const TCropRecord& crop);

// The rain of calendar day (m, d) as a schedule takes it, mm: the daily rain for daily rain
// data, otherwise half of the decade's total on the 3rd and on the 7th day of each decade.
double ScheduleDayRain(const Workspace& ws, int m, int d);

// Water that a negative depletion `Dr` (a surplus) leaves in the root zone: the surplus first
// refills the depletion `deplBelow` of the soil below the roots; what remains is lost below the
// maximum rooting depth and returned. Dr becomes 0. A deeper depletion that is not positive
// counts as 0.
double DrainSurplus(double& Dr, double& deplBelow);

}  // namespace vsk

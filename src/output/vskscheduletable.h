// Table content and report text of the dry-crop and rice schedule windows.
//
// The windows show a run of the daily balance: its day rows and its season totals, given here
// as a ScheduleView that the caller fills from the balance results. The summary values, the
// yield reductions, the table and the report lines follow from that view, the session data
// (stations, crop, soil, planting date) and the options.
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "output/vsktablecontent.h"

namespace vsk {

// One day row of a balance. The rice fields are unused for a dry crop.
struct ScheduleDayView {
  int DayNumber = 0;  // days since planting, planting day 1 (rice: <= 0 before transplanting)
  int Month = 1;
  int Day = 1;
  char Stage = 'A';  // A..D growth stages; rice also E pre-puddling, F puddling
  double Rain = 0, Ks = 0, ETa = 0, ETc = 0, CumETa = 0, CumETc = 0;
  double DeplPercent = 0;  // dry crop
  double NetIrr = 0, GrossIrr = 0, Deficit = 0, Loss = 0;
  double DeplSm = 0, DeplSat = 0, Percolation = 0;  // rice
  int PuddleState = 0;                              // rice: 0 preparation, 1 intact, 2 broken
};

// The season totals of a run.
struct ScheduleRunTotals {
  double TotNetIrr = 0, TotIrrLoss = 0, TotRain = 0, TotRainLoss = 0;
  double TotPercolation = 0;             // rice
  double StageETa[5] = {0, 0, 0, 0, 0};  // [1..4] stages A..D
  double StageETc[5] = {0, 0, 0, 0, 0};
  double FinalDepletion = 0;  // Dr (dry crop) or DeplSm (rice) at the end of the run, mm
};

// The values of the totals box; MissingReal where a divisor is 0 (shown as "-").
struct ScheduleSummary {
  double grossIrrigation, netIrrigation, irrigationLosses, percolationLosses;
  double actualWaterUse, potentialWaterUse, efficiencySchedule, deficiencySchedule;
  double totalRain, effectiveRain, rainLoss, moistureDeficitHarvest;
  double actualIrrigationRequirement, efficiencyRain;
};

// Yield reductions in % (Ky as the factor): [0..3] stages A..D, [4] the season. MissingReal
// where a stage (or the season) has no ETc, and for the cumulative value from there on.
struct ScheduleYield {
  double reductionEtc[5];
  double ky[5];
  double yieldReduction[5];
  double cumulative[4];
};

struct ScheduleView {
  bool rice = false;
  bool irrigationFormat = true;  // "Irrigation schedule" (true) or every day
  std::vector<ScheduleDayView> days;
  ScheduleRunTotals totals;
};

ScheduleSummary ComputeScheduleSummary(const ScheduleRunTotals& totals, int efficiency);
ScheduleYield ComputeScheduleYield(const ScheduleRunTotals& totals, const double yieldResponse[6]);

// The rows the table shows: every day, or in the irrigation format the days with an
// irrigation and the last day.
std::vector<const ScheduleDayView*> ShownScheduleRows(const ScheduleView& view);

// Harvest date of the session crop (planting date + the four stage lengths - 1), 0 when
// the planting date or a stage length is missing.
DateSerial SessionHarvestDate(const Workspace& ws);
// "dd/mm", or empty for no date.
std::string DateText(DateSerial date);

// Header texts of the dry-crop window: the options dialog's texts, with " (adjusted by
// user)" while the schedule is adjusted; the application text is "-" for timing 8.
std::string DryTimingHeaderText(const Workspace& ws);
std::string DryApplicationHeaderText(const Workspace& ws);
// The describing texts of the report; the second timing line is empty unless timing 4 or 6.
std::string DryTimingDescription(const Workspace& ws);
std::string DryTimingSecondLine(const Workspace& ws);
std::string DryApplicationDescription(const Workspace& ws);
// " " + season yield reduction + " %".
std::string YieldReductionText(const ScheduleYield& yield);

TableContent DryScheduleTable(const Workspace& ws, const ScheduleView& view);
TableContent RiceScheduleTable(const Workspace& ws, const ScheduleView& view);
// The totals box as a 7 x 6 table of label, value, unit (left) and label, value, unit (right).
TableContent ScheduleTotalsTable(const Workspace& ws, const ScheduleView& view);
// The yield box: a heading row ("A".."D", "Season") and four rows.
TableContent YieldTable(const Workspace& ws, const ScheduleView& view);

std::vector<std::string> ScheduleReportTitleLines(const Workspace& ws, bool rice);
std::vector<std::string> DryScheduleReportLines(const Workspace& ws, const ScheduleView& view,
                                                const ReportOptions& options);
std::vector<std::string> RiceScheduleReportLines(const Workspace& ws, const ScheduleView& view,
                                                 const ReportOptions& options);
ReportSection ScheduleReport(const Workspace& ws, const ScheduleView& view,
                             const ReportOptions& options);

}  // namespace vsk

// Table content and report text of the scheme supply window: the monthly supply of every
// crop of the cropping pattern and the scheme totals.
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "output/vsktablecontent.h"

namespace vsk {

// The scheme results of one run, months [1..12].
struct SchemeResults {
  int cropCount = 0;
  double NetSchemeRequirement[13] = {};  // mm/month over the whole scheme area
  double IrrigatedArea[13] = {};         // % of the scheme area
};

// The results of the last scheme supply run of the pattern, for `cropCount` crops.
SchemeResults SchemeResultsOf(const Workspace& ws, int cropCount);

// Litres per second per hectare of a depth in mm/day.
inline constexpr double kMmDayPerLitreSecondHa = 8.640001;

// The derived rows of a month: mm/day, l/s/ha over the scheme, l/s/ha over the irrigated
// area (0 when less than 0.1 % is irrigated or the requirement is missing).
double SchemeMmPerDay(const SchemeResults& r, int month);
double SchemeLitresPerSecond(const SchemeResults& r, int month);
double SchemeActualAreaLitresPerSecond(const SchemeResults& r, int month);

TableContent SchemeTable(const Workspace& ws, const SchemeResults& results);

std::vector<std::string> SchemeReportTitleLines(const Workspace& ws);
std::vector<std::string> SchemeReportLines(const Workspace& ws, const SchemeResults& results,
                                           const ReportOptions& options);
ReportSection SchemeReport(const Workspace& ws, const SchemeResults& results,
                           const ReportOptions& options);

}  // namespace vsk

// Table content and report text of the rain windows (monthly, decade and daily rain).
// The tables show the record as it stands: the caller runs the window's recalculation first
// (monthly and decade sums, effective rain, totals).
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "output/vsktablecontent.h"

namespace vsk {

inline constexpr int kRainDaily = 1, kRainDecade = 2, kRainMonthly = 3;

// "Monthly rain", "Decade rain", "Daily rain" by RainKind.
std::string RainKindName(const Workspace& ws, int kind);
// The name of the effective-rain method ("Fixed percentage" ... "None"); empty outside 1..5.
std::string RainMethodName(const Workspace& ws, int method);
// The method's first line and formula lines as the report writes them, for the rain kind.
std::vector<std::string> RainMethodLines(const Workspace& ws, int kind);

TableContent MonthRainTable(const Workspace& ws);
TableContent DecRainTable(const Workspace& ws);
TableContent DayRainTable(const Workspace& ws);
// The table of the window of ws.session.RainKind.
TableContent RainTable(const Workspace& ws);

std::vector<std::string> RainReportTitleLines(const Workspace& ws);
std::vector<std::string> RainReportHeadingLines(const Workspace& ws, const ReportOptions& options);
ReportSection RainReport(const Workspace& ws, const ReportOptions& options);

}  // namespace vsk

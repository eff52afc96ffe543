// Table content and report text of the crop water requirements window, from the results of
// the last crop water requirement run (Workspace::cwr) and the rain record.
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "output/vsktablecontent.h"

namespace vsk {

// One value row of the window, in the units of its columns.
struct CwrTableRow {
  double kc = MissingReal;         // coeff
  double etcPerDay = MissingReal;  // mm/day
  double etcDecade = MissingReal;  // mm/dec: season days x ETc per day
  double effRain = MissingReal;    // mm/dec: the decade's effective rain for its season days
  double irrReq = MissingReal;     // mm/dec
};
struct CwrTotals {
  double etc = 0, effRain = 0, irrReq = 0;
};

// The values of one row of CwrRows, and the totals over all rows (missing values skipped).
CwrTableRow CwrRowValues(const Workspace& ws, const TCwrRow& row);
CwrTotals CwrColumnTotals(const Workspace& ws);

// Two heading rows, one row per decade row, an empty row and the totals row.
TableContent CwrTable(const Workspace& ws);

std::vector<std::string> CwrReportTitleLines(const Workspace& ws);
std::vector<std::string> CwrReportLines(const Workspace& ws, const ReportOptions& options);
ReportSection CwrReport(const Workspace& ws, const ReportOptions& options);

}  // namespace vsk

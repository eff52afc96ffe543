// The scheme supply: the monthly irrigation requirement of every crop of the
// cropping pattern (dry crops and rice) with the current climate/ETo and rain
// data, and the net requirement and irrigated area of the whole scheme; and the
// rows of the scheme supply table as numbers.
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"

namespace vsk {

// Computes the crop water requirement of every complete crop of the pattern and
// fills each entry's monthly (mm/month) and decade (mm/decade) supplies and the
// scheme tables ws.pattern.NetSchemeRequirement (mm/month over the scheme area)
// and ws.pattern.IrrigatedArea
// (% of the scheme area). `count` is the number of crops. False, after the
// message, when the pattern is incomplete or the data of a crop's season are
// not OK; crops computed before keep their supplies and the scheme tables hold
// the partial sums. ws.cwr holds the last crop's crop water requirement
// afterwards; CropIsDry is as before.
bool SchemeSupply(Workspace& ws, int& count);

// The mm/day to l/s/ha divisor of the scheme table.
inline constexpr double kMmDayPerLSHa = 8.640001;

// The scheme rows of the table for months [1..12]; MissingReal where a cell is
// empty.
struct SchemeTotals {
  double MmDay[13];           // NetSchemeRequirement / days of the month
  double MmMonth[13];         // NetSchemeRequirement
  double LSHa[13];            // mm/day / 8.640001
  double IrrigatedArea[13];   // % of the total area
  double ActualAreaLSHa[13];  // l/s/ha over the irrigated area; 0 below 0.1 %
                              // irrigated
};
SchemeTotals SchemeTotalsOf(const CroppingPattern& pattern);

// One row of the scheme supply table: the title in column 0 and, when
// `hasValues`, the 12 month values (MissingReal = empty cell) shown with
// `decimals` decimals.
struct SchemeTableRow {
  std::string title;
  bool bold = false;
  bool hasValues = false;
  int decimals = 1;
  double values[13];
  SchemeTableRow() {
    for (double& v : values) v = MissingReal;
  }
};

// The month headings of columns 1..12 ("Jan".."Dec"), index 0 empty.
std::vector<std::string> SchemeMonthHeadings(const Workspace& ws);
// Rows 1 .. count + 12 of the table after SchemeSupply gave `count` crops (row
// 0, the month headings, not included).
std::vector<SchemeTableRow> SchemeTableRows(const Workspace& ws, int count);

}  // namespace vsk

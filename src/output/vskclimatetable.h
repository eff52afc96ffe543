// Table content and report text of the climate/ETo windows: the three Penman-Monteith
// windows (monthly, decade, daily) and the three measured-ETo windows.
//
// The tables show the record as it stands: the caller runs the window's recalculation first
// (ETo, monthly summaries of decade and daily data, the averages of the last row).
#pragma once

#include <string>
#include <vector>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "output/vsktablecontent.h"

namespace vsk {

// EtoKind values.
inline constexpr int kEtoDayPM = 1, kEtoDecadePM = 2, kEtoMonthPM = 3;
inline constexpr int kEtoDayMeasured = 4, kEtoDecadeMeasured = 5, kEtoMonthMeasured = 6;

// "Monthly ETo Penman-Monteith", ..., "Daily measured ETo"; empty for another kind.
std::string EtoKindName(const Workspace& ws, int kind);

// Number of decimals of the climate columns, by the unit options.
int HumidityDecimals(const Options& options);
int WindDecimals(const Options& options);
int SunshineDecimals(const Options& options);
std::string HumidityUnit(const Workspace& ws);
std::string WindUnit(const Workspace& ws);
std::string SunshineUnitText(const Workspace& ws);
// The ETo unit of a table of the kind: "mm/day", or the period total without etoasmmday.
std::string EtoUnit(const Workspace& ws, int kind);

// Penman-Monteith tables. Row 0 headings, row 1 units, column 0 the row labels; the column
// layout follows TempMinMax (TMin and TMax, or the mean temperature).
TableContent MonthEToPMTable(const Workspace& ws);
TableContent DecEToPMTable(const Workspace& ws);
// One tab of the daily window: months 1..12, or 13 for the read-only "Year" tab.
TableContent DayEToPMTable(const Workspace& ws, int tab);

// Measured-ETo tables.
TableContent MonthMEToTable(const Workspace& ws);
TableContent DecMEToTable(const Workspace& ws);
TableContent DayMEToTable(const Workspace& ws);

// The table of the window of ws.session.EtoKind (daily Penman-Monteith: the tab given).
TableContent ClimateTable(const Workspace& ws, int tab = 1);

// Report title lines, heading lines with the table(s), and both as a section.
std::vector<std::string> ClimateReportTitleLines(const Workspace& ws);
std::vector<std::string> ClimateReportHeadingLines(const Workspace& ws,
                                                   const ReportOptions& options);
ReportSection ClimateReport(const Workspace& ws, const ReportOptions& options);

}  // namespace vsk

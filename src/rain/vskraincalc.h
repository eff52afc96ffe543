// The rain record: effective rainfall by the current method, monthly and decade sums, the
// yearly totals, the decade distribution of monthly rain, and the rain data files
// (.CRM monthly, .CRC decade, .CRD daily; the older monthly .CLI is read only).
//
// All rain values are mm per period. The effective-rain method and its parameters are the
// options `ermethod`, `erfixperc`, `raina`, `rainb`, `rainc`, `raind` and `rainx`.
#pragma once

#include <string>

#include "core/vskworkspace.h"

namespace vsk {

// ---- Record and effective rain ---------------------------------------------------------

// Empties the record (days of each month 0, everything else missing) and resets the rain
// kind's session state to no data, "untitled".
void ClearRain(Workspace& ws);

// The divisor of the effective-rain formulas: 1 for monthly rain (kind 3), 3 for decade values
// (daily and decade kinds).
int EffRainDivisor(int rainKind);

// Effective rain (mm) of a rain total P (mm) by the method in `options`; n is 1 for a monthly
// total, 3 for a decade total. A value on a threshold takes the lower branch; negative results
// become 0. Methods other than 1..4 give 0. A missing P gives a missing result.
double EffectiveRain(const Options& options, double rain, int n);
// The same with n taken from the current rain kind.
double EffectiveRain(const Workspace& ws, double rain);

// Effective rain of month 1..12: monthly kind `MonthEffRain`; daily and decade kinds the three
// decades and their sum.
void ComputeEffRainMonth(Workspace& ws, int month);

// `TotalRain` and `TotalEffRain` from the given monthly values.
void RainTotals(Workspace& ws);

// Every day of the month / all three decades have a rain value.
bool MonthDaysComplete(const Workspace& ws, int month);
bool MonthDecadesComplete(const Workspace& ws, int month);

// Monthly and decade rain of a month from its days; effective rain when every day is given,
// else the month's effective values become missing.
void RainFromDays(Workspace& ws, int month);
// Monthly rain of a month from its decades; effective rain when all three are given, else the
// month's effective values become missing.
void RainFromDecades(Workspace& ws, int month);

// Monthly totals M[1..12] into decade totals D[1..12][1..3] that follow the slope between the
// neighbouring months and sum to the monthly total within 0.15 mm. Months whose total is
// missing are skipped (their middle decade gets a third of the marker, nothing else).
void InterpolateDecadeRain(const double month[13], double decade[13][4]);

// ---- Rain data files ------------------------------------------------------------------------

// Where a rain file failed to read, for the command line beside the program's message: the
// 1-based line and the text found there (empty when the file ended early). Line 0: the file
// could not be opened.
struct RainFileDiagnostic {
  int line = 0;
  std::string token;
};

// Reads a rain file into the record, the effective-rain method and parameters, the rain kind
// (by the extension) and `RainYear`; on success the rain kind's state is saved, from `path`.
// On failure the error is shown, the workspace is left as it was and `diagnostic` (if given)
// says where the file failed.
bool ReadRainFile(Workspace& ws, const std::string& path, RainFileDiagnostic* diagnostic = nullptr);
// ReadRainFile; on success the rain file name is the full (absolute) path, on failure the
// record is cleared ("untitled").
bool OpenRainFile(Workspace& ws, const std::string& path, RainFileDiagnostic* diagnostic = nullptr);
// Writes the record in the layout of the current rain kind. The caller records the new file
// name and status. On failure the error is shown and a previous file stays whole.
bool WriteRainFile(Workspace& ws, const std::string& path);

}  // namespace vsk

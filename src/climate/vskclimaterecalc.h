// Recomputation of the climate/ETo tables as the input windows show them right after a file
// was opened or a station field changed, without any window: ETo and radiation of every
// Penman-Monteith period, the monthly summaries of decade and daily data, the month values
// of measured-ETo data and the average row.
#pragma once

namespace vsk {

struct Workspace;

// ETo and radiation of every period of the Penman-Monteith kinds (1, 2, 3) from the record;
// for decade and daily data also MonthETo from the periods computed. Measured kinds: nothing.
void RecomputeAll(Workspace& ws);

// Monthly summaries (MonthFromPeriods, columns 1..6) of decade and daily Penman-Monteith
// data, for every month.
void RecomputeMonthSummaries(Workspace& ws);

// Month values of measured-ETo data as an edit derives them: decade kind 5 the sum of the
// given decades (divided by their number with etoasmmday on), daily kind 4 the mean of the
// given days of the month; MissingReal when none. Monthly kind 6: nothing.
void RecomputeMeasuredMonthETo(Workspace& ws);

// Every average of the average row (ColumnAverage 1..6, which also gives ETo).
void RecomputeAverages(Workspace& ws);

// All of the above in the order a climate/ETo window applies them after opening a file; the
// month values of measured decade data (kind 5) are shown as the table holds them.
void RecomputeClimateTables(Workspace& ws);

}  // namespace vsk

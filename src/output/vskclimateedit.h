// The edit rules of the Penman-Monteith climate tables and station fields, without any
// window: where a table cell lies in the climate record, which cells take input and how much,
// the after-edit handling (check, store, recompute) and the Estimate command. Messages go to
// ws.ui at the moment they arise; the window then redisplays the table from the record.
#pragma once

#include <optional>
#include <string_view>

#include "climate/vskETocalc.h"
#include "core/vskworkspace.h"

namespace vsk {

// The three windows by their EtoKind.
inline constexpr int kClimateDayWindow = 1, kClimateDecadeWindow = 2, kClimateMonthWindow = 3;

enum class ClimateField { None, TMin, TMax, TMean, Humidity, Wind, Sunshine, Radiation, ETo };

// A cell of a table that holds a period's value.
struct ClimateCellRef {
  PeriodKind kind = PeriodKind::Month;
  int month = 0;  // 1..12
  int index = 0;  // decade 1..3 or day 1..31; 0 for a month
  ClimateField field = ClimateField::None;
};

// The field shown in a table column (1-based), by the temperature layout.
ClimateField ClimateColumnField(const Workspace& ws, int column);
// The period cell at (row, column) of a window's table; `tab` is the month tab of the daily
// window (13 the year summary). nullopt for headings, summary, empty and unused rows.
std::optional<ClimateCellRef> ClimateCellAt(const Workspace& ws, int window, int tab, int row,
                                            int column);
// True when the cell takes input: a period row and an input column (not Rad or ETo; with
// estimateall on neither Humidity, Wind nor Sun).
bool ClimateCellEditable(const Workspace& ws, int window, int tab, int row, int column);
// The most characters a cell of the column takes; 0 for a column without input.
int ClimateEntryLength(const Workspace& ws, int column);
// The characters a cell takes: digits, "-" and ".".
bool ClimateEntryCharAllowed(char c);
// The accepted range of a field in the current units.
void ClimateFieldRange(const Workspace& ws, ClimateField field, double& min, double& max);

// After the edit of a cell: nothing when `text` equals the text the cell had when the edit
// began (`remembered`) or the cell takes no input. Otherwise the climate status becomes
// "changed", the value is checked and stored (an unparsable text stores nothing), and the
// ETo of the periods that depend on it is recomputed. `fromPaste`: the edit came from the
// paste command. True when the record or status changed.
bool ClimateCellEdited(Workspace& ws, int window, int tab, int row, int column,
                       std::string_view text, std::string_view remembered, bool fromPaste = false);

// The Estimate command (F6) is offered for the cell: an estimable column (Humidity, Wind,
// Sun with minimum and maximum temperatures; Wind only with a mean temperature) of a period
// row, and estimateall off.
bool ClimateCellEstimable(const Workspace& ws, int window, int tab, int row, int column);
// Estimates the cell's column: in the monthly window for every month, in the others for the
// cell's decade or day. False when the cell is not estimable.
bool EstimateClimateCell(Workspace& ws, int window, int tab, int row, int column);

enum class StationField { Country, Station, Altitude, Latitude, Longitude };

// Country or station typed (kept to 20 characters).
void StationTextEdited(Workspace& ws, StationField field, std::string_view text);
// Altitude, latitude or longitude left after a change: an empty text stores missing, a value
// outside the field's range stores missing and shows "Value out of range"; then every ETo is
// recomputed. True when the field must be emptied.
bool StationNumberEdited(Workspace& ws, StationField field, std::string_view text);
// Hemisphere list changed (latitude: South, longitude: West). Recomputes when it changed.
void HemisphereChanged(Workspace& ws, StationField field, bool southOrWest);
// Year of daily data left after a change. True when the field must be emptied.
bool EtoYearEdited(Workspace& ws, std::string_view text);

// New data in a window: the record cleared, the estimation mode and the temperature layout
// of new data.
void NewClimateData(Workspace& ws, bool estimateAll);
// A window created in estimation mode fixes every wind value of its periods (and of the
// months) at 2 m/s (172.8 km/day).
void FixEstimatedWind(Workspace& ws, int window);
// What a full redisplay recomputes before the table is built: monthly summaries of decade
// and daily data and every average.
void PrepareClimateDisplay(Workspace& ws);

}  // namespace vsk

// Dry-crop scheduling options: the timing rule that decides whether to irrigate on a day, the
// application rule that sizes the net depth, the user-defined tables and event list as the
// balances read them, and the texts that name and describe the options.
#pragma once

#include <string>

#include "core/vskoptions.h"
#include "core/vskscheduledata.h"

namespace vsk {

struct Workspace;

// Timing option codes (`timopt`).
enum TimingOption : int {
  tmUserIntervals = 1,
  tmCriticalDepletion = 2,
  tmPercentOfRam = 3,
  tmFixedIntervalPerStage = 4,
  tmFixedDepletion = 5,
  tmEtcReductionPerStage = 6,
  tmYieldReduction = 7,
  tmRainfed = 8,
};

// Application option codes (`applopt`).
enum ApplicationOption : int {
  apUserDepths = 1,
  apRefillToFieldCapacity = 2,
  apRefillPercentOfFieldCapacity = 3,
  apFixedDepth = 4,
};

// What the timing rule looks at on a day, after the day's water balance.
struct TimingInput {
  double Dr = 0;       // root-zone depletion, mm
  double RAM = 0;      // readily available moisture of the day, mm
  int DayNumber = 0;   // days since planting, the planting day being 1
  int Stage = 1;       // 1..4 initial, development, mid-season, late season
  int LastIrrDay = 0;  // day number of the last irrigation, 0 before the first
  int IrrCount = 0;    // irrigations given so far
  double CumETa = 0;   // actual ET since the last irrigation, mm
  double CumETc = 0;   // potential ET since the last irrigation, mm
};

// True when the timing option fires today. Codes without a rule never fire.
bool TimingRuleFires(const Options& o, const UserIrrigationTables& user, const TimingInput& in);

// Net depth in mm of the irrigation number `k` (1-based) under the application option, with
// today's depletion and RAM. `lastUserDepth` carries, for user-defined depths, the depth of the
// last irrigation whose table entry had one (start a schedule with 0). Codes without a rule
// give 0.
double ApplicationDepth(const Options& o, const UserIrrigationTables& user, int k, double Dr,
                        double RAM, double& lastUserDepth);

// Gross depth of a net depth with the field application efficiency in %.
inline double GrossDepth(double net, int appleff) {
  return net / appleff * 100;
}

// An adjusted schedule: true when event k (1-based) is due on `day`: its day is not later than
// today and its depth is given. Beyond the table the entry is empty and never due.
bool AdjustedEventDue(const IrrigationEvents& events, int k, int day);

// Stores irrigation number k in the event list; only the first kMaxEvents are kept.
void RecordIrrEvent(IrrigationEvents& events, int k, int day, double depth);

// Texts: the dialog texts of the option lists and the describing texts of the report.
// Codes without a rule give an empty text.
std::string TimingOptionText(const Workspace& ws, int code);
std::string ApplicationOptionText(const Workspace& ws, int code);
// First line of the timing description; `detail` receives the second line (without the
// brackets the report puts around it) for timing 4 and 6, else it is emptied.
std::string TimingDescription(const Workspace& ws, std::string& detail);
std::string ApplicationDescription(const Workspace& ws);

}  // namespace vsk

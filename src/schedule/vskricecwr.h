// Crop water requirements of paddy rice: the decade table of the crop water requirement
// calculation with the rice record's wet Kc values, the ETc of its dry Kc values beside it,
// and the water of land preparation (from the land-preparation days of the rice balance)
// added to the irrigation requirement of the decades in which it is given.
#pragma once

#include <vector>

#include "core/vskworkspace.h"
#include "schedule/vskriceschedulecalc.h"
#include "schedule/vskricescheduledata.h"

namespace vsk {

struct RiceCwrResult {
  RiceEtcTables Etc;                          // wet and dry ETc and the stage ends
  std::vector<RiceScheduleRow> LandPrepRows;  // days -L+1..0
};

// The options a rice crop water requirement runs with: a copy of the current options with the
// land-preparation options of the saved settings file (ws.SettingsFile; the built-in defaults
// when there is none). A failed read shows the settings read message and keeps what was read.
Options LandPrepOptions(Workspace& ws);

// Two crop water requirement runs of `crop`, first with its dry Kc values, then with its wet
// ones (optionally with direct sowing forced on, as the rice schedule needs), giving EtcDry
// and EtcWet: the daily ETc with daily climate data, else the decade averages. The crop is
// computed as rice whatever ws.session.CropIsDry says (a rice crop of a cropping pattern).
// ws.cwr holds the wet run afterwards; the crop record and the session are not changed.
void ComputeRiceEtc(Workspace& ws, const TCropRecord& crop, DateSerial planting,
                    bool forceDirectSowing, RiceEtcTables& etc);

// Adds the net irrigation of every land-preparation row to DecadeIrrReq of the decade row
// of its date: the first row of its month whose last day is not before the irrigation's day,
// the last row when there is none.
void AddLandPrepWater(const std::vector<RiceScheduleRow>& landPrepRows, CwrResults& cwr);

// The rice schedule of the session (the calculation behind the rice schedule window): the data
// check for a schedule, the user lists, the two ETc runs of ws.crop with direct sowing forced
// on, then the balance. False, with the check's message shown and `out` emptied, when a check
// fails.
bool ComputeRiceSchedule(Workspace& ws, RiceEtcTables& etc, RiceScheduleResult& out);

// The rice crop water requirement: fills ws.cwr (with the land-preparation water added to
// DecadeIrrReq) and `out`. ws.options, ws.events, ws.session.ScheduleAdjusted and any rice
// schedule result stay as they were.
void RiceCwr(Workspace& ws, const TCropRecord& crop, DateSerial planting, RiceCwrResult& out);

}  // namespace vsk

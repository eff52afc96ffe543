// Crop water requirements: the data check before a calculation, the climate correction of the
// mid-season and end-of-season crop coefficients, and the day-by-day pass over the season that
// gives Kc and ETc per day and per decade and the irrigation requirement per decade.
#pragma once

#include "core/vskcropdata.h"
#include "core/vskcwrdata.h"
#include "core/vskglobal.h"

namespace vsk {

struct Workspace;

// Checks that ETo, rain, crop and soil data are complete for the months of the season of
// `crop` planted on `planting` and harvested on `harvest`; on failure shows the error that
// names the first data set (and month) without data and returns false. For monthly ETo it
// derives the decade ETo; for monthly rain the decade rain and decade effective rain.
bool CwrDataOk(Workspace& ws, bool forSchedule, bool skipCropCheck, const TCropRecord& crop,
               DateSerial planting, DateSerial harvest);

// Planting date + the four stage lengths − 1 (for rice: the stages after transplanting).
DateSerial HarvestDate(const TCropRecord& crop, DateSerial planting);

enum class KcStage { MidSeason, LateSeason };

// Sets crop.Kc[7] (mid-season) or crop.Kc[8] (late season) from Kc[3] or Kc[4], corrected for
// the mean wind and minimum humidity of that stage when the crop height is known. `planting`
// is the planting date (for rice the transplanting date).
void CorrectKcForClimate(const Workspace& ws, TCropRecord& crop, DateSerial planting,
                         KcStage stage);

// The day-by-day pass over the season of `crop` (taken by value: the corrected Kc[7], Kc[8]
// stay in the copy) planted on `planting`; rewrites every field of `out`. Reads the climate,
// rain, options and session state of `ws` and changes none of them. Assumes CwrDataOk passed.
// `dryCrop` tells a dry crop from rice; without it the session crop's kind counts.
void ComputeCwr(const Workspace& ws, TCropRecord crop, bool dryCrop, DateSerial planting,
                CwrResults& out);
void ComputeCwr(const Workspace& ws, TCropRecord crop, DateSerial planting, CwrResults& out);

// The session crop planted on the session planting date, into ws.cwr.
void ComputeCwr(Workspace& ws);

}  // namespace vsk

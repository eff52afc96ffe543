// The daily water balance of a paddy-rice field, from the first day of land preparation to the
// harvest day, with the irrigation rules of the rice and land-preparation options.
//
// Two stores are tracked: DeplSat, the depletion of the layer between saturation and field
// capacity (negative = standing water), and DeplSm, the depletion below field capacity. Land
// preparation is split into pre-puddling (soaking) and puddling; the puddle lowers percolation
// and limits the roots until it breaks.
#pragma once

#include <vector>

#include "core/vskworkspace.h"
#include "schedule/vskricescheduledata.h"

namespace vsk {

// True when the user-defined lists the rice options need are present; otherwise shows
// "No user timing set..." or "No user application set..." and returns false.
bool CheckRiceUserLists(Workspace& ws);

// The rice schedule of the current rice record (ws.crop), soil, rain, planting date
// (ws.session.PlantingDate) and options, on the stage ends and ETc tables of `etc`. Fills
// `out` (rows, points, totals, counter) and, unless ws.session.ScheduleAdjusted is set,
// rebuilds ws.events from its irrigations; while it is set the run replays ws.events.
// `out.LastUserDepth` is taken over from the previous run of the same object.
void RunRiceSchedule(Workspace& ws, const RiceEtcTables& etc, RiceScheduleResult& out);

// The land-preparation days (-L+1..0) of the balance alone, for the rice crop water
// requirement: Ks 1, ETa = ETc, no chart points, no totals, and an irrigation counter and
// event tables of its own, so no rice schedule result and neither ws.events nor
// ws.session.ScheduleAdjusted are touched. Runs with `options` (the land-preparation options
// in force for it). `rows` gets one row per land-preparation day; its depletion and
// cumulative fields stay 0.
void RunLandPrepBalance(Workspace& ws, const Options& options, const TCropRecord& crop,
                        DateSerial planting, const RiceEtcTables& etc,
                        std::vector<RiceScheduleRow>& rows);

// Season totals, efficiencies and yield reductions of a run, as shown with the schedule.
RiceScheduleSummary SummariseRiceSchedule(const RiceScheduleResult& result, const TCropRecord& crop,
                                          const Options& options);

}  // namespace vsk

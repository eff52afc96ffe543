// The month recalculation that the rain tables run after an edit and for a full redisplay,
// without any window: the sums and effective rain of the current rain kind, then the totals.
#pragma once

#include "core/vskworkspace.h"

namespace vsk {

// Recomputes month 1..12 for the current rain kind (monthly: effective rain of the month;
// decade: month from its decades; daily: decades and month from the days), then the totals.
void RecomputeRainMonth(Workspace& ws, int month);
// Every month as above, then the totals: the state the rain table shows after a refresh.
void RecomputeRain(Workspace& ws);

}  // namespace vsk

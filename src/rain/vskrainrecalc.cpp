#include "rain/vskrainrecalc.h"

#include "rain/vskraincalc.h"

namespace vsk {

namespace {

void RecomputeMonthOnly(Workspace& ws, int m) {
  switch (ws.session.RainKind) {
    case 1:
      RainFromDays(ws, m);
      break;
    case 2:
      RainFromDecades(ws, m);
      break;
    default:
      if (ws.rain.Data.MonthRain[m] != MissingReal)
        ComputeEffRainMonth(ws, m);
      else
        ws.rain.Data.MonthEffRain[m] = MissingReal;
      break;
  }
}

}  // namespace

void RecomputeRainMonth(Workspace& ws, int month) {
  RecomputeMonthOnly(ws, month);
  RainTotals(ws);
}

void RecomputeRain(Workspace& ws) {
  for (int m = 1; m <= 12; ++m) RecomputeMonthOnly(ws, m);
  RainTotals(ws);
}

}  // namespace vsk

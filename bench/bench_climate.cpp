// Penman-Monteith speed: one day's evaluation, and the recomputation of a whole daily year
// as the daily window does it after a file was opened (target: well under 100 µs).
#include <benchmark/benchmark.h>

#include <cmath>

#include "climate/vskETocalc.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskworkspace.h"

namespace vsk {
namespace {

void FillDailyYear(Workspace& ws) {
  ws.session.EtoKind = 1;
  ws.climate.Data.Altitude = 1208.5;
  ws.climate.Data.Latitude = 39.46;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= MonthLength(m); ++d) {
      const double s = std::sin((DayOfYear(m, d) - 105) * 0.0172);
      TClimatePeriod& p = ws.climate.Data.Day[m][d];
      p.TMin = 2 + 10 * s;
      p.TMax = 15 + 14 * s;
      p.Humidity = 55 - 15 * s;
      p.Wind = 150 + 30 * std::cos(d * 0.9);
      p.Sunshine = 9 + 3 * s;
    }
}

void BM_PenmanMontEToDay(benchmark::State& state) {
  SilentUi ui;
  Workspace ws(ui);
  FillDailyYear(ws);
  const ClimateCalc calc = CalcOf(ws);
  const TClimatePeriod period = ws.climate.Data.Day[7][15];
  double J = 1;
  for (auto _ : state) {
    double rs = 0, sunshine = period.Sunshine;
    benchmark::DoNotOptimize(PenmanMontEToDay(calc, 7, period, J, rs, sunshine));
    benchmark::DoNotOptimize(rs);
    J = J >= 365 ? 1 : J + 1;
  }
}
BENCHMARK(BM_PenmanMontEToDay);

void BM_RecomputeAllDailyYear(benchmark::State& state) {
  SilentUi ui;
  Workspace ws(ui);
  FillDailyYear(ws);
  for (auto _ : state) {
    RecomputeAll(ws);
    benchmark::DoNotOptimize(ws.climate.MonthETo[7]);
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_RecomputeAllDailyYear)->Unit(benchmark::kMicrosecond);

// RecomputeAll with the monthly summaries and averages the window shows.
void BM_RecomputeClimateTablesDailyYear(benchmark::State& state) {
  SilentUi ui;
  Workspace ws(ui);
  FillDailyYear(ws);
  for (auto _ : state) {
    RecomputeClimateTables(ws);
    benchmark::DoNotOptimize(ws.climate.AverageRow[7]);
  }
}
BENCHMARK(BM_RecomputeClimateTablesDailyYear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vsk

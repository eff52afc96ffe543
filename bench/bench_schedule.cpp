// Crop water requirements and the dry-crop schedule of a 365-day season on daily data.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/vskworkspace.h"
#include "cwr/vskcwrcalc.h"
#include "schedule/vskcropschedulecalc.h"

namespace {

using namespace vsk;

void FillWorkspace(Workspace& ws) {
  ws.session.EtoKind = 1;
  ws.session.RainKind = 1;
  ws.session.PlantingDate = EncodeDate(1994, 3, 15);
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= MonthLength(m); ++d) {
      const double doy = DayOfYear(m, d);
      ws.climate.DayETo[m][d] = 4 + 2 * std::sin(doy / 58.0);
      TClimatePeriod& p = ws.climate.Data.Day[m][d];
      p.TMin = 12 + 6 * std::sin(doy / 58.0);
      p.TMax = p.TMin + 11;
      p.Wind = 150 + (d % 7) * 10;
      ws.rain.Data.DayRain[m][d] = d % 6 == 0 ? 14.0 : 0.0;
    }
    for (int k = 1; k <= 3; ++k) ws.rain.Data.DecadeEffRain[m][k] = 18;
  }
  TCropRecord& c = ws.crop;
  c.CropName = "Bench crop";
  const int lengths[] = {0, 60, 100, 120, 85};
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = lengths[i];
  c.Kc[1] = 0.35;
  c.Kc[3] = 1.15;
  c.Kc[4] = 0.6;
  c.CropHeight = 2.0;
  c.RootDepth[2] = 0.3;
  c.RootDepth[3] = 1.4;
  c.CritDepletion[1] = 0.5;
  c.CritDepletion[3] = 0.55;
  c.CritDepletion[4] = 0.7;
  for (int s = 1; s <= 5; ++s) c.YieldResponse[s] = 1.0;
  ws.soil.TotalAvailMoisture = 140;
  ws.soil.MaxInfiltration = 30;
  ws.soil.MaxRootDepth = 120;
  ws.soil.InitialDepletion = 25;
  ws.options.timopt = 2;
  ws.options.applopt = 2;
}

void BM_CwrAndDrySchedule365Days(benchmark::State& state) {
  SilentUi ui;
  Workspace ws(ui, {2026, 12, 10});
  FillWorkspace(ws);
  DryScheduleResults out;
  for (auto _ : state) {
    ComputeCwr(ws, ws.crop, ws.session.PlantingDate, ws.cwr);
    ComputeDrySchedule(ws, ws.cwr, out);
    benchmark::DoNotOptimize(out.TotNetIrr);
  }
  state.counters["irrigations"] = out.IrrCount;
}
BENCHMARK(BM_CwrAndDrySchedule365Days)->Unit(benchmark::kMicrosecond);

}  // namespace

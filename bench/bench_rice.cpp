// A 150-day rice schedule with 30 days of land preparation (5 of puddling), decade ETc and
// decade rain, default options with continuous flooding checks every day.
#include <benchmark/benchmark.h>

#include "core/vskui.h"
#include "schedule/vskricecwr.h"
#include "schedule/vskriceschedulecalc.h"

namespace {

using namespace vsk;

struct RiceBench {
  SilentUi ui;
  Workspace ws{ui, {2026, 12, 10}};
  RiceEtcTables etc;
  RiceScheduleResult out;

  RiceBench() {
    TCropRecord& c = ws.crop;
    const int len[8] = {0, 30, 30, 60, 30, 35, 30, 5};
    for (int i = 1; i <= 7; ++i) c.StageLength[i] = len[i];
    c.RootDepth[2] = 0.10;
    c.RootDepth[3] = 0.60;
    c.PuddleDepth = 0.20;
    c.CritDepletion[1] = 0.2;
    c.CritDepletion[3] = 0.2;
    c.CritDepletion[4] = 0.3;
    for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.1;
    TSoilRecord& s = ws.soil;
    s.TotalAvailMoisture = 140;
    s.MaxInfiltration = 10;
    s.MaxRootDepth = 80;
    s.InitialDepletion = 40;
    s.MaxWaterDepth = 120;
    s.DrainablePorosity = 35;
    s.CrackDepletion = 0.5;
    ws.session.PlantingDate = EncodeDate(1994, 6, 15);
    ws.session.RainKind = 2;
    for (int m = 1; m <= 12; ++m)
      for (int k = 1; k <= 3; ++k) {
        ws.rain.Data.DecadeRain[m][k] = 10 + 5 * k + m;
        etc.EtcWet[m][k] = 4.5 + 0.1 * m;
        etc.EtcDry[m][k] = 3.0 + 0.1 * k;
        ws.climate.DecadeETo[m][k] = 4.0 + 0.1 * m;
        ws.rain.Data.DecadeEffRain[m][k] = 8 + 4 * k;
      }
    const double kc[7] = {0, 1.05, 0, 1.2, 0.9, 1.1, 1.0};
    for (int i = 1; i <= 6; ++i) {
      c.Kc[i] = kc[i];
      c.KcDry[i] = kc[i] * 0.7;
    }
    c.NurseryArea = 10;
    ws.session.CropIsDry = false;
    ws.session.EtoKind = 2;
    etc.StageEnd[1] = 30;
    etc.StageEnd[2] = 60;
    etc.StageEnd[3] = 120;
    etc.StageEnd[4] = 150;
  }
};

void BM_RiceSchedule150Days(benchmark::State& state) {
  RiceBench b;
  for (auto _ : state) {
    RunRiceSchedule(b.ws, b.etc, b.out);
    benchmark::DoNotOptimize(b.out.Rows.data());
  }
  state.counters["rows"] = static_cast<double>(b.out.Rows.size());
}
BENCHMARK(BM_RiceSchedule150Days)->Unit(benchmark::kMicrosecond);

// The same with the two crop water requirement runs that give its ETc tables.
void BM_RiceScheduleWithEtcRuns(benchmark::State& state) {
  RiceBench b;
  for (auto _ : state) {
    ComputeRiceEtc(b.ws, b.ws.crop, b.ws.session.PlantingDate, true, b.etc);
    RunRiceSchedule(b.ws, b.etc, b.out);
    benchmark::DoNotOptimize(b.out.Rows.data());
  }
}
BENCHMARK(BM_RiceScheduleWithEtcRuns)->Unit(benchmark::kMicrosecond);

}  // namespace

// The scheme supply of a full pattern: 20 crops, every second one rice with
// nursery and land preparation, on decade measured ETo and monthly rain (so
// every crop's data check also distributes the monthly rain over the decades).
#include <benchmark/benchmark.h>

#include "core/vskworkspace.h"
#include "scheme/vskpatterncalc.h"
#include "scheme/vskschemecalc.h"

namespace {

using namespace vsk;

TCropRecord Crop(bool rice, int k) {
  TCropRecord c;
  c.CropName = rice ? "Paddy" : "Maize";
  c.StageLength[1] = 20 + k;
  c.StageLength[2] = 30;
  c.StageLength[3] = 40;
  c.StageLength[4] = 30;
  c.Kc[1] = 0.4;
  c.Kc[3] = 1.15;
  c.Kc[4] = 0.6;
  c.CropHeight = 2.0;
  c.RootDepth[2] = 0.3;
  c.RootDepth[3] = 1.0;
  c.CritDepletion[1] = c.CritDepletion[3] = c.CritDepletion[4] = 0.5;
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.0;
  if (rice) {
    c.StageLength[5] = 30;
    c.StageLength[6] = 25;
    c.StageLength[7] = 8;
    c.Kc[1] = 1.1;
    c.Kc[3] = 1.2;
    c.Kc[4] = 0.95;
    c.Kc[5] = 1.2;
    c.Kc[6] = 1.05;
    for (int i : {1, 3, 4, 5, 6}) c.KcDry[i] = 0.5;
    c.PuddleDepth = 0.1;
    c.NurseryArea = 10;
    c.CritDepletion[5] = 0.2;
  }
  return c;
}

void SetUpWorkspace(Workspace& ws) {
  ws.session.EtoKind = 5;
  ws.session.ReaderSucceeded(DataKind::Climate, "bench.pmc");
  ws.session.RainKind = 3;
  ws.session.ReaderSucceeded(DataKind::Rain, "bench.crm");
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= 3; ++d) ws.climate.DecadeETo[m][d] = 3.0 + m % 5 + 0.3 * d;
    ws.climate.MonthETo[m] = 3.0 + m % 5;
    ws.rain.Data.MonthRain[m] = 10.0 * (m % 6);
  }
  ws.soil.SoilName = "Clay";
  ws.soil.TotalAvailMoisture = 140;
  ws.soil.MaxInfiltration = 40;
  ws.soil.MaxRootDepth = 120;
  ws.soil.InitialDepletion = 0;
  ws.soil.MaxWaterDepth = 100;
  ws.soil.DrainablePorosity = 10;
  ws.soil.CrackDepletion = 0.4;
  ws.soil.WaterAtPlanting = 50;
  ws.session.ReaderSucceeded(DataKind::Soil, "bench.soi");
  ResetPattern(ws);
  for (int k = 1; k <= kMaxPatternCrops; ++k) {
    PatternEntry& e = ws.pattern.Entry(k);
    const bool rice = k % 2 == 0;
    e.Crop = Crop(rice, k);
    e.DryCrop = !rice;
    e.CropFileName = rice ? "paddy.cro" : "maize.cro";
    e.PlantingDate = EncodeDate(1994, 1 + (k * 7) % 12, 1 + k);
    e.HarvestDate = PatternHarvestDate(e);
    e.Area = 5;
  }
}

void BM_SchemeSupply20Crops(benchmark::State& state) {
  SilentUi ui;
  Workspace ws(ui, {2026, 12, 10});
  SetUpWorkspace(ws);
  int n = 0;
  for (auto _ : state) {
    const bool ok = SchemeSupply(ws, n);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(ws.pattern.NetSchemeRequirement);
  }
  if (n != kMaxPatternCrops) state.SkipWithError("the pattern did not compute");
}
BENCHMARK(BM_SchemeSupply20Crops)->Unit(benchmark::kMillisecond);

}  // namespace

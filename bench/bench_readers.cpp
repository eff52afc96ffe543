// Each reader on a file of its kind, daily files where the kind has them: the time of opening
// a file (read, parse, copy into the workspace), without the window's recomputation. The
// files are written once per benchmark with the project's own writers.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vsksession.h"
#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "rain/vskraincalc.h"
#include "schedule/vskschedulefile.h"
#include "scheme/vskpatterncalc.h"
#include "scheme/vsksessionloader.h"

namespace vsk {
namespace {

// A folder of its own for the files of one benchmark, removed afterwards.
class BenchDir {
 public:
  BenchDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vskbench-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string(".");
  }
  ~BenchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A daily Penman-Monteith year (kind 1) or a daily measured-ETo year (kind 4), written to
// `path` in the layout of its extension.
bool WriteDailyClimate(const std::string& path, int kind) {
  SilentUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ws.session.EtoKind = static_cast<byte>(kind);
  TClimateData& d = ws.climate.Data;
  d.Country = "Benchland";
  d.Station = "Bench station";
  d.Altitude = 1208.5, d.Latitude = 39.46, d.Longitude = 118.8, d.West = true;
  ws.climate.EToYear = 2019;
  for (int m = 1; m <= 12; ++m)
    for (int day = 1; day <= MonthLength(m); ++day) {
      const double s = std::sin((DayOfYear(m, day) - 105) * 0.0172);
      TClimatePeriod& p = d.Day[m][day];
      if (kind == 1) {
        p.TMin = 2 + 10 * s, p.TMax = 15 + 14 * s, p.Humidity = 55 - 15 * s;
        p.Wind = 150 + 30 * std::cos(day * 0.9), p.Sunshine = 9 + 3 * s;
      } else {
        ws.climate.DayETo[m][day] = 4 + 3 * s;
      }
    }
  RecomputeClimateTables(ws);
  return WriteClimateFile(ws, path);
}

void BM_ReadClimateDaily(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("daily.PED");
  if (!WriteDailyClimate(path, 1)) state.SkipWithError("cannot write the daily climate file");
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadClimateFile(ws, path)) state.SkipWithError("daily climate file not read");
    benchmark::DoNotOptimize(ws.climate.Data.Day[7][15].TMax);
  }
}
BENCHMARK(BM_ReadClimateDaily)->Unit(benchmark::kMicrosecond);

// Opening as the daily window does: the file, then every table recomputed.
void BM_OpenClimateDailyAndRecompute(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("daily.PED");
  if (!WriteDailyClimate(path, 1)) state.SkipWithError("cannot write the daily climate file");
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!OpenClimateFile(ws, path)) state.SkipWithError("daily climate file not read");
    RecomputeClimateTables(ws);
    benchmark::DoNotOptimize(ws.climate.MonthETo[7]);
  }
}
BENCHMARK(BM_OpenClimateDailyAndRecompute)->Unit(benchmark::kMicrosecond);

void BM_ReadMeasuredEToDaily(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("daily.PMD");
  if (!WriteDailyClimate(path, 4)) state.SkipWithError("cannot write the daily ETo file");
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadClimateFile(ws, path)) state.SkipWithError("daily ETo file not read");
    benchmark::DoNotOptimize(ws.climate.DayETo[7][15]);
  }
}
BENCHMARK(BM_ReadMeasuredEToDaily)->Unit(benchmark::kMicrosecond);

// A full event list of 370 irrigations.
void BM_ReadScheduleFull(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("full.SCH");
  {
    Workspace ws(ui, {2026, 12, 10});
    for (int k = 1; k <= kMaxEvents; ++k) {
      ws.events.IrrEventDay[k] = k;
      ws.events.IrrEventDepth[k] = 20 + k % 7;
    }
    if (!WriteScheduleFile(ws, path)) state.SkipWithError("cannot write the schedule file");
  }
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadScheduleFile(ws, path)) state.SkipWithError("schedule file not read");
    benchmark::DoNotOptimize(ws.events.IrrEventDepth[200]);
  }
}
BENCHMARK(BM_ReadScheduleFull)->Unit(benchmark::kMicrosecond);

void BM_ReadRainDaily(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("daily.CRD");
  {
    Workspace ws(ui, {2026, 12, 10});
    ClearRain(ws);
    ws.session.RainKind = 1;
    ws.rain.RainYear = 2019;
    ws.rain.Data.RainStation = "Bench station";
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= MonthLength(m); ++d)
        ws.rain.Data.DayRain[m][d] = std::fmod(m * 7.3 + d * 3.1, 25.0);
      for (int k = 1; k <= 3; ++k) ws.rain.Data.DecadeEffRain[m][k] = 12.5;
      ws.rain.Data.MonthEffRain[m] = 37.5;
    }
    if (!WriteRainFile(ws, path)) state.SkipWithError("cannot write the daily rain file");
  }
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadRainFile(ws, path)) state.SkipWithError("daily rain file not read");
    benchmark::DoNotOptimize(ws.rain.Data.DayRain[7][15]);
  }
}
BENCHMARK(BM_ReadRainDaily)->Unit(benchmark::kMicrosecond);

void BM_ReadCrop(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("rice.CRO");
  {
    Workspace ws(ui, {2026, 12, 10});
    TCropRecord& c = ws.crop;
    c.CropName = "Bench rice";
    for (int i = 1; i <= 7; ++i) c.StageLength[i] = 10 + 5 * i;
    for (int i : {1, 3, 4, 5, 6}) c.Kc[i] = 1.05, c.KcDry[i] = 0.6;
    c.PuddleDepth = 0.1;
    c.RootDepth[2] = 0.1, c.RootDepth[3] = 0.6;
    for (int i : {1, 3, 4, 5}) c.CritDepletion[i] = 0.2;
    for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.1;
    c.NurseryArea = 10;
    c.CropHeight = 1.0;
    ws.session.CropIsDry = false;
    if (!WriteCropFile(ws, path)) state.SkipWithError("cannot write the crop file");
  }
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadCropFile(ws, path)) state.SkipWithError("crop file not read");
    benchmark::DoNotOptimize(ws.crop.Kc[3]);
  }
}
BENCHMARK(BM_ReadCrop)->Unit(benchmark::kMicrosecond);

void BM_ReadSoil(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("soil.SOI");
  {
    Workspace ws(ui, {2026, 12, 10});
    ws.soil.SoilName = "Bench loam";
    ws.soil.TotalAvailMoisture = 140;
    ws.soil.MaxInfiltration = 30, ws.soil.MaxRootDepth = 120, ws.soil.InitialDepletion = 0;
    ws.soil.MaxWaterDepth = 100, ws.soil.DrainablePorosity = 30, ws.soil.CrackDepletion = 0.5;
    ws.soil.WaterAtPlanting = 80;
    if (!WriteSoilFile(ws, path)) state.SkipWithError("cannot write the soil file");
  }
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadSoilFile(ws, path)) state.SkipWithError("soil file not read");
    benchmark::DoNotOptimize(ws.soil.TotalAvailMoisture);
  }
}
BENCHMARK(BM_ReadSoil)->Unit(benchmark::kMicrosecond);

// A pattern of 20 crops that name two crop files beside it: the pattern file and its 20
// crop-file reads.
void BM_ReadPattern20Crops(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("scheme.PAT");
  {
    Workspace ws(ui, {2026, 12, 10});
    TCropRecord& c = ws.crop;
    c.CropName = "Maize";
    for (int i = 1; i <= 4; ++i) c.StageLength[i] = 20 + 5 * i;
    c.Kc[1] = 0.3, c.Kc[3] = 1.2, c.Kc[4] = 0.35, c.RootDepth[2] = 0.3, c.RootDepth[3] = 1.0;
    c.CritDepletion[1] = 0.5, c.CritDepletion[3] = 0.55, c.CritDepletion[4] = 0.8;
    for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = 1.0;
    c.CropHeight = 2.0;
    if (!WriteCropFile(ws, dir.File("maize.cro"))) state.SkipWithError("cannot write a crop");
    for (int k = 1; k <= kMaxPatternCrops; ++k) {
      PatternEntry& e = ws.pattern.Entry(k);
      e.CropFileName = "maize";
      e.PlantingDate = EncodeDate(1994, 1 + (k - 1) % 12, 1 + k);
      e.Area = 5;
    }
    if (!WritePatternFile(ws, path, kMaxPatternCrops)) state.SkipWithError("cannot write");
  }
  Workspace ws(ui, {2026, 12, 10});
  for (auto _ : state) {
    if (!ReadPatternFile(ws, path)) state.SkipWithError("pattern file not read");
    benchmark::DoNotOptimize(ws.pattern.Entry(20).HarvestDate);
  }
}
BENCHMARK(BM_ReadPattern20Crops)->Unit(benchmark::kMicrosecond);

// A session of every kind of data file, opened with the readers of the command line.
void BM_OpenSession(benchmark::State& state) {
  SilentUi ui;
  BenchDir dir;
  const std::string path = dir.File("valley.SES");
  const std::string data = std::string(VESKARO_TEST_DATA) + "/session/";
  {
    Workspace ws(ui, {2026, 12, 10});
    ws.session.ReaderSucceeded(DataKind::Climate, data + "station.pmm");
    ws.session.ReaderSucceeded(DataKind::Rain, data + "rain.crm");
    ws.session.ReaderSucceeded(DataKind::Crop, data + "maize.cro");
    ws.session.ReaderSucceeded(DataKind::Soil, data + "loam.soi");
    ws.session.ReaderSucceeded(DataKind::Pattern, data + "valley.pat");
    ws.session.ReaderSucceeded(DataKind::Schedule, data + "plan.sch");
    ws.session.SessionFileName = path;
    if (!SaveSession(ws, false)) state.SkipWithError("cannot write the session file");
  }
  for (auto _ : state) {
    Workspace ws(ui, {2026, 12, 10});
    SessionLoader loader(ws);
    if (!OpenSession(ws, loader, path) || loader.Loaded().size() != kDataKindCount)
      state.SkipWithError("session not opened whole");
    benchmark::DoNotOptimize(ws.crop.StageLength[3]);
  }
}
BENCHMARK(BM_OpenSession)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vsk

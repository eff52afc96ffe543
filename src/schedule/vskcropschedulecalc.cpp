#include "schedule/vskcropschedulecalc.h"

#include <algorithm>

#include "core/vskworkspace.h"
#include "schedule/vskscheduleoptions.h"

namespace vsk {

double DrainSurplus(double& Dr, double& deplBelow) {
  double loss = 0;
  if (deplBelow <= 0) {
    loss = -Dr;
  } else {
    deplBelow += Dr;  // the surplus refills the deeper soil first
    if (deplBelow < 0) {
      loss = -deplBelow;
      deplBelow = 0;
    }
  }
  Dr = 0;
  return loss;
}

double ScheduleDayRain(const Workspace& ws, int m, int d) {
  if (ws.session.RainKind == 1) return ws.rain.Data.DayRain[m][d];
  const int k = DecadeOfDay(d);
  const int inDecade = d - 10 * (k - 1);
  return inDecade == 3 || inDecade == 7 ? ws.rain.Data.DecadeRain[m][k] / 2 : 0;
}

namespace {

// The state of one run of the balance and its daily steps.
class DryBalance {
 public:
  DryBalance(Workspace& ws, const CwrResults& cwr, DryScheduleResults& out)
      : ws_(ws), crop_(ws.crop), soil_(ws.soil), cwr_(cwr), out_(out) {}

  void Run();

 private:
  void DailyRain(int m, int d, double& rainFalling);
  double UpdateRootZone(int z, int stage);
  bool DecideIrrigation(int z, int stage, const TScheduleDay& row) const;
  void ApplyIrrigation(int z, TScheduleDay& row);

  Workspace& ws_;
  const TCropRecord& crop_;
  const TSoilRecord& soil_;
  const CwrResults& cwr_;
  DryScheduleResults& out_;

  double Dr_ = 0;         // root-zone depletion, mm
  double deplBelow_ = 0;  // depletion between the current and the maximum rooting depth, mm
  double rootIni_ = 0, rootMax_ = 0;  // m
  double TAM_ = 0, RAM_ = 0;          // mm
  int lastIrrDay_ = 0;
  double lastUserDepth_ = 0;
};

// The day's rain R enters the root zone up to the infiltration rate; what exceeds the
// remaining depletion drains below.
void DryBalance::DailyRain(int m, int d, double& rainFalling) {
  double R = ScheduleDayRain(ws_, m, d);
  rainFalling = R;
  double runoff = 0;
  if (R > 0) {
    out_.TotRain += R;
    if (R > soil_.MaxInfiltration) {
      runoff = R - soil_.MaxInfiltration;
      R = soil_.MaxInfiltration;
    }
  }
  Dr_ -= R;
  if (Dr_ >= 0) return;  // the runoff of such a day is not a loss of the balance
  const double percolation = DrainSurplus(Dr_, deplBelow_);
  out_.TotRainLoss += percolation + runoff;
}

// Rooting depth, TAM and RAM of day z in `stage` (1..4); the growing roots take in their share
// of the deeper depletion. Gives Ks.
double DryBalance::UpdateRootZone(int z, int stage) {
  const int* se = cwr_.StageEnd;
  const double* p = crop_.CritDepletion;
  const double g = (rootMax_ - rootIni_) / se[2];  // root growth per day, m
  double pDay = 0, rootNow = rootMax_, restBelow = 0;
  switch (stage) {
    case 1:
      pDay = p[1];
      rootNow = rootIni_ + z * g;
      restBelow = rootMax_ - rootNow;
      break;
    case 2:
      pDay = p[1] + (p[3] - p[1]) * (z - se[1]) / (se[2] - se[1]);
      rootNow = rootIni_ + z * g;
      restBelow = rootMax_ - rootNow;
      break;
    case 3:
      pDay = p[3];
      break;
    default:
      pDay = p[3] + (p[4] - p[3]) * (z - se[3]) / (se[4] - se[3]);
      break;
  }
  TAM_ = rootNow * soil_.TotalAvailMoisture;
  RAM_ = pDay * TAM_;
  if (restBelow > 0 && deplBelow_ > 0) {
    const double moved = g / restBelow * deplBelow_;
    Dr_ += moved;
    deplBelow_ -= moved;
  }
  const double ks = (TAM_ - Dr_) / (TAM_ - RAM_);
  return ks > 1 ? 1 : ks;
}

bool DryBalance::DecideIrrigation(int z, int stage, const TScheduleDay& row) const {
  const int count = ws_.events.IrrCount;
  if (ws_.session.ScheduleAdjusted) return AdjustedEventDue(ws_.events, count + 1, z);
  TimingInput in;
  in.Dr = Dr_;
  in.RAM = RAM_;
  in.DayNumber = z;
  in.Stage = stage;
  in.LastIrrDay = lastIrrDay_;
  in.IrrCount = count;
  in.CumETa = row.CumETa;
  in.CumETc = row.CumETc;
  return TimingRuleFires(ws_.options, ws_.userTables, in);
}

void DryBalance::ApplyIrrigation(int z, TScheduleDay& row) {
  IrrigationEvents& ev = ws_.events;
  const int k = ++ev.IrrCount;
  lastIrrDay_ = z;
  const double in = ws_.session.ScheduleAdjusted ? ev.DepthAt(k)
                                                 : ApplicationDepth(ws_.options, ws_.userTables, k,
                                                                    Dr_, RAM_, lastUserDepth_);
  row.NetIrr = in;
  row.GrossIrr = GrossDepth(in, ws_.options.appleff);
  row.Deficit = 0;
  row.Loss = 0;
  out_.TotNetIrr += in;
  Dr_ -= in;
  out_.DepletionCurve.back().Dr = Dr_;
  if (Dr_ >= 0) {
    row.Deficit = Dr_;
  } else {
    row.Loss = DrainSurplus(Dr_, deplBelow_);
    out_.TotIrrLoss += row.Loss;
  }
  RecordIrrEvent(ev, k, z, in);
}

void DryBalance::Run() {
  const int* se = cwr_.StageEnd;
  const double maxRoot = soil_.MaxRootDepth / 100.0;  // m
  rootMax_ = std::min(maxRoot, crop_.RootDepth[3]);
  rootIni_ = std::min(maxRoot, crop_.RootDepth[2]);
  const double tamPerM = soil_.TotalAvailMoisture;  // mm/m
  TAM_ = rootIni_ * tamPerM;
  RAM_ = crop_.CritDepletion[1] * TAM_;
  Dr_ = soil_.InitialDepletion * rootIni_ * tamPerM / 100;
  deplBelow_ = soil_.InitialDepletion * (rootMax_ - rootIni_) * tamPerM / 100;
  if (deplBelow_ < 0) deplBelow_ = 0;  // initial roots deeper than the maximum

  out_ = DryScheduleResults();
  const int seasonDays = se[4] > 0 ? se[4] : 1;
  out_.ScheduleRows.reserve(static_cast<size_t>(seasonDays));
  out_.DepletionCurve.reserve(static_cast<size_t>(seasonDays));
  ws_.events.IrrCount = 0;
  lastIrrDay_ = 0;
  lastUserDepth_ = 0;
  if (!ws_.session.ScheduleAdjusted) {
    for (int i = 1; i <= kMaxEvents; ++i) {
      ws_.events.IrrEventDay[i] = MissingInt;
      ws_.events.IrrEventDepth[i] = MissingReal;
    }
  }

  const DateSerial planting = ws_.session.PlantingDate;
  int M = DateMonth(planting);
  int k = DecadeOfDay(DateDay(planting));
  int t = DateDay(planting) - 10 * (k - 1);  // day in the decade
  int m = M, d = DateDay(planting);
  const bool daily = ws_.session.EtoKind == 1 || ws_.session.EtoKind == 4;
  double lastKs = 0;  // a closing row without a previous day takes Ks 0

  for (int z = 1;; ++z) {
    const double etc = daily ? cwr_.DayETc[m][d] : cwr_.DecadeETc[M][k];
    int stage = 4;
    if (z <= se[1])
      stage = 1;
    else if (z <= se[2])
      stage = 2;
    else if (z <= se[3])
      stage = 3;

    TScheduleDay& row = out_.ScheduleRows.emplace_back();
    row.Day = d;
    row.Month = m;
    row.DayNumber = z;
    double rain = 0;

    if (z >= se[4]) {  // the last day of the season: rain only, no ET and no irrigation
      DailyRain(m, d, rain);
      row.Stage = 'D';
      row.DeplPercent = Dr_ / TAM_ * 100;
      row.Ks = lastKs;
      break;
    }

    DailyRain(m, d, rain);
    const double ks = UpdateRootZone(z, stage);
    const double eta = ks * etc;
    Dr_ += eta;
    out_.DepletionCurve.push_back({z, Dr_, TAM_, RAM_});

    row.Stage = static_cast<char>('A' + stage - 1);
    row.DeplPercent = Dr_ / TAM_ * 100;
    row.Ks = ks;
    row.ETa = eta;
    row.ETc = etc;
    const TScheduleDay* prev = z > 1 ? &out_.ScheduleRows[static_cast<size_t>(z - 2)] : nullptr;
    if (prev == nullptr || prev->NetIrr != 0) {
      row.CumETa = eta;
      row.CumETc = etc;
    } else {
      row.CumETa = prev->CumETa + eta;
      row.CumETc = prev->CumETc + etc;
    }
    row.Deficit = Dr_;
    row.Rain = rain;
    out_.StageETc[stage] += etc;
    out_.StageETa[stage] += eta;
    lastKs = ks;

    if (DecideIrrigation(z, stage, row)) ApplyIrrigation(z, row);

    if (++t > DecadeLength(M, k)) {
      t = 1;
      if (++k > 3) {
        k = 1;
        M = M == 12 ? 1 : M + 1;
      }
    }
    if (++d > MonthLength(m)) {
      d = 1;
      m = m == 12 ? 1 : m + 1;
    }
  }
  out_.IrrCount = ws_.events.IrrCount;
  out_.FinalDr = Dr_;
}

}  // namespace

void ComputeDrySchedule(Workspace& ws, const CwrResults& cwr, DryScheduleResults& out) {
  DryBalance(ws, cwr, out).Run();
}

DryScheduleResults ComputeDrySchedule(Workspace& ws) {
  DryScheduleResults out;
  ComputeDrySchedule(ws, ws.cwr, out);
  return out;
}

DryScheduleSummary SummariseDrySchedule(const DryScheduleResults& r, int appleff) {
  DryScheduleSummary s;
  double eta = 0, etc = 0;
  for (int i = 1; i <= 4; ++i) {
    eta += r.StageETa[i];
    etc += r.StageETc[i];
  }
  s.TotalGrossIrrigation = r.TotNetIrr * 100 / appleff;
  s.TotalNetIrrigation = r.TotNetIrr;
  s.TotalIrrigationLosses = r.TotIrrLoss;
  s.ActualWaterUse = eta;
  s.PotentialWaterUse = etc;
  if (r.TotNetIrr != 0) s.EfficiencySchedule = (r.TotNetIrr - r.TotIrrLoss) / r.TotNetIrr * 100;
  if (etc != 0) s.DeficiencySchedule = 100 - eta / etc * 100;
  s.TotalRain = r.TotRain;
  s.EffectiveRain = r.TotRain - r.TotRainLoss;
  s.TotalRainLoss = r.TotRainLoss;
  s.MoistureDeficitAtHarvest = r.FinalDr;
  s.ActualIrrigationRequirement = etc - (r.TotRain - r.TotRainLoss);
  if (r.TotRain != 0) s.EfficiencyRain = (r.TotRain - r.TotRainLoss) / r.TotRain * 100;
  return s;
}

YieldReductions ComputeYieldReductions(const DryScheduleResults& r, const TCropRecord& crop) {
  YieldReductions y;
  double eta = 0, etc = 0;
  for (int i = 1; i <= 4; ++i) {
    eta += r.StageETa[i];
    etc += r.StageETc[i];
  }
  for (int s = 1; s <= 5; ++s) y.YieldResponse[s] = crop.YieldResponse[s];
  double remaining = 1;  // product of (1 - yield reduction) over the stages so far
  bool cumulativeKnown = true;
  for (int s = 1; s <= 4; ++s) {
    if (r.StageETc[s] != 0) {
      const double red = 1 - r.StageETa[s] / r.StageETc[s];
      const double yr = crop.YieldResponse[s] * red;
      y.ReductionEtc[s] = red * 100;
      y.YieldReduction[s] = yr * 100;
      remaining *= 1 - yr;
    } else {
      cumulativeKnown = false;
    }
    if (cumulativeKnown) y.Cumulative[s] = (1 - remaining) * 100;
  }
  if (etc != 0) {
    const double red = 1 - eta / etc;
    y.ReductionEtc[5] = red * 100;
    y.YieldReduction[5] = crop.YieldResponse[5] * red * 100;
  }
  return y;
}

}  // namespace vsk

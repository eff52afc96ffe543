#include "climate/vskclimaterecalc.h"

#include "climate/vskETocalc.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

// ETo and radiation of one Penman-Monteith period as the window computes them; true when the
// period was evaluated in this pass (its ETo may still be missing).
bool RecomputePeriod(const ClimateCalc& calc, PeriodKind kind, int m, int i) {
  ClimateState& cs = calc.climate;
  TClimatePeriod& rec = PeriodRecord(cs, kind, m, i);
  double& eto = PeriodETo(cs, kind, m, i);
  auto compute = [&] {
    switch (kind) {
      case PeriodKind::Month:
        ComputeMonthETo(calc, m);
        break;
      case PeriodKind::Decade:
        ComputeDecadeETo(calc, m, i);
        break;
      case PeriodKind::Day:
        ComputeDayETo(calc, m, i);
        break;
    }
  };
  if (calc.options.estimateall) {
    // Estimation mode: sunshine always comes from the temperature range.
    if (rec.TMin == MissingReal || rec.TMax == MissingReal) return false;
    rec.Sunshine = MissingReal;
    if (ClimateRecordComplete(cs, rec, true)) {
      compute();
    } else {
      rec.Sunshine = MissingReal;
      eto = MissingReal;
      rec.Radiation = MissingReal;
    }
    return true;
  }
  if (ClimateRecordComplete(cs, rec, false)) {
    compute();
  } else {
    eto = MissingReal;
    rec.Radiation = MissingReal;
  }
  return true;
}

}  // namespace

void RecomputeAll(Workspace& ws) {
  const ClimateCalc calc = CalcOf(ws);
  ClimateState& cs = ws.climate;
  switch (ws.session.EtoKind) {
    case 3:
      for (int m = 1; m <= 12; ++m) RecomputePeriod(calc, PeriodKind::Month, m, 0);
      break;
    case 2:
      for (int m = 1; m <= 12; ++m) {
        double sum = 0;
        int count = 0;
        for (int k = 1; k <= 3; ++k) {
          if (RecomputePeriod(calc, PeriodKind::Decade, m, k) &&
              cs.DecadeETo[m][k] != MissingReal) {
            sum += cs.DecadeETo[m][k];
            ++count;
          }
        }
        // Decades in mm per decade add up to the month total.
        cs.MonthETo[m] = count == 0 ? MissingReal : ws.options.etoasmmday ? sum / count : sum;
      }
      break;
    case 1:
      for (int m = 1; m <= 12; ++m) {
        double sum = 0;
        int count = 0;
        for (int d = 1; d <= 31; ++d) {
          if (d > MonthLength(m)) {
            cs.DayETo[m][d] = MissingReal;
            cs.Data.Day[m][d].Radiation = MissingReal;
            continue;
          }
          if (RecomputePeriod(calc, PeriodKind::Day, m, d) && cs.DayETo[m][d] != MissingReal) {
            sum += cs.DayETo[m][d];
            ++count;
          }
        }
        cs.MonthETo[m] = count == 0 ? MissingReal : sum / count;
      }
      break;
    default:  // measured ETo: nothing is computed
      break;
  }
}

void RecomputeMonthSummaries(Workspace& ws) {
  const int kind = ws.session.EtoKind;
  if (kind != 1 && kind != 2) return;
  const ClimateCalc calc = CalcOf(ws);
  for (int m = 1; m <= 12; ++m)
    for (int c = kColTMin; c <= kColRadiation; ++c) MonthFromPeriods(calc, m, c);
}

void RecomputeMeasuredMonthETo(Workspace& ws) {
  ClimateState& cs = ws.climate;
  const int kind = ws.session.EtoKind;
  if (kind != 4 && kind != 5) return;
  for (int m = 1; m <= 12; ++m) {
    double sum = 0;
    int count = 0;
    const int n = kind == 4 ? MonthLength(m) : 3;
    for (int i = 1; i <= n; ++i) {
      const double v = kind == 4 ? cs.DayETo[m][i] : cs.DecadeETo[m][i];
      if (v != MissingReal) {
        sum += v;
        ++count;
      }
    }
    // Daily values are mm/day; decade values in mm per decade add up to the month total.
    const bool mean = kind == 4 || ws.options.etoasmmday;
    cs.MonthETo[m] = count == 0 ? MissingReal : mean ? sum / count : sum;
  }
}

void RecomputeAverages(Workspace& ws) {
  const ClimateCalc calc = CalcOf(ws);
  for (int c = kColTMin; c <= kColRadiation; ++c) ColumnAverage(calc, c);
}

void RecomputeClimateTables(Workspace& ws) {
  RecomputeAll(ws);
  RecomputeMonthSummaries(ws);
  // Of the measured kinds only the daily window derives its month values when it shows the
  // data; the decade window shows the month values the table holds (from the file's month
  // lines) until a decade is edited.
  if (ws.session.EtoKind == 4) RecomputeMeasuredMonthETo(ws);
  RecomputeAverages(ws);
}

}  // namespace vsk

#include "rain/vskraincalc.h"

namespace vsk {

namespace {

bool Given(double v) {
  return v != MissingReal;
}

// Methods 1..4 have a formula; every other code (5, or a value out of range) means that
// rainfall is not considered.
bool MethodHasFormula(byte method) {
  return method >= 1 && method <= 4;
}

void SetMonthEffMissing(TRainData& r, int m) {
  for (int k = 1; k <= 3; ++k) r.DecadeEffRain[m][k] = MissingReal;
  r.MonthEffRain[m] = MissingReal;
}

}  // namespace

void ClearRain(Workspace& ws) {
  TRainData& r = ws.rain.Data;
  r.RainStation.clear();
  for (int m = 1; m <= 12; ++m) {
    const int days = MonthLength(m);
    for (int d = 1; d <= 31; ++d) r.DayRain[m][d] = d <= days ? 0.0 : MissingReal;
    for (int k = 1; k <= 3; ++k) {
      r.DecadeRain[m][k] = MissingReal;
      r.DecadeEffRain[m][k] = MissingReal;
    }
    r.MonthRain[m] = MissingReal;
    r.MonthEffRain[m] = MissingReal;
  }
  ws.rain.TotalRain = MissingReal;
  ws.rain.TotalEffRain = MissingReal;
  ws.rain.RainYear = MissingInt;
  ws.session.RecordReset(DataKind::Rain);
}

int EffRainDivisor(int rainKind) {
  return rainKind == 3 ? 1 : 3;
}

double EffectiveRain(const Options& o, double p, int n) {
  if (!Given(p)) return MissingReal;
  const double nn = n;
  double peff = 0;
  switch (o.ermethod) {
    case 1:  // fixed percentage
      return o.erfixperc / 100.0 * p;
    case 2:  // dependable rain
      peff = p <= 70 / nn ? 0.6 * p - 10 / nn : 0.8 * p - 24 / nn;
      break;
    case 3:  // empirical formula; rainx, rainb and raind are mm per month
      peff = p <= o.rainx / nn ? o.raina * p + o.rainb / nn : o.rainc * p + o.raind / nn;
      break;
    case 4:  // USDA Soil Conservation Service
      peff = p <= 250 / nn ? p * (125 - 0.2 * nn * p) / 125 : 125 / nn + 0.1 * p;
      break;
    default:  // rainfall not considered
      return 0.0;
  }
  return peff < 0 ? 0.0 : peff;
}

double EffectiveRain(const Workspace& ws, double rain) {
  return EffectiveRain(ws.options, rain, EffRainDivisor(ws.session.RainKind));
}

void ComputeEffRainMonth(Workspace& ws, int m) {
  TRainData& r = ws.rain.Data;
  const bool formula = MethodHasFormula(ws.options.ermethod);
  if (ws.session.RainKind == 3) {
    r.MonthEffRain[m] = EffectiveRain(ws, r.MonthRain[m]);
    if (!formula)
      for (int k = 1; k <= 3; ++k) r.DecadeEffRain[m][k] = 0.0;
    return;
  }
  double sum = 0;
  bool complete = true;
  for (int k = 1; k <= 3; ++k) {
    r.DecadeEffRain[m][k] = EffectiveRain(ws, r.DecadeRain[m][k]);
    if (Given(r.DecadeEffRain[m][k]))
      sum += r.DecadeEffRain[m][k];
    else
      complete = false;
  }
  r.MonthEffRain[m] = complete ? sum : MissingReal;
}

void RainTotals(Workspace& ws) {
  const TRainData& r = ws.rain.Data;
  double rain = 0, eff = 0;
  bool anyRain = false, anyEff = false;
  for (int m = 1; m <= 12; ++m) {
    if (Given(r.MonthRain[m])) {
      rain += r.MonthRain[m];
      anyRain = true;
    }
    if (Given(r.MonthEffRain[m])) {
      eff += r.MonthEffRain[m];
      anyEff = true;
    }
  }
  ws.rain.TotalRain = anyRain ? rain : MissingReal;
  ws.rain.TotalEffRain = anyRain && anyEff ? eff : MissingReal;
}

bool MonthDaysComplete(const Workspace& ws, int m) {
  const int days = MonthLength(m);
  for (int d = 1; d <= days; ++d)
    if (!Given(ws.rain.Data.DayRain[m][d])) return false;
  return true;
}

bool MonthDecadesComplete(const Workspace& ws, int m) {
  for (int k = 1; k <= 3; ++k)
    if (!Given(ws.rain.Data.DecadeRain[m][k])) return false;
  return true;
}

void RainFromDays(Workspace& ws, int m) {
  TRainData& r = ws.rain.Data;
  const int days = MonthLength(m);
  double month = 0;
  bool any = false;
  for (int d = 1; d <= days; ++d) {
    if (Given(r.DayRain[m][d])) {
      month += r.DayRain[m][d];
      any = true;
    }
  }
  r.MonthRain[m] = any ? month : MissingReal;
  // Decade 1: days 1-10, decade 2: days 11-20, decade 3: day 21 to the end of the month.
  for (int k = 1; k <= 3; ++k) {
    const int first = (k - 1) * 10 + 1;
    const int last = k < 3 ? k * 10 : days;
    double sum = 0;
    bool complete = true;
    for (int d = first; d <= last; ++d) {
      if (Given(r.DayRain[m][d]))
        sum += r.DayRain[m][d];
      else
        complete = false;
    }
    r.DecadeRain[m][k] = complete ? sum : MissingReal;
  }
  if (MonthDaysComplete(ws, m))
    ComputeEffRainMonth(ws, m);
  else
    SetMonthEffMissing(r, m);
}

void RainFromDecades(Workspace& ws, int m) {
  TRainData& r = ws.rain.Data;
  double month = 0;
  bool any = false;
  for (int k = 1; k <= 3; ++k) {
    if (Given(r.DecadeRain[m][k])) {
      month += r.DecadeRain[m][k];
      any = true;
    }
  }
  r.MonthRain[m] = any ? month : MissingReal;
  if (MonthDecadesComplete(ws, m))
    ComputeEffRainMonth(ws, m);
  else
    SetMonthEffMissing(r, m);
}

void InterpolateDecadeRain(const double M[13], double D[13][4]) {
  // Bounds that keep the adjustment loops finite on any input (values read from a file may be
  // anything). A monthly total of 100 000 mm needs well under a million steps.
  constexpr long kMaxSteps = 2'000'000;

  for (int m = 1; m <= 12; ++m) D[m][2] = M[m] / 3;

  for (int m = 1; m <= 12; ++m) {
    if (!Given(M[m])) continue;
    const double mp = M[m == 1 ? 12 : m - 1];
    const double mn = M[m == 12 ? 1 : m + 1];
    double& d1 = D[m][1];
    double& d2 = D[m][2];
    double& d3 = D[m][3];

    if (!Given(mp) && !Given(mn)) {
      // No neighbour to give a slope: three equal decades.
      d1 = d2;
      d3 = d2;
    } else if (!Given(mp)) {
      d3 = d2 * 2 / 3 + mn / 9;
      d1 = d2 + (d2 - d3);
      if (d1 < 0) d1 = 0;
    } else if (!Given(mn)) {
      d1 = d2 * 2 / 3 + mp / 9;
      d3 = d2 + (d2 - d1);
      if (d3 < 0) d3 = 0;
    } else {
      for (long step = 0; step < kMaxSteps; ++step) {
        d1 = d2 * 2 / 3 + mp / 9;
        d3 = d2 * 2 / 3 + mn / 9;
        const double dev = (d1 + d2 + d3) / 3 - M[m] / 3;
        if (dev >= 0.05 && d2 > 0.05) {
          const double lower = d2 - 0.05;
          if (lower == d2) break;  // no longer representable as a step
          d2 = lower;
        } else if (dev >= 0.05) {
          // The middle decade is dry: share the surplus out of the outer decades in the
          // proportion of the neighbouring months.
          d2 = 0;
          const double a = mp / (mp + mn) * 0.05;
          const double b = mn / (mp + mn) * 0.05;
          for (long low = 0; low < kMaxSteps; ++low) {
            bool lowered = false;
            if (d1 - a > 0 && d1 - a != d1) {
              d1 -= a;
              lowered = true;
            }
            if (d3 - b > 0 && d3 - b != d3) {
              d3 -= b;
              lowered = true;
            }
            if ((d1 + d3) / 3 - M[m] / 3 <= 0.05 || !lowered) break;
          }
          break;
        } else if (dev <= -0.05) {
          const double higher = d2 + 0.05;
          if (higher == d2) break;
          d2 = higher;
        } else {
          break;
        }
      }
    }
  }
}

}  // namespace vsk

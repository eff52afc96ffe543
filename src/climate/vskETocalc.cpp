#include "climate/vskETocalc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/vskmessages.h"
#include "core/vskui.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

bool Given(double v) {
  return v != MissingReal;
}

// A day whose day length is below this (polar night) takes n/N and Ra as 0.
constexpr double kPolarNightHours = 0.01;

// Representative day of year of decade B (1..36): 4, 14, 24, 34, ..., 359.
double DecadeRepresentativeDay(int b) {
  return std::floor(10.1433 * b - 6.08175);
}

// Calls fn(period, J) for every record a conversion visits: the daily records of daily
// Penman-Monteith data, else the monthly and decade records. J is the record's
// representative day of year.
template <typename Fn>
void ForEachRecord(TClimateData& record, int etoKind, Fn fn) {
  if (etoKind == 1) {
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) fn(record.Day[m][d], double(DaysBeforeMonth(m) + d));
    return;
  }
  for (int m = 1; m <= 12; ++m) fn(record.Month[m], double(MidMonthDay(m)));
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k)
      fn(record.Decade[m][k], DecadeRepresentativeDay(DecadeIndex(m, k)));
}

void Show(const ClimateCalc& calc, Msg id) {
  if (!calc.ui) return;
  calc.ui->information(calc.texts ? (*calc.texts)(id) : DefaultText(id));
}

// The selected field of a period for the summary columns 1..5.
double& ColumnField(TClimatePeriod& p, int c, bool tempMinMax) {
  switch (c) {
    case kColTMin:
      return p.TMin;
    case kColTMax:
      return tempMinMax ? p.TMax : p.TMean;
    case kColHumidity:
      return p.Humidity;
    case kColWind:
      return p.Wind;
    case kColSunshine:
      return p.Sunshine;
    default:
      return p.Radiation;
  }
}

// Mean of the given values, MissingReal when none; `sum` receives their sum.
struct Accumulator {
  double sum = 0;
  int count = 0;
  void Add(double v) {
    if (Given(v)) {
      sum += v;
      ++count;
    }
  }
  double Mean() const { return count ? sum / count : MissingReal; }
  double Sum() const { return count ? sum : MissingReal; }
};

}  // namespace

ClimateCalc CalcOf(Workspace& ws) {
  return ClimateCalc{ws.climate, ws.options, ws.session.EtoKind, &ws.ui, &ws.texts};
}

// ---- Record ----------------------------------------------------------------------------

void ClearClimateRecord(ClimateState& climate) {
  const bool tempMinMax = climate.TempMinMax;
  climate = ClimateState();
  climate.TempMinMax = tempMinMax;
}

void ClearClimate(Workspace& ws) {
  ClearClimateRecord(ws.climate);
  ws.session.RecordReset(DataKind::Climate);
}

TClimatePeriod& PeriodRecord(ClimateState& climate, PeriodKind kind, int m, int i) {
  switch (kind) {
    case PeriodKind::Decade:
      return climate.Data.Decade[m][i];
    case PeriodKind::Day:
      return climate.Data.Day[m][i];
    case PeriodKind::Month:
      break;
  }
  return climate.Data.Month[m];
}

double& PeriodETo(ClimateState& climate, PeriodKind kind, int m, int i) {
  switch (kind) {
    case PeriodKind::Decade:
      return climate.DecadeETo[m][i];
    case PeriodKind::Day:
      return climate.DayETo[m][i];
    case PeriodKind::Month:
      break;
  }
  return climate.MonthETo[m];
}

// ---- Basic formulas --------------------------------------------------------------------

double SatVapourPressure(double t) {
  return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

double SatVapourPressureMean(double a, double b) {
  return (SatVapourPressure(a) + SatVapourPressure(b)) / 2;
}

void DaylengthAndRa(const TClimateData& station, double J, double& N, double& Ra) {
  double phi = station.Latitude * 0.0174532925;  // latitude, rad
  if (station.South) phi = -phi;
  const double delta = 0.4093 * std::sin(0.01721420632103996 * J - 1.39);  // declination
  const double dr = 1 + 0.033 * std::cos(0.01721420632103996 * J);  // inverse distance Earth-Sun
  const double tanPhi = std::tan(phi);
  const double tanDelta = std::tan(delta);
  double x = 1 - tanPhi * tanPhi * (tanDelta * tanDelta);
  if (x <= 0) x = 0.00001;  // polar day or night
  const double omega = std::numbers::pi / 2 - std::atan(-tanPhi * tanDelta / std::sqrt(x));
  N = 7.6394 * omega;  // daylight hours
  Ra =
      37.586 * dr *
      (omega * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(omega));
  // Polar night leaves a tiny residue of either sign in N and Ra: no radiation at all.
  if (N < kPolarNightHours) Ra = 0;
}

void DaylengthAndRa(const Workspace& ws, double J, double& N, double& Ra) {
  DaylengthAndRa(ws.climate.Data, J, N, Ra);
}

// ---- Penman-Monteith -------------------------------------------------------------------

double PenmanMontEToDay(const ClimateCalc& calc, int m, TClimatePeriod p, double J, double& rs,
                        double& sunshine, bool reportHumidity) {
  const Options& o = calc.options;
  const TClimateData& station = calc.climate.Data;

  // Temperatures (°C).
  double tMean;
  if (calc.climate.TempMinMax) {
    tMean = (p.TMin + p.TMax) / 2;
  } else {
    p.TMin = p.TMean;
    p.TMax = p.TMean;
    tMean = p.TMean;
  }
  // Saturation vapour pressures (kPa).
  const double eMax = SatVapourPressure(p.TMax);
  const double eMin = SatVapourPressure(p.TMin);
  const double eMean = SatVapourPressure(tMean);
  const double es = (eMax + eMin) / 2;
  // Day length (hours) and extraterrestrial radiation (MJ/m²/day).
  double N = 0, Ra = 0;
  DaylengthAndRa(station, J, N, Ra);
  const bool polarNight = N < kPolarNightHours;
  // Relative humidity (%).
  const double rh = o.humidityasperc ? p.Humidity : p.Humidity / es * 100;
  if (rh > 100) {
    if (reportHumidity) Show(calc, Msg::HumidityOutOfRange);
    rs = MissingReal;
    return MissingReal;
  }
  // Solar radiation Rs (MJ/m²/day) from the sunshine duration n (hours), or n estimated
  //    from the temperature range.
  double n = 0;      // sunshine hours
  double ratio = 0;  // n/N
  double Rs = 0;
  if (Given(p.Sunshine)) {
    switch (o.sunshineunit) {
      case SunshineUnit::Hours:
        n = p.Sunshine;
        break;
      case SunshineUnit::Percent:
        n = p.Sunshine * N / 100;
        break;
      case SunshineUnit::Fraction:
        n = p.Sunshine * N;
        break;
    }
    ratio = polarNight ? 0 : n / N;
    Rs = (0.25 + 0.5 * ratio) * Ra;
  } else {
    Rs = 0.17 * std::sqrt(std::max(0.0, p.TMax - p.TMin)) * Ra;
    double stored = 0;
    if (!polarNight && Ra != 0) {
      n = (Rs / Ra - 0.25) / 0.5 * N;
      ratio = n / N;
      const double clamped = std::max(0.0, n);
      switch (o.sunshineunit) {
        case SunshineUnit::Hours:
          stored = clamped;
          break;
        case SunshineUnit::Percent:
          stored = clamped * 100 / N;
          break;
        case SunshineUnit::Fraction:
          stored = clamped / N;
          break;
      }
    }
    sunshine = stored;
  }
  const double Rns = 0.77 * Rs;  // net short-wave radiation, albedo 0.23
  // Actual vapour pressure (kPa), always from the saturation pressure at the mean temperature.
  const double ea = rh / 100 * eMean;
  // Net long-wave radiation (MJ/m²/day); the last factor holds Rs/Rso.
  const double tkMax = p.TMax + 273.16, tkMin = p.TMin + 273.16;  // K
  const double tk4Max = tkMax * tkMax * (tkMax * tkMax);
  const double tk4Min = tkMin * tkMin * (tkMin * tkMin);
  const double Rnl = 4.903e-9 * (tk4Max + tk4Min) / 2 *
                     (0.34 - 0.14 * std::sqrt(std::max(0.0, ea))) *
                     ((0.25 + 0.5 * ratio) / (0.75 + 0.00002 * station.Altitude) * 1.35 - 0.35);
  // Net radiation (MJ/m²/day).
  double Rn = Rns - Rnl;
  // Soil heat flux of monthly data from the neighbouring months' mean temperatures.
  if (calc.etoKind == 3) {
    const double tPrev = MonthMeanTemperature(calc.climate, m - 1);
    const double tNext = MonthMeanTemperature(calc.climate, m + 1);
    if (!Given(tPrev) || !Given(tNext)) {
      rs = MissingReal;
      return MissingReal;
    }
    Rn = Rn - 0.07 * (tNext - tPrev);
  }
  if (Rn < 0) Rn = 0;
  // Slope of the vapour pressure curve (kPa/°C), mean of the slopes at TMax and TMin.
  const double slope = 2049 * eMax / ((p.TMax + 237.3) * (p.TMax + 237.3)) +
                       2049 * eMin / ((p.TMin + 237.3) * (p.TMin + 237.3));
  // Atmospheric pressure (kPa) and psychrometric constant (kPa/°C).
  const double pressure = 101.3 * std::pow((293 - 0.0065 * station.Altitude) / 293, 5.26);
  const double gamma = 0.000665 * pressure;
  // Wind speed at 2 m (m/s); no height correction.
  const double u2 = o.windaskmday ? p.Wind / 86.4 : p.Wind;
  // Reference evapotranspiration (mm/day).
  const double denominator = slope + gamma * (1 + 0.34 * u2);
  const double eto =
      0.408 * Rn * slope / denominator + 900 / (tMean + 273) * u2 * (es - ea) * gamma / denominator;
  // Absurd values from a file (an altitude above the atmosphere, a temperature of -237.3)
  // give no number: no ETo rather than a value that cannot be shown or written.
  if (!std::isfinite(eto)) {
    rs = MissingReal;
    return MissingReal;
  }
  rs = Rns / 0.77;
  return eto < 0 ? 0.0001 : eto;
}

double PenmanMontEToDay(Workspace& ws, int m, TClimatePeriod period, double J, double& rs,
                        double& sunshine) {
  return PenmanMontEToDay(CalcOf(ws), m, period, J, rs, sunshine, true);
}

namespace {

// Evaluates `days` days from day of year `first` (or the days of month m when `first` is 0)
// with one period record. The tests that make a day fail do not depend on the day, so the
// first failing day makes the whole period fail and the message is shown once.
bool EvaluatePeriod(const ClimateCalc& calc, int m, TClimatePeriod& rec, int first, int days,
                    double& etoMean, double& rsMean) {
  double etoSum = 0, rsSum = 0;
  for (int i = 0; i < days; ++i) {
    double rs = 0;
    const double eto = PenmanMontEToDay(calc, m, rec, double(first + i), rs, rec.Sunshine, true);
    if (eto == MissingReal) return false;
    etoSum += eto;
    rsSum += rs;
  }
  etoMean = etoSum / days;
  rsMean = rsSum / days;
  return true;
}

}  // namespace

void ComputeDayETo(const ClimateCalc& calc, int m, int d) {
  TClimatePeriod& rec = calc.climate.Data.Day[m][d];
  double rs = 0;
  calc.climate.DayETo[m][d] =
      PenmanMontEToDay(calc, m, rec, double(DayOfYear(m, d)), rs, rec.Sunshine, true);
  rec.Radiation = rs;
}

void ComputeDayETo(Workspace& ws, int m, int d) {
  ComputeDayETo(CalcOf(ws), m, d);
}

void ComputeDecadeETo(const ClimateCalc& calc, int m, int k) {
  TClimatePeriod& rec = calc.climate.Data.Decade[m][k];
  const int n = DecadeLength(m, k);
  const int first = DaysBeforeMonth(m) + (k - 1) * 10 + 1;
  double eto = 0, rs = 0;
  if (!EvaluatePeriod(calc, m, rec, first, n, eto, rs)) {
    calc.climate.DecadeETo[m][k] = MissingReal;
    rec.Radiation = MissingReal;
    return;
  }
  calc.climate.DecadeETo[m][k] = calc.options.etoasmmday ? eto : eto * n;
  rec.Radiation = rs;
}

void ComputeDecadeETo(Workspace& ws, int m, int k) {
  ComputeDecadeETo(CalcOf(ws), m, k);
}

void ComputeMonthETo(const ClimateCalc& calc, int m) {
  TClimatePeriod& rec = calc.climate.Data.Month[m];
  const int n = MonthLength(m);
  double eto = 0, rs = 0;
  if (!EvaluatePeriod(calc, m, rec, DaysBeforeMonth(m) + 1, n, eto, rs)) {
    calc.climate.MonthETo[m] = MissingReal;
    rec.Radiation = MissingReal;
    return;
  }
  calc.climate.MonthETo[m] = calc.options.etoasmmday ? eto : eto * n;
  rec.Radiation = rs;
}

void ComputeMonthETo(Workspace& ws, int m) {
  ComputeMonthETo(CalcOf(ws), m);
}

bool ClimateRecordComplete(const ClimateState& climate, const TClimatePeriod& p,
                           bool allowMissingSunshine) {
  const TClimateData& s = climate.Data;
  if (!Given(s.Altitude) || !Given(s.Latitude)) return false;
  // Only the temperatures in use count: a period with a stray mean temperature while the
  // record holds minimum/maximum temperatures (or the reverse) has no usable temperature.
  const bool temps = climate.TempMinMax ? Given(p.TMin) && Given(p.TMax) : Given(p.TMean);
  return temps && Given(p.Humidity) && Given(p.Wind) && (Given(p.Sunshine) || allowMissingSunshine);
}

bool ClimateRecordComplete(const Workspace& ws, const TClimatePeriod& period,
                           bool allowMissingSunshine) {
  return ClimateRecordComplete(ws.climate, period, allowMissingSunshine);
}

void EstimateHumidity(const Options& options, TClimatePeriod& p) {
  const double eMin = SatVapourPressure(p.TMin);
  const double rh = (eMin / SatVapourPressure(p.TMax) * 100 + 100) / 2;  // %
  p.Humidity = options.humidityasperc ? rh : rh * eMin / 100;
}

void EstimateHumidity(Workspace& ws, PeriodKind kind, int m, int i) {
  EstimateHumidity(ws.options, PeriodRecord(ws.climate, kind, m, i));
}

double MonthMeanTemperature(const ClimateState& climate, int i) {
  const int m = i <= 0 ? 12 : i >= 13 ? 1 : i;
  const TClimatePeriod& p = climate.Data.Month[m];
  if (!climate.TempMinMax) return p.TMean;
  if (!Given(p.TMin) || !Given(p.TMax)) return MissingReal;
  return (p.TMin + p.TMax) / 2;
}

double MonthMeanTemperature(const Workspace& ws, int i) {
  return MonthMeanTemperature(ws.climate, i);
}

// ---- Summaries -------------------------------------------------------------------------

void MonthFromPeriods(const ClimateCalc& calc, int m, int c) {
  if (c < 1) return;
  ClimateState& cs = calc.climate;
  const bool daily = calc.etoKind == 1;
  const int count = daily ? MonthLength(m) : 3;
  auto period = [&](int i) -> TClimatePeriod& {
    return daily ? cs.Data.Day[m][i] : cs.Data.Decade[m][i];
  };
  if (c < kColRadiation) {
    Accumulator acc;
    for (int i = 1; i <= count; ++i) acc.Add(ColumnField(period(i), c, cs.TempMinMax));
    ColumnField(cs.Data.Month[m], c, cs.TempMinMax) = acc.Mean();
    return;
  }
  Accumulator rad, eto;
  for (int i = 1; i <= count; ++i) {
    rad.Add(period(i).Radiation);
    eto.Add(daily ? cs.DayETo[m][i] : cs.DecadeETo[m][i]);
  }
  cs.Data.Month[m].Radiation = rad.Mean();
  // Decade values held in mm per decade add up to the month total.
  cs.MonthETo[m] = daily || calc.options.etoasmmday ? eto.Mean() : eto.Sum();
}

void MonthFromPeriods(Workspace& ws, int m, int c) {
  MonthFromPeriods(CalcOf(ws), m, c);
}

void ColumnAverage(const ClimateCalc& calc, int c) {
  if (c < 1) return;
  ClimateState& cs = calc.climate;
  if (c < kColRadiation) {
    Accumulator acc;
    for (int m = 1; m <= 12; ++m) acc.Add(ColumnField(cs.Data.Month[m], c, cs.TempMinMax));
    cs.AverageRow[c] = acc.Mean();
    return;
  }
  Accumulator rad, eto;
  for (int m = 1; m <= 12; ++m) {
    rad.Add(cs.Data.Month[m].Radiation);
    eto.Add(cs.MonthETo[m]);
  }
  cs.AverageRow[kColRadiation] = rad.Mean();
  // Daily tables always show mm/day; otherwise period totals add up to a yearly total.
  const bool daily = calc.etoKind == 1 || calc.etoKind == 4;
  cs.AverageRow[kColETo] = daily || calc.options.etoasmmday ? eto.Mean() : eto.Sum();
}

void ColumnAverage(Workspace& ws, int c) {
  ColumnAverage(CalcOf(ws), c);
}

// ---- Unit conversions ------------------------------------------------------------------

void ConvertEToPerPeriod(ClimateState& climate, int etoKind, bool toPerDay) {
  const bool dailyKind = etoKind == 1 || etoKind == 4;
  for (int m = 1; m <= 12; ++m) {
    double& v = climate.MonthETo[m];
    if (!dailyKind && Given(v)) v = toPerDay ? v / MonthLength(m) : v * MonthLength(m);
    for (int k = 1; k <= 3; ++k) {
      double& d = climate.DecadeETo[m][k];
      if (Given(d)) d = toPerDay ? d / DecadeLength(m, k) : d * DecadeLength(m, k);
    }
  }
}

void ConvertEToPerPeriod(Workspace& ws, bool toPerDay) {
  ConvertEToPerPeriod(ws.climate, ws.session.EtoKind, toPerDay);
}

void ConvertHumidityUnits(TClimateData& record, bool tempMinMax, int etoKind, bool toPercent) {
  ForEachRecord(record, etoKind, [&](TClimatePeriod& p, double) {
    if (!Given(p.Humidity)) return;
    double e = 0;  // reference saturation vapour pressure, kPa
    if (tempMinMax && Given(p.TMax) && Given(p.TMin)) {
      e = SatVapourPressureMean(p.TMax, p.TMin);
    } else if (!tempMinMax && Given(p.TMean)) {
      e = SatVapourPressure(p.TMean);
    } else {
      p.Humidity = MissingReal;
      return;
    }
    if (toPercent)
      p.Humidity = std::min(100.0, p.Humidity / e * 100);
    else
      p.Humidity = e * p.Humidity / 100;
  });
}

void ConvertSunshineHours(TClimateData& record, int etoKind, bool toHours, bool percent) {
  const double r = percent ? 100 : 1;
  ForEachRecord(record, etoKind, [&](TClimatePeriod& p, double J) {
    if (!Given(p.Sunshine)) return;
    if (!Given(record.Latitude)) {
      p.Sunshine = MissingReal;
      return;
    }
    double N = 0, Ra = 0;
    DaylengthAndRa(record, J, N, Ra);
    if (N < kPolarNightHours)
      p.Sunshine = 0;
    else if (toHours)
      p.Sunshine = N * p.Sunshine / r;
    else
      p.Sunshine = std::min(r, r * p.Sunshine / N);
  });
}

void ConvertSunshinePercentFraction(TClimateData& record, int etoKind, bool toPercent) {
  ForEachRecord(record, etoKind, [&](TClimatePeriod& p, double) {
    if (Given(p.Sunshine)) p.Sunshine = toPercent ? p.Sunshine * 100 : p.Sunshine / 100;
  });
}

void ConvertWindUnits(TClimateData& record, int etoKind, bool toKmPerDay) {
  ForEachRecord(record, etoKind, [&](TClimatePeriod& p, double) {
    if (Given(p.Wind)) p.Wind = toKmPerDay ? p.Wind * 86.4 : p.Wind / 86.4;
  });
}

void ConvertClimateUnits(const Options& options, TClimateData& record, bool tempMinMax, int etoKind,
                         bool toFileUnits) {
  if (!options.humidityasperc) ConvertHumidityUnits(record, tempMinMax, etoKind, toFileUnits);
  if (!options.windaskmday) ConvertWindUnits(record, etoKind, toFileUnits);
  if (options.sunshineunit == SunshineUnit::Percent)
    ConvertSunshineHours(record, etoKind, toFileUnits, true);
  else if (options.sunshineunit == SunshineUnit::Fraction)
    ConvertSunshineHours(record, etoKind, toFileUnits, false);
}

void ConvertClimateUnits(Workspace& ws, bool toFileUnits) {
  ConvertClimateUnits(ws.options, ws.climate.Data, ws.climate.TempMinMax, ws.session.EtoKind,
                      toFileUnits);
}

// ---- Decade ETo from monthly ETo -------------------------------------------------------

void InterpolateDecadeETo(ClimateState& climate, int etoKind, bool etoAsMmDay) {
  if (!etoAsMmDay) ConvertEToPerPeriod(climate, etoKind, true);
  double E[14];
  for (int m = 1; m <= 12; ++m) E[m] = climate.MonthETo[m];
  E[0] = E[12];
  E[13] = E[1];
  for (int m = 1; m <= 12; ++m) {
    if (!Given(E[m])) continue;
    double d1 = 0, d2 = E[m], d3 = 0;
    const bool prevMissing = !Given(E[m - 1]);
    const bool nextMissing = !Given(E[m + 1]);
    if (prevMissing && nextMissing) {
      d1 = d3 = d2;
    } else if (prevMissing) {
      d3 = d2 * 2 / 3 + E[m + 1] / 3;
      d1 = d2 + (d2 - d3);
    } else if (nextMissing) {
      d1 = d2 * 2 / 3 + E[m - 1] / 3;
      d3 = d2 + (d2 - d1);
    } else {
      // Move the middle decade until the mean of the three decades lies within 0.1 mm/day
      // of the monthly value (each step moves the mean by 0.0778). The step count is
      // bounded so that absurd values from a file cannot hold the loop.
      for (long step = 0;; ++step) {
        d1 = d2 * 2 / 3 + E[m - 1] / 3;
        d3 = d2 * 2 / 3 + E[m + 1] / 3;
        const double diff = (d1 + d2 + d3) / 3 - E[m];
        if (step >= 1000000) break;
        if (diff >= 0.1)
          d2 = d2 - 0.1;
        else if (diff <= -0.1)
          d2 = d2 + 0.1;
        else
          break;
      }
    }
    climate.DecadeETo[m][1] = std::max(0.0, d1);
    climate.DecadeETo[m][2] = std::max(0.0, d2);
    climate.DecadeETo[m][3] = std::max(0.0, d3);
  }
  if (!etoAsMmDay) ConvertEToPerPeriod(climate, etoKind, false);
}

void InterpolateDecadeETo(Workspace& ws) {
  InterpolateDecadeETo(ws.climate, ws.session.EtoKind, ws.options.etoasmmday);
}

}  // namespace vsk

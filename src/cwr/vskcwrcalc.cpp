#include "cwr/vskcwrcalc.h"

#include <cmath>
#include <string>
#include <utility>

#include "climate/vskETocalc.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

// Wind speed at 2 m (in the unit held) and minimum relative humidity (%) of one climate record;
// the minimum humidity is reached at the maximum temperature with the vapour pressure of the
// minimum temperature.
struct StageClimate {
  double u2 = 0;
  double rhMin = 0;
};

StageClimate RecordClimate(const TClimatePeriod& p) {
  return {p.Wind, 100 * SatVapourPressure(p.TMin) / SatVapourPressure(p.TMax)};
}

void AddWeighted(StageClimate& sum, const TClimatePeriod& p, double weight) {
  const StageClimate c = RecordClimate(p);
  sum.u2 += weight * c.u2;
  sum.rhMin += weight * c.rhMin;
}

int NextMonth(int m) {
  return m == 12 ? 1 : m + 1;
}

// Mean wind and minimum humidity over the n days from `start`, from the climate records of the
// ETo kind in use. Measured ETo has no climate records: both are 0.
StageClimate MeanStageClimate(const Workspace& ws, MonthDay start, int n) {
  const TClimateData& c = ws.climate.Data;
  const MonthDay end = AddCalendarDays(start, n);  // the first day after the period
  const int ms = start.month, ds = start.day;
  const int me = end.month, de = end.day;
  StageClimate sum;
  switch (ws.session.EtoKind) {
    case 3: {  // monthly records, weighted by the days of each month in the period
      if (ms == me) return RecordClimate(c.Month[ms]);
      AddWeighted(sum, c.Month[ms], static_cast<double>(MonthLength(ms) - ds + 1) / n);
      for (int m = NextMonth(ms); m != me; m = NextMonth(m))
        AddWeighted(sum, c.Month[m], static_cast<double>(MonthLength(m)) / n);
      AddWeighted(sum, c.Month[me], static_cast<double>(de - 1) / n);
      return sum;
    }
    case 2: {  // decade records, weighted by the days of each decade in the period
      const int ks = DecadeOfDay(ds), ke = DecadeOfDay(de);
      if (ms == me && ks == ke) return RecordClimate(c.Decade[ms][ks]);
      AddWeighted(sum, c.Decade[ms][ks],
                  static_cast<double>(DecadeLength(ms, ks) - (ds - 10 * (ks - 1) - 1)) / n);
      // The whole decades between the first and the last one.
      for (int m = ms, k = ks;;) {
        if (++k > 3) {
          k = 1;
          m = NextMonth(m);
        }
        if (m == me && k == ke) break;
        AddWeighted(sum, c.Decade[m][k], static_cast<double>(DecadeLength(m, k)) / n);
      }
      AddWeighted(sum, c.Decade[me][ke], static_cast<double>(de - 1 - 10 * (ke - 1)) / n);
      return sum;
    }
    case 1: {  // daily records: the plain mean over the days of the period
      if (n <= 0) return RecordClimate(c.Day[ms][ds]);
      for (int i = 0; i < n; ++i) {
        const MonthDay day = AddCalendarDays(start, i);
        const StageClimate r = RecordClimate(c.Day[day.month][day.day]);
        sum.u2 += r.u2;
        sum.rhMin += r.rhMin;
      }
      sum.u2 /= n;
      sum.rhMin /= n;
      return sum;
    }
    default:
      return sum;
  }
}

int LengthOrZero(int v) {
  return v == MissingInt ? 0 : v;
}

}  // namespace

DateSerial HarvestDate(const TCropRecord& crop, DateSerial planting) {
  return AddDays(planting, crop.StageLength[1] + crop.StageLength[2] + crop.StageLength[3] +
                               crop.StageLength[4] - 1);
}

void CorrectKcForClimate(const Workspace& ws, TCropRecord& crop, DateSerial planting,
                         KcStage stage) {
  if (crop.CropHeight == MissingReal) {
    crop.Kc[7] = crop.Kc[3];
    crop.Kc[8] = crop.Kc[4];
    return;
  }
  const bool mid = stage == KcStage::MidSeason;
  int before = crop.StageLength[1] + crop.StageLength[2];
  if (!mid) before += crop.StageLength[3];
  const int n = mid ? crop.StageLength[3] : crop.StageLength[4];
  StageClimate sc = MeanStageClimate(ws, AddCalendarDays(MonthDayOf(planting), before), n);
  if (ws.options.windaskmday) sc.u2 = sc.u2 / 86.4;  // km/day to m/s
  const double h = crop.CropHeight;                  // m
  const double correction = (0.04 * (sc.u2 - 2) - 0.004 * (sc.rhMin - 45)) * PowerOf(h / 3, 0.3);
  if (mid)
    crop.Kc[7] = crop.Kc[3] + correction;
  else
    crop.Kc[8] = crop.Kc[4] + correction;
}

void ComputeCwr(const Workspace& ws, TCropRecord crop, DateSerial planting, CwrResults& out) {
  ComputeCwr(ws, std::move(crop), ws.session.CropIsDry, planting, out);
}

void ComputeCwr(const Workspace& ws, TCropRecord crop, bool dryCrop, DateSerial planting,
                CwrResults& out) {
  // The decade ETo in mm/day, whatever the unit held.
  double monthETo[13], decadeETo[13][4];
  for (int m = 0; m <= 12; ++m) {
    monthETo[m] = ws.climate.MonthETo[m];
    for (int k = 0; k <= 3; ++k) decadeETo[m][k] = ws.climate.DecadeETo[m][k];
  }
  if (!ws.options.etoasmmday) PerDayToPeriodTotal(monthETo, decadeETo, false);

  CorrectKcForClimate(ws, crop, planting, KcStage::MidSeason);
  if (crop.Kc[4] > 0.45)
    CorrectKcForClimate(ws, crop, planting, KcStage::LateSeason);
  else
    crop.Kc[8] = crop.Kc[4];  // a low end-of-season Kc is not corrected

  const bool rice = !dryCrop;
  if (rice) {
    out.RiceNurseryDays = LengthOrZero(crop.StageLength[5]);
    out.RiceLandPrepDays = LengthOrZero(crop.StageLength[6]);
    out.RicePuddlingDays = LengthOrZero(crop.StageLength[7]);
    out.RiceNurseryOnlyDays = out.RiceNurseryDays - out.RiceLandPrepDays;
  } else {
    out.RiceNurseryDays = out.RiceLandPrepDays = out.RicePuddlingDays = 0;
    out.RiceNurseryOnlyDays = 0;
  }
  out.StageEnd[1] = crop.StageLength[1];
  for (int i = 2; i <= 4; ++i) out.StageEnd[i] = out.StageEnd[i - 1] + crop.StageLength[i];
  const int* stageEnd = out.StageEnd;

  const double f = rice ? crop.NurseryArea / 100.0 : 0;  // nursery share of the field

  for (auto& m : out.DayKc)
    for (double& v : m) v = MissingReal;
  for (auto& m : out.DayETc)
    for (double& v : m) v = MissingReal;
  for (auto& m : out.DecadeETc)
    for (double& v : m) v = MissingReal;
  for (auto& m : out.DecadeIrrReq)
    for (double& v : m) v = 0;
  out.CwrRows.clear();

  const std::string sNurs(ws.text(Msg::CwrStageNurs)), sLandPrep(ws.text(Msg::CwrStageLandPrep)),
      sNursLPr(ws.text(Msg::CwrStageNursLPr)), sInit(ws.text(Msg::CwrStageInit)),
      sDeve(ws.text(Msg::CwrStageDeve)), sMid(ws.text(Msg::CwrStageMid)),
      sLate(ws.text(Msg::CwrStageLate));

  // The season starts with the nursery or land preparation for rice.
  int before = 0;
  if (rice) before = crop.DirectSowing ? out.RiceLandPrepDays : out.RiceNurseryDays;
  const MonthDay seasonStart = AddCalendarDays(MonthDayOf(planting), -before);
  int m = seasonStart.month;
  int d = seasonStart.day;
  int k = DecadeOfDay(d);
  int t = d - 10 * (k - 1);  // day in the decade
  int z = -before;           // day number, the planting day being 1
  const bool daily = ws.session.EtoKind == 1 || ws.session.EtoKind == 4;
  double etcSum = 0, rainSum = 0, kcSum = 0;
  int w = 0;
  TCwrRow* row = nullptr;

  for (;;) {
    ++z;
    const std::string* stageText = nullptr;
    double kc = 0, a = 1;
    if (rice && !crop.DirectSowing && z <= -out.RiceLandPrepDays) {
      stageText = &sNurs;
      kc = crop.Kc[5];
      a = f;
    } else if (rice && z <= 0 && crop.DirectSowing) {
      stageText = &sLandPrep;
      kc = crop.Kc[6];
    } else if (rice && z <= 0) {
      stageText = &sNursLPr;
      kc = f * crop.Kc[5] + (1 - f) * crop.Kc[6];
    } else if (z <= stageEnd[1]) {
      stageText = &sInit;
      kc = crop.Kc[1];
    } else if (z <= stageEnd[2]) {
      stageText = &sDeve;
      kc = crop.Kc[1] + (crop.Kc[7] - crop.Kc[1]) * (z - stageEnd[1]) / (stageEnd[2] - stageEnd[1]);
    } else if (z <= stageEnd[3]) {
      stageText = &sMid;
      kc = crop.Kc[7];
    } else if (z <= stageEnd[4]) {
      stageText = &sLate;
      kc = crop.Kc[7] + (crop.Kc[8] - crop.Kc[7]) * (z - stageEnd[3]) / (stageEnd[4] - stageEnd[3]);
      if (kc < crop.Kc[8]) kc = crop.Kc[8];
    }
    const bool ended = stageText == nullptr;

    if (!ended) {
      out.DayKc[m][d] = kc;
      const double eto = daily ? ws.climate.DayETo[m][d] : decadeETo[m][k];  // mm/day
      const double etc = eto * kc * a;
      out.DayETc[m][d] = etc;
      // The decade's effective rain enters in two halves, on its 3rd and 7th day.
      const double rain = (t == 3 || t == 7) ? ws.rain.Data.DecadeEffRain[m][k] / 2 : 0;
      etcSum += etc;
      kcSum += kc;
      rainSum += rain;
      ++w;
      if (row == nullptr) row = &out.CwrRows.emplace_back();
      row->Month = m;
      row->LastDay = d;
      row->DayNumber = z;
      row->Stage = *stageText;
      row->AreaPercent = static_cast<int>(std::lround(a * 100));
    }

    ++t;
    if (w > 0 && (t > DecadeLength(m, k) || ended)) {
      out.DecadeETc[m][k] = etcSum / w;
      out.DecadeKc[m][k] = kcSum / w;
      row->SeasonDays = w;
      row->Decade = k;
      const double req = etcSum - rainSum;
      out.DecadeIrrReq[m][k] = req < 0 ? 0 : req;
      row = nullptr;
      etcSum = rainSum = kcSum = 0;
      w = 0;
      t = 1;
      k = k == 3 ? 1 : k + 1;
    }
    if (ended) break;
    if (++d > MonthLength(m)) {
      d = 1;
      m = NextMonth(m);
    }
  }

  if (!daily) {
    for (auto& mm : out.DayKc)
      for (double& v : mm) v = MissingReal;
    for (auto& mm : out.DayETc)
      for (double& v : mm) v = MissingReal;
  }
}

void ComputeCwr(Workspace& ws) {
  ComputeCwr(ws, ws.crop, ws.session.PlantingDate, ws.cwr);
}

}  // namespace vsk

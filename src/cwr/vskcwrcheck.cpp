// The data check that comes before every crop water requirement and schedule calculation.
#include <cmath>
#include <string>

#include "climate/vskETocalc.h"
#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "cwr/vskcwrcalc.h"
#include "rain/vskraincalc.h"

namespace vsk {

namespace {

constexpr int kWholeDataSet = 13;  // a data set missing or incomplete, not one month

int LengthOrZero(int v) {
  return v == MissingInt ? 0 : v;
}

// Stage lengths the day-by-day calculation can walk: the windows take 1..360 days a stage,
// files may also hold 0. Anything else (an edited file, a cropping-pattern crop, which skips
// the completeness check) would give a season of billions of days, or a negative one.
bool StageLengthsUsable(const TCropRecord& crop, bool dry) {
  auto usable = [](int v) { return v >= 0 && v <= 360; };
  for (int i = 1; i <= 4; ++i)
    if (!usable(crop.StageLength[i])) return false;
  if (!dry)
    for (int i = 5; i <= 7; ++i)
      if (crop.StageLength[i] != MissingInt && !usable(crop.StageLength[i])) return false;
  return true;
}

// The root zone of the dry-crop water balance holds RootDepth x TotalAvailMoisture; with no
// maximum rooting depth (crop or soil) or no available moisture it holds nothing, and every
// depletion fraction and Ks of the season would be 0 / 0. The windows take only positive
// values; a file may hold 0.
bool DryRootZoneUsable(const TCropRecord& crop) {
  return crop.RootDepth[3] > 0;
}
bool DryRootZoneUsable(const TSoilRecord& soil) {
  return soil.TotalAvailMoisture > 0 && soil.MaxRootDepth > 0;
}

}  // namespace

bool CwrDataOk(Workspace& ws, bool forSchedule, bool skipCropCheck, const TCropRecord& crop,
               DateSerial planting, DateSerial harvest) {
  const bool dry = ws.session.CropIsDry;
  int before = 0;  // rice: nursery or land preparation before transplanting
  if (!dry) before = LengthOrZero(crop.DirectSowing ? crop.StageLength[6] : crop.StageLength[5]);
  // Months of the season start and of the harvest, counted in the year of 365 days.
  const int toHarvest = static_cast<int>(std::floor(harvest) - std::floor(planting));
  const MonthDay plantingDay = MonthDayOf(planting);
  const int m1 = AddCalendarDays(plantingDay, -before).month;
  int m2 = AddCalendarDays(plantingDay, toHarvest).month;
  if (m1 >= m2) m2 += 12;
  if (toHarvest + before + 1 >= 365) m2 = m1 + 11;  // a whole year or more: every month

  // The first month of the season (1..12) for which `missing` holds, else 0.
  auto firstMissing = [&](auto missing) {
    for (int i = m1; i <= m2; ++i) {
      const int m = (i - 1) % 12 + 1;
      if (missing(m)) return m;
    }
    return 0;
  };

  int e = 0;
  Msg dataName = Msg::CwrDataETo;
  const ClimateState& c = ws.climate;
  if (ws.session.StatusOf(DataKind::Climate) == dsNone) {
    e = kWholeDataSet;
  } else {
    switch (ws.session.EtoKind) {
      case 3:
      case 6:
        e = firstMissing([&](int m) { return c.MonthETo[m] == MissingReal; });
        if (e == 0) InterpolateDecadeETo(ws);
        break;
      case 2:
      case 5:
        e = firstMissing([&](int m) {
          for (int k = 1; k <= 3; ++k)
            if (c.DecadeETo[m][k] == MissingReal) return true;
          return false;
        });
        break;
      case 1:
      case 4:
        e = firstMissing([&](int m) {
          for (int d = 1; d <= MonthLength(m); ++d)
            if (c.DayETo[m][d] == MissingReal) return true;
          return false;
        });
        break;
      default:
        break;
    }
  }

  if (e == 0) {
    dataName = Msg::CwrDataRain;
    if (ws.session.StatusOf(DataKind::Rain) == dsNone) {
      e = kWholeDataSet;
    } else {
      switch (ws.session.RainKind) {
        case 1:
          e = firstMissing([&](int m) { return !MonthDaysComplete(ws, m); });
          break;
        case 2:
          e = firstMissing([&](int m) { return !MonthDecadesComplete(ws, m); });
          break;
        case 3:
          e = firstMissing([&](int m) { return ws.rain.Data.MonthRain[m] == MissingReal; });
          break;
        default:
          break;
      }
    }
  }

  if (e == 0 &&
      ((!skipCropCheck && !CropDataComplete(ws, 3, crop)) || !StageLengthsUsable(crop, dry) ||
       (forSchedule && dry && !DryRootZoneUsable(crop)))) {
    e = kWholeDataSet;
    dataName = dry ? Msg::CwrDataDryCrop : Msg::CwrDataRice;
  }

  if (e == 0) {
    bool soilOk = true;
    if (forSchedule)
      soilOk = SoilDataComplete(ws, dry ? 2 : 3) && (!dry || DryRootZoneUsable(ws.soil));
    else if (!dry)
      soilOk = SoilDataComplete(ws, 4);
    if (!soilOk) {
      e = kWholeDataSet;
      dataName = Msg::CwrDataSoil;
    }
  }

  if (e != 0) {
    std::string month;  // "(March)", empty for a whole data set
    if (e <= 12) month.append("(").append(MonthName(ws.texts, e)).append(")");
    ws.ui.error(FormatText(ws.text(forSchedule ? Msg::CwrDataNotOkSchedule : Msg::CwrDataNotOkCwr),
                           {ws.text(dataName), month}));
    return false;
  }

  if (ws.session.RainKind == 3) {
    TRainData& r = ws.rain.Data;
    for (int m = 1; m <= 12; ++m)
      if (r.MonthRain[m] != MissingReal) ComputeEffRainMonth(ws, m);
    InterpolateDecadeRain(r.MonthRain, r.DecadeRain);
    InterpolateDecadeRain(r.MonthEffRain, r.DecadeEffRain);
  }
  return true;
}

}  // namespace vsk

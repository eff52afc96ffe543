#include "cli/vskclijson.h"

#include "output/vskcwrtable.h"

namespace vsk::cli {

void WriteMessages(JsonWriter& json, const std::vector<CliMessage>& messages) {
  json.Key("messages").BeginArray();
  for (const CliMessage& m : messages)
    json.BeginObject().Key("kind").String(m.kind).Key("text").String(m.text).EndObject();
  json.EndArray();
}

std::string ErrorJson(const std::string& error, const std::vector<CliMessage>& messages) {
  JsonWriter json;
  json.BeginObject().Key("error").String(error);
  WriteMessages(json, messages);
  json.EndObject();
  return json.Text();
}

namespace {

void WritePeriod(JsonWriter& json, const TClimatePeriod& p, double eto) {
  json.BeginObject()
      .Key("tmin")
      .Real(p.TMin)
      .Key("tmax")
      .Real(p.TMax)
      .Key("tmean")
      .Real(p.TMean)
      .Key("humidity")
      .Real(p.Humidity)
      .Key("wind")
      .Real(p.Wind)
      .Key("sunshine")
      .Real(p.Sunshine)
      .Key("radiation")
      .Real(p.Radiation)
      .Key("eto")
      .Real(eto)
      .EndObject();
}

}  // namespace

void WriteEtoJson(JsonWriter& json, const Workspace& ws) {
  const ClimateState& c = ws.climate;
  const int kind = ws.session.EtoKind;
  json.Key("eto_kind").Count(kind);
  json.Key("country").String(c.Data.Country);
  json.Key("station").String(c.Data.Station);
  json.Key("altitude").Real(c.Data.Altitude);
  json.Key("latitude").Real(c.Data.Latitude);
  json.Key("south").Bool(c.Data.South);
  json.Key("longitude").Real(c.Data.Longitude);
  json.Key("west").Bool(c.Data.West);
  json.Key("temp_min_max").Bool(c.TempMinMax);
  json.Key("year").Int(c.EToYear);
  json.Key("month").BeginArray();
  for (int m = 1; m <= 12; ++m) WritePeriod(json, c.Data.Month[m], c.MonthETo[m]);
  json.EndArray();
  if (kind == 2 || kind == 5) {
    json.Key("decade").BeginArray();
    for (int m = 1; m <= 12; ++m)
      for (int k = 1; k <= 3; ++k) WritePeriod(json, c.Data.Decade[m][k], c.DecadeETo[m][k]);
    json.EndArray();
  }
  if (kind == 1 || kind == 4) {
    json.Key("day").BeginArray();
    for (int m = 1; m <= 12; ++m) {
      json.BeginArray();
      for (int d = 1; d <= 31; ++d) {
        if (d <= MonthLength(m))
          WritePeriod(json, c.Data.Day[m][d], c.DayETo[m][d]);
        else
          json.Null();
      }
      json.EndArray();
    }
    json.EndArray();
  }
  // The average row by column: [1] TMin, [2] TMax or the mean temperature, [3] humidity,
  // [4] wind, [5] sunshine, [6] radiation, [7] ETo.
  const double* a = c.AverageRow;
  json.Key("average")
      .BeginObject()
      .Key("tmin")
      .Real(c.TempMinMax ? a[1] : MissingReal)
      .Key("tmax")
      .Real(c.TempMinMax ? a[2] : MissingReal)
      .Key("tmean")
      .Real(c.TempMinMax ? MissingReal : a[2])
      .Key("humidity")
      .Real(a[3])
      .Key("wind")
      .Real(a[4])
      .Key("sunshine")
      .Real(a[5])
      .Key("radiation")
      .Real(a[6])
      .Key("eto")
      .Real(a[7])
      .EndObject();
}

void WriteRainJson(JsonWriter& json, const Workspace& ws) {
  const TRainData& r = ws.rain.Data;
  json.Key("rain_kind").Count(ws.session.RainKind);
  json.Key("station").String(r.RainStation);
  json.Key("year").Int(ws.rain.RainYear);
  json.Key("method").Count(ws.options.ermethod);
  json.Key("month").BeginArray();
  for (int m = 1; m <= 12; ++m)
    json.BeginObject()
        .Key("rain")
        .Real(r.MonthRain[m])
        .Key("eff_rain")
        .Real(r.MonthEffRain[m])
        .EndObject();
  json.EndArray();
  json.Key("decade").BeginArray();
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k)
      json.BeginObject()
          .Key("rain")
          .Real(r.DecadeRain[m][k])
          .Key("eff_rain")
          .Real(r.DecadeEffRain[m][k])
          .EndObject();
  json.EndArray();
  json.Key("day").BeginArray();
  for (int m = 1; m <= 12; ++m) {
    json.BeginArray();
    for (int d = 1; d <= 31; ++d) {
      if (d <= MonthLength(m))
        json.Real(r.DayRain[m][d]);
      else
        json.Null();
    }
    json.EndArray();
  }
  json.EndArray();
  json.Key("total_rain").Real(ws.rain.TotalRain);
  json.Key("total_eff_rain").Real(ws.rain.TotalEffRain);
}

namespace {

void DateOrNull(JsonWriter& json, DateSerial date) {
  if (date == 0)
    json.Null();
  else
    json.String(FormatDayMonth(date));
}

void RealArray(JsonWriter& json, const double* values, int count) {
  json.BeginArray();
  for (int i = 0; i < count; ++i) json.Real(values[i]);
  json.EndArray();
}

}  // namespace

void WriteCwrJson(JsonWriter& json, const Workspace& ws) {
  json.Key("crop").String(ws.crop.CropName);
  json.Key("rice").Bool(!ws.session.CropIsDry);
  json.Key("planting");
  DateOrNull(json, ws.session.PlantingDate);
  json.Key("harvest");
  DateOrNull(json, SessionHarvestDate(ws));
  json.Key("kc_mid_corrected").Real(ws.crop.Kc[7]);
  json.Key("kc_end_corrected").Real(ws.crop.Kc[8]);
  json.Key("rows").BeginArray();
  for (const TCwrRow& row : ws.cwr.CwrRows) {
    const CwrTableRow v = CwrRowValues(ws, row);
    json.BeginObject()
        .Key("month")
        .Count(row.Month)
        .Key("decade")
        .Count(row.Decade)
        .Key("stage")
        .String(row.Stage)
        .Key("season_days")
        .Count(row.SeasonDays)
        .Key("last_day")
        .Count(row.LastDay)
        .Key("day_number")
        .Count(row.DayNumber)
        .Key("area_percent")
        .Int(row.AreaPercent)
        .Key("kc")
        .Real(v.kc)
        .Key("etc_mm_day")
        .Real(v.etcPerDay)
        .Key("etc_mm_dec")
        .Real(v.etcDecade)
        .Key("eff_rain_mm_dec")
        .Real(v.effRain)
        .Key("irr_req_mm_dec")
        .Real(v.irrReq)
        .EndObject();
  }
  json.EndArray();
  const CwrTotals t = CwrColumnTotals(ws);
  json.Key("totals")
      .BeginObject()
      .Key("etc_mm_dec")
      .Real(t.etc)
      .Key("eff_rain_mm_dec")
      .Real(t.effRain)
      .Key("irr_req_mm_dec")
      .Real(t.irrReq)
      .EndObject();
}

void WriteScheduleJson(JsonWriter& json, const Workspace& ws, const ScheduleView& view) {
  const Options& o = ws.options;
  json.Key("crop").String(ws.crop.CropName);
  json.Key("soil").String(ws.soil.SoilName);
  json.Key("rice").Bool(view.rice);
  json.Key("planting");
  DateOrNull(json, ws.session.PlantingDate);
  json.Key("harvest");
  DateOrNull(json, SessionHarvestDate(ws));
  json.Key("adjusted").Bool(ws.session.ScheduleAdjusted);
  json.Key("timing").Count(view.rice ? o.ricetimopt : o.timopt);
  json.Key("application").Count(view.rice ? o.riceapplopt : o.applopt);
  json.Key("efficiency").Count(view.rice ? o.riceappleff : o.appleff);
  if (view.rice) {
    const double soaking = ws.crop.PuddleDepth == MissingReal
                               ? MissingReal
                               : ws.crop.PuddleDepth + o.soakbelowpuddledepth / 100.0;
    json.Key("land_preparation")
        .BeginObject()
        .Key("pre_timing")
        .Count(o.prepuddlingtimopt)
        .Key("pre_application")
        .Count(o.prepuddlingapplopt)
        .Key("puddling_timing")
        .Count(o.puddlingtimopt)
        .Key("puddling_application")
        .Count(o.puddlingapplopt)
        .Key("soaking_depth_m")
        .Real(soaking)
        .EndObject();
  }
  json.Key("days").BeginArray();
  for (const ScheduleDayView& d : view.days) {
    json.BeginObject();
    json.Key("day_number").Count(d.DayNumber).Key("month").Count(d.Month).Key("day").Count(d.Day);
    json.Key("stage").String(std::string(1, d.Stage));
    if (view.rice) {
      json.Key("depl_sm").Real(d.DeplSm).Key("depl_sat").Real(d.DeplSat);
      json.Key("ks").Real(d.Ks).Key("eta").Real(d.ETa).Key("etc").Real(d.ETc);
      json.Key("cum_eta").Real(d.CumETa).Key("cum_etc").Real(d.CumETc);
      json.Key("rain").Real(d.Rain).Key("net_irr").Real(d.NetIrr);
      json.Key("percolation").Real(d.Percolation).Key("loss").Real(d.Loss);
      json.Key("gross_irr").Real(d.GrossIrr).Key("puddle_state").Count(d.PuddleState);
    } else {
      json.Key("rain").Real(d.Rain).Key("ks").Real(d.Ks);
      json.Key("eta").Real(d.ETa).Key("etc").Real(d.ETc);
      json.Key("cum_eta").Real(d.CumETa).Key("cum_etc").Real(d.CumETc);
      json.Key("depl_percent").Real(d.DeplPercent).Key("net_irr").Real(d.NetIrr);
      json.Key("gross_irr").Real(d.GrossIrr).Key("deficit").Real(d.Deficit);
      json.Key("loss").Real(d.Loss);
    }
    json.EndObject();
  }
  json.EndArray();
  json.Key("events").BeginArray();
  for (int k = 1; k <= kMaxEvents && ws.events.DayAt(k) != MissingInt; ++k)
    json.BeginObject()
        .Key("day")
        .Count(ws.events.DayAt(k))
        .Key("depth")
        .Real(ws.events.DepthAt(k))
        .EndObject();
  json.EndArray();
  const ScheduleSummary s =
      ComputeScheduleSummary(view.totals, view.rice ? o.riceappleff : o.appleff);
  json.Key("totals").BeginObject();
  json.Key("gross_irrigation").Real(s.grossIrrigation);
  json.Key("net_irrigation").Real(s.netIrrigation);
  json.Key("irrigation_losses").Real(s.irrigationLosses);
  if (view.rice) json.Key("percolation_losses").Real(s.percolationLosses);
  json.Key("actual_water_use").Real(s.actualWaterUse);
  json.Key("potential_water_use").Real(s.potentialWaterUse);
  json.Key("efficiency_schedule").Real(s.efficiencySchedule);
  json.Key("deficiency_schedule").Real(s.deficiencySchedule);
  json.Key("total_rain").Real(s.totalRain);
  json.Key("effective_rain").Real(s.effectiveRain);
  json.Key("rain_loss").Real(s.rainLoss);
  json.Key("moisture_deficit_harvest").Real(s.moistureDeficitHarvest);
  json.Key("actual_irrigation_requirement").Real(s.actualIrrigationRequirement);
  json.Key("efficiency_rain").Real(s.efficiencyRain);
  json.EndObject();
  const ScheduleYield y = ComputeScheduleYield(view.totals, ws.crop.YieldResponse);
  json.Key("yield").BeginObject();
  json.Key("reduction_etc");
  RealArray(json, y.reductionEtc, 5);
  json.Key("ky");
  RealArray(json, y.ky, 5);
  json.Key("yield_reduction");
  RealArray(json, y.yieldReduction, 5);
  json.Key("cumulative");
  RealArray(json, y.cumulative, 4);
  json.EndObject();
}

void WriteSchemeJson(JsonWriter& json, const Workspace& ws, const SchemeResults& r) {
  json.Key("pattern").String(ws.pattern.Name);
  json.Key("crops").BeginArray();
  for (int k = 1; k <= r.cropCount && k <= kMaxPatternCrops; ++k) {
    const PatternEntry& e = ws.pattern.Entries[k];
    json.BeginObject();
    json.Key("name").String(e.Crop.CropName);
    json.Key("crop_file").String(e.CropFileName);
    json.Key("rice").Bool(!e.DryCrop);
    json.Key("area").Int(e.Area);
    json.Key("planting");
    DateOrNull(json, e.PlantingDate);
    json.Key("harvest");
    DateOrNull(json, e.HarvestDate);
    json.Key("monthly_supply");
    RealArray(json, e.MonthlySupply + 1, 12);
    json.EndObject();
  }
  json.EndArray();
  double perDay[12], flow[12], actual[12];
  for (int m = 1; m <= 12; ++m) {
    perDay[m - 1] = SchemeMmPerDay(r, m);
    flow[m - 1] = SchemeLitresPerSecond(r, m);
    actual[m - 1] = SchemeActualAreaLitresPerSecond(r, m);
  }
  json.Key("net_scheme_mm_month");
  RealArray(json, r.NetSchemeRequirement + 1, 12);
  json.Key("net_scheme_mm_day");
  RealArray(json, perDay, 12);
  json.Key("net_scheme_l_s_ha");
  RealArray(json, flow, 12);
  json.Key("irrigated_area");
  RealArray(json, r.IrrigatedArea + 1, 12);
  json.Key("actual_area_l_s_ha");
  RealArray(json, actual, 12);
}

}  // namespace vsk::cli

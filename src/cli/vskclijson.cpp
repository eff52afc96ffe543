#include "cli/vskclijson.h"

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

}  // namespace vsk::cli

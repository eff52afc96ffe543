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

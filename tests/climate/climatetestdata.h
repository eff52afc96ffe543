// Small station records shared by the climate tests.
#pragma once

#include "core/vskworkspace.h"

namespace vsk::test {

inline TClimatePeriod Period(double tMin, double tMax, double humidity, double wind,
                             double sunshine) {
  TClimatePeriod p;
  p.TMin = tMin;
  p.TMax = tMax;
  p.Humidity = humidity;
  p.Wind = wind;
  p.Sunshine = sunshine;
  return p;
}

inline void SetStation(Workspace& ws, double altitude, double latitude, bool south) {
  ws.climate.Data.Country = "Testland";
  ws.climate.Data.Station = "Station";
  ws.climate.Data.Altitude = altitude;
  ws.climate.Data.Latitude = latitude;
  ws.climate.Data.South = south;
  ws.climate.Data.Longitude = 12.25;
  ws.climate.Data.West = false;
}

}  // namespace vsk::test

// The station climate record and its ETo tables. Arrays keep the calendar's 1-based indices:
// [1..12] months, [1..12][1..3] decades, [1..12][1..31] days; index 0 is unused.
#pragma once

#include <string>

#include "core/vskglobal.h"

namespace vsk {

// Climate values of one period, in the units the user currently sees.
struct TClimatePeriod {
  double TMin = MissingReal;       // °C
  double TMax = MissingReal;       // °C
  double TMean = MissingReal;      // °C, used when temperatures are held as a mean
  double Humidity = MissingReal;   // % or kPa (humidityasperc)
  double Sunshine = MissingReal;   // hours, % or fraction of day length (sunshineunit)
  double Wind = MissingReal;       // km/day or m/s at 2 m (windaskmday)
  double Radiation = MissingReal;  // MJ/m²/day, always computed
};

struct TClimateData {
  std::string Country;  // at most 20 characters
  std::string Station;  // at most 20 characters
  double Altitude = MissingReal;
  double Latitude = MissingReal;  // degrees, non-negative
  bool South = false;
  double Longitude = MissingReal;  // degrees, non-negative
  bool West = false;
  TClimatePeriod Month[13];
  TClimatePeriod Decade[13][4];
  TClimatePeriod Day[13][32];
};

// The climate record with its ETo tables and further state.
struct ClimateState {
  TClimateData Data;
  double MonthETo[13];      // mm/day (etoasmmday) or mm per month
  double DecadeETo[13][4];  // mm/day (etoasmmday) or mm per decade
  double DayETo[13][32];    // mm/day
  bool TempMinMax = true;   // temperatures held as TMin/TMax (else TMean)
  int EToYear = MissingInt;
  // The averages shown in the last row of the monthly tables, by column (ClimateColumn of
  // climate/vskETocalc.h): [1] TMin, [2] TMax (TMean when held as a mean), [3] Humidity,
  // [4] Wind, [5] Sunshine, [6] Radiation, [7] ETo; [0] unused.
  double AverageRow[8];

  ClimateState() {
    for (double& v : MonthETo) v = MissingReal;
    for (auto& m : DecadeETo)
      for (double& v : m) v = MissingReal;
    for (auto& m : DayETo)
      for (double& v : m) v = MissingReal;
    for (double& v : AverageRow) v = MissingReal;
  }
};

}  // namespace vsk

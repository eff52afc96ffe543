// The climate record's calculations: Penman-Monteith reference evapotranspiration (grass
// reference, FAO-56 form), day length and extraterrestrial radiation, period ETo, the
// humidity estimate, monthly summaries and averages, the unit conversions between the units
// the user sees and the fixed file units, and decade ETo interpolated from monthly ETo.
//
// Every operation comes in two forms: over the Workspace (the station record ws.climate with
// ws.options and ws.session.EtoKind), and over a ClimateCalc context that names the record,
// options and kind explicitly (the file reader uses it on the record it is filling).
#pragma once

#include "core/vskclimatedata.h"
#include "core/vskoptions.h"

namespace vsk {

class Ui;
class Texts;
struct Workspace;

// The record, options and kind a calculation works on, and where its messages go.
struct ClimateCalc {
  ClimateState& climate;
  const Options& options;
  int etoKind;       // 1..6 (see EtoKind of the session state)
  Ui* ui = nullptr;  // nullptr: messages are not shown
  const Texts* texts = nullptr;
};
ClimateCalc CalcOf(Workspace& ws);

// Which table of the record a period belongs to.
enum class PeriodKind { Month, Decade, Day };

// ---- Record ----------------------------------------------------------------------------

// Empties names, sets every value, ETo entry and average to missing, clears South/West,
// EToYear := MissingInt, climate status "no data", file name "untitled". TempMinMax stays.
void ClearClimate(Workspace& ws);
void ClearClimateRecord(ClimateState& climate);  // the record part of ClearClimate

// The period record (m 1..12; i = decade 1..3 or day 1..31; ignored for months).
TClimatePeriod& PeriodRecord(ClimateState& climate, PeriodKind kind, int m, int i);
double& PeriodETo(ClimateState& climate, PeriodKind kind, int m, int i);

// ---- Basic formulas --------------------------------------------------------------------

// Saturation vapour pressure at temperature t (°C), kPa.
double SatVapourPressure(double t);
// (e°(a) + e°(b)) / 2, kPa.
double SatVapourPressureMean(double a, double b);

// Day length N (hours) and extraterrestrial radiation Ra (MJ/m²/day) of day of year J at
// the station's latitude. The latitude must be given.
void DaylengthAndRa(const TClimateData& station, double J, double& N, double& Ra);
void DaylengthAndRa(const Workspace& ws, double J, double& N, double& Ra);

// ---- Penman-Monteith -------------------------------------------------------------------

// ETo (mm/day) of one day J of month m with the climate values `period` (a copy).
// rs receives the solar radiation (MJ/m²/day). `sunshine` is the stored record's Sunshine
// field: when period.Sunshine is missing, the estimate from the temperature range is
// written there. Returns MissingReal (rs too) when the relative humidity exceeds 100 % (the
// message "Humidity value out of range" is shown when `reportHumidity` is set), or for
// monthly Penman-Monteith data when a neighbouring month has no mean temperature.
double PenmanMontEToDay(const ClimateCalc& calc, int m, TClimatePeriod period, double J, double& rs,
                        double& sunshine, bool reportHumidity = true);
double PenmanMontEToDay(Workspace& ws, int m, TClimatePeriod period, double J, double& rs,
                        double& sunshine);

// Period ETo: every day of the period is evaluated with the period's values.
// DayETo[m][d] and Day[m][d].Radiation.
void ComputeDayETo(const ClimateCalc& calc, int m, int d);
void ComputeDayETo(Workspace& ws, int m, int d);
// DecadeETo[m][k] (mm/day, or mm/decade with etoasmmday off) and Decade[m][k].Radiation.
void ComputeDecadeETo(const ClimateCalc& calc, int m, int k);
void ComputeDecadeETo(Workspace& ws, int m, int k);
// MonthETo[m] (mm/day, or mm/month with etoasmmday off) and Month[m].Radiation.
void ComputeMonthETo(const ClimateCalc& calc, int m);
void ComputeMonthETo(Workspace& ws, int m);

// True when altitude and latitude are given, the temperatures in use are given (TMin and
// TMax when TempMinMax is set, else TMean), humidity and wind are given, and sunshine is
// given or allowed to be missing.
bool ClimateRecordComplete(const ClimateState& climate, const TClimatePeriod& period,
                           bool allowMissingSunshine);
bool ClimateRecordComplete(const Workspace& ws, const TClimatePeriod& period,
                           bool allowMissingSunshine);

// Humidity from TMin/TMax (both must be given): % or kPa by humidityasperc.
void EstimateHumidity(const Options& options, TClimatePeriod& period);
void EstimateHumidity(Workspace& ws, PeriodKind kind, int m, int i = 0);

// Mean temperature of month i (0 = December, 13 = January), or MissingReal.
double MonthMeanTemperature(const ClimateState& climate, int i);
double MonthMeanTemperature(const Workspace& ws, int i);

// ---- Summaries -------------------------------------------------------------------------

// Column numbers of MonthFromPeriods and ColumnAverage (and of AverageRow).
enum ClimateColumn : int {
  kColTMin = 1,
  kColTMax = 2,  // TMean when temperatures are held as a mean
  kColHumidity = 3,
  kColWind = 4,
  kColSunshine = 5,
  kColRadiation = 6,  // 6 and above: Radiation and ETo together
  kColETo = 7,
};

// Month[m] field of column c from the decades (kinds other than 1) or the days (kind 1):
// the mean of the given values, MissingReal when none. Column 6 and above sets
// Month[m].Radiation and MonthETo[m]; the month ETo of decade data is the sum of the
// decades when etoasmmday is off (mm per month), else their mean; of daily data the mean.
void MonthFromPeriods(const ClimateCalc& calc, int m, int c);
void MonthFromPeriods(Workspace& ws, int m, int c);

// AverageRow[c] over Month[1..12] (mean of the given values). Column 6 and above sets both
// AverageRow[kColRadiation] and AverageRow[kColETo]; the ETo average is the yearly total
// with etoasmmday off, except for daily kinds (1, 4) where it is always the mean.
void ColumnAverage(const ClimateCalc& calc, int c);
void ColumnAverage(Workspace& ws, int c);

// ---- Unit conversions (missing values are never touched) -------------------------------
// Records visited: the daily records when etoKind is 1, else the monthly and decade ones.

// MonthETo and DecadeETo between mm/day and mm per period. Daily kinds (1, 4) keep their
// month values (they are always mm/day).
void ConvertEToPerPeriod(ClimateState& climate, int etoKind, bool toPerDay);
void ConvertEToPerPeriod(Workspace& ws, bool toPerDay);
// Humidity between kPa and % of the saturation pressure at the record's temperatures.
void ConvertHumidityUnits(TClimateData& record, bool tempMinMax, int etoKind, bool toPercent);
// Sunshine between hours and % (percent) or fraction of the day length.
void ConvertSunshineHours(TClimateData& record, int etoKind, bool toHours, bool percent);
void ConvertSunshinePercentFraction(TClimateData& record, int etoKind, bool toPercent);
// Wind between m/s and km/day.
void ConvertWindUnits(TClimateData& record, int etoKind, bool toKmPerDay);
// Everything the options require, toward the file units (toFileUnits) or back.
void ConvertClimateUnits(const Options& options, TClimateData& record, bool tempMinMax, int etoKind,
                         bool toFileUnits);
void ConvertClimateUnits(Workspace& ws, bool toFileUnits);

// DecadeETo from MonthETo (monthly kinds 3 and 6), in the units of the tables.
void InterpolateDecadeETo(ClimateState& climate, int etoKind, bool etoAsMmDay);
void InterpolateDecadeETo(Workspace& ws);

}  // namespace vsk

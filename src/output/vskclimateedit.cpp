#include "output/vskclimateedit.h"

#include <string>
#include <vector>

#include "climate/vskclimaterecalc.h"
#include "core/vskdatafile.h"
#include "core/vskglobal.h"

namespace vsk {

namespace {

constexpr double kDefaultWindMs = 2.0;       // wind of estimation mode, m/s
constexpr double kDefaultWindKmDay = 172.8;  // the same in km/day

double& FieldValue(TClimatePeriod& p, ClimateField f) {
  switch (f) {
    case ClimateField::TMin:
      return p.TMin;
    case ClimateField::TMax:
      return p.TMax;
    case ClimateField::TMean:
      return p.TMean;
    case ClimateField::Humidity:
      return p.Humidity;
    case ClimateField::Wind:
      return p.Wind;
    case ClimateField::Sunshine:
      return p.Sunshine;
    default:
      return p.Radiation;
  }
}

bool IsInputField(const Workspace& ws, ClimateField f) {
  switch (f) {
    case ClimateField::TMin:
    case ClimateField::TMax:
    case ClimateField::TMean:
      return true;
    case ClimateField::Humidity:
    case ClimateField::Wind:
    case ClimateField::Sunshine:
      return !ws.options.estimateall;
    default:
      return false;
  }
}

bool Given(double v) {
  return v != MissingReal;
}

// Where a window's messages of the recalculation go: plain in the monthly window,
// information boxes in the decade and daily windows.
void Notice(Workspace& ws, int window, Msg id) {
  if (window == kClimateMonthWindow)
    ws.ui.message(ws.text(id));
  else
    ws.ui.information(ws.text(id));
}

void ComputePeriod(Workspace& ws, const ClimateCellRef& p) {
  switch (p.kind) {
    case PeriodKind::Month:
      ComputeMonthETo(ws, p.month);
      break;
    case PeriodKind::Decade:
      ComputeDecadeETo(ws, p.month, p.index);
      break;
    case PeriodKind::Day:
      ComputeDayETo(ws, p.month, p.index);
      break;
  }
}

// The periods an edit of `cell` recomputes: every month in the monthly window (the soil heat
// flux of a month uses its neighbours' temperatures), else the cell's own decade or day.
std::vector<ClimateCellRef> AffectedPeriods(const ClimateCellRef& cell) {
  if (cell.kind != PeriodKind::Month) return {cell};
  std::vector<ClimateCellRef> out;
  for (int m = 1; m <= 12; ++m) out.push_back({PeriodKind::Month, m, 0, cell.field});
  return out;
}

// The recalculation after an edit (or estimate) of the cell's column.
void Recalculate(Workspace& ws, int window, const ClimateCellRef& cell, bool typedEdit) {
  ClimateState& cs = ws.climate;
  const Options& o = ws.options;
  {
    // Checks of the typed value, on the edited period only: data of other periods (read
    // from a file) are never erased by an edit elsewhere.
    TClimatePeriod& rec = PeriodRecord(cs, cell.kind, cell.month, cell.index);
    if (typedEdit && cs.TempMinMax && Given(rec.TMin) && Given(rec.TMax) && rec.TMin >= rec.TMax &&
        (cell.field == ClimateField::TMin || cell.field == ClimateField::TMax)) {
      ws.ui.message(ws.text(Msg::MinTempSmallerThanMax));
      FieldValue(rec, cell.field) = MissingReal;
    }
    if (typedEdit && cell.field == ClimateField::Humidity && !o.humidityasperc &&
        Given(rec.Humidity)) {
      double es = MissingReal;
      if (cs.TempMinMax && Given(rec.TMin) && Given(rec.TMax))
        es = SatVapourPressureMean(rec.TMax, rec.TMin);
      else if (!cs.TempMinMax && Given(rec.TMean))
        es = SatVapourPressure(rec.TMean);
      if (es == MissingReal) {
        Notice(ws, window, Msg::MinMaxTempsNeeded);
        rec.Humidity = MissingReal;
      } else if (rec.Humidity / es * 100 > 100) {
        Notice(ws, window, Msg::HumidityOutOfRange);
        rec.Humidity = MissingReal;
      }
    }
  }
  for (const ClimateCellRef& p : AffectedPeriods(cell)) {
    TClimatePeriod& rec = PeriodRecord(cs, p.kind, p.month, p.index);
    double& eto = PeriodETo(cs, p.kind, p.month, p.index);
    if (o.estimateall) {
      if (Given(rec.TMin) && Given(rec.TMax)) {
        EstimateHumidity(ws, p.kind, p.month, p.index);
        rec.Sunshine = MissingReal;
        if (ClimateRecordComplete(ws, rec, true)) {
          ComputePeriod(ws, p);  // stores the sunshine estimated from the temperatures
        } else {
          eto = MissingReal;
          rec.Radiation = MissingReal;
        }
      } else {
        rec.Humidity = MissingReal;
        rec.Sunshine = MissingReal;
        eto = MissingReal;
        rec.Radiation = MissingReal;
      }
    }
    if (ClimateRecordComplete(ws, rec, false)) {
      ComputePeriod(ws, p);
    } else {
      eto = MissingReal;
      rec.Radiation = MissingReal;
    }
  }
}

}  // namespace

ClimateField ClimateColumnField(const Workspace& ws, int column) {
  static constexpr ClimateField kMinMax[] = {
      ClimateField::None, ClimateField::TMin,     ClimateField::TMax,      ClimateField::Humidity,
      ClimateField::Wind, ClimateField::Sunshine, ClimateField::Radiation, ClimateField::ETo};
  static constexpr ClimateField kMean[] = {
      ClimateField::None,     ClimateField::TMean,     ClimateField::Humidity, ClimateField::Wind,
      ClimateField::Sunshine, ClimateField::Radiation, ClimateField::ETo};
  if (ws.climate.TempMinMax)
    return column >= 1 && column <= 7 ? kMinMax[column] : ClimateField::None;
  return column >= 1 && column <= 6 ? kMean[column] : ClimateField::None;
}

std::optional<ClimateCellRef> ClimateCellAt(const Workspace& ws, int window, int tab, int row,
                                            int column) {
  ClimateCellRef ref;
  ref.field = ClimateColumnField(ws, column);
  if (ref.field == ClimateField::None) return std::nullopt;
  switch (window) {
    case kClimateMonthWindow:
      if (row < 2 || row > 13) return std::nullopt;
      ref.kind = PeriodKind::Month;
      ref.month = row - 1;
      return ref;
    case kClimateDecadeWindow: {
      if (row < 2 || row > 61) return std::nullopt;
      const int k = (row - 2) % 5 + 1;
      if (k > 3) return std::nullopt;  // the month summary and the empty row
      ref.kind = PeriodKind::Decade;
      ref.month = (row - 2) / 5 + 1;
      ref.index = k;
      return ref;
    }
    case kClimateDayWindow:
      if (tab < 1 || tab > 12 || row < 2 || row - 1 > MonthLength(tab)) return std::nullopt;
      ref.kind = PeriodKind::Day;
      ref.month = tab;
      ref.index = row - 1;
      return ref;
    default:
      return std::nullopt;
  }
}

bool ClimateCellEditable(const Workspace& ws, int window, int tab, int row, int column) {
  const auto cell = ClimateCellAt(ws, window, tab, row, column);
  return cell && IsInputField(ws, cell->field);
}

int ClimateEntryLength(const Workspace& ws, int column) {
  const Options& o = ws.options;
  switch (ClimateColumnField(ws, column)) {
    case ClimateField::TMin:
    case ClimateField::TMax:
    case ClimateField::TMean:
      return 5;
    case ClimateField::Humidity:
      return o.humidityasperc ? 2 : 4;
    case ClimateField::Wind:
      return 3;
    case ClimateField::Sunshine:
      return o.sunshineunit == SunshineUnit::Hours     ? 4
             : o.sunshineunit == SunshineUnit::Percent ? 2
                                                       : 3;
    default:
      return 0;
  }
}

bool ClimateEntryCharAllowed(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

void ClimateFieldRange(const Workspace& ws, ClimateField field, double& min, double& max) {
  const Options& o = ws.options;
  min = 0;
  switch (field) {
    case ClimateField::TMin:
      min = -80;
      max = 40;
      break;
    case ClimateField::TMax:
      min = -40;
      max = 60;
      break;
    case ClimateField::TMean:
      min = -80;
      max = 60;
      break;
    case ClimateField::Humidity:
      max = o.humidityasperc ? 99 : 9.9;
      break;
    case ClimateField::Wind:
      max = o.windaskmday ? 800 : 9.9;
      break;
    case ClimateField::Sunshine:
      max = o.sunshineunit == SunshineUnit::Hours     ? 24
            : o.sunshineunit == SunshineUnit::Percent ? 100
                                                      : 1;
      break;
    default:
      max = 0;
      break;
  }
}

bool ClimateCellEdited(Workspace& ws, int window, int tab, int row, int column,
                       std::string_view text, std::string_view remembered, bool fromPaste) {
  if (text == remembered || !ClimateCellEditable(ws, window, tab, row, column)) return false;
  const ClimateCellRef cell = *ClimateCellAt(ws, window, tab, row, column);
  ws.session.UserEdited(DataKind::Climate);
  const std::string trimmed = TrimBlanks(text);
  double value = MissingReal;
  const bool parsed = trimmed.empty() || ParseReal(trimmed, value);
  if (parsed) {
    if (value != MissingReal) {
      double min = 0, max = 0;
      ClimateFieldRange(ws, cell.field, min, max);
      if (CheckRealRange(value, min, max) == MissingReal &&
          !(fromPaste && window != kClimateDecadeWindow))
        ws.ui.message(ws.text(Msg::ValueOutOfRange));
    }
    FieldValue(PeriodRecord(ws.climate, cell.kind, cell.month, cell.index), cell.field) = value;
  }
  // A pasted block in the monthly window is recalculated once after the paste.
  if (!(fromPaste && window == kClimateMonthWindow)) Recalculate(ws, window, cell, parsed);
  return true;
}

bool ClimateCellEstimable(const Workspace& ws, int window, int tab, int row, int column) {
  if (ws.options.estimateall) return false;
  const auto cell = ClimateCellAt(ws, window, tab, row, column);
  if (!cell) return false;
  if (ws.climate.TempMinMax)
    return cell->field == ClimateField::Humidity || cell->field == ClimateField::Wind ||
           cell->field == ClimateField::Sunshine;
  return cell->field == ClimateField::Wind;
}

bool EstimateClimateCell(Workspace& ws, int window, int tab, int row, int column) {
  if (!ClimateCellEstimable(ws, window, tab, row, column)) return false;
  const ClimateCellRef cell = *ClimateCellAt(ws, window, tab, row, column);
  ClimateState& cs = ws.climate;
  ws.session.UserEdited(DataKind::Climate);
  bool tempsMissing = false;
  bool sunshineIncomplete = false;
  for (const ClimateCellRef& p : AffectedPeriods(cell)) {
    TClimatePeriod& rec = PeriodRecord(cs, p.kind, p.month, p.index);
    switch (cell.field) {
      case ClimateField::Humidity:
        if (cs.TempMinMax && Given(rec.TMin) && Given(rec.TMax))
          EstimateHumidity(ws, p.kind, p.month, p.index);
        else
          tempsMissing = true;
        break;
      case ClimateField::Wind:
        rec.Wind = ws.options.windaskmday ? kDefaultWindKmDay : kDefaultWindMs;
        break;
      case ClimateField::Sunshine:
        rec.Sunshine = MissingReal;
        if (ClimateRecordComplete(ws, rec, true))
          ComputePeriod(ws, p);  // stores the sunshine estimated from the temperatures
        else
          sunshineIncomplete = true;
        break;
      default:
        break;
    }
  }
  // One message for the command, also when several months lack the values.
  if (tempsMissing) Notice(ws, window, Msg::MinMaxTempsNeeded);
  if (sunshineIncomplete) Notice(ws, window, Msg::SunshineEstimateNeeds);
  Recalculate(ws, window, cell, false);
  return true;
}

void StationTextEdited(Workspace& ws, StationField field, std::string_view text) {
  const std::string value(text.substr(0, 20));
  if (field == StationField::Country)
    ws.climate.Data.Country = value;
  else if (field == StationField::Station)
    ws.climate.Data.Station = value;
  else
    return;
  ws.session.UserEdited(DataKind::Climate);
}

bool StationNumberEdited(Workspace& ws, StationField field, std::string_view text) {
  TClimateData& d = ws.climate.Data;
  double* target = nullptr;
  double min = 0, max = 0;
  switch (field) {
    case StationField::Altitude:
      target = &d.Altitude;
      min = -200;
      max = 9999;
      break;
    case StationField::Latitude:
      target = &d.Latitude;
      max = 90;
      break;
    case StationField::Longitude:
      target = &d.Longitude;
      max = 180;
      break;
    default:
      return false;
  }
  ws.session.UserEdited(DataKind::Climate);
  const std::string trimmed = TrimBlanks(text);
  bool clear = false;
  double value = MissingReal;
  if (!trimmed.empty()) {
    if (!ParseReal(trimmed, value) || CheckRealRange(value, min, max) == MissingReal) {
      value = MissingReal;
      clear = true;
      ws.ui.message(ws.text(Msg::ValueOutOfRange));
    }
  }
  *target = value;
  RecomputeAll(ws);
  return clear;
}

void HemisphereChanged(Workspace& ws, StationField field, bool southOrWest) {
  bool& flag = field == StationField::Latitude ? ws.climate.Data.South : ws.climate.Data.West;
  if (field != StationField::Latitude && field != StationField::Longitude) return;
  if (flag == southOrWest) return;
  flag = southOrWest;
  ws.session.UserEdited(DataKind::Climate);
  RecomputeAll(ws);
}

bool EtoYearEdited(Workspace& ws, std::string_view text) {
  ws.session.UserEdited(DataKind::Climate);
  const std::string trimmed = TrimBlanks(text);
  int year = MissingInt;
  if (trimmed.empty()) {
    ws.climate.EToYear = MissingInt;
    return false;
  }
  if (!ParseInt(trimmed, year) || CheckIntRange(year, 1900, SystemYear()) == MissingInt) {
    ws.ui.message(ws.text(Msg::ValueOutOfRange));
    ws.climate.EToYear = MissingInt;
    return true;
  }
  ws.climate.EToYear = year;
  return false;
}

void NewClimateData(Workspace& ws, bool estimateAll) {
  ClearClimate(ws);
  ws.options.estimateall = estimateAll;
  ws.climate.TempMinMax = ws.options.newtempnotaverage;
}

void FixEstimatedWind(Workspace& ws, int window) {
  if (!ws.options.estimateall) return;
  const double wind = ws.options.windaskmday ? kDefaultWindKmDay : kDefaultWindMs;
  TClimateData& d = ws.climate.Data;
  for (int m = 1; m <= 12; ++m) {
    d.Month[m].Wind = wind;
    if (window == kClimateDecadeWindow)
      for (int k = 1; k <= 3; ++k) d.Decade[m][k].Wind = wind;
    if (window == kClimateDayWindow)
      for (int day = 1; day <= MonthLength(m); ++day) d.Day[m][day].Wind = wind;
  }
}

void PrepareClimateDisplay(Workspace& ws) {
  RecomputeMonthSummaries(ws);
  RecomputeAverages(ws);
}

}  // namespace vsk

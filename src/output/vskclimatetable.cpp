#include "output/vskclimatetable.h"

#include "core/vskglobal.h"

namespace vsk {

namespace {

enum class Field { TMin, TMax, TMean, Humidity, Wind, Sunshine, Radiation, ETo };

// Index of a field in ClimateState::AverageRow (the column of the min/max layout; a mean
// temperature has the column of TMax).
int AverageIndex(Field f) {
  switch (f) {
    case Field::TMin:
      return 1;
    case Field::TMax:
    case Field::TMean:
      return 2;
    case Field::Humidity:
      return 3;
    case Field::Wind:
      return 4;
    case Field::Sunshine:
      return 5;
    case Field::Radiation:
      return 6;
    case Field::ETo:
      return 7;
  }
  return 7;
}

std::vector<Field> Layout(const Workspace& ws) {
  if (ws.climate.TempMinMax)
    return {Field::TMin,     Field::TMax,      Field::Humidity, Field::Wind,
            Field::Sunshine, Field::Radiation, Field::ETo};
  return {Field::TMean,    Field::Humidity,  Field::Wind,
          Field::Sunshine, Field::Radiation, Field::ETo};
}

int Decimals(const Options& o, Field f) {
  switch (f) {
    case Field::Humidity:
      return HumidityDecimals(o);
    case Field::Wind:
      return WindDecimals(o);
    case Field::Sunshine:
      return SunshineDecimals(o);
    case Field::ETo:
      return 2;
    default:
      return 1;
  }
}

double Value(const TClimatePeriod& p, double eto, Field f) {
  switch (f) {
    case Field::TMin:
      return p.TMin;
    case Field::TMax:
      return p.TMax;
    case Field::TMean:
      return p.TMean;
    case Field::Humidity:
      return p.Humidity;
    case Field::Wind:
      return p.Wind;
    case Field::Sunshine:
      return p.Sunshine;
    case Field::Radiation:
      return p.Radiation;
    case Field::ETo:
      return eto;
  }
  return MissingReal;
}

bool IsResult(const Workspace& ws, Field f) {
  if (f == Field::Radiation || f == Field::ETo) return true;
  return ws.options.estimateall &&
         (f == Field::Humidity || f == Field::Wind || f == Field::Sunshine);
}

std::string Heading(const Workspace& ws, Field f) {
  switch (f) {
    case Field::TMin:
      return std::string(ws.text(Msg::OutMinTemp));
    case Field::TMax:
      return std::string(ws.text(Msg::OutMaxTemp));
    case Field::TMean:
      return std::string(ws.text(Msg::OutAvgTemp));
    case Field::Humidity:
      return std::string(ws.text(Msg::OutHumidity));
    case Field::Wind:
      return std::string(ws.text(Msg::OutWind));
    case Field::Sunshine:
      return std::string(ws.text(Msg::OutSun));
    case Field::Radiation:
      return std::string(ws.text(Msg::OutRad));
    case Field::ETo:
      return std::string(ws.text(Msg::OutETo));
  }
  return {};
}

std::string Unit(const Workspace& ws, Field f, int kind) {
  switch (f) {
    case Field::TMin:
    case Field::TMax:
    case Field::TMean:
      return std::string(ws.text(Msg::UnitDegC));
    case Field::Humidity:
      return HumidityUnit(ws);
    case Field::Wind:
      return WindUnit(ws);
    case Field::Sunshine:
      return SunshineUnitText(ws);
    case Field::Radiation:
      return std::string(ws.text(Msg::UnitMJ));
    case Field::ETo:
      return EtoUnit(ws, kind);
  }
  return {};
}

std::string Abbreviation(const Workspace& ws, int month) {
  return MonthName(ws.texts, month).substr(0, 3);
}

// A Penman-Monteith table with its headings, units and column flags for `rows` rows.
TableContent PMTable(const Workspace& ws, int kind, int rows, const std::string& labelHeading) {
  const auto layout = Layout(ws);
  TableContent t(rows, static_cast<int>(layout.size()) + 1);
  t.headingRows = 2;
  t.labelColumns = 1;
  t.reportFirstWidth = 10;
  t.reportOtherWidth = 10;
  t.SetText(0, 0, labelHeading);
  for (size_t i = 0; i < layout.size(); ++i) {
    const int c = static_cast<int>(i) + 1;
    t.SetText(0, c, Heading(ws, layout[i]));
    t.SetText(1, c, Unit(ws, layout[i], kind));
    if (IsResult(ws, layout[i])) t.SetShade(2, rows - 1, c, c, CellShade::Result);
  }
  return t;
}

// Fills one row from a period; `editable` marks the input columns editable.
void FillPMRow(TableContent& t, const Workspace& ws, int row, const TClimatePeriod& p, double eto,
               bool editable) {
  const auto layout = Layout(ws);
  for (size_t i = 0; i < layout.size(); ++i) {
    const int c = static_cast<int>(i) + 1;
    t.SetReal(row, c, Decimals(ws.options, layout[i]), Value(p, eto, layout[i]));
    t.At(row, c).editable = editable && !IsResult(ws, layout[i]);
  }
}

void FillAverageRow(TableContent& t, const Workspace& ws, int row) {
  const auto layout = Layout(ws);
  t.SetText(row, 0, std::string(ws.text(Msg::OutAverage)));
  for (size_t i = 0; i < layout.size(); ++i)
    t.SetReal(row, static_cast<int>(i) + 1, Decimals(ws.options, layout[i]),
              ws.climate.AverageRow[AverageIndex(layout[i])]);
}

std::string Part(const Workspace& ws, Msg caption, const std::string& value) {
  return std::string(ws.text(caption)) + ": " + value;
}

}  // namespace

std::string EtoKindName(const Workspace& ws, int kind) {
  switch (kind) {
    case kEtoDayPM:
      return std::string(ws.text(Msg::OutKindDayPM));
    case kEtoDecadePM:
      return std::string(ws.text(Msg::OutKindDecadePM));
    case kEtoMonthPM:
      return std::string(ws.text(Msg::OutKindMonthPM));
    case kEtoDayMeasured:
      return std::string(ws.text(Msg::OutKindDayMeasured));
    case kEtoDecadeMeasured:
      return std::string(ws.text(Msg::OutKindDecadeMeasured));
    case kEtoMonthMeasured:
      return std::string(ws.text(Msg::OutKindMonthMeasured));
    default:
      return {};
  }
}

int HumidityDecimals(const Options& o) {
  return o.humidityasperc ? 0 : 2;
}
int WindDecimals(const Options& o) {
  return o.windaskmday ? 0 : 1;
}
int SunshineDecimals(const Options& o) {
  switch (o.sunshineunit) {
    case SunshineUnit::Percent:
      return 0;
    case SunshineUnit::Fraction:
      return 2;
    default:
      return 1;
  }
}

std::string HumidityUnit(const Workspace& ws) {
  return std::string(ws.text(ws.options.humidityasperc ? Msg::UnitPercent : Msg::UnitKPa));
}
std::string WindUnit(const Workspace& ws) {
  return std::string(ws.text(ws.options.windaskmday ? Msg::UnitKmDay : Msg::UnitMS));
}
std::string SunshineUnitText(const Workspace& ws) {
  switch (ws.options.sunshineunit) {
    case SunshineUnit::Percent:
      return std::string(ws.text(Msg::UnitPercent));
    case SunshineUnit::Fraction:
      return std::string(ws.text(Msg::UnitFraction));
    default:
      return std::string(ws.text(Msg::UnitHours));
  }
}

std::string EtoUnit(const Workspace& ws, int kind) {
  if (kind == kEtoDayPM) return std::string(ws.text(Msg::UnitMmDay));
  if (kind == kEtoDayMeasured) return std::string(ws.text(Msg::UnitMmD));
  if (ws.options.etoasmmday) return std::string(ws.text(Msg::UnitMmDay));
  return std::string(ws.text(
      kind == kEtoDecadePM || kind == kEtoDecadeMeasured ? Msg::UnitMmDec : Msg::UnitMmMonth));
}

TableContent MonthEToPMTable(const Workspace& ws) {
  TableContent t = PMTable(ws, kEtoMonthPM, 16, "");
  for (int m = 1; m <= 12; ++m) {
    t.SetText(m + 1, 0, MonthName(ws.texts, m));
    FillPMRow(t, ws, m + 1, ws.climate.Data.Month[m], ws.climate.MonthETo[m], true);
  }
  FillAverageRow(t, ws, 15);
  return t;
}

TableContent DecEToPMTable(const Workspace& ws) {
  TableContent t = PMTable(ws, kEtoDecadePM, 63, std::string(ws.text(Msg::OutMonthDec)));
  for (int m = 1; m <= 12; ++m) {
    const int first = 2 + 5 * (m - 1);
    const std::string abbr = Abbreviation(ws, m);
    for (int k = 1; k <= 3; ++k) {
      t.SetText(first + k - 1, 0, abbr + "   " + std::to_string(k));
      FillPMRow(t, ws, first + k - 1, ws.climate.Data.Decade[m][k], ws.climate.DecadeETo[m][k],
                true);
    }
    t.SetText(first + 3, 0, std::string(ws.text(Msg::OutMonth)));
    FillPMRow(t, ws, first + 3, ws.climate.Data.Month[m], ws.climate.MonthETo[m], false);
  }
  FillAverageRow(t, ws, 62);
  return t;
}

TableContent DayEToPMTable(const Workspace& ws, int tab) {
  if (tab < 1 || tab > 12) {
    // The year summary: read-only, the monthly summaries and the average in bold.
    TableContent t = PMTable(ws, kEtoDayPM, 15, std::string(ws.text(Msg::OutMonth)));
    t.caption = std::string(ws.text(Msg::OutYear));
    for (int m = 1; m <= 12; ++m) {
      t.SetText(m + 1, 0, MonthName(ws.texts, m));
      FillPMRow(t, ws, m + 1, ws.climate.Data.Month[m], ws.climate.MonthETo[m], false);
    }
    FillAverageRow(t, ws, 14);
    t.SetBold(14, 14, 0, t.ColumnCount() - 1, true);
    return t;
  }
  const int m = tab;
  TableContent t = PMTable(ws, kEtoDayPM, 35, std::string(ws.text(Msg::OutDay)));
  t.caption = Abbreviation(ws, m);
  for (int d = 1; d <= 31; ++d) {
    const int row = d + 1;
    t.SetText(row, 0, std::to_string(d));
    if (d <= MonthLength(m)) {
      FillPMRow(t, ws, row, ws.climate.Data.Day[m][d], ws.climate.DayETo[m][d], true);
    } else {
      t.SetShade(row, row, 1, t.ColumnCount() - 1, CellShade::Unused);
    }
  }
  t.SetText(34, 0, std::string(ws.text(Msg::OutAverage)));
  FillPMRow(t, ws, 34, ws.climate.Data.Month[m], ws.climate.MonthETo[m], false);
  return t;
}

TableContent MonthMEToTable(const Workspace& ws) {
  TableContent t(16, 2);
  t.headingRows = 2;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 10;
  t.SetText(0, 1, std::string(ws.text(Msg::OutETo)));
  t.SetText(1, 1, EtoUnit(ws, kEtoMonthMeasured));
  for (int m = 1; m <= 12; ++m) {
    t.SetText(m + 1, 0, MonthName(ws.texts, m));
    t.SetReal(m + 1, 1, 1, ws.climate.MonthETo[m]);
    t.At(m + 1, 1).editable = true;
  }
  t.SetText(15, 0, std::string(ws.text(Msg::OutAverage)));
  t.SetReal(15, 1, 1, ws.climate.AverageRow[7]);
  return t;
}

TableContent DecMEToTable(const Workspace& ws) {
  TableContent t(17, 5);
  t.headingRows = 3;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 10;
  const Msg decades[3] = {Msg::OutDec1, Msg::OutDec2, Msg::OutDec3};
  for (int c = 1; c <= 4; ++c) {
    t.SetText(0, c, std::string(ws.text(Msg::OutETo)));
    t.SetText(1, c, std::string(ws.text(c <= 3 ? decades[c - 1] : Msg::OutMonth)));
    if (ws.options.etoasmmday)
      t.SetText(2, c, std::string(ws.text(Msg::UnitMmDay)));
    else
      t.SetText(2, c, std::string(ws.text(c <= 3 ? Msg::UnitMmDec : Msg::UnitMmMonth)));
  }
  t.SetShade(3, 16, 4, 4, CellShade::Result);
  for (int m = 1; m <= 12; ++m) {
    const int row = m + 2;
    t.SetText(row, 0, MonthName(ws.texts, m));
    for (int k = 1; k <= 3; ++k) {
      t.SetReal(row, k, 1, ws.climate.DecadeETo[m][k]);
      t.At(row, k).editable = true;
    }
    t.SetReal(row, 4, 1, ws.climate.MonthETo[m]);
  }
  t.SetText(16, 0, std::string(ws.text(Msg::OutAverage)));
  t.SetReal(16, 4, 1, ws.climate.AverageRow[7]);
  return t;
}

TableContent DayMEToTable(const Workspace& ws) {
  TableContent t(16, 33);
  t.headingRows = 2;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 6;
  t.SetText(0, 0, std::string(ws.text(Msg::OutDay)));
  for (int c = 1; c <= 32; ++c) {
    t.SetText(0, c, c <= 31 ? std::to_string(c) : std::string(ws.text(Msg::OutMonth)));
    t.SetText(1, c, std::string(ws.text(Msg::UnitMmD)));
  }
  t.SetShade(2, 15, 32, 32, CellShade::Result);
  for (int m = 1; m <= 12; ++m) {
    const int row = m + 1;
    t.SetText(row, 0, MonthName(ws.texts, m));
    for (int d = 1; d <= 31; ++d) {
      if (d <= MonthLength(m)) {
        t.SetReal(row, d, 1, ws.climate.DayETo[m][d]);
        t.At(row, d).editable = true;
      } else {
        t.At(row, d).shade = CellShade::Unused;
      }
    }
    t.SetReal(row, 32, 1, ws.climate.MonthETo[m]);
  }
  t.SetText(15, 0, std::string(ws.text(Msg::OutAverage)));
  t.SetReal(15, 32, 1, ws.climate.AverageRow[7]);
  return t;
}

TableContent ClimateTable(const Workspace& ws, int tab) {
  switch (ws.session.EtoKind) {
    case kEtoDayPM:
      return DayEToPMTable(ws, tab);
    case kEtoDecadePM:
      return DecEToPMTable(ws);
    case kEtoDayMeasured:
      return DayMEToTable(ws);
    case kEtoDecadeMeasured:
      return DecMEToTable(ws);
    case kEtoMonthMeasured:
      return MonthMEToTable(ws);
    default:
      return MonthEToPMTable(ws);
  }
}

std::vector<std::string> ClimateReportTitleLines(const Workspace& ws) {
  return DataTitleLines(
      EtoKindName(ws, ws.session.EtoKind) + std::string(ws.text(Msg::OutDataSuffix)),
      std::string(ws.text(Msg::OutFile)), ws.session.File(DataKind::Climate));
}

std::vector<std::string> ClimateReportHeadingLines(const Workspace& ws,
                                                   const ReportOptions& options) {
  const ClimateState& c = ws.climate;
  const int kind = ws.session.EtoKind;
  std::vector<std::string> lines;
  const bool measured = kind >= kEtoDayMeasured && kind <= kEtoMonthMeasured;
  if (measured) {
    const std::string station = Part(ws, Msg::OutStation, c.Data.Station);
    if (kind == kEtoDayMeasured) {
      lines.push_back(LeftAlignChars(station, ' ', 50) +
                      Part(ws, Msg::OutYear, IntToText(c.EToYear)));
      lines.emplace_back();
    } else {
      lines.push_back(station);
      lines.emplace_back();
      lines.emplace_back();
    }
    GridToText(ClimateTable(ws), lines, options.commaSeparated);
    return lines;
  }

  const bool daily = kind == kEtoDayPM;
  const std::string country = Part(ws, Msg::OutCountry, c.Data.Country);
  const std::string station = Part(ws, Msg::OutStation, c.Data.Station);
  const std::string altitude = Part(ws, Msg::OutAltitude, RealToText(0, c.Data.Altitude)) + " " +
                               std::string(ws.text(Msg::OutAltitudeUnit));
  const std::string latitude = Part(ws, Msg::OutLatitude, RealToText(2, c.Data.Latitude)) + " " +
                               std::string(ws.text(c.Data.South ? Msg::OutSouth : Msg::OutNorth));
  const std::string longitude = Part(ws, Msg::OutLongitude, RealToText(2, c.Data.Longitude)) + " " +
                                std::string(ws.text(c.Data.West ? Msg::OutWestText : Msg::OutEast));
  if (daily) {
    lines.push_back(LeftAlignChars(country, ' ', 35) + LeftAlignChars(station, ' ', 35) +
                    Part(ws, Msg::OutYear, IntToText(c.EToYear)));
    lines.push_back(LeftAlignChars(altitude, ' ', 35) + LeftAlignChars(latitude, ' ', 35) +
                    longitude);
  } else {
    lines.push_back(LeftAlignChars(country, ' ', 35) + station);
    lines.push_back(LeftAlignChars(altitude, ' ', 35) + latitude + Blanks(5) + longitude);
  }
  lines.emplace_back();
  lines.emplace_back();
  if (!daily) {
    GridToText(ClimateTable(ws), lines, options.commaSeparated);
    return lines;
  }
  // Daily data: the tab shown, or every month followed by the year summary.
  auto month = [&](int tab) {
    lines.push_back(
        UpperCase(tab <= 12 ? MonthName(ws.texts, tab) : std::string(ws.text(Msg::OutYear))));
    lines.emplace_back();
    GridToText(DayEToPMTable(ws, tab), lines, options.commaSeparated);
  };
  if (options.allMonths) {
    for (int tab = 1; tab <= 13; ++tab) month(tab);
  } else {
    month(options.currentMonth >= 1 && options.currentMonth <= 12 ? options.currentMonth : 13);
  }
  return lines;
}

ReportSection ClimateReport(const Workspace& ws, const ReportOptions& options) {
  return {ClimateReportTitleLines(ws), ClimateReportHeadingLines(ws, options)};
}

}  // namespace vsk

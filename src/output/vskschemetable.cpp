#include "output/vskschemetable.h"

#include "core/vskglobal.h"

namespace vsk {

namespace {

std::string T(const Workspace& ws, Msg id) {
  return std::string(ws.text(id));
}

}  // namespace

SchemeResults SchemeResultsOf(const Workspace& ws, int cropCount) {
  SchemeResults r;
  r.cropCount = cropCount;
  for (int m = 1; m <= 12; ++m) {
    r.NetSchemeRequirement[m] = ws.pattern.NetSchemeRequirement[m];
    r.IrrigatedArea[m] = ws.pattern.IrrigatedArea[m];
  }
  return r;
}

double SchemeMmPerDay(const SchemeResults& r, int month) {
  const double net = r.NetSchemeRequirement[month];
  return net == MissingReal ? MissingReal : net / MonthLength(month);
}

double SchemeLitresPerSecond(const SchemeResults& r, int month) {
  const double perDay = SchemeMmPerDay(r, month);
  return perDay == MissingReal ? MissingReal : perDay / kMmDayPerLitreSecondHa;
}

double SchemeActualAreaLitresPerSecond(const SchemeResults& r, int month) {
  const double flow = SchemeLitresPerSecond(r, month);
  if (r.IrrigatedArea[month] < 0.1 || flow == MissingReal) return 0;
  return flow / (r.IrrigatedArea[month] / 100);
}

TableContent SchemeTable(const Workspace& ws, const SchemeResults& results) {
  const int n = results.cropCount;
  TableContent t(n + 13, 13);
  t.headingRows = 1;
  t.reportFirstWidth = 24;
  t.reportOtherWidth = 6;
  for (int m = 1; m <= 12; ++m) t.SetText(0, m, MonthName(ws.texts, m).substr(0, 3));
  t.SetText(1, 0, T(ws, Msg::OutPrecipitationDeficit));
  for (int k = 1; k <= n && k <= kMaxPatternCrops; ++k) {
    const PatternEntry& e = ws.pattern.Entries[k];
    t.SetText(1 + k, 0, std::to_string(k) + ". " + e.Crop.CropName);
    t.At(1 + k, 0).bold = true;
    for (int m = 1; m <= 12; ++m) t.SetReal(1 + k, m, 1, e.MonthlySupply[m]);
  }
  t.SetText(n + 3, 0, T(ws, Msg::OutNetSchemeIrrReq));
  t.SetText(n + 4, 0, T(ws, Msg::InMmDay));
  t.SetText(n + 5, 0, T(ws, Msg::InMmMonth));
  t.SetText(n + 6, 0, T(ws, Msg::InLSH));
  t.SetText(n + 8, 0, T(ws, Msg::OutIrrigatedArea));
  t.SetText(n + 9, 0, T(ws, Msg::OutPercentOfArea));
  t.SetText(n + 11, 0, T(ws, Msg::OutIrrReqActualArea));
  t.SetText(n + 12, 0, T(ws, Msg::OutLSH));
  for (int m = 1; m <= 12; ++m) {
    t.SetReal(n + 4, m, 1, SchemeMmPerDay(results, m));
    t.SetReal(n + 5, m, 1, results.NetSchemeRequirement[m]);
    t.SetReal(n + 6, m, 2, SchemeLitresPerSecond(results, m));
    t.SetReal(n + 8, m, 1, results.IrrigatedArea[m]);
    t.SetReal(n + 11, m, 2, SchemeActualAreaLitresPerSecond(results, m));
  }
  return t;
}

std::vector<std::string> SchemeReportTitleLines(const Workspace& ws) {
  return {"", T(ws, Msg::OutSchemeTitle), ""};
}

std::vector<std::string> SchemeReportLines(const Workspace& ws, const SchemeResults& results,
                                           const ReportOptions& options) {
  std::vector<std::string> lines;
  lines.push_back(
      LeftAlignChars(T(ws, Msg::OutEtoStation) + ": " + ws.climate.Data.Station, ' ', 40) +
      T(ws, Msg::OutCroppingPattern) + ": " + ws.pattern.Name);
  lines.push_back(
      LeftAlignChars(T(ws, Msg::OutRainStation) + ": " + ws.rain.Data.RainStation, ' ', 40));
  lines.emplace_back();
  lines.emplace_back();
  GridToText(SchemeTable(ws, results), lines, options.commaSeparated);
  return lines;
}

ReportSection SchemeReport(const Workspace& ws, const SchemeResults& results,
                           const ReportOptions& options) {
  return {SchemeReportTitleLines(ws), SchemeReportLines(ws, results, options)};
}

}  // namespace vsk

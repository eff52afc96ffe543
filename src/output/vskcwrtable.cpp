#include "output/vskcwrtable.h"

#include "core/vskglobal.h"

namespace vsk {

namespace {

std::string T(const Workspace& ws, Msg id) {
  return std::string(ws.text(id));
}

bool ValidDecade(const TCwrRow& row) {
  return row.Month >= 1 && row.Month <= 12 && row.Decade >= 1 && row.Decade <= 3;
}

void Add(double& sum, double value) {
  if (value != MissingReal) sum += value;
}

}  // namespace

CwrTableRow CwrRowValues(const Workspace& ws, const TCwrRow& row) {
  CwrTableRow v;
  if (!ValidDecade(row)) return v;
  const int m = row.Month, k = row.Decade;
  v.kc = ws.cwr.DecadeKc[m][k];
  v.etcPerDay = ws.cwr.DecadeETc[m][k];
  if (v.etcPerDay != MissingReal) v.etcDecade = row.SeasonDays * v.etcPerDay;
  const double eff = ws.rain.Data.DecadeEffRain[m][k];
  if (eff != MissingReal) v.effRain = row.SeasonDays * eff / DecadeLength(m, k);
  v.irrReq = ws.cwr.DecadeIrrReq[m][k];
  return v;
}

CwrTotals CwrColumnTotals(const Workspace& ws) {
  CwrTotals t;
  for (const TCwrRow& row : ws.cwr.CwrRows) {
    const CwrTableRow v = CwrRowValues(ws, row);
    Add(t.etc, v.etcDecade);
    Add(t.effRain, v.effRain);
    Add(t.irrReq, v.irrReq);
  }
  return t;
}

TableContent CwrTable(const Workspace& ws) {
  const int n = ws.cwr.CwrRowCount();
  TableContent t(n + 4, 8);
  t.headingRows = 2;
  t.labelColumns = 1;
  t.reportFirstWidth = 6;
  t.reportOtherWidth = 10;
  const Msg heading1[8] = {Msg::OutMonth, Msg::OutDecade, Msg::OutStage,      Msg::OutKc,
                           Msg::OutETc,   Msg::OutETc,    Msg::OutEffRainCwr, Msg::OutIrrReq};
  for (int c = 0; c < 8; ++c) t.SetText(0, c, T(ws, heading1[c]));
  t.SetText(1, 3, T(ws, Msg::OutCoeff));
  t.SetText(1, 4, T(ws, Msg::UnitMmDay));
  for (int c = 5; c <= 7; ++c) t.SetText(1, c, T(ws, Msg::UnitMmDec));
  for (int i = 0; i < n; ++i) {
    const TCwrRow& row = ws.cwr.CwrRows[static_cast<size_t>(i)];
    const int r = i + 2;
    if (row.Month >= 1 && row.Month <= 12)
      t.SetText(r, 0, MonthName(ws.texts, row.Month).substr(0, 3));
    t.SetText(r, 1, std::to_string(row.Decade));
    t.SetText(r, 2, row.Stage);
    const CwrTableRow v = CwrRowValues(ws, row);
    t.SetReal(r, 3, 2, v.kc);
    t.SetReal(r, 4, 2, v.etcPerDay);
    t.SetReal(r, 5, 1, v.etcDecade);
    t.SetReal(r, 6, 1, v.effRain);
    t.SetReal(r, 7, 1, v.irrReq);
  }
  const CwrTotals totals = CwrColumnTotals(ws);
  const int last = n + 3;
  t.SetText(last, 0, T(ws, Msg::OutTotals));
  t.SetReal(last, 5, 1, totals.etc);
  t.SetReal(last, 6, 1, totals.effRain);
  t.SetReal(last, 7, 1, totals.irrReq);
  t.SetBold(last, last, 5, 7, true);
  return t;
}

std::vector<std::string> CwrReportTitleLines(const Workspace& ws) {
  return {"", T(ws, Msg::OutCwrTitle), ""};
}

std::vector<std::string> CwrReportLines(const Workspace& ws, const ReportOptions& options) {
  std::vector<std::string> lines;
  const std::string planting =
      ws.session.PlantingDate != 0 ? FormatDayMonth(ws.session.PlantingDate) : std::string();
  lines.push_back(
      LeftAlignChars(T(ws, Msg::OutEtoStation) + ": " + ws.climate.Data.Station, ' ', 40) +
      T(ws, Msg::OutCrop) + ": " + ws.crop.CropName);
  lines.push_back(
      LeftAlignChars(T(ws, Msg::OutRainStation) + ": " + ws.rain.Data.RainStation, ' ', 40) +
      T(ws, Msg::OutPlantingDate) + ": " + planting);
  lines.emplace_back();
  lines.emplace_back();
  GridToText(CwrTable(ws), lines, options.commaSeparated);
  return lines;
}

ReportSection CwrReport(const Workspace& ws, const ReportOptions& options) {
  return {CwrReportTitleLines(ws), CwrReportLines(ws, options)};
}

}  // namespace vsk

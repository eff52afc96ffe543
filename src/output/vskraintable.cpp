#include "output/vskraintable.h"

#include "core/vskglobal.h"

namespace vsk {

namespace {

std::string T(const Workspace& ws, Msg id) {
  return std::string(ws.text(id));
}

void FillTotalRow(TableContent& t, const Workspace& ws, int row, int rainCol, int effCol) {
  t.SetText(row, 0, T(ws, Msg::OutTotal));
  t.SetReal(row, rainCol, 1, ws.rain.TotalRain);
  t.SetReal(row, effCol, 1, ws.rain.TotalEffRain);
}

}  // namespace

std::string RainKindName(const Workspace& ws, int kind) {
  switch (kind) {
    case kRainDaily:
      return T(ws, Msg::OutKindDayRain);
    case kRainDecade:
      return T(ws, Msg::OutKindDecadeRain);
    default:
      return T(ws, Msg::OutKindMonthRain);
  }
}

std::string RainMethodName(const Workspace& ws, int method) {
  switch (method) {
    case 1:
      return T(ws, Msg::OutMethodFixed);
    case 2:
      return T(ws, Msg::OutMethodDependable);
    case 3:
      return T(ws, Msg::OutMethodEmpirical);
    case 4:
      return T(ws, Msg::OutMethodUsda);
    case 5:
      return T(ws, Msg::OutMethodNone);
    default:
      return {};
  }
}

std::vector<std::string> RainMethodLines(const Workspace& ws, int kind) {
  const Options& o = ws.options;
  const bool monthly = kind != kRainDaily && kind != kRainDecade;
  switch (o.ermethod) {
    case 1:
      return {FormatText(ws.text(Msg::OutFixedText),
                         {IntToText(o.erfixperc), ws.text(Msg::UnitPercent)})};
    case 2:
      if (monthly)
        return {T(ws, Msg::OutDependableText), T(ws, Msg::OutDependableMonth1),
                T(ws, Msg::OutDependableMonth2)};
      return {T(ws, Msg::OutDependableText), T(ws, Msg::OutDependableDecade1),
              T(ws, Msg::OutDependableDecade2)};
    case 3: {
      const std::string a = RealToText(10, o.raina), b = IntToText(o.rainb);
      const std::string c = RealToText(10, o.rainc), d = IntToText(o.raind);
      const std::string x = IntToText(o.rainx);
      const Msg lower = monthly ? Msg::OutEmpiricalMonth1 : Msg::OutEmpiricalDecade1;
      const Msg upper = monthly ? Msg::OutEmpiricalMonth2 : Msg::OutEmpiricalDecade2;
      return {T(ws, Msg::OutEmpiricalText), FormatText(ws.text(lower), {a, b, x}),
              FormatText(ws.text(upper), {c, d, x})};
    }
    case 4:
      if (monthly)
        return {T(ws, Msg::OutUsdaText), T(ws, Msg::OutUsdaMonth1), T(ws, Msg::OutUsdaMonth2)};
      return {T(ws, Msg::OutUsdaText), T(ws, Msg::OutUsdaDecade1), T(ws, Msg::OutUsdaDecade2)};
    case 5:
      return {T(ws, Msg::OutNoneText)};
    default:
      return {};
  }
}

TableContent MonthRainTable(const Workspace& ws) {
  TableContent t(16, 3);
  t.headingRows = 2;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 10;
  t.SetText(0, 1, T(ws, Msg::OutRain));
  t.SetText(0, 2, T(ws, Msg::OutEffRainMonthly));
  t.SetText(1, 1, T(ws, Msg::UnitMm));
  t.SetText(1, 2, T(ws, Msg::UnitMm));
  t.SetShade(2, 15, 2, 2, CellShade::Result);
  const TRainData& r = ws.rain.Data;
  for (int m = 1; m <= 12; ++m) {
    t.SetText(m + 1, 0, MonthName(ws.texts, m));
    t.SetReal(m + 1, 1, 1, r.MonthRain[m]);
    t.SetReal(m + 1, 2, 1, r.MonthEffRain[m]);
    t.At(m + 1, 1).editable = true;
  }
  FillTotalRow(t, ws, 15, 1, 2);
  return t;
}

TableContent DecRainTable(const Workspace& ws) {
  TableContent t(17, 9);
  t.headingRows = 3;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 10;
  const Msg decades[4] = {Msg::OutMonthLower, Msg::OutDecLower1, Msg::OutDecLower2,
                          Msg::OutDecLower3};
  for (int k = 1; k <= 4; ++k) {
    const int rainCol = 2 * k - 1;
    t.SetText(0, rainCol, T(ws, Msg::OutRain));
    t.SetText(0, rainCol + 1, T(ws, Msg::OutEffRain));
    const std::string period = T(ws, decades[k == 4 ? 0 : k]);
    t.SetText(1, rainCol, period);
    t.SetText(1, rainCol + 1, period);
    t.SetText(2, rainCol, T(ws, Msg::UnitMm));
    t.SetText(2, rainCol + 1, T(ws, Msg::UnitMm));
    t.SetShade(3, 16, rainCol + 1, rainCol + 1, CellShade::Result);
  }
  t.SetShade(3, 16, 7, 7, CellShade::Result);
  const TRainData& r = ws.rain.Data;
  for (int m = 1; m <= 12; ++m) {
    const int row = m + 2;
    t.SetText(row, 0, MonthName(ws.texts, m));
    for (int k = 1; k <= 3; ++k) {
      t.SetReal(row, 2 * k - 1, 1, r.DecadeRain[m][k]);
      t.SetReal(row, 2 * k, 1, r.DecadeEffRain[m][k]);
      t.At(row, 2 * k - 1).editable = true;
    }
    t.SetReal(row, 7, 1, r.MonthRain[m]);
    t.SetReal(row, 8, 1, r.MonthEffRain[m]);
  }
  FillTotalRow(t, ws, 16, 7, 8);
  return t;
}

TableContent DayRainTable(const Workspace& ws) {
  TableContent t(16, 34);
  t.headingRows = 2;
  t.reportFirstWidth = 12;
  t.reportOtherWidth = 6;
  t.SetText(0, 0, T(ws, Msg::OutDay));
  for (int d = 1; d <= 31; ++d) t.SetText(0, d, std::to_string(d));
  t.SetText(0, 32, T(ws, Msg::OutTotalRain));
  t.SetText(0, 33, T(ws, Msg::OutTotalEffRain));
  for (int c = 1; c <= 33; ++c) t.SetText(1, c, T(ws, Msg::UnitMm));
  t.SetShade(2, 15, 32, 33, CellShade::Result);
  const TRainData& r = ws.rain.Data;
  for (int m = 1; m <= 12; ++m) {
    const int row = m + 1;
    t.SetText(row, 0, MonthName(ws.texts, m));
    for (int d = 1; d <= 31; ++d) {
      if (d <= MonthLength(m)) {
        t.SetReal(row, d, 1, r.DayRain[m][d]);
        t.At(row, d).editable = true;
      } else {
        t.At(row, d).shade = CellShade::Unused;
      }
    }
    t.SetReal(row, 32, 1, r.MonthRain[m]);
    t.SetReal(row, 33, 1, r.MonthEffRain[m]);
  }
  FillTotalRow(t, ws, 15, 32, 33);
  return t;
}

TableContent RainTable(const Workspace& ws) {
  switch (ws.session.RainKind) {
    case kRainDaily:
      return DayRainTable(ws);
    case kRainDecade:
      return DecRainTable(ws);
    default:
      return MonthRainTable(ws);
  }
}

std::vector<std::string> RainReportTitleLines(const Workspace& ws) {
  return DataTitleLines(RainKindName(ws, ws.session.RainKind) + T(ws, Msg::OutDataSuffix),
                        T(ws, Msg::OutFile), ws.session.File(DataKind::Rain));
}

std::vector<std::string> RainReportHeadingLines(const Workspace& ws, const ReportOptions& options) {
  std::vector<std::string> lines;
  lines.push_back(T(ws, Msg::OutStation) + ": " + ws.rain.Data.RainStation);
  lines.emplace_back();
  const std::string caption = T(ws, Msg::OutEffRainMethod);
  const auto method = RainMethodLines(ws, ws.session.RainKind);
  for (size_t i = 0; i < method.size(); ++i)
    lines.push_back((i == 0 ? caption + ": " : Blanks(static_cast<int>(caption.size()) + 2)) +
                    method[i]);
  if (method.empty()) lines.push_back(caption + ": ");
  lines.emplace_back();
  lines.emplace_back();
  GridToText(RainTable(ws), lines, options.commaSeparated);
  return lines;
}

ReportSection RainReport(const Workspace& ws, const ReportOptions& options) {
  return {RainReportTitleLines(ws), RainReportHeadingLines(ws, options)};
}

}  // namespace vsk

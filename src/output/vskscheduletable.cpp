#include "output/vskscheduletable.h"

#include "core/vskglobal.h"

namespace vsk {

namespace {

std::string T(const Workspace& ws, Msg id) {
  return std::string(ws.text(id));
}

// A value of the totals or yield box: one decimal (or `decimals`), "-" when missing.
std::string BoxValue(double value, int decimals = 1) {
  return value == MissingReal ? "-" : RealToText(decimals, value);
}

double Ratio(double numerator, double divisor) {
  return divisor == 0 ? MissingReal : numerator / divisor;
}

std::string StageText(const Workspace& ws, char stage) {
  switch (stage) {
    case 'A':
      return T(ws, Msg::OutStageInit);
    case 'B':
      return T(ws, Msg::OutStageDev);
    case 'C':
      return T(ws, Msg::OutStageMid);
    case 'D':
      return T(ws, Msg::OutStageEnd);
    case 'E':
      return T(ws, Msg::OutStagePrePu);
    case 'F':
      return T(ws, Msg::OutStagePuddl);
    default:
      return std::string(1, stage);
  }
}

std::string PuddleText(const Workspace& ws, int state) {
  switch (state) {
    case 1:
      return T(ws, Msg::OutPuddleOk);
    case 2:
      return T(ws, Msg::OutPuddleBroken);
    default:
      return T(ws, Msg::OutPuddlePrep);
  }
}

std::string DateCell(const Workspace& ws, const ScheduleDayView& d) {
  const std::string month =
      d.Month >= 1 && d.Month <= 12 ? MonthName(ws.texts, d.Month).substr(0, 3) : std::string();
  return std::to_string(d.Day) + " " + month;
}

// Eta column: the share of the potential use since the last irrigation in the irrigation
// format, the day's ETa in the daily format.
std::string EtaCell(const ScheduleDayView& d, bool irrigationFormat) {
  if (!irrigationFormat) return RealToText(1, d.ETa);
  if (d.CumETc == 0) return "0";
  return RealToText(0, d.CumETa / d.CumETc * 100);
}

// The first columns shared by both windows: Date, Day, Stage, Rain, Ks, Eta.
void FillCommonCells(TableContent& t, const Workspace& ws, int row, const ScheduleDayView& d,
                     bool last, bool irrigationFormat) {
  t.SetText(row, 0, DateCell(ws, d));
  t.SetText(row, 1, last ? T(ws, Msg::OutEnd) : std::to_string(d.DayNumber));
  t.SetText(row, 2, StageText(ws, d.Stage));
  t.SetReal(row, 3, 1, d.Rain);
  t.SetReal(row, 4, 2, d.Ks);
  t.SetText(row, 5, EtaCell(d, irrigationFormat));
}

void SetScheduleHeadings(TableContent& t, const Workspace& ws, const std::vector<Msg>& heads,
                         const std::vector<std::string>& units) {
  for (size_t c = 0; c < heads.size(); ++c) t.SetText(0, static_cast<int>(c), T(ws, heads[c]));
  for (size_t c = 0; c < units.size(); ++c) t.SetText(1, static_cast<int>(c), units[c]);
}

std::string LabelValue(const Workspace& ws, Msg label, const std::string& value,
                       const char* separator = ": ") {
  return T(ws, label) + separator + value;
}

// B(2) + LA(label 1, 30) + RA(value 1, 6) + B(2) + LA(unit 1, 6) + LA(label 2, 30) +
// RA(value 2, 5) + B(2) + unit 2.
std::string TotalsLine(const std::string& l1, const std::string& v1, const std::string& u1,
                       const std::string& l2, const std::string& v2, const std::string& u2) {
  return Blanks(2) + LeftAlignChars(l1, ' ', 30) + RightAlignText(v1, ' ', 6) + Blanks(2) +
         LeftAlignChars(u1, ' ', 6) + LeftAlignChars(l2, ' ', 30) + RightAlignText(v2, ' ', 5) +
         Blanks(2) + u2;
}

std::string YieldLine(const std::string& label, const std::string values[5],
                      const std::string& unit) {
  std::string line = Blanks(2) + LeftAlignChars(label, ' ', 30);
  for (int i = 0; i < 5; ++i) line += CentreText(values[i], ' ', 10);
  return line + unit;
}

void AppendYieldLines(std::vector<std::string>& lines, const Workspace& ws,
                      const ScheduleYield& y) {
  const std::string heads[5] = {"A", "B", "C", "D", T(ws, Msg::OutSeason)};
  lines.push_back(YieldLine(T(ws, Msg::OutStageHeading), heads, ""));
  lines.emplace_back();
  std::string red[5], ky[5], yr[5], cum[5];
  for (int i = 0; i < 5; ++i) {
    red[i] = BoxValue(y.reductionEtc[i]);
    ky[i] = BoxValue(y.ky[i], 2);
    yr[i] = BoxValue(y.yieldReduction[i]);
    cum[i] = i < 4 ? BoxValue(y.cumulative[i]) : std::string();
  }
  const std::string pct = T(ws, Msg::UnitPercent);
  lines.push_back(YieldLine(T(ws, Msg::OutReductionsETc), red, pct));
  lines.push_back(YieldLine(T(ws, Msg::OutYieldResponse), ky, ""));
  lines.push_back(YieldLine(T(ws, Msg::OutYieldReduction), yr, pct));
  lines.push_back(YieldLine(T(ws, Msg::OutCumulativeYieldRed), cum, pct));
}

// Report lines 1 to 3 of both windows: stations, crop, soil, dates and the yield reduction.
void AppendHeaderLines(std::vector<std::string>& lines, const Workspace& ws, const ScheduleYield& y,
                       bool rice) {
  lines.push_back(
      LeftAlignChars(LabelValue(ws, Msg::OutEtoStation, ws.climate.Data.Station, ":  "), ' ', 30) +
      Blanks(1) + LeftAlignChars(LabelValue(ws, Msg::OutCrop, ws.crop.CropName), ' ', 30) +
      Blanks(1) + LabelValue(ws, Msg::OutPlantingDate, DateText(ws.session.PlantingDate)));
  lines.push_back(
      LeftAlignChars(LabelValue(ws, Msg::OutRainStation, ws.rain.Data.RainStation, ":  "), ' ',
                     30) +
      Blanks(1) + LeftAlignChars(LabelValue(ws, Msg::OutSoil, ws.soil.SoilName), ' ', 30) +
      Blanks(1) + LabelValue(ws, Msg::OutHarvestDate, DateText(SessionHarvestDate(ws))));
  if (rice) lines.emplace_back();
  lines.push_back(LabelValue(ws, Msg::OutYieldRed, YieldReductionText(y), ":  "));
  if (rice) lines.emplace_back();
}

std::string TableFormatCaption(const Workspace& ws, const ScheduleView& view) {
  return T(ws, view.irrigationFormat ? Msg::OutIrrigationSchedule : Msg::OutDailyBalance);
}

}  // namespace

ScheduleSummary ComputeScheduleSummary(const ScheduleRunTotals& t, int efficiency) {
  ScheduleSummary s{};
  double eta = 0, etc = 0;
  for (int i = 1; i <= 4; ++i) {
    eta += t.StageETa[i];
    etc += t.StageETc[i];
  }
  s.grossIrrigation = efficiency != 0 ? t.TotNetIrr * 100 / efficiency : MissingReal;
  s.netIrrigation = t.TotNetIrr;
  s.irrigationLosses = t.TotIrrLoss;
  s.percolationLosses = t.TotPercolation;
  s.actualWaterUse = eta;
  s.potentialWaterUse = etc;
  const double effSchedule = Ratio(t.TotNetIrr - t.TotIrrLoss, t.TotNetIrr);
  s.efficiencySchedule = effSchedule == MissingReal ? MissingReal : effSchedule * 100;
  const double use = Ratio(eta, etc);
  s.deficiencySchedule = use == MissingReal ? MissingReal : 100 - use * 100;
  s.totalRain = t.TotRain;
  s.effectiveRain = t.TotRain - t.TotRainLoss;
  s.rainLoss = t.TotRainLoss;
  s.moistureDeficitHarvest = t.FinalDepletion;
  s.actualIrrigationRequirement = etc - (t.TotRain - t.TotRainLoss);
  const double effRain = Ratio(t.TotRain - t.TotRainLoss, t.TotRain);
  s.efficiencyRain = effRain == MissingReal ? MissingReal : effRain * 100;
  return s;
}

ScheduleYield ComputeScheduleYield(const ScheduleRunTotals& t, const double yieldResponse[6]) {
  ScheduleYield y{};
  double eta = 0, etc = 0;
  double remaining = 1;  // product of (1 - y) over the stages so far
  bool cumulativeKnown = true;
  for (int s = 1; s <= 5; ++s) {
    double r;
    if (s <= 4) {
      eta += t.StageETa[s];
      etc += t.StageETc[s];
      r = Ratio(t.StageETa[s], t.StageETc[s]);
    } else {
      r = Ratio(eta, etc);
    }
    const double ky = yieldResponse[s];
    y.ky[s - 1] = ky;
    if (r == MissingReal) {
      y.reductionEtc[s - 1] = y.yieldReduction[s - 1] = MissingReal;
    } else {
      r = 1 - r;
      y.reductionEtc[s - 1] = r * 100;
      y.yieldReduction[s - 1] = ky == MissingReal ? MissingReal : ky * r * 100;
    }
    if (s <= 4) {
      if (y.yieldReduction[s - 1] == MissingReal) cumulativeKnown = false;
      if (cumulativeKnown) remaining *= 1 - y.yieldReduction[s - 1] / 100;
      y.cumulative[s - 1] = cumulativeKnown ? (1 - remaining) * 100 : MissingReal;
    }
  }
  return y;
}

std::vector<const ScheduleDayView*> ShownScheduleRows(const ScheduleView& view) {
  std::vector<const ScheduleDayView*> rows;
  for (size_t i = 0; i < view.days.size(); ++i) {
    const bool last = i + 1 == view.days.size();
    if (!view.irrigationFormat || view.days[i].NetIrr != 0 || last) rows.push_back(&view.days[i]);
  }
  return rows;
}

DateSerial SessionHarvestDate(const Workspace& ws) {
  if (ws.session.PlantingDate == 0) return 0;
  int days = 0;
  for (int i = 1; i <= 4; ++i) {
    if (ws.crop.StageLength[i] == MissingInt) return 0;
    days += ws.crop.StageLength[i];
  }
  return AddDays(ws.session.PlantingDate, days - 1);
}

std::string DateText(DateSerial date) {
  return date == 0 ? std::string() : FormatDayMonth(date);
}

std::string DryTimingHeaderText(const Workspace& ws) {
  const Msg texts[8] = {Msg::OutTimDialog1, Msg::OutTimDialog2, Msg::OutTimDialog3,
                        Msg::OutTimDialog4, Msg::OutTimDialog5, Msg::OutTimDialog6,
                        Msg::OutTimDialog7, Msg::OutTimDialog8};
  const int code = ws.options.timopt;
  std::string text = code >= 1 && code <= 8 ? T(ws, texts[code - 1]) : std::string();
  if (ws.session.ScheduleAdjusted) text += T(ws, Msg::OutAdjustedSuffix);
  return text;
}

std::string DryApplicationHeaderText(const Workspace& ws) {
  if (ws.options.timopt == 8) return T(ws, Msg::OutNoAppDash);
  const Msg texts[4] = {Msg::OutAppDialog1, Msg::OutAppDialog2, Msg::OutAppDialog3,
                        Msg::OutAppDialog4};
  const int code = ws.options.applopt;
  std::string text = code >= 1 && code <= 4 ? T(ws, texts[code - 1]) : std::string();
  if (ws.session.ScheduleAdjusted) text += T(ws, Msg::OutAdjustedSuffix);
  return text;
}

std::string DryTimingDescription(const Workspace& ws) {
  const Options& o = ws.options;
  const std::string pct = T(ws, Msg::UnitPercent);
  switch (o.timopt) {
    case 1:
      return T(ws, Msg::OutTimText1);
    case 2:
      return T(ws, Msg::OutTimText2);
    case 3:
      return FormatText(ws.text(Msg::OutTimText3), {IntToText(o.deplram), pct});
    case 4:
      return T(ws, Msg::OutTimText4);
    case 5:
      return FormatText(ws.text(Msg::OutTimText5), {IntToText(o.timdepl)});
    case 6:
      return T(ws, Msg::OutTimText6);
    case 7:
      return FormatText(ws.text(Msg::OutTimText7), {IntToText(o.yielddefi), pct});
    case 8:
      return T(ws, Msg::OutTimText8);
    default:
      return {};
  }
}

std::string DryTimingSecondLine(const Workspace& ws) {
  const Options& o = ws.options;
  if (o.timopt == 4)
    return FormatText(ws.text(Msg::OutTimText4b),
                      {IntToText(o.timfixint[1]), IntToText(o.timfixint[2]),
                       IntToText(o.timfixint[3]), IntToText(o.timfixint[4])});
  if (o.timopt == 6)
    return FormatText(
        ws.text(Msg::OutTimText6b),
        {ws.text(Msg::UnitPercent), IntToText(o.useretred[1]), IntToText(o.useretred[2]),
         IntToText(o.useretred[3]), IntToText(o.useretred[4])});
  return {};
}

std::string DryApplicationDescription(const Workspace& ws) {
  const Options& o = ws.options;
  switch (o.applopt) {
    case 1:
      return T(ws, Msg::OutAppText1);
    case 2:
      return FormatText(ws.text(Msg::OutAppText2), {"100", ws.text(Msg::UnitPercent)});
    case 3:
      return FormatText(ws.text(Msg::OutAppText2),
                        {IntToText(o.fieldcapcorr), ws.text(Msg::UnitPercent)});
    case 4:
      return FormatText(ws.text(Msg::OutAppText4), {IntToText(o.fixirridept)});
    default:
      return {};
  }
}

std::string YieldReductionText(const ScheduleYield& yield) {
  return std::string(" ").append(BoxValue(yield.yieldReduction[4])).append(" %");
}

TableContent DryScheduleTable(const Workspace& ws, const ScheduleView& view) {
  const auto rows = ShownScheduleRows(view);
  TableContent t(static_cast<int>(rows.size()) + 2, 12);
  t.headingRows = 2;
  t.labelColumns = 2;
  t.reportFirstWidth = 7;
  t.reportOtherWidth = 7;
  const std::string mm = T(ws, Msg::UnitMm);
  SetScheduleHeadings(t, ws,
                      {Msg::OutDate, Msg::OutDay, Msg::OutStage, Msg::OutColRain, Msg::OutColKs,
                       Msg::OutColEta, Msg::OutColDepl, Msg::OutColNetIrr, Msg::OutColDeficit,
                       Msg::OutColLoss, Msg::OutColGrIrr, Msg::OutColFlow},
                      {"", "", "", mm, T(ws, Msg::OutUnitFract),
                       T(ws, view.irrigationFormat ? Msg::UnitPercent : Msg::UnitMmDay),
                       T(ws, Msg::UnitPercent), mm, mm, mm, mm, T(ws, Msg::UnitLSHa)});
  t.SetColumnHidden(11, !view.irrigationFormat);
  int previousDay = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const ScheduleDayView& d = *rows[i];
    const int row = static_cast<int>(i) + 2;
    const bool last = i + 1 == rows.size();
    FillCommonCells(t, ws, row, d, last, view.irrigationFormat);
    t.SetReal(row, 6, 0, d.DeplPercent);
    if (!last) {
      t.SetReal(row, 7, 1, d.NetIrr);
      t.SetReal(row, 8, 1, d.Deficit);
      t.SetReal(row, 9, 1, d.Loss);
      t.SetReal(row, 10, 1, d.GrossIrr);
      const int interval = view.irrigationFormat ? d.DayNumber - previousDay : 1;
      t.SetReal(row, 11, 2, interval > 0 ? d.GrossIrr / 8.64 / interval : MissingReal);
      t.At(row, 7).editable = true;
    }
    previousDay = d.DayNumber;
  }
  return t;
}

TableContent RiceScheduleTable(const Workspace& ws, const ScheduleView& view) {
  const auto rows = ShownScheduleRows(view);
  TableContent t(static_cast<int>(rows.size()) + 2, 12);
  t.headingRows = 2;
  t.labelColumns = 2;
  t.reportFirstWidth = 7;
  t.reportOtherWidth = 7;
  const std::string mm = T(ws, Msg::UnitMm);
  SetScheduleHeadings(t, ws,
                      {Msg::OutDate, Msg::OutDay, Msg::OutStage, Msg::OutColRain, Msg::OutColKs,
                       Msg::OutColEta, Msg::OutColPuddl, Msg::OutColPercol, Msg::OutColDeplSM,
                       Msg::OutColNetGift, Msg::OutColLoss, Msg::OutColDeplSAT},
                      {"", "", "", mm, T(ws, Msg::OutUnitFract),
                       T(ws, view.irrigationFormat ? Msg::UnitPercent : Msg::UnitMmDay),
                       T(ws, Msg::OutUnitState), mm, mm, mm, mm, mm});
  for (size_t i = 0; i < rows.size(); ++i) {
    const ScheduleDayView& d = *rows[i];
    const int row = static_cast<int>(i) + 2;
    const bool last = i + 1 == rows.size();
    FillCommonCells(t, ws, row, d, last, view.irrigationFormat);
    t.SetText(row, 6, PuddleText(ws, d.PuddleState));
    t.SetReal(row, 7, 1, d.Percolation);
    t.SetReal(row, 8, 0, d.DeplSm);
    if (!last) {
      t.SetReal(row, 9, 1, d.NetIrr);
      t.SetReal(row, 10, 1, d.Loss);
      t.SetReal(row, 11, 1, d.DeplSat);
    }
    // Every Net Gift cell can be typed in; the closing row refuses the change on entry.
    t.At(row, 9).editable = true;
  }
  return t;
}

TableContent ScheduleTotalsTable(const Workspace& ws, const ScheduleView& view) {
  const int efficiency = view.rice ? ws.options.riceappleff : ws.options.appleff;
  const ScheduleSummary s = ComputeScheduleSummary(view.totals, efficiency);
  const std::string mm = T(ws, Msg::UnitMm), pct = T(ws, Msg::UnitPercent);
  struct Row {
    Msg l1;
    double v1;
    std::string u1;
    Msg l2;
    double v2;
    std::string u2;
    bool right;
  };
  std::vector<Row> rows = {
      {Msg::OutTotalGrossIrr, s.grossIrrigation, mm, Msg::OutTotalRainfall, s.totalRain, mm, true},
      {Msg::OutTotalNetIrr, s.netIrrigation, mm, Msg::OutEffectiveRainfall, s.effectiveRain, mm,
       true},
      {Msg::OutTotalIrrLosses, s.irrigationLosses, mm, Msg::OutTotalRainLoss, s.rainLoss, mm, true},
      {Msg::OutActualWaterUse, s.actualWaterUse, mm, Msg::OutMoistDeficit, s.moistureDeficitHarvest,
       mm, true},
      {Msg::OutPotentialWaterUse, s.potentialWaterUse, mm, Msg::OutActualIrrReq,
       s.actualIrrigationRequirement, mm, true},
      {Msg::OutEfficiencySchedule, s.efficiencySchedule, pct, Msg::OutEfficiencyRain,
       s.efficiencyRain, pct, true},
      {Msg::OutDeficiencySchedule, s.deficiencySchedule, pct, Msg::OutTotalRainfall, 0, "", false},
  };
  if (view.rice)
    rows.insert(rows.begin() + 3, {Msg::OutTotalPercolation, s.percolationLosses, mm,
                                   Msg::OutTotalRainfall, 0, "", false});
  TableContent t(static_cast<int>(rows.size()), 6);
  t.headingRows = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i);
    t.SetText(r, 0, T(ws, rows[i].l1));
    t.SetText(r, 1, BoxValue(rows[i].v1));
    t.SetText(r, 2, rows[i].u1);
    if (rows[i].right) {
      t.SetText(r, 3, T(ws, rows[i].l2));
      t.SetText(r, 4, BoxValue(rows[i].v2));
      t.SetText(r, 5, rows[i].u2);
    }
  }
  return t;
}

TableContent YieldTable(const Workspace& ws, const ScheduleView& view) {
  const double* ky = ws.crop.YieldResponse;
  const ScheduleYield y = ComputeScheduleYield(view.totals, ky);
  TableContent t(5, 6);
  t.headingRows = 1;
  t.SetText(0, 0, T(ws, Msg::OutStageHeading));
  const char* stages[4] = {"A", "B", "C", "D"};
  for (int i = 0; i < 4; ++i) t.SetText(0, i + 1, stages[i]);
  t.SetText(0, 5, T(ws, Msg::OutSeason));
  const Msg labels[4] = {Msg::OutReductionsETc, Msg::OutYieldResponse, Msg::OutYieldReduction,
                         Msg::OutCumulativeYieldRed};
  for (int r = 0; r < 4; ++r) {
    t.SetText(r + 1, 0, T(ws, labels[r]));
    for (int i = 0; i < 5; ++i) {
      std::string v;
      switch (r) {
        case 0:
          v = BoxValue(y.reductionEtc[i]);
          break;
        case 1:
          v = BoxValue(y.ky[i], 2);
          break;
        case 2:
          v = BoxValue(y.yieldReduction[i]);
          break;
        default:
          v = i < 4 ? BoxValue(y.cumulative[i]) : std::string();
          break;
      }
      t.SetText(r + 1, i + 1, v);
    }
  }
  return t;
}

std::vector<std::string> ScheduleReportTitleLines(const Workspace& ws, bool rice) {
  std::vector<std::string> lines = {
      "", T(ws, rice ? Msg::OutRiceScheduleTitle : Msg::OutDryScheduleTitle)};
  if (ws.session.ScheduleAdjusted)
    lines.push_back(std::string("(")
                        .append(ws.text(Msg::OutFile))
                        .append(ws.session.File(DataKind::Schedule))
                        .append(")"));
  lines.emplace_back();
  return lines;
}

namespace {

void AppendTotalsLines(std::vector<std::string>& lines, const Workspace& ws,
                       const ScheduleView& view) {
  const TableContent box = ScheduleTotalsTable(ws, view);
  for (int r = 0; r < box.RowCount(); ++r) {
    lines.push_back(TotalsLine(box.Text(r, 0), box.Text(r, 1), box.Text(r, 2), box.Text(r, 3),
                               box.Text(r, 4), box.Text(r, 5)));
    // Groups: dry crop after rows 3 and 5; rice after the percolation row, after the water
    // use rows and at the end.
    const bool gap = view.rice ? (r == 3 || r == 5 || r == box.RowCount() - 1) : (r == 2 || r == 4);
    if (gap) lines.emplace_back();
  }
}

}  // namespace

std::vector<std::string> DryScheduleReportLines(const Workspace& ws, const ScheduleView& view,
                                                const ReportOptions& options) {
  std::vector<std::string> lines;
  const ScheduleYield y = ComputeScheduleYield(view.totals, ws.crop.YieldResponse);
  AppendHeaderLines(lines, ws, y, false);
  lines.push_back(T(ws, Msg::OutCropSchedulingOptions));
  lines.push_back(Blanks(5) + LeftAlignChars(T(ws, Msg::OutTimingLabel), ' ', 15) +
                  DryTimingDescription(ws));
  if (ws.options.timopt == 4 || ws.options.timopt == 6)
    lines.push_back(Blanks(20) + "(" + DryTimingSecondLine(ws) + ")");
  lines.push_back(Blanks(5) + LeftAlignChars(T(ws, Msg::OutApplicationLabel), ' ', 15) +
                  DryApplicationDescription(ws));
  lines.push_back(Blanks(5) + LeftAlignChars(T(ws, Msg::OutFieldEff), ' ', 15) +
                  IntToText(ws.options.appleff) + Blanks(2) + T(ws, Msg::UnitPercent));
  if (ws.session.ScheduleAdjusted) lines.push_back(T(ws, Msg::OutAdjustedByUser));
  lines.emplace_back();
  lines.push_back(TrimBlanks(ws.text(Msg::OutTableFormat)) + ": " + TableFormatCaption(ws, view));
  lines.emplace_back();
  GridToText(DryScheduleTable(ws, view), lines, options.commaSeparated);
  lines.emplace_back();
  lines.push_back(TrimBlanks(ws.text(Msg::OutTotalsBox)) + ": ");
  AppendTotalsLines(lines, ws, view);
  lines.emplace_back();
  lines.push_back(TrimBlanks(ws.text(Msg::OutYieldBox)) + ":");
  AppendYieldLines(lines, ws, y);
  lines.emplace_back();
  return lines;
}

namespace {

std::string RiceKindText(const Workspace& ws, int kind, bool application) {
  switch (kind) {
    case 1:
      return T(ws, Msg::OutKindMmWD);
    case 2:
      return T(ws, application ? Msg::OutKindSat : Msg::OutKindDesat);
    case 3:
      return T(ws, application ? Msg::OutKindOfFC : Msg::OutKindCritDepl);
    default:
      return {};
  }
}

void AppendStageLines(std::vector<std::string>& lines, const Workspace& ws, const int values[5],
                      const int kinds[5], bool application) {
  const Msg stages[4] = {Msg::OutRiceStageInit, Msg::OutRiceStageDev, Msg::OutRiceStageMid,
                         Msg::OutRiceStageLate};
  for (int s = 1; s <= 4; ++s)
    lines.push_back(Blanks(20) + "(" +
                    FormatText(ws.text(stages[s - 1]),
                               {IntToText(values[s]), RiceKindText(ws, kinds[s], application)}) +
                    ")");
}

}  // namespace

std::vector<std::string> RiceScheduleReportLines(const Workspace& ws, const ScheduleView& view,
                                                 const ReportOptions& options) {
  const Options& o = ws.options;
  const std::string pct = T(ws, Msg::UnitPercent);
  auto item = [&](Msg caption, const std::string& text) {
    return Blanks(5) + LeftAlignChars(T(ws, caption), ' ', 25) + text;
  };
  auto fmt = [&](Msg pattern, std::initializer_list<std::string_view> args) {
    return FormatText(ws.text(pattern), args);
  };
  std::vector<std::string> lines;
  const ScheduleYield y = ComputeScheduleYield(view.totals, ws.crop.YieldResponse);
  AppendHeaderLines(lines, ws, y, true);
  lines.push_back(T(ws, Msg::OutRiceSchedulingOptions));
  lines.emplace_back();

  lines.push_back(T(ws, Msg::OutPrePuddling) + ":");
  const double soaking = ws.crop.PuddleDepth == MissingReal
                             ? MissingReal
                             : ws.crop.PuddleDepth + o.soakbelowpuddledepth / 100.0;
  lines.push_back(item(Msg::OutSoakingDepth, RealToText(1, soaking) + " " + T(ws, Msg::UnitM)));
  std::string text;
  if (o.prepuddlingtimopt == 1) text = fmt(Msg::OutRiceDesat, {IntToText(o.prepuddletdesat), pct});
  if (o.prepuddlingtimopt == 2) text = fmt(Msg::OutRiceDeplFC, {IntToText(o.prepuddletdepl), pct});
  lines.push_back(item(Msg::OutTiming, text));
  text.clear();
  if (o.prepuddlingapplopt == 1)
    text = fmt(Msg::OutRiceFixedDepth, {IntToText(o.prepuddleafixeddepth)});
  if (o.prepuddlingapplopt == 2)
    text = fmt(Msg::OutRiceRefillSat, {IntToText(o.prepuddleasat), pct});
  lines.push_back(item(Msg::OutApplication, text));
  lines.emplace_back();

  lines.push_back(T(ws, Msg::OutPuddling));
  text.clear();
  if (o.puddlingtimopt == 1) text = fmt(Msg::OutRiceWaterDepth, {IntToText(o.puddletwd)});
  if (o.puddlingtimopt == 2) text = fmt(Msg::OutRiceDesat, {IntToText(o.puddletdesat), pct});
  lines.push_back(item(Msg::OutTiming, text));
  text.clear();
  if (o.puddlingapplopt == 1) text = fmt(Msg::OutRiceRefillWD, {IntToText(o.puddleawd)});
  if (o.puddlingapplopt == 2) text = fmt(Msg::OutRiceRefillSat, {IntToText(o.puddleasat), pct});
  if (o.puddlingapplopt == 3) text = fmt(Msg::OutRiceFixedDepth, {IntToText(o.puddleafixeddepth)});
  lines.push_back(item(Msg::OutApplication, text));
  lines.emplace_back();

  lines.push_back(T(ws, Msg::OutGrowthStages));
  text.clear();
  switch (o.ricetimopt) {
    case 1:
      text = T(ws, Msg::OutTimText1);
      break;
    case 2:
      text = fmt(Msg::OutRiceWaterDepth, {IntToText(o.ricetwd)});
      break;
    case 3:
      text = fmt(Msg::OutRiceDesat, {IntToText(o.ricetdesat), pct});
      break;
    case 4:
      text = fmt(Msg::OutRiceCritDepl, {IntToText(o.ricetdepl), pct});
      break;
    case 5:
      text = T(ws, Msg::OutRiceFixedPerStage);
      break;
    case 6:
      text = T(ws, Msg::OutRiceIntervals);
      break;
    case 7:
      text = T(ws, Msg::OutRiceEtcRed);
      break;
    case 8:
      text = fmt(Msg::OutRiceYieldRed, {IntToText(o.ricetyieldred), pct});
      break;
    default:
      break;
  }
  lines.push_back(item(Msg::OutTiming, text));
  if (o.ricetimopt == 5) AppendStageLines(lines, ws, o.ricetfixedany1, o.ricetfixedany2, false);
  if (o.ricetimopt == 6)
    lines.push_back(Blanks(20) + "(" +
                    fmt(Msg::OutRiceIntervalsLine,
                        {IntToText(o.ricetfixedint[0]), IntToText(o.ricetfixedint[1]),
                         IntToText(o.ricetfixedint[2]), IntToText(o.ricetfixedint[3]),
                         IntToText(o.ricetfixedint[4])}) +
                    ")");
  if (o.ricetimopt == 7)
    lines.push_back(
        Blanks(20) + "(" +
        fmt(Msg::OutRiceEtcRedLine,
            {pct, IntToText(o.ricetetred[0]), IntToText(o.ricetetred[1]),
             IntToText(o.ricetetred[2]), IntToText(o.ricetetred[3]), IntToText(o.ricetetred[4])}) +
        ")");
  text.clear();
  switch (o.riceapplopt) {
    case 1:
      text = T(ws, Msg::OutRiceUserDepths);
      break;
    case 2:
      text = fmt(Msg::OutRiceRefillWD, {IntToText(o.riceawd)});
      break;
    case 3:
      text = fmt(Msg::OutRiceRefillSat, {IntToText(o.riceasat), pct});
      break;
    case 4:
      text = fmt(Msg::OutRiceRefillFC, {IntToText(o.riceafc), pct});
      break;
    case 5:
      text = T(ws, Msg::OutRiceRefillPerStage);
      break;
    case 6:
      text = fmt(Msg::OutRiceFixedDepth, {IntToText(o.riceafixeddepth)});
      break;
    default:
      break;
  }
  lines.push_back(item(Msg::OutApplication, text));
  if (o.riceapplopt == 5) AppendStageLines(lines, ws, o.riceafixedany1, o.riceafixedany2, true);
  lines.emplace_back();
  lines.push_back(item(Msg::OutFieldEfficiency, IntToText(o.riceappleff) + Blanks(2) + pct));
  lines.emplace_back();
  if (ws.session.ScheduleAdjusted) {
    lines.push_back(T(ws, Msg::OutAdjustedByUser));
    lines.emplace_back();
  }
  lines.emplace_back();
  lines.push_back(T(ws, Msg::OutTableFormatPlain) + ": " + TableFormatCaption(ws, view));
  lines.emplace_back();
  GridToText(RiceScheduleTable(ws, view), lines, options.commaSeparated);
  lines.emplace_back();
  lines.emplace_back();
  lines.push_back(T(ws, Msg::OutTotalsPlain) + ": ");
  lines.emplace_back();
  AppendTotalsLines(lines, ws, view);
  lines.push_back(T(ws, Msg::OutYieldReductionsPlain) + ":");
  lines.emplace_back();
  AppendYieldLines(lines, ws, y);
  lines.emplace_back();
  return lines;
}

ReportSection ScheduleReport(const Workspace& ws, const ScheduleView& view,
                             const ReportOptions& options) {
  return {ScheduleReportTitleLines(ws, view.rice), view.rice
                                                       ? RiceScheduleReportLines(ws, view, options)
                                                       : DryScheduleReportLines(ws, view, options)};
}

}  // namespace vsk

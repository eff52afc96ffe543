#include "scheme/vskschemecalc.h"

#include "cwr/vskcwrcalc.h"
#include "schedule/vskricecwr.h"
#include "scheme/vskpatterncalc.h"

namespace vsk {

namespace {

// The crop water requirement of one pattern crop into ws.cwr, as the CWR window
// computes it.
void ComputeEntryCwr(Workspace& ws, const PatternEntry& e) {
  if (e.DryCrop) {
    ComputeCwr(ws, e.Crop, true, e.PlantingDate, ws.cwr);
  } else {
    RiceCwrResult rice;
    RiceCwr(ws, e.Crop, e.PlantingDate, rice);
  }
}

}  // namespace

bool SchemeSupply(Workspace& ws, int& count) {
  const bool cropIsDry = ws.session.CropIsDry;
  CroppingPattern& p = ws.pattern;
  for (int m = 1; m <= 12; ++m) {
    p.NetSchemeRequirement[m] = 0;
    p.IrrigatedArea[m] = 0;
  }
  if (!CountPatternCrops(p, count)) {
    ws.error(Msg::SchemeCountError);
    return false;
  }

  bool ok = true;
  for (int k = 1; k <= count; ++k) {
    PatternEntry& e = p.Entry(k);
    ws.session.CropIsDry = e.DryCrop;
    if (!CwrDataOk(ws, false, true, e.Crop, e.PlantingDate, e.HarvestDate)) {
      ok = false;
      break;
    }
    ComputeEntryCwr(ws, e);
    for (int m = 1; m <= 12; ++m) {
      double supply = MissingReal;  // mm/month
      for (int d = 1; d <= 3; ++d) {
        const double req = ws.cwr.DecadeIrrReq[m][d];  // mm/decade
        e.DecadeSupply[m][d - 1] = req;
        if (req == MissingReal) continue;
        supply = supply == MissingReal ? req : supply + req;
      }
      e.MonthlySupply[m] = supply;
      if (supply != 0) {
        p.NetSchemeRequirement[m] += e.Area * supply / 100;
        p.IrrigatedArea[m] += e.Area;
      }
    }
  }
  ws.session.CropIsDry = cropIsDry;
  return ok;
}

SchemeTotals SchemeTotalsOf(const CroppingPattern& pattern) {
  SchemeTotals t;
  t.MmDay[0] = t.MmMonth[0] = t.LSHa[0] = t.IrrigatedArea[0] = t.ActualAreaLSHa[0] = MissingReal;
  for (int m = 1; m <= 12; ++m) {
    const double net = pattern.NetSchemeRequirement[m];
    const double area = pattern.IrrigatedArea[m];
    const double days = MonthLength(m);
    const bool missing = net == MissingReal;
    t.MmMonth[m] = net;
    t.MmDay[m] = missing ? MissingReal : net / days;
    t.LSHa[m] = missing ? MissingReal : net / days / kMmDayPerLSHa;
    t.IrrigatedArea[m] = area;
    t.ActualAreaLSHa[m] = missing || area < 0.1 ? 0.0 : net / days / kMmDayPerLSHa / (area / 100);
  }
  return t;
}

std::vector<std::string> SchemeMonthHeadings(const Workspace& ws) {
  std::vector<std::string> out(13);
  for (int m = 1; m <= 12; ++m) out[static_cast<size_t>(m)] = MonthName(ws.texts, m).substr(0, 3);
  return out;
}

std::vector<SchemeTableRow> SchemeTableRows(const Workspace& ws, int count) {
  std::vector<SchemeTableRow> rows;
  auto titled = [&](std::string title) {
    SchemeTableRow r;
    r.title = std::move(title);
    rows.push_back(r);
    return &rows.back();
  };
  auto valued = [&](std::string title, const double* values, int decimals) {
    SchemeTableRow* r = titled(std::move(title));
    r->hasValues = true;
    r->decimals = decimals;
    for (int m = 1; m <= 12; ++m) r->values[m] = values[m];
  };

  titled(std::string(ws.text(Msg::SchemePrecipDeficit)));
  for (int k = 1; k <= count; ++k) {
    const PatternEntry& e = ws.pattern.Entry(k);
    valued(IntToText(k) + ". " + e.Crop.CropName, e.MonthlySupply, 1);
    rows.back().bold = true;
  }
  const SchemeTotals t = SchemeTotalsOf(ws.pattern);
  titled("");
  titled(std::string(ws.text(Msg::SchemeNetRequirement)));
  valued(std::string(ws.text(Msg::InMmDay)), t.MmDay, 1);
  valued(std::string(ws.text(Msg::InMmMonth)), t.MmMonth, 1);
  valued(std::string(ws.text(Msg::InLSH)), t.LSHa, 2);
  titled("");
  valued(std::string(ws.text(Msg::SchemeIrrigatedArea)), t.IrrigatedArea, 1);
  titled(std::string(ws.text(Msg::SchemePercentOfTotal)));
  titled("");
  valued(std::string(ws.text(Msg::SchemeActualArea)), t.ActualAreaLSHa, 2);
  titled(std::string(ws.text(Msg::SchemeLSHUnit)));
  return rows;
}

}  // namespace vsk

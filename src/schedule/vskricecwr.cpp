#include "schedule/vskricecwr.h"

#include "core/vskini.h"
#include "core/vsksettings.h"

#include "cwr/vskcwrcalc.h"

namespace vsk {

Options LandPrepOptions(Workspace& ws) {
  Options copy = ws.options;
  if (ws.SettingsFile.empty()) {
    ReadOptionsFrom(IniFile(), "", copy, false, true, ws.texts);
  } else if (!ReadOptions(ws.SettingsFile, copy, false, true, ws.texts)) {
    ws.error(Msg::IniReadError);
  }
  return copy;
}

void AddLandPrepWater(const std::vector<RiceScheduleRow>& landPrepRows, CwrResults& cwr) {
  if (cwr.CwrRows.empty()) return;
  for (const RiceScheduleRow& row : landPrepRows) {
    if (row.Stage != kRiceStagePrePuddling && row.Stage != kRiceStagePuddling) continue;
    if (row.NetIrr == 0) continue;
    const TCwrRow* found = &cwr.CwrRows.back();
    for (const TCwrRow& r : cwr.CwrRows) {
      if (r.Month == row.Month && r.LastDay >= row.Day) {
        found = &r;
        break;
      }
    }
    if (found->Month >= 1 && found->Month <= 12 && found->Decade >= 1 && found->Decade <= 3)
      cwr.DecadeIrrReq[found->Month][found->Decade] += row.NetIrr;
  }
}

namespace {

void CopyEtc(const Workspace& ws, double table[13][32]) {
  const bool daily = ws.session.EtoKind == 1 || ws.session.EtoKind == 4;
  for (int m = 1; m <= 12; ++m) {
    if (daily) {
      for (int d = 1; d <= 31; ++d) table[m][d] = ws.cwr.DayETc[m][d];
    } else {
      for (int k = 1; k <= 3; ++k) table[m][k] = ws.cwr.DecadeETc[m][k];
    }
  }
}

}  // namespace

void ComputeRiceEtc(Workspace& ws, const TCropRecord& crop, DateSerial planting,
                    bool forceDirectSowing, RiceEtcTables& etc) {
  etc = RiceEtcTables();
  etc.Daily = ws.session.EtoKind == 1 || ws.session.EtoKind == 4;
  TCropRecord run = crop;
  if (forceDirectSowing) run.DirectSowing = true;
  // Both runs are rice runs, whatever the session crop is (a rice crop of a cropping pattern).
  for (int i = 1; i <= 8; ++i) run.Kc[i] = crop.KcDry[i];
  ComputeCwr(ws, run, false, planting, ws.cwr);
  CopyEtc(ws, etc.EtcDry);
  for (int i = 1; i <= 8; ++i) run.Kc[i] = crop.Kc[i];
  ComputeCwr(ws, run, false, planting, ws.cwr);
  CopyEtc(ws, etc.EtcWet);
  for (int i = 1; i <= 4; ++i) etc.StageEnd[i] = ws.cwr.StageEnd[i];
}

bool ComputeRiceSchedule(Workspace& ws, RiceEtcTables& etc, RiceScheduleResult& out) {
  const DateSerial planting = ws.session.PlantingDate;
  if (!CwrDataOk(ws, true, false, ws.crop, planting, HarvestDate(ws.crop, planting)) ||
      !CheckRiceUserLists(ws)) {
    out.Rows.clear();
    out.Points.clear();
    out.Totals = RiceTotals();
    out.IrrCount = 0;
    return false;
  }
  ComputeRiceEtc(ws, ws.crop, planting, true, etc);
  RunRiceSchedule(ws, etc, out);
  return true;
}

void RiceCwr(Workspace& ws, const TCropRecord& crop, DateSerial planting, RiceCwrResult& out) {
  const Options options = LandPrepOptions(ws);
  ComputeRiceEtc(ws, crop, planting, false, out.Etc);
  RunLandPrepBalance(ws, options, crop, planting, out.Etc, out.LandPrepRows);
  AddLandPrepWater(out.LandPrepRows, ws.cwr);
}

}  // namespace vsk

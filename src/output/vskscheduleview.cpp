#include "output/vskscheduleview.h"

namespace vsk {

namespace {

template <typename Row>
ScheduleDayView CommonFields(const Row& d) {
  ScheduleDayView v;
  v.DayNumber = d.DayNumber;
  v.Month = d.Month;
  v.Day = d.Day;
  v.Stage = d.Stage;
  v.Rain = d.Rain;
  v.Ks = d.Ks;
  v.ETa = d.ETa;
  v.ETc = d.ETc;
  v.CumETa = d.CumETa;
  v.CumETc = d.CumETc;
  v.NetIrr = d.NetIrr;
  v.GrossIrr = d.GrossIrr;
  v.Loss = d.Loss;
  return v;
}

}  // namespace

ScheduleView DryScheduleView(const DryScheduleResults& r, bool irrigationFormat) {
  ScheduleView view;
  view.rice = false;
  view.irrigationFormat = irrigationFormat;
  view.days.reserve(r.ScheduleRows.size());
  for (const TScheduleDay& d : r.ScheduleRows) {
    ScheduleDayView v = CommonFields(d);
    v.DeplPercent = d.DeplPercent;
    v.Deficit = d.Deficit;
    view.days.push_back(v);
  }
  ScheduleRunTotals& t = view.totals;
  t.TotNetIrr = r.TotNetIrr;
  t.TotIrrLoss = r.TotIrrLoss;
  t.TotRain = r.TotRain;
  t.TotRainLoss = r.TotRainLoss;
  for (int s = 1; s <= 4; ++s) {
    t.StageETa[s] = r.StageETa[s];
    t.StageETc[s] = r.StageETc[s];
  }
  t.FinalDepletion = r.FinalDr;
  return view;
}

ScheduleView RiceScheduleView(const RiceScheduleResult& r, bool irrigationFormat) {
  ScheduleView view;
  view.rice = true;
  view.irrigationFormat = irrigationFormat;
  view.days.reserve(r.Rows.size());
  for (const RiceScheduleRow& d : r.Rows) {
    ScheduleDayView v = CommonFields(d);
    v.DeplSm = d.DeplSm;
    v.DeplSat = d.DeplSat;
    v.Percolation = d.Percolation;
    v.PuddleState = d.PuddleState;
    view.days.push_back(v);
  }
  ScheduleRunTotals& t = view.totals;
  t.TotNetIrr = r.Totals.TotNetIrr;
  t.TotIrrLoss = r.Totals.TotIrrLoss;
  t.TotRain = r.Totals.TotRain;
  t.TotRainLoss = r.Totals.TotRainLoss;
  t.TotPercolation = r.Totals.TotPercolation;
  for (int s = 1; s <= 4; ++s) {
    t.StageETa[s] = r.Totals.StageETa[s];
    t.StageETc[s] = r.Totals.StageETc[s];
  }
  t.FinalDepletion = r.Totals.MoistDeficitAtHarvest;
  return view;
}

}  // namespace vsk

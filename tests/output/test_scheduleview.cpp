#include <gtest/gtest.h>

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "crop/vskcropsoilcalc.h"
#include "cwr/vskcwrcalc.h"
#include "output/vskscheduleview.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "support/scriptedui.h"

namespace vsk {
namespace {

std::string Example(const char* name) {
  return std::string(VESKARO_EXAMPLES) + "/" + name;
}

// The example maize on its loam soil, scheduled as the schedule window does.
TEST(DryScheduleView, TheTableShowsEveryIrrigationAndTheLastDay) {
  test::ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  ASSERT_TRUE(OpenClimateFile(ws, Example("NAIROBI.PEM")));
  RecomputeClimateTables(ws);
  ASSERT_TRUE(OpenRainFile(ws, Example("NAIROBI.CRM")));
  RecomputeRain(ws);
  ASSERT_TRUE(OpenSoilFile(ws, Example("LOAM.SOI")));
  ASSERT_TRUE(OpenCropFile(ws, Example("MAIZE.CRO")));
  ws.session.PlantingDate = *ParseDayMonth("15/03");
  ws.options.timopt = 4;  // every 10 days: many irrigations
  const DateSerial harvest = HarvestDate(ws.crop, ws.session.PlantingDate);
  ASSERT_TRUE(CwrDataOk(ws, true, false, ws.crop, ws.session.PlantingDate, harvest));
  ComputeCwr(ws);
  const DryScheduleResults run = ComputeDrySchedule(ws);
  ASSERT_GT(run.IrrCount, 5);

  const ScheduleView view = DryScheduleView(run, true);
  ASSERT_EQ(view.days.size(), run.ScheduleRows.size());
  EXPECT_EQ(view.days[9].NetIrr, run.ScheduleRows[9].NetIrr);
  EXPECT_EQ(view.totals.FinalDepletion, run.FinalDr);
  const TableContent t = DryScheduleTable(ws, view);
  // Two heading rows, one row per irrigation and the final row.
  ASSERT_EQ(t.RowCount(), run.IrrCount + 3);
  EXPECT_EQ(t.Text(2, 1), "10");
  EXPECT_EQ(t.Text(3, 1), "20");
  EXPECT_EQ(t.Text(t.RowCount() - 1, 1), "End");

  // The totals box follows the balance's own summary.
  const DryScheduleSummary own = SummariseDrySchedule(run, ws.options.appleff);
  const ScheduleSummary box = ComputeScheduleSummary(view.totals, ws.options.appleff);
  EXPECT_DOUBLE_EQ(box.grossIrrigation, own.TotalGrossIrrigation);
  EXPECT_DOUBLE_EQ(box.effectiveRain, own.EffectiveRain);
  EXPECT_DOUBLE_EQ(box.actualIrrigationRequirement, own.ActualIrrigationRequirement);
  ASSERT_TRUE(own.EfficiencyRain.has_value());
  EXPECT_DOUBLE_EQ(box.efficiencyRain, *own.EfficiencyRain);
  EXPECT_DOUBLE_EQ(box.moistureDeficitHarvest, own.MoistureDeficitAtHarvest);
  const YieldReductions yield = ComputeYieldReductions(run, ws.crop);
  const ScheduleYield mine = ComputeScheduleYield(view.totals, ws.crop.YieldResponse);
  for (int s = 1; s <= 5; ++s) {
    ASSERT_TRUE(yield.YieldReduction[s].has_value()) << s;
    EXPECT_DOUBLE_EQ(mine.yieldReduction[s - 1], *yield.YieldReduction[s]) << s;
  }
}

}  // namespace
}  // namespace vsk

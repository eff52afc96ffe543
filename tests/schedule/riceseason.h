// The short rice season of the hand-checked balance: planted on 10 March, 5 days of land
// preparation (2 of puddling), stages of 5 days, decade ETc and decade rain (20 mm and 30 mm
// in the first two decades of March), default options.
#pragma once

#include "core/vskworkspace.h"
#include "schedule/vskricescheduledata.h"

namespace vsk::test {

inline void SetUpShortRiceSeason(Workspace& ws, RiceEtcTables& etc) {
  TCropRecord& c = ws.crop;
  for (int i = 1; i <= 4; ++i) c.StageLength[i] = 5;
  c.StageLength[5] = 5;
  c.StageLength[6] = 5;
  c.StageLength[7] = 2;
  c.RootDepth[2] = 0.10;
  c.RootDepth[3] = 0.50;
  c.PuddleDepth = 0.20;
  c.CritDepletion[1] = 0.2;
  c.CritDepletion[3] = 0.3;
  c.CritDepletion[4] = 0.4;
  const double ky[6] = {0, 1.0, 0.8, 1.2, 0.6, 1.1};
  for (int i = 1; i <= 5; ++i) c.YieldResponse[i] = ky[i];
  TSoilRecord& s = ws.soil;
  s.TotalAvailMoisture = 150;
  s.MaxInfiltration = 8;
  s.MaxRootDepth = 40;
  s.InitialDepletion = 50;
  s.MaxWaterDepth = 100;
  s.DrainablePorosity = 30;
  s.CrackDepletion = 0.4;
  ws.session.PlantingDate = EncodeDate(1994, 3, 10);
  ws.session.RainKind = 2;
  for (auto& m : ws.rain.Data.DecadeRain)
    for (double& v : m) v = 0;
  ws.rain.Data.DecadeRain[3][1] = 20;
  ws.rain.Data.DecadeRain[3][2] = 30;
  const double wet[3] = {4.0, 5.0, 6.0}, dry[3] = {3.0, 3.5, 4.0};
  for (int m = 1; m <= 12; ++m)
    for (int k = 1; k <= 3; ++k) {
      etc.EtcWet[m][k] = wet[k - 1];
      etc.EtcDry[m][k] = dry[k - 1];
    }
  etc.StageEnd[1] = c.StageLength[1];
  for (int i = 2; i <= 4; ++i) etc.StageEnd[i] = etc.StageEnd[i - 1] + c.StageLength[i];
}

}  // namespace vsk::test

#include "scheme/vsksessionloader.h"

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "crop/vskcropsoilcalc.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "scheme/vskpatterncalc.h"

namespace vsk {

bool SessionLoader::ReadDataFile(DataKind kind, const std::string& path) {
  bool ok = false;
  switch (kind) {
    case DataKind::Climate:
      ok = OpenClimateFile(ws_, path);
      break;
    case DataKind::Rain:
      ok = OpenRainFile(ws_, path);
      break;
    case DataKind::Crop:
      ok = OpenCropFile(ws_, path);
      break;
    case DataKind::Soil:
      ok = OpenSoilFile(ws_, path);
      break;
    case DataKind::Pattern:
      ok = ReadPatternFile(ws_, path);
      break;
    case DataKind::Schedule:
      ok = ws_.session.CropIsDry ? ReadScheduleFile(ws_, path) : ReadRiceScheduleFile(ws_, path);
      break;
  }
  if (ok) loaded_.push_back(kind);
  return ok;
}

void SessionLoader::OpenDataWindow(DataKind kind) {
  if (kind == DataKind::Climate) RecomputeClimateTables(ws_);
  if (kind == DataKind::Rain) RecomputeRain(ws_);
}

}  // namespace vsk

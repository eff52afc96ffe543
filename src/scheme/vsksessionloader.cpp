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

namespace {

std::string Located(int line, const std::string& token, const std::string& reason) {
  if (line <= 0) return reason;
  std::string text = "line " + std::to_string(line) + ": \"" + token + "\"";
  if (!reason.empty()) text += ": " + reason;
  return text;
}

}  // namespace

bool SessionLoader::ReadDataFile(DataKind kind, const std::string& path) {
  bool ok = false;
  std::string& detail = details_[static_cast<size_t>(kind)];
  detail.clear();
  switch (kind) {
    case DataKind::Climate:
      ok = OpenClimateFile(ws_, path, &detail);
      break;
    case DataKind::Rain: {
      RainFileDiagnostic diag;
      ok = OpenRainFile(ws_, path, &diag);
      if (!ok) detail = Located(diag.line, diag.token, "");
      break;
    }
    case DataKind::Crop: {
      CropSoilDiagnostic diag;
      ok = OpenCropFile(ws_, path, &diag);
      if (!ok) detail = Located(diag.line, diag.token, diag.reason);
      break;
    }
    case DataKind::Soil: {
      CropSoilDiagnostic diag;
      ok = OpenSoilFile(ws_, path, &diag);
      if (!ok) detail = Located(diag.line, diag.token, diag.reason);
      break;
    }
    case DataKind::Pattern:
      ok = ReadPatternFile(ws_, path);
      break;
    case DataKind::Schedule:
      ok = ws_.session.CropIsDry ? ReadScheduleFile(ws_, path) : ReadRiceScheduleFile(ws_, path);
      break;
  }
  if (ok) {
    detail.clear();
    loaded_.push_back(kind);
  }
  return ok;
}

void SessionLoader::OpenDataWindow(DataKind kind) {
  if (kind == DataKind::Climate) RecomputeClimateTables(ws_);
  if (kind == DataKind::Rain) RecomputeRain(ws_);
}

}  // namespace vsk

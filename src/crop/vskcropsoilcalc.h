// The session crop (dry crop or rice) and soil: their empty state, their completeness rules
// and their text files (.CRO crop files, .SOI soil files).
#pragma once

#include <string>

#include "core/vskcropdata.h"
#include "core/vskworkspace.h"

namespace vsk {

// Where a crop or soil file failed to read, for the command line: the message box shows only
// the system's text, this says which line and token to mend.
struct CropSoilDiagnostic {
  int line = 0;        // 1-based line of the failing token; 0 when the file could not be opened
  std::string token;   // the text that failed; empty at the end of the file
  std::string reason;  // short English description
};

// ---- Crop ----------------------------------------------------------------------------

// Empties the session crop, sets every decade Kc result to missing and marks the crop as
// "no data" with the file name "untitled". `CropIsDry` is left as it is.
void ResetCrop(Workspace& ws);

// Reads a crop file into `target` without touching the session: on success `target` holds the
// file's crop and `dryCrop` its kind; on failure both stay unchanged. When `silent` is false
// the failures and the crop-height warning are shown; the unsupported-rice-format error is
// shown in either case. Used by the cropping pattern.
bool ReadCropFile(Workspace& ws, const std::string& path, TCropRecord& target, bool silent,
                  bool& dryCrop, CropSoilDiagnostic* diag = nullptr);

// Reads a crop file into the session crop, reporting failures; on success sets `CropIsDry`
// from the file, the crop status to saved and the crop file name to `path`. On failure the
// session crop and state stay unchanged.
bool ReadCropFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag = nullptr);

// ReadCropFile into the session crop; on failure the crop is reset ("untitled").
bool OpenCropFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag = nullptr);

// The text of a crop file (dry or rice layout), lines ended by CR LF.
std::string CropFileText(const TCropRecord& crop, bool dryCrop);

// Writes the session crop in the layout chosen by `CropIsDry`. On success the crop file name
// becomes `path`, the status saved and the current crop folder the file's folder. A failure
// shows the write error and leaves the old file and the session as they were.
bool WriteCropFile(Workspace& ws, const std::string& path);

// The value checks of a crop record of the given kind (no status check, no message).
bool CropRecordComplete(const TCropRecord& crop, bool dryCrop);

// False when the session has no crop data or `crop` (of the session crop kind) lacks a value
// that the calculations need. Mode 1 (before saving) shows the incomplete-data error; every
// other mode is silent.
bool CropDataComplete(Workspace& ws, int mode, const TCropRecord& crop);

// ---- Soil ----------------------------------------------------------------------------

// Empties the session soil (water type 1) and marks it as "no data", "untitled".
void ResetSoil(Workspace& ws);

// Reads a soil file into the session soil; on success the soil status is saved and the soil
// file name `path`. On failure the error is shown and the session soil stays unchanged.
bool ReadSoilFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag = nullptr);

// ReadSoilFile; on failure the soil is reset ("untitled").
bool OpenSoilFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag = nullptr);

// The text of a soil file, lines ended by CR LF.
std::string SoilFileText(const TSoilRecord& soil);

// Writes the session soil. On success the soil file name becomes `path`, the status saved and
// the current soil folder the file's folder. A failure shows the write error.
bool WriteSoilFile(Workspace& ws, const std::string& path);

// Mode 1 before saving (shows the incomplete-data error), 2 dry-crop schedule, 3 rice
// schedule, 4 rice crop water requirement. Modes 3 and 4 also need the rice soil values.
bool SoilDataComplete(Workspace& ws, int mode);

// ---- Number layouts of the files -------------------------------------------------------

// " 1.00000000000000E-0001": sign or blank, one digit, 14 decimals, E, sign, 4 digits.
std::string PuddleDepthText(double value);
// " 1.4E+0002": two significant digits, rounded half up.
std::string TotalAvailMoistureText(double value);
// Right-aligned in 5 characters with one decimal, rounded half up ("  0.3" for 0.25).
std::string CrackDepletionText(double value);

}  // namespace vsk

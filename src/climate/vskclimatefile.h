// Climate/ETo data files: .PEM, .PEC, .PED (Penman-Monteith: monthly, decade, daily), .PMM,
// .PMC, .PMD (measured ETo) and the older monthly format .PEN (read only). The extension,
// without regard to case, selects the layout. Files hold fixed units (°C, %, km/day, hours,
// MJ/m²/day, ETo in mm/day); the record in memory holds the units the options select.
#pragma once

#include <string>

namespace vsk {

struct Workspace;

// The kind of data (1..6) that a file name's extension gives (3 for unknown extensions).
int EtoKindOfFile(const std::string& path);

// Reads a file into ws.climate. On success the record holds the file's data in display
// units, ws.session.EtoKind is the extension's kind and the climate status is "saved".
// A file that cannot be opened leaves the record as it was; any other failure leaves it
// cleared. Messages go to ws.ui. `detail`, when given, receives a located description of a
// failure (line number and the token that failed) for the command line.
bool ReadClimateFile(Workspace& ws, const std::string& path, std::string* detail = nullptr);

// ReadClimateFile; on success the climate file name becomes `path`, on failure the record
// is cleared. In both cases the estimation mode (estimateall) is switched off.
bool OpenClimateFile(Workspace& ws, const std::string& path, std::string* detail = nullptr);

// Writes the record in the layout of the target's extension; line 2 carries EtoKind.
// The previous file stays whole when the write fails. The record is never changed.
bool WriteClimateFile(Workspace& ws, const std::string& path, std::string* detail = nullptr);

}  // namespace vsk

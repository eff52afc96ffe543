// The cropping pattern: its empty state, the count of complete crops, the check that the crops
// never share more than the whole scheme area on one day, and the .PAT file.
#pragma once

#include <string>

#include "core/vskpatterndata.h"
#include "core/vskworkspace.h"

namespace vsk {

// Empties the pattern (no name, every entry unused, planting dates the default date) and marks
// it as "no data" with the file name "untitled".
void ResetPattern(Workspace& ws);

// Planting date + the four stage lengths - 1 for an entry with a crop; 0 without one.
DateSerial PatternHarvestDate(const PatternEntry& entry);

// Counts the complete crops from entry 1 (crop file name, planting date and area given) up to
// the first entry without crop file name. False when entry 1 is unused or an entry before that
// stop is incomplete; `count` is then 0.
bool CountPatternCrops(const CroppingPattern& pattern, int& count);

// Adds the area of every entry with a crop over the days its field is occupied (for rice from
// the start of land preparation) on one 365-day year, the seasons wrapping round the year end.
// At the first day whose total exceeds 100 % that entry's area becomes missing, "Total area on
// dd/mm is more than 100 percent" is shown and the result is false.
bool CheckPatternArea(Workspace& ws);

// The path under which a crop file name of the pattern is read: "\" and "/" both separate
// folders, ".cro" is added to a name without extension and the crop folder is put in front of
// a name without folder. The crop folder is the default crop folder, or the folder of the
// pattern file when that setting is empty.
std::string ResolvePatternCropFile(const Workspace& ws, const std::string& cropFileName,
                                   const std::string& patternFile);

// Reads a .PAT file and every crop file it names (silently). On success the pattern holds the
// file and its status is saved; on any failure the message is shown and the pattern is empty.
bool ReadPatternFile(Workspace& ws, const std::string& path);

// The text of a .PAT file holding entries 1..count, lines ended by CR LF.
std::string PatternFileText(const CroppingPattern& pattern, int count);

// Writes entries 1..count to `path` (a failed write leaves the old file whole); shows the write
// error and gives false when the file cannot be written. The session state is not touched.
bool WritePatternFile(Workspace& ws, const std::string& path, int count);

// The Save command of the pattern: counts the complete crops ("Error in cropping pattern\rData
// cannot be saved" when that fails) and writes them; on success the pattern is saved under
// `path` and the session folder becomes the file's folder.
bool SavePattern(Workspace& ws, const std::string& path);

}  // namespace vsk

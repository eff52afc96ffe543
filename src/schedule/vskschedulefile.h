// Schedule files of dry crops (.SCH): the irrigation event list as day numbers and net
// depths, and the user's adjustments of that list in the schedule table.
#pragma once

#include <string>
#include <string_view>

namespace vsk {

struct Workspace;

inline constexpr const char* kCropScheduleHeader = "VESKARO 8.0 Crop Schedule Data";

// Reads the event list of a schedule file (at most kMaxEvents lines; the rest is ignored).
// On success the list replaces ws.events, the schedule becomes adjusted and saved under
// `path`; on failure an error is shown and nothing changes.
bool ReadScheduleFile(Workspace& ws, const std::string& path);

// Writes the events up to the first empty entry. On failure an error is shown and the
// previous file stays whole. Name and status of the schedule are the caller's to set.
bool WriteScheduleFile(const Workspace& ws, const std::string& path);

// Empties the event list; the schedule has no data and is "untitled".
void ResetScheduleData(Workspace& ws);

// What an adjustment did to the event list.
enum class EventEdit {
  Inserted,   // a new irrigation on the day
  Changed,    // the depth of the day's irrigation
  Removed,    // the day's irrigation removed
  Unchanged,  // a removal on a day without irrigation
  NotStored,  // an irrigation later than all of a full list: it cannot be held
};

// The user's adjustment of the schedule on day `day`: a depth > 0 sets or adds the irrigation
// of that day, a depth of 0 removes it. The schedule becomes adjusted and changed; the list
// keeps ascending day order and at most kMaxEvents entries (an insertion into a full list
// drops its last entry). The caller recomputes the schedule.
EventEdit AdjustIrrigationEvent(Workspace& ws, int day, double depth);

// How an entry typed into the net-irrigation cell of the schedule table is taken.
struct NetIrrEntry {
  enum Kind {
    Invalid,     // not a number, or empty in the daily format: "Invalid entry", cell restored
    OutOfRange,  // outside 0..200: "Value out of range", cell restored
    NoChange,    // 0 on a day that had 0 (daily format): nothing happens
    Remove,      // 0, or an empty cell in the irrigation format
    Depth,       // a net depth in mm
  } kind = Invalid;
  double depth = 0;
};
NetIrrEntry InterpretNetIrrEntry(std::string_view text, std::string_view oldText, bool dailyFormat);

// The whole edit of a net-irrigation cell of day `day`: shows the message of an invalid or
// out-of-range entry, otherwise adjusts the event list ("Error; please report!!" when a full
// list cannot hold the new irrigation). True when the schedule became adjusted and must be
// recomputed.
bool ApplyNetIrrEntry(Workspace& ws, int day, std::string_view text, std::string_view oldText,
                      bool dailyFormat);

}  // namespace vsk

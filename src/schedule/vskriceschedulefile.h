// Rice schedule files (.SCH) and the user's adjustment of the irrigation event list. Day
// numbers are relative to planting and may be negative or 0 on land-preparation days. The
// lines and the event list are those of the dry-crop schedule; only the header differs.
#pragma once

#include <string>
#include <string_view>

#include "core/vskworkspace.h"

namespace vsk {

inline constexpr const char* kRiceScheduleHeader = "VESKARO 8.0 Schedule Data";

// Reads the event list from a schedule file (any VESKARO schedule file of version 7 or later,
// the dry-crop kind too). At most 370 events are taken, the rest of the file is ignored. On
// success the whole event list is replaced, ScheduleAdjusted is set, the schedule's file name
// and status (saved) are set and its folder becomes the current session folder. On failure
// (message shown) nothing changes.
bool ReadRiceScheduleFile(Workspace& ws, const std::string& path);

// The file text of an event list: the header, then one line per event up to the first entry
// without a day: the day in 5 characters and the net depth with one decimal in 8.
std::string RiceScheduleFileText(const IrrigationEvents& events);

// Writes ws.events. On success the schedule's file name and status (saved) are set and its
// folder becomes the current session folder; on failure the message is shown, the old file
// stays whole and nothing changes.
bool WriteRiceScheduleFile(Workspace& ws, const std::string& path);

enum class RiceAdjustment {
  Rejected,   // refused with a message; the cell gets its old text back
  Unchanged,  // 0 typed over 0 in the daily format
  Applied,    // the list adjusted, ScheduleAdjusted set, status changed: recalculate
  Failed,     // the row has no day number ("End"): "Error; please report!!", nothing changed
};

// An edit of the net-depth cell of the row whose Day column reads `dayText`. `entered` is the
// typed text, `oldText` the text the cell showed, `irrigationFormat` the table format
// (irrigation days only, where an empty text removes the irrigation).
RiceAdjustment AdjustRiceScheduleDepth(Workspace& ws, std::string_view dayText,
                                       std::string_view entered, std::string_view oldText,
                                       bool irrigationFormat);

}  // namespace vsk

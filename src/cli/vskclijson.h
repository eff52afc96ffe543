// The JSON objects that veskaro-cli prints for each command.
#pragma once

#include <string>
#include <vector>

#include "cli/vskcliui.h"
#include "cli/vskjson.h"
#include "core/vskworkspace.h"
#include "output/vskscheduletable.h"
#include "output/vskschemetable.h"

namespace vsk::cli {

// "messages": [{"kind", "text"}...] as a key of the open object.
void WriteMessages(JsonWriter& json, const std::vector<CliMessage>& messages);
// {"error": TEXT, "messages": [...]}
std::string ErrorJson(const std::string& error, const std::vector<CliMessage>& messages);

// The climate record and ETo tables as the climate/ETo window shows them.
void WriteEtoJson(JsonWriter& json, const Workspace& ws);

// The rain record as the rain window shows it.
void WriteRainJson(JsonWriter& json, const Workspace& ws);

// The crop water requirements window (rows of the last run).
void WriteCwrJson(JsonWriter& json, const Workspace& ws);

// The dry-crop or rice schedule window of a run.
void WriteScheduleJson(JsonWriter& json, const Workspace& ws, const ScheduleView& view);

// The scheme supply window.
void WriteSchemeJson(JsonWriter& json, const Workspace& ws, const SchemeResults& results);

}  // namespace vsk::cli

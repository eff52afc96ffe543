#include "schedule/vskriceschedulefile.h"

#include "core/vskdatafile.h"
#include "schedule/vskschedulefile.h"

namespace vsk {

bool ReadRiceScheduleFile(Workspace& ws, const std::string& path) {
  if (!ReadScheduleFile(ws, path)) return false;
  ws.session.FileChosen(DataKind::Schedule, path);
  return true;
}

std::string RiceScheduleFileText(const IrrigationEvents& events) {
  std::string out;
  AppendLine(out, kRiceScheduleHeader);
  for (int k = 1; k <= kMaxEvents && events.IrrEventDay[k] != MissingInt; ++k)
    AppendLine(out, FormatC("%5d%8.1f", events.IrrEventDay[k], events.IrrEventDepth[k]));
  return out;
}

bool WriteRiceScheduleFile(Workspace& ws, const std::string& path) {
  if (!WriteFileAtomic(path, RiceScheduleFileText(ws.events))) {
    ws.ui.error(FormatText(ws.text(Msg::SchedFileWriteError), {path}));
    return false;
  }
  ws.session.WriterSucceeded(DataKind::Schedule, path);
  return true;
}

RiceAdjustment AdjustRiceScheduleDepth(Workspace& ws, std::string_view dayText,
                                       std::string_view entered, std::string_view oldText,
                                       bool irrigationFormat) {
  const NetIrrEntry e = InterpretNetIrrEntry(entered, oldText, !irrigationFormat);
  switch (e.kind) {
    case NetIrrEntry::Invalid:
      ws.error(Msg::SchedInvalidEntry);
      return RiceAdjustment::Rejected;
    case NetIrrEntry::OutOfRange:
      ws.ui.message(ws.text(Msg::ValueOutOfRange));
      return RiceAdjustment::Rejected;
    case NetIrrEntry::NoChange:
      return RiceAdjustment::Unchanged;
    case NetIrrEntry::Remove:
    case NetIrrEntry::Depth:
      break;
  }
  // The harvest row reads "End": it has no irrigation to change.
  int day = 0;
  if (!ParseInt(TrimBlanks(dayText), day)) {
    ws.ui.message(ws.text(Msg::SchedAdjustFailed));
    return RiceAdjustment::Failed;
  }
  // A full list cannot take an irrigation later than all of its entries: say so rather than
  // drop it silently.
  if (AdjustIrrigationEvent(ws, day, e.kind == NetIrrEntry::Remove ? 0 : e.depth) ==
      EventEdit::NotStored)
    ws.ui.message(ws.text(Msg::SchedAdjustFailed));
  return RiceAdjustment::Applied;
}

}  // namespace vsk

#include "schedule/vskschedulefile.h"

#include "core/vskdatafile.h"
#include "core/vskworkspace.h"

namespace vsk {

bool ReadScheduleFile(Workspace& ws, const std::string& path) {
  std::string content;
  if (!ReadWholeFile(path, content)) {
    ws.ui.error(FormatText(ws.text(Msg::SchedFileOpenError), {path}));
    return false;
  }
  DataFileReader reader(content);
  std::string first;
  reader.ReadLine(first);
  if (!IsValidDataFile(first.substr(0, 79), &ws.ui, &ws.texts)) return false;

  IrrigationEvents list;  // all entries empty
  int count = 0;
  while (count < kMaxEvents && !reader.AtEnd()) {
    int day = 0;
    double depth = 0;
    if (!reader.ReadInt(day) || !reader.ReadReal(depth)) {
      ws.ui.error(FormatText(ws.text(Msg::SchedFileReadError), {path}));
      return false;
    }
    reader.SkipLine();
    ++count;
    list.IrrEventDay[count] = day;
    list.IrrEventDepth[count] = depth;
  }

  for (int i = 1; i <= kMaxEvents; ++i) {
    ws.events.IrrEventDay[i] = list.IrrEventDay[i];
    ws.events.IrrEventDepth[i] = list.IrrEventDepth[i];
  }
  ws.session.ScheduleAdjusted = true;
  ws.session.ReaderSucceeded(DataKind::Schedule, path);
  return true;
}

bool WriteScheduleFile(const Workspace& ws, const std::string& path) {
  std::string out;
  AppendLine(out, kCropScheduleHeader);
  for (int i = 1; i <= kMaxEvents && ws.events.IrrEventDay[i] != MissingInt; ++i)
    AppendLine(out, FormatC("%5d%8.1f", ws.events.IrrEventDay[i], ws.events.IrrEventDepth[i]));
  if (!WriteFileAtomic(path, out)) {
    ws.ui.error(FormatText(ws.text(Msg::SchedFileWriteError), {path}));
    return false;
  }
  return true;
}

void ResetScheduleData(Workspace& ws) {
  ws.events.Clear();
  ws.session.RecordReset(DataKind::Schedule);
}

EventEdit AdjustIrrigationEvent(Workspace& ws, int day, double depth) {
  ws.session.ScheduleAdjusted = true;
  ws.session.UserEdited(DataKind::Schedule);
  int* days = ws.events.IrrEventDay;
  double* depths = ws.events.IrrEventDepth;
  const bool removal = depth == 0;

  // The first entry that is empty or not earlier than the day.
  int i = 1;
  while (i <= kMaxEvents && days[i] != MissingInt && days[i] < day) ++i;
  if (i > kMaxEvents) return removal ? EventEdit::Unchanged : EventEdit::NotStored;

  if (days[i] == day) {
    if (!removal) {
      depths[i] = depth;
      return EventEdit::Changed;
    }
    for (int j = i; j < kMaxEvents; ++j) {
      days[j] = days[j + 1];
      depths[j] = depths[j + 1];
    }
    days[kMaxEvents] = MissingInt;
    depths[kMaxEvents] = MissingReal;
    return EventEdit::Removed;
  }
  if (removal) return EventEdit::Unchanged;
  if (days[i] != MissingInt) {
    for (int j = kMaxEvents; j > i; --j) {  // the last entry of a full list is lost
      days[j] = days[j - 1];
      depths[j] = depths[j - 1];
    }
  }
  days[i] = day;
  depths[i] = depth;
  return EventEdit::Inserted;
}

NetIrrEntry InterpretNetIrrEntry(std::string_view text, std::string_view oldText,
                                 bool dailyFormat) {
  NetIrrEntry e;
  const std::string trimmed = TrimBlanks(text);
  double value = MissingReal;
  if (trimmed.empty()) {
    if (dailyFormat) return e;  // Invalid
  } else if (!ParseReal(trimmed, value)) {
    return e;  // Invalid
  }
  const double v = trimmed.empty() ? MissingReal : CheckRealRange(value, 0, 200);
  if (dailyFormat && v == 0) {
    double old = 0;
    if (ParseReal(TrimBlanks(oldText), old) && old == 0) {
      e.kind = NetIrrEntry::NoChange;
      return e;
    }
  }
  if (v == MissingReal && !trimmed.empty()) {
    e.kind = NetIrrEntry::OutOfRange;
    return e;
  }
  if (v == 0 || trimmed.empty()) {
    e.kind = NetIrrEntry::Remove;
    return e;
  }
  e.kind = NetIrrEntry::Depth;
  e.depth = v;
  return e;
}

bool ApplyNetIrrEntry(Workspace& ws, int day, std::string_view text, std::string_view oldText,
                      bool dailyFormat) {
  const NetIrrEntry e = InterpretNetIrrEntry(text, oldText, dailyFormat);
  switch (e.kind) {
    case NetIrrEntry::Invalid:
      ws.ui.error(ws.text(Msg::SchedInvalidEntry));
      return false;
    case NetIrrEntry::OutOfRange:
      ws.ui.message(ws.text(Msg::ValueOutOfRange));
      return false;
    case NetIrrEntry::NoChange:
      return false;
    case NetIrrEntry::Remove:
      AdjustIrrigationEvent(ws, day, 0);
      return true;
    case NetIrrEntry::Depth:
      // A full list cannot take an irrigation later than all of its entries: say so rather
      // than drop the entry silently.
      if (AdjustIrrigationEvent(ws, day, e.depth) == EventEdit::NotStored)
        ws.ui.message(ws.text(Msg::SchedAdjustFailed));
      return true;
  }
  return false;
}

}  // namespace vsk

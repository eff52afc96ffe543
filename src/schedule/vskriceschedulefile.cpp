#include "schedule/vskriceschedulefile.h"

#include "core/vskdatafile.h"

namespace vsk {

bool ReadRiceScheduleFile(Workspace& ws, const std::string& path) {
  std::string content;
  if (!ReadWholeFile(path, content)) {
    ws.ui.error(FormatText(ws.text(Msg::RiceSchOpenError), {path}));
    return false;
  }
  DataFileReader reader(content);
  std::string first;
  reader.ReadLine(first);
  if (!IsValidDataFile(first, &ws.ui, &ws.texts)) return false;

  IrrigationEvents list;  // all entries empty
  int count = 0;
  while (count < kMaxEvents && !reader.AtEnd()) {
    int day = 0;
    double depth = 0;
    if (!reader.ReadInt(day) || !reader.ReadReal(depth)) {
      ws.ui.error(FormatText(ws.text(Msg::RiceSchReadError), {path}));
      return false;
    }
    reader.SkipLine();
    ++count;
    list.IrrEventDay[count] = day;
    list.IrrEventDepth[count] = depth;
  }
  for (int k = 1; k <= kMaxEvents; ++k) {
    ws.events.IrrEventDay[k] = list.IrrEventDay[k];
    ws.events.IrrEventDepth[k] = list.IrrEventDepth[k];
  }
  ws.session.ScheduleAdjusted = true;
  ws.session.ReaderSucceeded(DataKind::Schedule, path);
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
    ws.ui.error(FormatText(ws.text(Msg::RiceSchWriteError), {path}));
    return false;
  }
  ws.session.WriterSucceeded(DataKind::Schedule, path);
  return true;
}

bool SetRiceEvent(IrrigationEvents& events, int day, double depth) {
  int* days = events.IrrEventDay;
  double* depths = events.IrrEventDepth;
  int i = 1;
  while (i <= kMaxEvents && days[i] != MissingInt && days[i] < day) ++i;
  const bool remove = depth == 0;
  if (i <= kMaxEvents && days[i] == day) {
    if (!remove) {
      depths[i] = depth;
      return true;
    }
    for (int k = i; k < kMaxEvents; ++k) {
      days[k] = days[k + 1];
      depths[k] = depths[k + 1];
    }
    days[kMaxEvents] = MissingInt;
    depths[kMaxEvents] = MissingReal;
    return true;
  }
  if (remove || i > kMaxEvents) return false;  // the list holds 370 earlier events
  if (days[i] != MissingInt) {
    for (int k = kMaxEvents; k > i; --k) {  // the 370th entry is dropped
      days[k] = days[k - 1];
      depths[k] = depths[k - 1];
    }
  }
  days[i] = day;
  depths[i] = depth;
  return true;
}

RiceAdjustment AdjustRiceScheduleDepth(Workspace& ws, std::string_view dayText,
                                       std::string_view entered, std::string_view oldText,
                                       bool irrigationFormat) {
  const std::string text = TrimBlanks(entered);
  double value = 0;
  if (text.empty()) {
    if (!irrigationFormat) {
      ws.error(Msg::RiceInvalidEntry);
      return RiceAdjustment::Rejected;
    }
  } else {
    if (!ParseReal(text, value)) {
      ws.error(Msg::RiceInvalidEntry);
      return RiceAdjustment::Rejected;
    }
    if (CheckRealRange(value, 0, 200) == MissingReal) {
      ws.ui.message(ws.text(Msg::ValueOutOfRange));
      return RiceAdjustment::Rejected;
    }
    if (!irrigationFormat && value == 0) {
      double old = 0;
      if (ParseReal(TrimBlanks(oldText), old) && old == 0) return RiceAdjustment::Unchanged;
    }
  }
  int day = 0;
  if (!ParseInt(TrimBlanks(dayText), day)) {
    ws.ui.message(ws.text(Msg::RiceAdjustError));
    return RiceAdjustment::Failed;
  }
  ws.session.ScheduleAdjusted = true;
  ws.session.UserEdited(DataKind::Schedule);
  SetRiceEvent(ws.events, day, text.empty() ? 0 : value);
  return RiceAdjustment::Applied;
}

}  // namespace vsk

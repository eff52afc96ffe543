#include "scheme/vskpatterncalc.h"

#include <algorithm>

#include "core/vskdatafile.h"
#include "crop/vskcropsoilcalc.h"

namespace vsk {

namespace {

constexpr const char* kPatternHeader = "VESKARO 8.0 Crop pattern data";
constexpr int kYearDays = 365;

// Pattern dates are days of the reference year 1994.
DateSerial InReferenceYear(DateSerial date) {
  return EncodeDate(1994, DateMonth(date), DateDay(date));
}

DateSerial ReferenceYearStart() {
  return EncodeDate(1994, 1, 1);
}

void ResetEntries(CroppingPattern& pattern, DateSerial defaultDate) {
  pattern = CroppingPattern();
  for (int k = 1; k <= kMaxPatternCrops; ++k) pattern.Entry(k).PlantingDate = defaultDate;
}

long long FloorDiv(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

void ResetPattern(Workspace& ws) {
  ResetEntries(ws.pattern, InReferenceYear(ws.DefaultDate));
  ws.session.RecordReset(DataKind::Pattern);
}

DateSerial PatternHarvestDate(const PatternEntry& entry) {
  if (entry.CropFileName.empty()) return 0;
  const TCropRecord& c = entry.Crop;
  const double days = static_cast<double>(c.StageLength[1]) + c.StageLength[2] + c.StageLength[3] +
                      c.StageLength[4];
  return entry.PlantingDate + days - 1;
}

bool CountPatternCrops(const CroppingPattern& pattern, int& count) {
  count = 0;
  int n = 0;
  for (int k = 1; k <= kMaxPatternCrops; ++k) {
    const PatternEntry& e = pattern.Entry(k);
    if (k >= 2 && e.CropFileName.empty()) break;
    // An entry whose crop file was never read (no harvest date) is not complete either.
    if (e.CropFileName.empty() || e.PlantingDate == 0 || e.Area == MissingInt || e.HarvestDate == 0)
      return false;
    n = k;
  }
  count = n;
  return true;
}

bool CheckPatternArea(Workspace& ws) {
  // Daily area sums of one year, slot 0 = 1 January. A season longer than a year passes a slot
  // more than once; instead of walking every day, the first day of the season on which a slot
  // would pass 100 % is computed per slot (exactly the day a day-by-day walk stops at).
  long long sum[kYearDays] = {};
  const DateSerial base = ReferenceYearStart();
  for (int k = 1; k <= kMaxPatternCrops; ++k) {
    PatternEntry& e = ws.pattern.Entry(k);
    if (e.HarvestDate == 0 || e.Area == MissingInt) continue;
    DateSerial start = e.PlantingDate;
    if (!e.DryCrop && e.Crop.StageLength[6] != MissingInt) start -= e.Crop.StageLength[6];
    const long long first = static_cast<long long>(start - base);
    const long long length = static_cast<long long>(e.HarvestDate - start) + 1;
    if (length <= 0) continue;
    const long long area = e.Area;
    const long long startSlot = first - FloorDiv(first, kYearDays) * kYearDays;

    long long failDay = -1;  // season day (0-based) on which the total first passes 100 %
    if (area > 0) {
      for (long long slot = 0; slot < kYearDays; ++slot) {
        const long long offset = (slot - startSlot + kYearDays) % kYearDays;
        // The visit t (0-based) of this slot brings it to sum + (t + 1) x area.
        long long t = 0;
        if (sum[slot] + area < 101) t = (101 - sum[slot] + area - 1) / area - 1;
        const long long day = offset + kYearDays * t;
        if (day < length && (failDay < 0 || day < failDay)) failDay = day;
      }
    }
    if (failDay >= 0) {
      e.Area = MissingInt;
      const long long slot = (startSlot + failDay) % kYearDays;
      ws.ui.error(FormatText(ws.text(Msg::PatAreaTooLarge),
                             {FormatDayMonth(base + static_cast<double>(slot))}));
      return false;
    }
    const long long full = length / kYearDays;
    const long long rest = length % kYearDays;
    for (long long slot = 0; slot < kYearDays; ++slot) {
      const long long offset = (slot - startSlot + kYearDays) % kYearDays;
      sum[slot] += area * (full + (offset < rest ? 1 : 0));
    }
  }
  return true;
}

std::string ResolvePatternCropFile(const Workspace& ws, const std::string& cropFileName,
                                   const std::string& patternFile) {
  std::string name = cropFileName;
  std::replace(name.begin(), name.end(), '\\', '/');
  if (FileExtension(name).empty()) name += ".cro";
  if (FileFolder(name).empty()) {
    std::string folder = ws.session.DefaultFolder[static_cast<int>(FolderKind::Crop)];
    if (folder.empty()) folder = FileFolder(patternFile);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty() && folder.back() != '/') folder += '/';
    name = folder + name;
  }
  return name;
}

bool ReadPatternFile(Workspace& ws, const std::string& path) {
  ResetPattern(ws);
  std::string content;
  if (!ReadWholeFile(path, content)) {
    ws.ui.error(FormatText(ws.text(Msg::PatOpenError), {path}));
    return false;
  }
  DataFileReader in(content);
  std::string line;
  in.ReadLine(line);
  if (!IsValidDataFile(line, &ws.ui, &ws.texts)) return false;

  CroppingPattern pattern;
  ResetEntries(pattern, InReferenceYear(ws.DefaultDate));
  int count = 0;
  bool ok = in.ReadInt(count) && count >= 0 && count <= kMaxPatternCrops;
  if (ok) {
    in.SkipLine();
    ok = in.ReadLine(line);
    pattern.Name = line.substr(0, kMaxPatternName);
  }
  for (int k = 1; ok && k <= count; ++k) {
    PatternEntry& e = pattern.Entry(k);
    std::string dateLine;
    ok = in.ReadLine(line) && in.ReadLine(dateLine) && in.ReadInt(e.Area);
    if (!ok) break;
    in.SkipLine();
    e.CropFileName = line.substr(0, kMaxPatternFileName);
    const auto date = ParseDayMonth(std::string_view(dateLine).substr(0, 5));
    e.PlantingDate = date ? *date : InReferenceYear(ws.DefaultDate);
  }
  if (!ok) {
    ws.ui.error(FormatText(ws.text(Msg::PatReadError), {path}));
    return false;
  }

  for (int k = 1; k <= count; ++k) {
    PatternEntry& e = pattern.Entry(k);
    const std::string cropFile = ResolvePatternCropFile(ws, e.CropFileName, path);
    bool dry = true;
    if (!ReadCropFile(ws, cropFile, e.Crop, true, dry)) {
      ws.ui.error(FormatText(ws.text(Msg::PatCropFileError), {cropFile}));
      return false;
    }
    e.DryCrop = dry;
    e.HarvestDate = PatternHarvestDate(e);
  }
  ws.pattern = pattern;
  ws.session.ReaderSucceeded(DataKind::Pattern, path);
  return true;
}

std::string PatternFileText(const CroppingPattern& pattern, int count) {
  std::string out;
  AppendLine(out, kPatternHeader);
  AppendLine(out, IntToText(count));
  AppendLine(out, pattern.Name);
  for (int k = 1; k <= count; ++k) {
    const PatternEntry& e = pattern.Entry(k);
    AppendLine(out, e.CropFileName);
    AppendLine(out, (FormatDayMonth(e.PlantingDate) + "/1994").substr(0, 10));
    AppendLine(out, IntToText(e.Area));
  }
  return out;
}

bool WritePatternFile(Workspace& ws, const std::string& path, int count) {
  if (!WriteFileAtomic(path, PatternFileText(ws.pattern, count))) {
    ws.ui.error(FormatText(ws.text(Msg::PatWriteError), {path}));
    return false;
  }
  return true;
}

bool SavePattern(Workspace& ws, const std::string& path) {
  int count = 0;
  if (!CountPatternCrops(ws.pattern, count)) {
    ws.ui.error(ws.text(Msg::PatCannotSave));
    return false;
  }
  if (!WritePatternFile(ws, path, count)) return false;
  ws.session.WriterSucceeded(DataKind::Pattern, path);
  return true;
}

}  // namespace vsk

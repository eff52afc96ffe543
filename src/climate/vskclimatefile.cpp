#include "climate/vskclimatefile.h"

#include <cstdint>

#include "climate/vskETocalc.h"
#include "core/vskdatafile.h"
#include "core/vskmessages.h"
#include "core/vskui.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

constexpr const char* kHeader = "VESKARO 8.0 Climate data";
constexpr size_t kMaxShownName = 120;  // file names in messages
constexpr size_t kMaxHeaderRead = 79;  // characters of line 1 that are looked at
constexpr size_t kMaxNameLength = 20;  // country and station

enum class Layout { Month, Decade, Day, MeasuredDay, Old };

Layout LayoutOf(const std::string& path) {
  const std::string ext = UpperCase(FileExtension(path));
  if (ext == ".PED") return Layout::Day;
  if (ext == ".PMD") return Layout::MeasuredDay;
  if (ext == ".PEC" || ext == ".PMC") return Layout::Decade;
  if (ext == ".PEN") return Layout::Old;
  return Layout::Month;
}

std::string ShownName(const std::string& path) {
  return path.substr(0, kMaxShownName);
}

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The data-file reader with a record of where reading first failed.
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text), reader_(text) {}

  bool Real(double& v) { return reader_.ReadReal(v) || Fail("a number was expected"); }
  bool Int(int& v) { return reader_.ReadInt(v) || Fail("a whole number was expected"); }
  bool Line(std::string& s) { return reader_.ReadLine(s) || Fail("a text line was expected"); }
  void SkipLine() { reader_.SkipLine(); }
  // Fails with a message about the current line.
  bool Fail(const std::string& what) {
    if (!detail.empty()) return false;
    size_t pos = reader_.Position();
    while (pos < text_.size() && IsSeparator(text_[pos])) ++pos;
    const int line = reader_.LineNumber() + LineEndsBetween(reader_.Position(), pos);
    if (pos >= text_.size()) {
      detail = "line " + std::to_string(line) + ": the file ends too early (" + what + ")";
      return false;
    }
    size_t end = pos;
    while (end < text_.size() && !IsSeparator(text_[end]) && end - pos < 40) ++end;
    detail = "line " + std::to_string(line) + ": \"" + std::string(text_.substr(pos, end - pos)) +
             "\" cannot be read (" + what + ")";
    return false;
  }
  void FailAtLine(int line, const std::string& what) {
    if (detail.empty()) detail = "line " + std::to_string(line) + ": " + what;
  }
  int LineNumber() const { return reader_.LineNumber(); }

  std::string detail;

 private:
  int LineEndsBetween(size_t from, size_t to) const {
    int n = 0;
    for (size_t i = from; i < to && i < text_.size(); ++i)
      if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
        ++n;
    return n;
  }

  std::string_view text_;
  DataFileReader reader_;
};

// The temperature columns of a data line: a missing minimum with a given second value is a
// mean temperature; a given minimum means minimum/maximum temperatures. The last line that
// holds any temperature decides how the record holds its temperatures.
void StoreTemperatures(ClimateState& rec, TClimatePeriod& p, double tMin, double tMax) {
  p.TMin = tMin;
  if (tMin == MissingReal && tMax != MissingReal) {
    p.TMean = tMax;
    p.TMax = MissingReal;
    rec.TempMinMax = false;
  } else {
    p.TMax = tMax;
    p.TMean = MissingReal;
    if (tMin != MissingReal) rec.TempMinMax = true;
  }
}

// A data line: TMin (or -99.9), TMax (or TMean), humidity, wind, sunshine, radiation, ETo.
bool ReadDataLine(Parser& in, ClimateState& rec, TClimatePeriod& p, double& eto) {
  double v[7];
  for (double& x : v)
    if (!in.Real(x)) return false;
  in.SkipLine();
  StoreTemperatures(rec, p, v[0], v[1]);
  p.Humidity = v[2];
  p.Wind = v[3];
  p.Sunshine = v[4];
  p.Radiation = v[5];
  eto = v[6];
  return true;
}

bool ReadYearLine(Parser& in, ClimateState& rec) {
  if (!in.Int(rec.EToYear)) return false;
  in.SkipLine();
  return true;
}

// A negative latitude or longitude (other than the missing marker) is southern or western.
void SplitHemisphere(double& value, bool& flag) {
  flag = value < 0 && value != MissingReal;
  if (flag) value = -value;
}

// Lines 2..6 and the twelve month blocks of the current format. `fileKind` receives the
// kind of line 2 (held in a byte).
bool ReadCurrentFormat(Parser& in, Layout layout, ClimateState& rec, int& fileKind) {
  int ignored = 0, kind = 0;
  if (!in.Int(ignored) || !in.Int(kind)) return false;
  in.SkipLine();
  fileKind = static_cast<std::uint8_t>(kind);
  std::string line;
  if (!in.Line(line)) return false;
  rec.Data.Country = line.substr(0, kMaxNameLength);
  if (!in.Line(line)) return false;
  rec.Data.Station = line.substr(0, kMaxNameLength);
  if (!in.Real(rec.Data.Altitude)) return false;
  in.SkipLine();
  if (!in.Real(rec.Data.Latitude) || !in.Real(rec.Data.Longitude)) return false;
  in.SkipLine();
  SplitHemisphere(rec.Data.Latitude, rec.Data.South);
  SplitHemisphere(rec.Data.Longitude, rec.Data.West);

  for (int m = 1; m <= 12; ++m) {
    switch (layout) {
      case Layout::Day:
        if (!ReadYearLine(in, rec)) return false;
        for (int d = 1; d <= MonthLength(m); ++d)
          if (!ReadDataLine(in, rec, rec.Data.Day[m][d], rec.DayETo[m][d])) return false;
        break;
      case Layout::MeasuredDay:
        if (!ReadYearLine(in, rec)) return false;
        for (int d = 1; d <= MonthLength(m); ++d)
          if (!in.Real(rec.DayETo[m][d])) return false;
        in.SkipLine();  // the line holds 31 values; days past the month's end are ignored
        break;
      case Layout::Decade:
        for (int k = 1; k <= 3; ++k)
          if (!ReadDataLine(in, rec, rec.Data.Decade[m][k], rec.DecadeETo[m][k])) return false;
        break;
      case Layout::Month:
      case Layout::Old:
        break;
    }
    if (layout != Layout::MeasuredDay && !ReadDataLine(in, rec, rec.Data.Month[m], rec.MonthETo[m]))
      return false;
  }
  return true;
}

// The number fields of the old first line: blanks around the number are allowed.
bool ParseOldNumber(const std::string& field, double& value) {
  return ParseReal(TrimBlanks(field), value);
}

std::string OldName(const std::string& field) {
  std::string out;
  for (char c : field)
    if (c != '"') out += c;
  return out.substr(0, kMaxNameLength);
}

// The old monthly format: a comma-separated station line, then twelve month lines of
// TMax, TMin, humidity, wind, sunshine, radiation, ETo.
bool ReadOldFormat(Workspace& ws, Parser& in, ClimateState& rec) {
  std::string line;
  if (!in.Line(line)) return false;
  // Country, station, altitude, latitude, a skipped field and longitude, each followed by a
  // comma; the first comma must lie within the first 79 characters.
  std::string fields[6];
  size_t start = 0;
  for (int f = 0; f < 6; ++f) {
    const size_t comma = line.find(',', start);
    if (comma == std::string::npos || (f == 0 && comma >= kMaxHeaderRead)) {
      in.FailAtLine(1, "the station line needs six fields each followed by a comma");
      return false;
    }
    fields[f] = line.substr(start, comma - start);
    start = comma + 1;
  }
  rec.Data.Country = OldName(fields[0]);
  rec.Data.Station = OldName(fields[1]);
  const char* names[] = {"", "", "altitude", "latitude", "", "longitude"};
  double* targets[] = {
      nullptr, nullptr, &rec.Data.Altitude, &rec.Data.Latitude, nullptr, &rec.Data.Longitude};
  for (int f : {2, 3, 5}) {
    if (!ParseOldNumber(fields[f], *targets[f])) {
      in.FailAtLine(1, std::string("the ") + names[f] + " \"" + fields[f] + "\" cannot be read");
      return false;
    }
  }
  SplitHemisphere(rec.Data.Latitude, rec.Data.South);
  SplitHemisphere(rec.Data.Longitude, rec.Data.West);

  for (int m = 1; m <= 12; ++m) {
    double v[7];
    for (double& x : v)
      if (!in.Real(x)) return false;
    in.SkipLine();
    TClimatePeriod& p = rec.Data.Month[m];
    StoreTemperatures(rec, p, v[1], v[0]);
    p.Humidity = v[2];
    p.Wind = v[3];
    p.Sunshine = v[4];
    p.Radiation = v[5];
    rec.MonthETo[m] = v[6];
  }

  // The stored ETo is computed again, in the file units, for every complete month.
  Options fileUnits = ws.options;
  fileUnits.humidityasperc = true;
  fileUnits.windaskmday = true;
  fileUnits.sunshineunit = SunshineUnit::Hours;
  fileUnits.etoasmmday = true;
  const ClimateCalc calc{rec, fileUnits, 3, &ws.ui, &ws.texts};
  for (int m = 1; m <= 12; ++m)
    if (ClimateRecordComplete(rec, rec.Data.Month[m], false)) ComputeMonthETo(calc, m);
  return true;
}

// Appends a number right-aligned in `width` with `decimals` decimals. A number that fills
// its width (and does not begin with a sign, which ends the number before it) gets a blank in
// front, so that it never runs into the number before it and the line reads back.
void AppendNumber(std::string& line, double value, int width, int decimals) {
  const std::string text = FormatFixed(value, width, decimals);
  if (!line.empty() && text[0] != ' ' && text[0] != '-') line += ' ';
  line += text;
}

std::string DataLine(const ClimateState& rec, const TClimatePeriod& p, double eto) {
  const double c1 = rec.TempMinMax ? p.TMin : MissingReal;
  const double c2 = rec.TempMinMax ? p.TMax : p.TMean;
  std::string line;
  AppendNumber(line, c1, 6, 1);
  AppendNumber(line, c2, 6, 1);
  AppendNumber(line, p.Humidity, 7, 1);
  AppendNumber(line, p.Wind, 7, 1);
  AppendNumber(line, p.Sunshine, 7, 1);
  AppendNumber(line, p.Radiation, 6, 1);
  AppendNumber(line, eto, 9, 2);
  return line;
}

}  // namespace

int EtoKindOfFile(const std::string& path) {
  const std::string ext = UpperCase(FileExtension(path));
  if (ext == ".PED") return 1;
  if (ext == ".PEC") return 2;
  if (ext == ".PMD") return 4;
  if (ext == ".PMC") return 5;
  if (ext == ".PMM") return 6;
  return 3;
}

bool ReadClimateFile(Workspace& ws, const std::string& path, std::string* detail) {
  std::string content;
  if (!ReadWholeFile(path, content)) {
    ws.ui.error(FormatText(ws.text(Msg::ClimateOpenError), {ShownName(path)}));
    if (detail) *detail = "the file cannot be opened";
    return false;
  }
  ClearClimate(ws);

  // The file is read into a record of its own, which replaces the station record only when
  // the whole file was read.
  ClimateState rec;
  rec.TempMinMax = ws.climate.TempMinMax;
  const Layout layout = LayoutOf(path);
  const int extensionKind = EtoKindOfFile(path);
  Parser in(content);
  int fileKind = 3;
  bool ok = false;
  if (layout == Layout::Old) {
    ok = ReadOldFormat(ws, in, rec);
  } else {
    std::string first;
    in.Line(first);  // an empty file gives an empty first line
    if (!IsValidDataFile(std::string_view(first).substr(0, kMaxHeaderRead), &ws.ui, &ws.texts)) {
      if (detail) *detail = "line 1: not a VESKARO file of version 7 or later";
      return false;
    }
    in.detail.clear();
    ok = ReadCurrentFormat(in, layout, rec, fileKind);
  }
  if (!ok) {
    ws.ui.error(FormatText(ws.text(Msg::ClimateReadError), {ShownName(path)}));
    if (detail) *detail = in.detail;
    return false;
  }

  // Into the display units. The records visited follow the kind written in the file; the
  // month values of daily data stay mm/day.
  ConvertClimateUnits(ws.options, rec.Data, rec.TempMinMax, fileKind, false);
  if (!ws.options.etoasmmday) ConvertEToPerPeriod(rec, extensionKind, false);
  ws.climate = rec;
  ws.session.EtoKind = static_cast<byte>(extensionKind);
  ws.session.StatusOf(DataKind::Climate) = dsSaved;
  if (detail) detail->clear();
  return true;
}

bool OpenClimateFile(Workspace& ws, const std::string& path, std::string* detail) {
  const bool ok = ReadClimateFile(ws, path, detail);
  if (ok)
    ws.session.File(DataKind::Climate) = path;
  else
    ClearClimate(ws);
  ws.options.estimateall = false;
  return ok;
}

bool WriteClimateFile(Workspace& ws, const std::string& path, std::string* detail) {
  // A copy in the file units; the record in memory stays as it is.
  ClimateState rec = ws.climate;
  const int kind = ws.session.EtoKind;
  ConvertClimateUnits(ws.options, rec.Data, rec.TempMinMax, kind, true);
  if (!ws.options.etoasmmday) ConvertEToPerPeriod(rec, kind, true);

  std::string out;
  out.reserve(32768);
  AppendLine(out, kHeader);
  AppendLine(out, FormatC(" 0 %3d", kind));
  AppendLine(out, rec.Data.Country);
  AppendLine(out, rec.Data.Station);
  AppendLine(out, FormatFixed(rec.Data.Altitude, 6, 2));
  auto signedValue = [](double v, bool negative) {
    return negative && v != MissingReal && v > 0 ? -v : v;
  };
  std::string position;
  AppendNumber(position, signedValue(rec.Data.Latitude, rec.Data.South), 7, 2);
  AppendNumber(position, signedValue(rec.Data.Longitude, rec.Data.West), 8, 2);
  AppendLine(out, position);
  const Layout layout = LayoutOf(path);
  const std::string year = std::to_string(rec.EToYear);
  for (int m = 1; m <= 12; ++m) {
    switch (layout) {
      case Layout::Day:
        AppendLine(out, year);
        for (int d = 1; d <= MonthLength(m); ++d)
          AppendLine(out, DataLine(rec, rec.Data.Day[m][d], rec.DayETo[m][d]));
        break;
      case Layout::MeasuredDay: {
        AppendLine(out, year);
        std::string line;
        for (int d = 1; d <= 31; ++d) AppendNumber(line, rec.DayETo[m][d], 8, 2);
        AppendLine(out, line);
        break;
      }
      case Layout::Decade:
        for (int k = 1; k <= 3; ++k)
          AppendLine(out, DataLine(rec, rec.Data.Decade[m][k], rec.DecadeETo[m][k]));
        break;
      case Layout::Month:
      case Layout::Old:
        break;
    }
    if (layout != Layout::MeasuredDay)
      AppendLine(out, DataLine(rec, rec.Data.Month[m], rec.MonthETo[m]));
  }

  if (!WriteFileAtomic(path, out)) {
    ws.ui.error(FormatText(ws.text(Msg::ClimateWriteError), {ShownName(path)}));
    if (detail) *detail = "the file cannot be written";
    return false;
  }
  if (detail) detail->clear();
  return true;
}

}  // namespace vsk

// Reading and writing rain data files.
#include <filesystem>
#include <string_view>

#include "core/vskdatafile.h"
#include "rain/vskraincalc.h"

namespace vsk {

namespace {

constexpr const char* kRainHeader = "VESKARO 8.0 Rain data";
constexpr size_t kStationLength = 20;
constexpr size_t kShownNameLength = 120;

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The file name as the messages show it.
std::string ShownName(const std::string& path) {
  return path.substr(0, kShownNameLength);
}

// A data-file cursor that remembers where the first read failed.
class RainFileParser {
 public:
  explicit RainFileParser(std::string_view text) : text_(text), reader_(text) {}

  bool Line(std::string& line) {
    if (reader_.ReadLine(line)) return true;
    return Fail();
  }
  bool Real(double& v) { return reader_.ReadReal(v) || Fail(); }
  bool Int(int& v) { return reader_.ReadInt(v) || Fail(); }
  // A byte value: taken modulo 256.
  bool Byte(byte& v) {
    int i = 0;
    if (!Int(i)) return false;
    v = static_cast<byte>(i);
    return true;
  }
  void SkipLine() { reader_.SkipLine(); }

  // Records a failure at the current position: its line and the token found there.
  bool Fail() {
    if (failed_) return false;
    failed_ = true;
    size_t pos = reader_.Position();
    while (pos < text_.size() && IsSeparator(text_[pos])) ++pos;
    // The file ended early: point at the end of its last line that holds anything.
    if (pos >= text_.size()) {
      pos = text_.size();
      while (pos > 0 && IsSeparator(text_[pos - 1])) --pos;
    }
    size_t end = pos;
    while (end < text_.size() && !IsSeparator(text_[end])) ++end;
    token_.assign(text_.substr(pos, end - pos));
    line_ = LineOf(pos);
    return false;
  }
  // Records a failure in a given line with a given token.
  bool FailAt(int line, std::string_view token) {
    if (failed_) return false;
    failed_ = true;
    line_ = line;
    token_.assign(token);
    return false;
  }

  void Report(RainFileDiagnostic* d) const {
    if (!d) return;
    d->line = line_;
    d->token = token_;
  }

 private:
  int LineOf(size_t pos) const {
    int line = 1;
    for (size_t i = 0; i < pos && i < text_.size(); ++i) {
      if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
        ++line;
    }
    return line;
  }

  std::string_view text_;
  DataFileReader reader_;
  bool failed_ = false;
  int line_ = 0;
  std::string token_;
};

// The next comma-terminated field of the first line of an old monthly file.
bool NextField(std::string_view line, size_t& pos, std::string_view& field) {
  if (pos > line.size()) return false;
  const size_t comma = line.find(',', pos);
  if (comma == std::string_view::npos) return false;
  field = line.substr(pos, comma - pos);
  pos = comma + 1;
  return true;
}

// Line 1 of an old monthly file: station, a skipped field, the method and its parameters,
// every field followed by a comma and every number a whole number.
bool ReadOldHeader(std::string_view line, TRainData& rain, Options& opt, RainFileParser& p) {
  size_t pos = 0;
  std::string_view field;
  auto next = [&]() { return NextField(line, pos, field) || p.FailAt(1, line.substr(pos)); };
  auto nextInt = [&](int& v) {
    if (!next()) return false;
    return ParseInt(field, v) || p.FailAt(1, field);
  };

  if (!next()) return false;
  std::string station;
  for (char c : field)
    if (c != '"') station.push_back(c);
  rain.RainStation = station.substr(0, kStationLength);
  if (!next()) return false;  // not used

  int method = 0;
  if (!nextInt(method)) return false;
  opt.ermethod = static_cast<byte>(method);
  if (opt.ermethod == 1) {
    int perc = 0;
    if (!nextInt(perc)) return false;
    opt.erfixperc = static_cast<byte>(perc);
  } else if (opt.ermethod == 3) {
    if (!next()) return false;  // not used
    int a = 0, c = 0;
    if (!nextInt(opt.rainx) || !nextInt(a) || !nextInt(opt.rainb) || !nextInt(c) ||
        !nextInt(opt.raind))
      return false;
    opt.raina = a;
    opt.rainc = c;
  }
  return true;
}

bool ReadOldFormat(TRainData& rain, Options& opt, RainFileParser& p) {
  std::string line;
  if (!p.Line(line)) return false;
  if (!ReadOldHeader(line, rain, opt, p)) return false;
  for (int m = 1; m <= 12; ++m) {
    double unused = 0;
    if (!p.Real(unused) || !p.Real(rain.MonthRain[m])) return false;
    p.SkipLine();
  }
  return true;
}

// Lines 2 to the end of a current-format file (the header has been checked).
bool ReadCurrentFormat(bool daily, RainState& state, Options& opt, RainFileParser& p) {
  TRainData& rain = state.Data;
  std::string station;
  if (!p.Line(station)) return false;
  rain.RainStation = station.substr(0, kStationLength);

  // Method and kind; the kind on this line is not used (the extension tells it).
  if (!p.Byte(opt.ermethod)) return false;
  p.SkipLine();

  // Method line.
  if (opt.ermethod == 1) {
    if (!p.Byte(opt.erfixperc)) return false;
  } else if (opt.ermethod == 3) {
    int unused = 0;
    if (!p.Int(unused) || !p.Int(opt.rainx) || !p.Real(opt.raina) || !p.Int(opt.rainb) ||
        !p.Real(opt.rainc) || !p.Int(opt.raind))
      return false;
  }
  p.SkipLine();

  if (daily) {
    if (!p.Int(state.RainYear)) return false;
    p.SkipLine();
    for (int m = 1; m <= 12; ++m) {
      for (int k = 1; k <= 3; ++k)
        if (!p.Real(rain.DecadeEffRain[m][k])) return false;
      if (!p.Real(rain.MonthEffRain[m])) return false;
      p.SkipLine();
      for (int d = 1; d <= 31; ++d)
        if (!p.Real(rain.DayRain[m][d])) return false;
      p.SkipLine();
    }
  } else {
    for (int m = 1; m <= 12; ++m) {
      for (int k = 1; k <= 3; ++k)
        if (!p.Real(rain.DecadeRain[m][k]) || !p.Real(rain.DecadeEffRain[m][k])) return false;
      if (!p.Real(rain.MonthRain[m]) || !p.Real(rain.MonthEffRain[m])) return false;
      p.SkipLine();
    }
  }
  return true;
}

// A number right-aligned in `width` with one decimal; a number that fills its width gets a
// leading blank so that it never runs into the number before it.
void AppendReal(std::string& out, double v, int width) {
  std::string s = FormatFixed(v, width, 1);
  if (!s.empty() && s.front() != ' ') out.push_back(' ');
  out += s;
}

}  // namespace

bool ReadRainFile(Workspace& ws, const std::string& path, RainFileDiagnostic* diagnostic) {
  std::string content;
  if (!ReadWholeFile(path, content)) {
    ws.ui.error(FormatText(ws.text(Msg::RainErrorOpeningFile), {ShownName(path)}));
    if (diagnostic) *diagnostic = RainFileDiagnostic{};
    return false;
  }

  // Parse into copies: the workspace changes only when the whole file was read. What the
  // file kind does not carry keeps its current value.
  RainState state = ws.rain;
  Options opt = ws.options;
  RainFileParser p(content);
  const std::string ext = UpperCase(FileExtension(path));
  byte kind = 3;

  bool ok = false;
  if (ext == ".CLI") {
    ok = ReadOldFormat(state.Data, opt, p);
  } else {
    std::string header;
    p.Line(header);
    if (!IsValidDataFile(header, nullptr)) {
      ws.error(Msg::NotValidFile);
      if (diagnostic) *diagnostic = RainFileDiagnostic{1, header.substr(0, 40)};
      return false;
    }
    kind = ext == ".CRD" ? 1 : ext == ".CRC" ? 2 : 3;
    ok = ReadCurrentFormat(kind == 1, state, opt, p);
  }
  if (!ok) {
    ws.ui.error(FormatText(ws.text(Msg::RainErrorReadingFile), {ShownName(path)}));
    p.Report(diagnostic);
    return false;
  }

  ws.rain = state;
  ws.options = opt;
  ws.session.RainKind = kind;
  ws.session.ReaderSucceeded(DataKind::Rain, path);
  return true;
}

bool OpenRainFile(Workspace& ws, const std::string& path, RainFileDiagnostic* diagnostic) {
  if (ReadRainFile(ws, path, diagnostic)) {
    // The full name, so that a session saved later finds the file from any folder.
    std::error_code ec;
    const auto full = std::filesystem::absolute(path, ec);
    ws.session.File(DataKind::Rain) = ec ? path : full.lexically_normal().string();
    return true;
  }
  ClearRain(ws);
  return false;
}

bool WriteRainFile(Workspace& ws, const std::string& path) {
  const TRainData& r = ws.rain.Data;
  const Options& o = ws.options;
  std::string out;
  AppendLine(out, kRainHeader);

  // The station is one line of the file: it ends before any line end it might hold.
  std::string station = r.RainStation;
  const size_t lineEnd = station.find_first_of("\r\n");
  if (lineEnd != std::string::npos) station.resize(lineEnd);
  AppendLine(out, station);

  AppendLine(out, FormatC("%3d%3d", o.ermethod, ws.session.RainKind));

  std::string method = o.ermethod == 1 ? FormatC("%d", o.erfixperc) : "  0";
  if (o.ermethod == 3) {
    method += FormatC("  %6d  %6.2f  %6d  %6.2f  %6d", o.rainx, o.raina, o.rainb, o.rainc, o.raind);
  } else {
    for (int i = 0; i < 5; ++i) method += "  0";
  }
  AppendLine(out, method);

  if (ws.session.RainKind == 1) {
    AppendLine(out, FormatC("%d", ws.rain.RainYear));
    for (int m = 1; m <= 12; ++m) {
      std::string line;
      for (int k = 1; k <= 3; ++k) AppendReal(line, r.DecadeEffRain[m][k], 9);
      AppendReal(line, r.MonthEffRain[m], 10);
      AppendLine(out, line);
      line.clear();
      for (int d = 1; d <= 31; ++d) AppendReal(line, r.DayRain[m][d], 6);
      AppendLine(out, line);
    }
  } else {
    for (int m = 1; m <= 12; ++m) {
      std::string line;
      for (int k = 1; k <= 3; ++k) {
        AppendReal(line, r.DecadeRain[m][k], 9);
        AppendReal(line, r.DecadeEffRain[m][k], 9);
      }
      AppendReal(line, r.MonthRain[m], 10);
      AppendReal(line, r.MonthEffRain[m], 10);
      AppendLine(out, line);
    }
  }

  if (!WriteFileAtomic(path, out)) {
    ws.ui.error(FormatText(ws.text(Msg::RainErrorWritingFile), {ShownName(path)}));
    return false;
  }
  return true;
}

}  // namespace vsk

#include "crop/vskcropsoilcalc.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/vskdatafile.h"

namespace vsk {

namespace {

constexpr const char* kCropHeader = "VESKARO 8.0 Crop data";
constexpr const char* kSoilHeader = "VESKARO 8.0 Soil Data";
constexpr const char* kRiceMarker = "Rice";
constexpr size_t kCropNameField = 20;  // characters of line 2 that hold the name
constexpr size_t kCropNameLength = 18;
constexpr size_t kSoilNameLength = 20;
constexpr size_t kMaxToken = 40;  // characters of a failing token kept for the diagnostic

std::string WithPath(const Workspace& ws, Msg id, const std::string& path) {
  return FormatText(ws.text(id), {path});
}

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the numbers of a data file line by line and keeps where the first failure happened.
class NumberLines {
 public:
  explicit NumberLines(std::string_view text) : text_(text), reader_(text) {}

  bool Line(std::string& line) {
    if (failed_) return false;
    if (!reader_.ReadLine(line)) return Fail("unexpected end of file");
    return true;
  }
  bool Real(double& value) {
    if (failed_) return false;
    if (!reader_.ReadReal(value)) return Fail("a real number was expected");
    return true;
  }
  bool Int(int& value) {
    if (failed_) return false;
    if (!reader_.ReadInt(value)) return Fail("a whole number was expected");
    return true;
  }
  // Skips what is left of the table line after its last number.
  void EndLine() {
    if (!failed_) reader_.SkipLine();
  }
  bool AtEnd() const { return reader_.AtEnd(); }
  int LineNumber() const { return reader_.LineNumber(); }
  bool failed() const { return failed_; }
  const CropSoilDiagnostic& diagnostic() const { return diag_; }

  bool Fail(const char* reason, int line = 0, std::string token = {}) {
    if (failed_) return false;
    failed_ = true;
    diag_.reason = reason;
    if (line > 0) {
      diag_.line = line;
      diag_.token = std::move(token);
      return false;
    }
    // The number reads stop at the start of the token that failed.
    size_t start = reader_.Position();
    while (start < text_.size() && IsSeparator(text_[start])) ++start;
    size_t end = start;
    while (end < text_.size() && end - start < kMaxToken && !IsSeparator(text_[end])) ++end;
    diag_.token.assign(text_.substr(start, end - start));
    if (start >= text_.size()) diag_.reason = "unexpected end of file";
    diag_.line = 1;
    for (size_t i = 0; i < start && i < text_.size(); ++i) {
      if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
        ++diag_.line;
    }
    return false;
  }

 private:
  std::string_view text_;
  DataFileReader reader_;
  bool failed_ = false;
  CropSoilDiagnostic diag_;
};

void SetDiag(CropSoilDiagnostic* diag, const CropSoilDiagnostic& value) {
  if (diag) *diag = value;
}

// Reads the whole file and checks its first line. Messages only when `ui` is given.
bool OpenDataFile(const Workspace& ws, const std::string& path, Ui* ui, std::string& content,
                  std::string& firstLine, CropSoilDiagnostic* diag) {
  if (!ReadWholeFile(path, content)) {
    if (ui) ui->error(WithPath(ws, Msg::CropSoilOpenError, path));
    SetDiag(diag, {0, "", "the file cannot be opened"});
    return false;
  }
  DataFileReader first(content);
  if (!first.ReadLine(firstLine)) firstLine.clear();
  if (!IsValidDataFile(firstLine, ui, &ws.texts)) {
    SetDiag(diag, {1, firstLine.substr(0, 40), "not a VESKARO data file of version 7 or later"});
    return false;
  }
  return true;
}

// The decimal digits of |value| in the shortest text that reads back as the same double,
// rounded half up to `keep` significant digits. `exponent` is the power of ten of the first
// digit. |value| must be finite and non-zero.
std::string SignificantDigitsHalfUp(double value, size_t keep, int& exponent) {
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  const std::string text(buf, res.ptr);  // "1.45e+02"
  const size_t e = text.find('e');
  std::string digits;
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  exponent = std::stoi(text.substr(e + 1));
  const bool up = digits.size() > keep && digits[keep] >= '5';
  digits.resize(keep, '0');
  if (up) {
    size_t i = keep;
    while (i > 0) {
      --i;
      if (digits[i] == '9') {
        digits[i] = '0';
      } else {
        ++digits[i];
        break;
      }
      if (i == 0) {  // 9.9 -> 10: one more power of ten
        digits.insert(digits.begin(), '1');
        digits.resize(keep);
        ++exponent;
      }
    }
  }
  return digits;
}

std::string ExponentText(int exponent) {
  return FormatC("E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
}

// Integers are written plainly, the missing marker as -999.
std::string IntegerText(int value) {
  return FormatC("%d", value);
}

std::string Real62(double value) {
  return FormatFixed(value, 6, 2);
}

}  // namespace

// ---- Number layouts ------------------------------------------------------------------

std::string PuddleDepthText(double value) {
  if (!std::isfinite(value)) value = MissingReal;
  const std::string text = FormatC("%.14E", value);  // "1.00000000000000E-01"
  const size_t e = text.find('E');
  const int exponent = std::stoi(text.substr(e + 1));
  std::string mantissa = text.substr(0, e);
  if (mantissa[0] != '-') mantissa.insert(mantissa.begin(), ' ');
  return mantissa + ExponentText(exponent);
}

std::string TotalAvailMoistureText(double value) {
  if (!std::isfinite(value)) value = MissingReal;
  if (value == 0) return " 0.0" + ExponentText(0);
  int exponent = 0;
  const std::string digits = SignificantDigitsHalfUp(value, 2, exponent);
  return std::string(value < 0 ? "-" : " ") + digits[0] + "." + digits[1] + ExponentText(exponent);
}

std::string CrackDepletionText(double value) {
  if (!std::isfinite(value)) value = MissingReal;
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  const std::string text(buf, res.ptr);  // "0.25", "140"
  const size_t dot = text.find('.');
  std::string digits = text.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
  digits += fraction.empty() ? '0' : fraction[0];
  if (fraction.size() > 1 && fraction[1] >= '5') {
    size_t i = digits.size();
    bool carry = true;
    while (carry && i > 0) {
      --i;
      if (digits[i] == '9') {
        digits[i] = '0';
      } else {
        ++digits[i];
        carry = false;
      }
    }
    if (carry) digits.insert(digits.begin(), '1');
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out(value < 0 && !zero ? "-" : "");
  out.append(digits, 0, digits.size() - 1).append(".").push_back(digits.back());
  return RightAlignText(out, ' ', static_cast<int>(std::max<size_t>(out.size(), 5)));
}

// ---- Crop ----------------------------------------------------------------------------

void ResetCrop(Workspace& ws) {
  ws.crop.Reset();
  for (auto& month : ws.cwr.DecadeKc)
    for (double& v : month) v = MissingReal;
  ws.session.RecordReset(DataKind::Crop);
}

namespace {

// Reads the text of a crop file into `crop`. Messages go to `ui` when it is given; the
// unsupported-rice-format error always goes to `ws.ui`.
bool ParseCropText(const Workspace& ws, const std::string& path, std::string_view text, Ui* ui,
                   TCropRecord& crop, bool& dryCrop, CropSoilDiagnostic& diag) {
  NumberLines in(text);
  std::string line;
  in.Line(line);  // the first line, checked by the caller
  if (!in.Line(line)) {
    diag = in.diagnostic();
    return false;
  }
  const std::string nameField = line.substr(0, std::min(line.size(), kCropNameField));
  const std::string marker = line.size() > kCropNameField ? line.substr(kCropNameField) : "";
  crop.CropName = nameField.substr(0, std::min(nameField.size(), kCropNameLength));
  dryCrop = !(marker.size() >= 2 && (marker[0] == 'R' || marker[0] == 'r') &&
              (marker[1] == 'I' || marker[1] == 'i'));

  if (dryCrop) {
    for (int i = 1; i <= 4; ++i) in.Int(crop.StageLength[i]);
    in.EndLine();
    in.Real(crop.Kc[1]), in.Real(crop.Kc[3]), in.Real(crop.Kc[4]);
    in.EndLine();
    in.Real(crop.RootDepth[2]), in.Real(crop.RootDepth[3]);
    in.EndLine();
    in.Real(crop.CritDepletion[1]), in.Real(crop.CritDepletion[3]), in.Real(crop.CritDepletion[4]);
    in.EndLine();
    for (int i = 1; i <= 5; ++i) in.Real(crop.YieldResponse[i]);
    in.EndLine();
    if (in.failed()) {
      diag = in.diagnostic();
      return false;
    }
    if (in.AtEnd()) {
      crop.CropHeight = MissingReal;
      if (ui) ui->warning(ws.text(Msg::NoCropHeight));
    } else if (!in.Real(crop.CropHeight)) {
      diag = in.diagnostic();
      return false;
    }
    return true;
  }

  int directSowing = 0;
  in.Int(directSowing);
  in.EndLine();
  crop.DirectSowing = directSowing != 0;
  for (int i = 1; i <= 7; ++i) in.Int(crop.StageLength[i]);
  in.EndLine();
  for (int i : {1, 3, 4, 5, 6}) in.Real(crop.Kc[i]);
  in.EndLine();
  for (int i : {1, 3, 4, 5, 6}) in.Real(crop.KcDry[i]);
  in.EndLine();
  in.Real(crop.PuddleDepth);
  in.EndLine();
  in.Real(crop.RootDepth[2]), in.Real(crop.RootDepth[3]);
  in.EndLine();
  for (int i : {1, 3, 4, 5}) in.Real(crop.CritDepletion[i]);
  in.EndLine();
  for (int i = 1; i <= 5; ++i) in.Real(crop.YieldResponse[i]);
  in.EndLine();
  if (in.failed()) {
    diag = in.diagnostic();
    return false;
  }
  if (in.AtEnd()) {
    // An older rice layout without nursery area and crop height: usable, but the user is told.
    crop.NurseryArea = MissingInt;
    crop.CropHeight = MissingReal;
    ws.ui.error(WithPath(ws, Msg::OldRiceFormat, path));
    return true;
  }
  if (!in.Int(crop.NurseryArea)) {
    diag = in.diagnostic();
    return false;
  }
  in.EndLine();
  if (in.AtEnd()) {
    crop.CropHeight = MissingReal;
    if (ui) ui->warning(ws.text(Msg::NoCropHeight));
  } else if (!in.Real(crop.CropHeight)) {
    diag = in.diagnostic();
    return false;
  }
  return true;
}

}  // namespace

bool ReadCropFile(Workspace& ws, const std::string& path, TCropRecord& target, bool silent,
                  bool& dryCrop, CropSoilDiagnostic* diag) {
  Ui* ui = silent ? nullptr : &ws.ui;
  std::string content, firstLine;
  if (!OpenDataFile(ws, path, ui, content, firstLine, diag)) return false;
  TCropRecord crop;  // empty, as after a reset
  bool dry = true;
  CropSoilDiagnostic where;
  if (!ParseCropText(ws, path, content, ui, crop, dry, where)) {
    if (ui) ui->error(WithPath(ws, Msg::CropSoilReadError, path));
    SetDiag(diag, where);
    return false;
  }
  target = crop;
  dryCrop = dry;
  return true;
}

bool ReadCropFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag) {
  bool dry = true;
  if (!ReadCropFile(ws, path, ws.crop, false, dry, diag)) return false;
  ws.session.CropIsDry = dry;
  ws.session.ReaderSucceeded(DataKind::Crop, path);
  return true;
}

bool OpenCropFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag) {
  if (ReadCropFile(ws, path, diag)) return true;
  ResetCrop(ws);
  return false;
}

std::string CropFileText(const TCropRecord& c, bool dryCrop) {
  std::string out;
  AppendLine(out, kCropHeader);
  const std::string name = LeftAlignText(c.CropName, ' ', static_cast<int>(kCropNameField));
  auto stages = [&](int count) {
    std::string line;
    for (int i = 1; i <= count; ++i) line += IntegerText(c.StageLength[i]) + " ";
    return line;
  };
  auto reals = [](std::initializer_list<double> values) {
    std::string line;
    for (double v : values) {
      const std::string text = Real62(v);
      // A value of 1000 or more fills its field: a blank keeps it apart from the one before,
      // else the line would read back as one number.
      if (!line.empty() && text[0] != ' ' && text[0] != '-') line += ' ';
      line += text;
    }
    return line;
  };
  const std::string ky = reals({c.YieldResponse[1], c.YieldResponse[2], c.YieldResponse[3],
                                c.YieldResponse[4], c.YieldResponse[5]});
  if (dryCrop) {
    AppendLine(out, name);
    AppendLine(out, stages(4));
    AppendLine(out, reals({c.Kc[1], c.Kc[3], c.Kc[4]}));
    AppendLine(out, reals({c.RootDepth[2], c.RootDepth[3]}));
    AppendLine(out, reals({c.CritDepletion[1], c.CritDepletion[3], c.CritDepletion[4]}));
    AppendLine(out, ky);
  } else {
    AppendLine(out, name + kRiceMarker);
    AppendLine(out, c.DirectSowing ? "1" : "0");
    AppendLine(out, stages(7));
    AppendLine(out, reals({c.Kc[1], c.Kc[3], c.Kc[4], c.Kc[5], c.Kc[6]}));
    AppendLine(out, reals({c.KcDry[1], c.KcDry[3], c.KcDry[4], c.KcDry[5], c.KcDry[6]}));
    AppendLine(out, PuddleDepthText(c.PuddleDepth));
    AppendLine(out, reals({c.RootDepth[2], c.RootDepth[3]}));
    AppendLine(out, reals({c.CritDepletion[1], c.CritDepletion[3], c.CritDepletion[4],
                           c.CritDepletion[5]}));
    AppendLine(out, ky);
    AppendLine(out, IntegerText(c.NurseryArea));
  }
  if (c.CropHeight != MissingReal) AppendLine(out, Real62(c.CropHeight));
  return out;
}

bool WriteCropFile(Workspace& ws, const std::string& path) {
  if (!WriteFileAtomic(path, CropFileText(ws.crop, ws.session.CropIsDry))) {
    ws.ui.error(WithPath(ws, Msg::CropSoilWriteError, path));
    return false;
  }
  ws.session.WriterSucceeded(DataKind::Crop, path);
  return true;
}

bool CropRecordComplete(const TCropRecord& c, bool dryCrop) {
  if (c.CropName.empty() || c.YieldResponse[5] == MissingReal) return false;
  for (int i = 1; i <= 4; ++i) {
    if (c.StageLength[i] == MissingInt) return false;
    if (i != 2 && c.Kc[i] == MissingReal) return false;
    if ((i == 2 || i == 3) && c.RootDepth[i] == MissingReal) return false;
    if (i != 2 && c.CritDepletion[i] == MissingReal) return false;
    if (c.YieldResponse[i] == MissingReal) return false;
  }
  if (dryCrop) return true;
  if (!c.DirectSowing &&
      (c.KcDry[6] == MissingReal || c.NurseryArea == MissingInt || c.Kc[5] == MissingReal ||
       c.KcDry[5] == MissingReal || c.StageLength[5] == MissingInt))
    return false;
  // Land preparation is either left out altogether or given whole.
  if ((c.StageLength[6] == MissingInt || c.StageLength[7] == MissingInt ||
       c.Kc[6] == MissingReal) &&
      c.KcDry[6] != MissingReal)
    return false;
  return true;
}

bool CropDataComplete(Workspace& ws, int mode, const TCropRecord& crop) {
  const bool complete =
      ws.session.HasData(DataKind::Crop) && CropRecordComplete(crop, ws.session.CropIsDry);
  if (!complete && mode == 1) ws.error(Msg::IncompleteCropSoil);
  return complete;
}

// ---- Soil ----------------------------------------------------------------------------

void ResetSoil(Workspace& ws) {
  ws.soil.Reset();
  ws.session.RecordReset(DataKind::Soil);
}

namespace {

bool ParseSoilText(std::string_view text, TSoilRecord& soil, CropSoilDiagnostic& diag) {
  NumberLines in(text);
  std::string line;
  in.Line(line);  // the first line, checked by the caller
  if (!in.Line(line)) {
    diag = in.diagnostic();
    return false;
  }
  soil.SoilName = line.substr(0, std::min(line.size(), kSoilNameLength));
  in.Real(soil.TotalAvailMoisture);
  in.EndLine();
  in.Int(soil.MaxInfiltration);
  in.EndLine();
  in.Int(soil.MaxRootDepth);
  in.EndLine();
  in.Int(soil.InitialDepletion);
  in.EndLine();
  if (!in.failed() && !in.AtEnd()) {
    in.Int(soil.DrainablePorosity);
    in.EndLine();
    in.Real(soil.CrackDepletion);
    in.EndLine();
    in.Int(soil.WaterAtPlanting);
    // The water type selects one of three units; any other code would leave the value
    // without a meaning, so it is a read error.
    int waterType = 1;
    if (in.Int(waterType) && (waterType < 1 || waterType > 3))
      in.Fail("the water type must be 1, 2 or 3", in.LineNumber(), std::to_string(waterType));
    soil.WaterType = waterType;
    in.EndLine();
    in.Int(soil.MaxWaterDepth);
  }
  if (in.failed()) {
    diag = in.diagnostic();
    return false;
  }
  return true;
}

}  // namespace

bool ReadSoilFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag) {
  std::string content, firstLine;
  if (!OpenDataFile(ws, path, &ws.ui, content, firstLine, diag)) return false;
  TSoilRecord soil;
  CropSoilDiagnostic where;
  if (!ParseSoilText(content, soil, where)) {
    ws.ui.error(WithPath(ws, Msg::CropSoilReadError, path));
    SetDiag(diag, where);
    return false;
  }
  ws.soil = soil;
  ws.session.ReaderSucceeded(DataKind::Soil, path);
  return true;
}

bool OpenSoilFile(Workspace& ws, const std::string& path, CropSoilDiagnostic* diag) {
  if (ReadSoilFile(ws, path, diag)) return true;
  ResetSoil(ws);
  return false;
}

std::string SoilFileText(const TSoilRecord& s) {
  std::string out;
  AppendLine(out, kSoilHeader);
  AppendLine(out, s.SoilName);
  AppendLine(out, TotalAvailMoistureText(s.TotalAvailMoisture));
  AppendLine(out, IntegerText(s.MaxInfiltration));
  AppendLine(out, IntegerText(s.MaxRootDepth));
  AppendLine(out, IntegerText(s.InitialDepletion));
  AppendLine(out, IntegerText(s.DrainablePorosity));
  AppendLine(out, CrackDepletionText(s.CrackDepletion));
  AppendLine(out, IntegerText(s.WaterAtPlanting) + FormatC("%3d", s.WaterType));
  AppendLine(out, IntegerText(s.MaxWaterDepth));
  return out;
}

bool WriteSoilFile(Workspace& ws, const std::string& path) {
  if (!WriteFileAtomic(path, SoilFileText(ws.soil))) {
    ws.ui.error(WithPath(ws, Msg::CropSoilWriteError, path));
    return false;
  }
  ws.session.WriterSucceeded(DataKind::Soil, path);
  return true;
}

bool SoilDataComplete(Workspace& ws, int mode) {
  const TSoilRecord& s = ws.soil;
  bool complete = ws.session.HasData(DataKind::Soil) && s.TotalAvailMoisture != MissingReal &&
                  s.MaxInfiltration != MissingInt && s.MaxRootDepth != MissingInt &&
                  s.InitialDepletion != MissingInt;
  if (complete && (mode == 3 || mode == 4))
    complete = s.MaxWaterDepth != MissingInt && s.DrainablePorosity != MissingInt &&
               s.CrackDepletion != MissingReal && s.WaterAtPlanting != MissingInt;
  if (!complete && mode == 1) ws.error(Msg::IncompleteCropSoil);
  return complete;
}

}  // namespace vsk

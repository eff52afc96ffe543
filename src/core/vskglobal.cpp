#include "core/vskglobal.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "core/vskmessages.h"
#include "core/vskui.h"

namespace vsk {

namespace {

constexpr int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// The 36 decade lengths in month order, January decade 1 first.
constexpr unsigned char kDecadeLength[36] = {10, 10, 11, 10, 10, 8,  10, 10, 11, 10, 10, 10,
                                             10, 10, 11, 10, 10, 10, 10, 10, 11, 10, 10, 11,
                                             10, 10, 10, 10, 10, 11, 10, 10, 10, 10, 10, 11};

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const long long kSerialEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Reads one or two decimal digits as a whole field.
bool ParseField(std::string_view text, int& value) {
  if (text.empty() || text.size() > 2) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

int MonthLength(int month) {
  return kMonthLength[month];
}
int DaysBeforeMonth(int month) {
  return kDaysBefore[month];
}
int DecadeLength(int month, int decade) {
  return kDecadeLength[(month - 1) * 3 + decade - 1];
}
int DecadeOfDay(int dayOfMonth) {
  return dayOfMonth <= 10 ? 1 : dayOfMonth <= 20 ? 2 : 3;
}
int DecadeIndex(int month, int decade) {
  return (month - 1) * 3 + decade;
}
int DayOfYear(int month, int day) {
  return kDaysBefore[month] + day;
}
int MidMonthDay(int month) {
  return kDaysBefore[month] + kMonthLength[month] / 2;
}

bool IsValidDate(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) return false;
  const int length = (month == 2 && IsLeap(year)) ? 29 : kMonthLength[month];
  return day <= length;
}

DateSerial EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kSerialEpoch);
}

CalendarDate DecodeDate(DateSerial serial) {
  return CivilFromDays(static_cast<long long>(std::floor(serial)) + kSerialEpoch);
}

int DateMonth(DateSerial serial) {
  return DecodeDate(serial).month;
}
int DateDay(DateSerial serial) {
  return DecodeDate(serial).day;
}
DateSerial AddDays(DateSerial serial, int days) {
  return serial + days;
}

MonthDay MonthDayOf(DateSerial date) {
  const CalendarDate d = DecodeDate(date);
  return {d.month, d.day};
}

MonthDay AddCalendarDays(MonthDay md, int days) {
  int n = (DayOfYear(md.month, md.day) - 1 + days) % 365;  // 0..364 after the next line
  if (n < 0) n += 365;
  int m = 1;
  while (n >= MonthLength(m)) n -= MonthLength(m++);
  return {m, n + 1};
}

std::optional<DateSerial> ParseDayMonth(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  int day = 0;
  int month = 0;
  if (!ParseField(text.substr(0, slash), day) || !ParseField(text.substr(slash + 1), month))
    return std::nullopt;
  if (!IsValidDate(1994, month, day)) return std::nullopt;
  return EncodeDate(1994, month, day);
}

std::string FormatDayMonth(DateSerial serial) {
  const CalendarDate d = DecodeDate(serial);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d", d.day % 100, d.month);
  return buf;
}

DateSerial DefaultDateFor(CalendarDate today) {
  DateSerial serial = EncodeDate(today.year, today.month, today.day);
  if (today.month == 2 && today.day == 29) serial -= 1;
  return serial;
}

CalendarDate SystemToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int SystemYear() {
  return SystemToday().year;
}

void PerDayToPeriodTotal(double month[13], double decade[13][4], bool toTotal) {
  for (int m = 1; m <= 12; ++m) {
    if (month[m] != MissingReal)
      month[m] = toTotal ? month[m] * MonthLength(m) : month[m] / MonthLength(m);
    for (int d = 1; d <= 3; ++d) {
      double& v = decade[m][d];
      if (v != MissingReal) v = toTotal ? v * DecadeLength(m, d) : v / DecadeLength(m, d);
    }
  }
}

namespace {

// The general number format: up to 15 significant digits, no trailing zeros, exponent form
// when the whole part has more than 15 digits or the value is below 0.00001.
std::string GeneralFormat(double value) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  // buf: [-]d.ddddddddddddddde[+-]xx
  std::string s(buf);
  const auto e = s.find('e');
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string mantissa = s.substr(0, e);
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digits = mantissa.substr(0, 1) + mantissa.substr(2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  if (exponent >= 15 || std::fabs(value) < 0.00001) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out.append("E").append(std::to_string(exponent));
  } else if (exponent >= 0) {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out = digits + std::string(whole - digits.size(), '0');
    } else {
      out = digits.substr(0, whole) + "." + digits.substr(whole);
    }
  } else {
    out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return negative ? "-" + out : out;
}

// Fixed notation: the value rounded to 7 significant digits, then to `decimals` places
// (half away from zero on the decimal digits).
std::string FixedFormat(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6e", value);
  std::string s(buf);
  const auto e = s.find('e');
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string mantissa = s.substr(0, e);
  bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  if (exponent >= 7) {  // more than 7 whole digits: exponent form
    char out[64];
    std::snprintf(out, sizeof out, "%s%sE%c%03d", negative ? "-" : "", mantissa.c_str(),
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    return out;
  }
  // The 7 significant digits d0..d6 stand for d0.d1...d6 x 10^exponent.
  std::string digits = mantissa.substr(0, 1) + mantissa.substr(2);  // 7 digits
  // Position of the decimal point within `digits`: exponent + 1 whole digits.
  int pointPos = exponent + 1;
  if (pointPos <= 0) {
    digits = std::string(static_cast<size_t>(1 - pointPos), '0') + digits;
    pointPos = 1;
  }
  // Keep pointPos + decimals digits, rounding on the next one.
  const size_t keep = static_cast<size_t>(pointPos + decimals);
  if (digits.size() < keep) digits += std::string(keep - digits.size(), '0');
  if (digits.size() > keep) {
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
      int i = static_cast<int>(keep) - 1;
      while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
        digits[static_cast<size_t>(i--)] = '0';
      if (i < 0) {
        digits.insert(digits.begin(), '1');
        ++pointPos;
      } else {
        ++digits[static_cast<size_t>(i)];
      }
    }
  }
  std::string whole = digits.substr(0, static_cast<size_t>(pointPos));
  std::string frac = digits.substr(static_cast<size_t>(pointPos));
  while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
  std::string out = whole;
  if (decimals > 0) out += "." + frac;
  bool allZero = true;
  for (char c : out)
    if (c != '0' && c != '.') allZero = false;
  if (negative && !allZero) out = "-" + out;
  return out;
}

}  // namespace

std::string RealToText(int decimals, double value) {
  if (value == MissingReal) return "";
  if (decimals == 10) return GeneralFormat(value);
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  return FixedFormat(value, decimals);
}

std::string IntToText(int value) {
  if (value == MissingInt) return "";
  return std::to_string(value);
}

double CheckRealRange(double& value, double min, double max) {
  if (value < min || value > max) value = MissingReal;
  return value;
}

int CheckIntRange(int& value, int min, int max) {
  if (value < min || value > max) value = MissingInt;
  return value;
}

std::string Blanks(int count) {
  return std::string(count > 0 ? static_cast<size_t>(count) : 0, ' ');
}

std::string LeftAlignText(std::string_view text, char fill, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(text) + std::string(w - text.size(), fill);
}

std::string RightAlignText(std::string_view text, char fill, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), fill) + std::string(text);
}

std::string CentreText(std::string_view text, char fill, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  if (text.size() >= w) return std::string(text.substr(0, w));
  const size_t before = (w - text.size()) / 2;
  return LeftAlignText(std::string(before, fill) + std::string(text), fill, width);
}

std::string TrimBlanks(std::string_view text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

double PowerOf(double base, double exponent) {
  return std::exp(exponent * std::log(base));
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
      if (arg != args.end()) out += *arg++;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string FileExtension(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  const auto dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return "";
  return std::string(path.substr(dot));
}

std::string FileFolder(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  if (slash == std::string_view::npos) return "";
  return std::string(path.substr(0, slash));
}

std::string FileNameOnly(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool DataFileExists(const std::string& path) {
  if (path.empty()) return false;
  struct stat st {};
  // A folder, a named pipe or a device is no data file (opening a pipe would wait for ever).
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  errno = 0;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fclose(f);
    return true;
  }
  return errno == EACCES;
}

bool IsValidDataFile(std::string_view firstLine, Ui* ui, const Texts* texts) {
  const std::string_view line = firstLine.substr(0, 120);
  const bool ok = line.size() >= 9 && line.substr(0, 7) == "VESKARO" && line[8] >= '7';
  if (!ok && ui) ui->error(texts ? (*texts)(Msg::NotValidFile) : DefaultText(Msg::NotValidFile));
  return ok;
}

}  // namespace vsk

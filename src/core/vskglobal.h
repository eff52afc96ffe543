// Calendar, missing markers, number text and the small helpers shared by every module.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vsk {

class Ui;
class Texts;

// A value that has no data. Compared for exact equality everywhere.
inline constexpr double MissingReal = -99.9;
inline constexpr int MissingInt = -999;

// ---- Calendar: one non-leap year of 365 days, 12 months, 36 decades --------------------

int MonthLength(int month);               // 28..31
int DaysBeforeMonth(int month);           // 0 for January, 334 for December
int DecadeLength(int month, int decade);  // 8..11
int DecadeOfDay(int dayOfMonth);          // 1 for 1..10, 2 for 11..20, 3 for 21 and later
int DecadeIndex(int month, int decade);   // 1..36
int DayOfYear(int month, int day);        // 1..365
int MidMonthDay(int month);               // 15, 45, 74, ...

// ---- Date serials: whole days counted from 30 December 1899 (day 0 = no date) ----------

using DateSerial = double;

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

bool IsValidDate(int year, int month, int day);
DateSerial EncodeDate(int year, int month, int day);  // proleptic Gregorian calendar
CalendarDate DecodeDate(DateSerial serial);
int DateMonth(DateSerial serial);
int DateDay(DateSerial serial);
DateSerial AddDays(DateSerial serial, int days);

// A day of the system's calendar year of 365 days.
struct MonthDay {
  int month = 1;
  int day = 1;
};

// Month and day of a date serial, and the day `days` days later (earlier when negative) in the
// year of 365 days. A date serial may lie in a leap year (a default date, or a season counted
// on from 1994 into 1996); counting on the serials would then meet a 29 February, which no
// climate or rain table holds. Calculations count days with these.
MonthDay MonthDayOf(DateSerial date);
MonthDay AddCalendarDays(MonthDay md, int days);

// "dd/mm" (one or two digits each) completed with "/1994"; 29/02 does not exist.
std::optional<DateSerial> ParseDayMonth(std::string_view text);
std::string FormatDayMonth(DateSerial serial);  // "dd/mm"

// The default date from a given "today": its own date, 29 February taken back a day.
DateSerial DefaultDateFor(CalendarDate today);
CalendarDate SystemToday();  // the local system date
int SystemYear();

// Converts a 12-value monthly table and a 36-value decade table between per-day values and
// per-period totals, in place. Missing values stay missing.
void PerDayToPeriodTotal(double month[13], double decade[13][4], bool toTotal);

// ---- Numbers and text ---------------------------------------------------------------

// decimals 0..9: fixed notation after rounding to 7 significant digits; 10: shortest form.
std::string RealToText(int decimals, double value);
std::string IntToText(int value);
// Sets the value to the missing marker when it lies outside [min, max]; returns it.
double CheckRealRange(double& value, double min, double max);
int CheckIntRange(int& value, int min, int max);

std::string Blanks(int count);
std::string CentreText(std::string_view text, char fill, int width);
std::string RightAlignText(std::string_view text, char fill, int width);
std::string LeftAlignText(std::string_view text, char fill, int width);
std::string TrimBlanks(std::string_view text);  // the blank only, not tabs
double PowerOf(double base, double exponent);   // e^(exponent * ln(base))

// Replaces each "%s" in turn by the next argument.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// Upper-case copy of an ASCII text (file extensions, keys).
std::string UpperCase(std::string_view text);
// The extension of a path including its dot ("" when none), and the folder part.
std::string FileExtension(std::string_view path);
std::string FileFolder(std::string_view path);
std::string FileNameOnly(std::string_view path);

// ---- Data files ------------------------------------------------------------------------

// True when the file can be opened, and also when it exists but access is denied.
bool DataFileExists(const std::string& path);
// A first line that starts with "VESKARO" and whose ninth character is "7" or more.
// When it is not and `ui` is given, "This file is not a valid VESKARO file" is shown.
bool IsValidDataFile(std::string_view firstLine, Ui* ui, const Texts* texts = nullptr);

}  // namespace vsk

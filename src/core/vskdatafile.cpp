#include "core/vskdatafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <random>

#include "core/vskglobal.h"

namespace vsk {

bool ReadWholeFile(const std::string& path, std::string& content) {
  content.clear();
  // Without blocking: opening a named pipe would otherwise wait for a writer for ever. Only
  // a regular file is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    content.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

bool WriteFileAtomic(const std::string& path, std::string_view content) {
  if (path.empty()) return false;
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = folder + (folder.back() == '/' ? "" : "/") + "." + base + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
    } else {
      done += static_cast<size_t>(n);
    }
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  // Keep the permissions of the file being replaced; new files get the usual 0644.
  struct stat st {};
  const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  if (ok && ::fchmod(fd, mode) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

bool DataFileReader::ReadLine(std::string& line) {
  if (pos_ >= text_.size()) return false;
  size_t end = pos_;
  while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
  line.assign(text_.substr(pos_, end - pos_));
  pos_ = end;
  SkipLine();
  return true;
}

void DataFileReader::SkipLine() {
  while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == '\n') {
    ++pos_;
  }
}

void DataFileReader::SkipSeparators() {
  while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
}

// Scans [sign] digits [. digits] [E [sign] digits] (integers: [sign] digits) from pos_ and
// checks that the token ends at a separator, the end of the text or a sign.
bool DataFileReader::ScanNumber(size_t& end, bool integer) const {
  size_t i = pos_;
  const size_t n = text_.size();
  if (i < n && (text_[i] == '+' || text_[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(text_[i])) ++i, ++digits;
  if (!integer && i < n && text_[i] == '.') {
    ++i;
    while (i < n && IsDigit(text_[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (!integer && i < n && (text_[i] == 'E' || text_[i] == 'e')) {
    size_t j = i + 1;
    if (j < n && (text_[j] == '+' || text_[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < n && IsDigit(text_[j])) ++j, ++expDigits;
    if (expDigits == 0) return false;
    i = j;
  }
  if (i < n && !IsBlank(text_[i]) && !IsLineEnd(text_[i]) && text_[i] != '+' && text_[i] != '-')
    return false;
  end = i;
  return true;
}

bool DataFileReader::ReadReal(double& value) {
  SkipSeparators();
  size_t end = 0;
  if (pos_ >= text_.size() || !ScanNumber(end, false)) return false;
  const char* first = text_.data() + pos_;
  if (*first == '+') ++first;
  double v = 0;
  const auto res = std::from_chars(first, text_.data() + end, v);
  if (res.ec != std::errc() || res.ptr != text_.data() + end) return false;
  value = v;
  pos_ = end;
  return true;
}

bool DataFileReader::ReadInt(int& value) {
  SkipSeparators();
  size_t end = 0;
  if (pos_ >= text_.size() || !ScanNumber(end, true)) return false;
  const char* first = text_.data() + pos_;
  if (*first == '+') ++first;
  int v = 0;
  const auto res = std::from_chars(first, text_.data() + end, v);
  if (res.ec != std::errc() || res.ptr != text_.data() + end) return false;
  value = v;
  pos_ = end;
  return true;
}

bool DataFileReader::AtEnd() const {
  for (size_t i = pos_; i < text_.size(); ++i)
    if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return false;
  return true;
}

bool DataFileReader::AtLineEnd() const {
  for (size_t i = pos_; i < text_.size() && !IsLineEnd(text_[i]); ++i)
    if (!IsBlank(text_[i])) return false;
  return true;
}

int DataFileReader::LineNumber() const {
  int line = 1;
  for (size_t i = 0; i < pos_ && i < text_.size(); ++i) {
    if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
      ++line;
  }
  return line;
}

bool ParseReal(std::string_view text, double& value) {
  DataFileReader r(text);
  double v = 0;
  if (!r.ReadReal(v) || !r.AtEnd()) return false;
  value = v;
  return true;
}

bool ParseInt(std::string_view text, int& value) {
  DataFileReader r(text);
  int v = 0;
  if (!r.ReadInt(v) || !r.AtEnd()) return false;
  value = v;
  return true;
}

std::string FormatC(const char* format, ...) {
  char buf[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  if (n < 0) return "";
  if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
  std::string out(static_cast<size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(out.data(), out.size(), format, args);
  va_end(args);
  out.resize(static_cast<size_t>(n));
  return out;
}

std::string FormatFixed(double value, int width, int decimals) {
  std::string text = FormatC("%*.*f", width, decimals, value);
  double back = 0;
  const size_t first = text.find_first_not_of(' ');
  if (value == MissingReal || first == std::string::npos ||
      !ParseReal(std::string_view(text).substr(first), back) || back != MissingReal)
    return text;
  // The shortest fixed-point text that reads back as exactly this value: written again after a
  // read it gives the same text, so a file keeps its value through any number of saves.
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (ec != std::errc()) return text;
  std::string exact(buf, end);
  if (static_cast<int>(exact.size()) < width) exact.insert(0, width - exact.size(), ' ');
  return exact;
}

}  // namespace vsk

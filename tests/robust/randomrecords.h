// Seeded random values for the round-trip tests: values on the grid an input field accepts
// (whole numbers, or reals with a fixed number of decimals), sometimes missing.
#pragma once

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "core/vskglobal.h"

namespace vsk::test {

class RandomValues {
 public:
  explicit RandomValues(uint32_t seed) : gen_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(gen_); }
  // A real in [lo, hi] with `decimals` decimals: k / 10^decimals, the double nearest to the
  // decimal text, so a text with those decimals reads back as exactly this value.
  double Real(double lo, double hi, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const long long k = std::uniform_int_distribution<long long>(std::llround(lo * scale),
                                                                 std::llround(hi * scale))(gen_);
    return static_cast<double>(k) / scale;
  }
  // The same, or the missing marker with probability `missing`.
  double RealOrMissing(double lo, double hi, int decimals, double missing = 0.1) {
    return Chance(missing) ? MissingReal : Real(lo, hi, decimals);
  }
  int IntOrMissing(int lo, int hi, double missing = 0.1) {
    return Chance(missing) ? MissingInt : Int(lo, hi);
  }
  // A name of up to `maxLength` bytes: letters, digits, blanks, punctuation and Latin-1
  // letters; never a line end.
  std::string Name(int maxLength) {
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -_.,()/+'\"\xe9\xfc\xf1";
    const int length = Int(0, maxLength);
    std::string name;
    for (int i = 0; i < length; ++i) name += kChars[Int(0, sizeof kChars - 2)];
    return name;
  }
  std::mt19937& engine() { return gen_; }

 private:
  std::mt19937 gen_;
};

// A fresh folder for the many saves of a round-trip test, on a memory file system when there
// is one: every safe save flushes its file to disk, which on a disk costs milliseconds each.
class ScratchDir {
 public:
  ScratchDir() {
    const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string tmpl = std::string(base) + "/vskround-XXXXXX";
    path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace vsk::test

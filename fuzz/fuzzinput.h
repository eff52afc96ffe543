// Shared by the harnesses: the readers take a path, so each input is written to one file per
// process (in a temporary folder, with the extension under test) and read from there.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/vskdatafile.h"

namespace vsk::fuzz {

// The folder of this process's input files: made at the first use, removed at exit.
class InputFolder {
 public:
  InputFolder() {
    // A memory file system when there is one: every safe save flushes its file to disk,
    // which on a disk costs milliseconds per input and slows a harness a hundredfold.
    const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string tmpl = std::string(base) + "/vskfuzz-" + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(tmpl.data())) std::abort();
    path_ = tmpl;
  }
  ~InputFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline const std::string& Folder() {
  static const InputFolder folder;
  return folder.path();
}

// The path of the input file named `name` (e.g. "input.CRO").
inline std::string PathOf(std::string_view name) {
  return Folder() + "/" + std::string(name);
}

// Writes the fuzzer's bytes to the input file `name` and returns its path.
inline std::string WriteInput(std::string_view name, const uint8_t* data, size_t size) {
  const std::string path = PathOf(name);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  if (std::fclose(f) != 0) std::abort();
  return path;
}

// Writes `text` to the input file `name` and returns its path.
inline std::string WriteText(std::string_view name, std::string_view text) {
  return WriteInput(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// Stops the run when a property of the readers and writers does not hold.
#define VSK_FUZZ_CHECK(cond)                                                         \
  do {                                                                               \
    if (!(cond)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

}  // namespace vsk::fuzz

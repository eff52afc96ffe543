// Cropping pattern files of any content. The pattern names its crops by file; two crop files
// (a dry crop and a rice crop) lie beside the input so that names found by the fuzzer can
// resolve. A pattern that was read and can be saved is saved; that file must read back and
// save to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "fuzzinput.h"
#include "scheme/vskpatterncalc.h"

namespace {

constexpr const char* kMaize =
    "VESKARO 8.0 Crop data\r\nMaize\r\n25 35 40 30 \r\n  0.30  1.20  0.35\r\n  0.30  1.00\r\n"
    "  0.50  0.55  0.80\r\n  0.40  0.40  1.30  0.50  1.25\r\n  2.00\r\n";
constexpr const char* kPaddy =
    "VESKARO 8.0 Crop data\r\nPaddy               Rice\r\n0\r\n30 30 60 30 25 20 5 \r\n"
    "  1.10  1.20  1.05  1.20  1.05\r\n  0.50  1.05  0.70  0.60  0.40\r\n"
    " 1.00000000000000E-0001\r\n  0.10  0.60\r\n  0.20  0.20  0.20  0.20\r\n"
    "  1.10  1.20  1.30  1.40  1.50\r\n10\r\n  1.00\r\n";

void WriteCropsOnce() {
  static const bool written = [] {
    vsk::fuzz::WriteText("maize.cro", kMaize);
    vsk::fuzz::WriteText("rice.cro", kPaddy);
    return true;
  }();
  (void)written;
}

struct Written {
  bool read = false;   // the file was read
  bool saved = false;  // and the pattern could be saved (every crop complete)
  std::string text;
};

// Reads `path`, runs the checks of the pattern window, then saves as the Save command does.
Written ReadAndSave(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  Written w;
  if (!vsk::ReadPatternFile(ws, path)) return w;
  w.read = true;
  int count = 0;
  vsk::CountPatternCrops(ws.pattern, count);
  vsk::CheckPatternArea(ws);  // may clear an area, which then blocks the save
  if (!vsk::SavePattern(ws, out)) return w;
  w.saved = true;
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, w.text));
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteCropsOnce();
  const std::string path = vsk::fuzz::WriteInput("input.PAT", data, size);
  const Written first = ReadAndSave(path, vsk::fuzz::PathOf("first.PAT"));
  if (!first.saved) return 0;
  const Written second =
      ReadAndSave(vsk::fuzz::PathOf("first.PAT"), vsk::fuzz::PathOf("second.PAT"));
  VSK_FUZZ_CHECK(second.read);
  VSK_FUZZ_CHECK(second.saved);
  VSK_FUZZ_CHECK(second.text == first.text);
  return 0;
}

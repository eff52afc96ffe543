// Climate/ETo files of any content, read under every extension (.PEM, .PEC, .PED, .PMM, .PMC,
// .PMD and the older .PEN). With the file units shown (the default options) a record that was
// read is written in its layout; that file must read back and be written again to the same
// text. With every unit option changed (kPa, m/s, fraction of day length, ETo per period) the
// record is read, its tables recomputed as the windows do, and written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskworkspace.h"
#include "fuzzinput.h"

namespace {

// The extension a record read from `ext` is saved under (the old format is never written).
std::string SavedExtension(const std::string& ext) {
  return ext == ".PEN" ? ".PEM" : ext;
}

struct Written {
  bool ok = false;
  std::string text;
};

Written ReadAndWrite(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  std::string detail;
  Written w;
  if (!vsk::ReadClimateFile(ws, path, &detail)) return w;
  w.ok = true;
  VSK_FUZZ_CHECK(vsk::WriteClimateFile(ws, out, &detail));
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, w.text));
  return w;
}

void ReadInOtherUnits(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  ws.options.humidityasperc = false;
  ws.options.windaskmday = false;
  ws.options.sunshineunit = vsk::SunshineUnit::Fraction;
  ws.options.etoasmmday = false;
  if (!vsk::ReadClimateFile(ws, path)) return;
  vsk::RecomputeClimateTables(ws);
  VSK_FUZZ_CHECK(vsk::WriteClimateFile(ws, out));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const std::string ext : {".PEM", ".PEC", ".PED", ".PMM", ".PMC", ".PMD", ".PEN"}) {
    const std::string path = vsk::fuzz::WriteInput("input" + ext, data, size);
    const std::string saved = SavedExtension(ext);
    const Written first = ReadAndWrite(path, vsk::fuzz::PathOf("first" + saved));
    if (!first.ok) continue;
    const Written second =
        ReadAndWrite(vsk::fuzz::PathOf("first" + saved), vsk::fuzz::PathOf("second" + saved));
    VSK_FUZZ_CHECK(second.ok);
    VSK_FUZZ_CHECK(second.text == first.text);
    ReadInOtherUnits(path, vsk::fuzz::PathOf("units" + saved));
  }
  return 0;
}

// Rain files of any content, read under every rain extension (.CRM, .CRC, .CRD and the older
// .CLI). A record that was read is written in its kind's layout; that file must read back and
// be written again to the same text. The table recalculation and the decade distribution of
// the monthly totals run on every record that was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzinput.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"

namespace {

std::string ExtensionOfKind(int kind) {
  return kind == 1 ? ".CRD" : kind == 2 ? ".CRC" : ".CRM";
}

struct Written {
  bool ok = false;
  int kind = 0;
  std::string text;
};

// Reads `path` into a fresh workspace, writes it under `name` with its kind's extension and
// then runs the recalculations on it.
Written ReadAndWrite(const std::string& path, const std::string& name) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  vsk::RainFileDiagnostic diag;
  Written w;
  if (!vsk::ReadRainFile(ws, path, &diag)) return w;
  w.ok = true;
  w.kind = ws.session.RainKind;
  const std::string out = vsk::fuzz::PathOf(name + ExtensionOfKind(w.kind));
  VSK_FUZZ_CHECK(vsk::WriteRainFile(ws, out));
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, w.text));

  vsk::RecomputeRain(ws);
  double decades[13][4];
  vsk::InterpolateDecadeRain(ws.rain.Data.MonthRain, decades);
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const char* ext : {".CRM", ".CRC", ".CRD", ".CLI"}) {
    const std::string path = vsk::fuzz::WriteInput(std::string("input") + ext, data, size);
    const Written first = ReadAndWrite(path, "first");
    if (!first.ok) continue;
    const Written second =
        ReadAndWrite(vsk::fuzz::PathOf("first" + ExtensionOfKind(first.kind)), "second");
    VSK_FUZZ_CHECK(second.ok);
    VSK_FUZZ_CHECK(second.kind == first.kind);
    VSK_FUZZ_CHECK(second.text == first.text);
  }
  return 0;
}

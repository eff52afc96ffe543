// Soil files of any content. A soil that was read must be written and read back to the same
// text.
#include <cstddef>
#include <cstdint>

#include "crop/vskcropsoilcalc.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = vsk::fuzz::WriteInput("input.SOI", data, size);
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  vsk::CropSoilDiagnostic diag;
  if (!vsk::ReadSoilFile(ws, path, &diag)) return 0;

  const std::string text = vsk::SoilFileText(ws.soil);
  const std::string again = vsk::fuzz::WriteText("again.SOI", text);
  vsk::Workspace back(ui, {2026, 12, 10});
  VSK_FUZZ_CHECK(vsk::ReadSoilFile(back, again));
  VSK_FUZZ_CHECK(vsk::SoilFileText(back.soil) == text);
  return 0;
}

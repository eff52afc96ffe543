// Crop files of any content, read as the session crop and silently (as the cropping pattern
// does). A crop that was read must be written and read back to the same text.
#include <cstddef>
#include <cstdint>

#include "crop/vskcropsoilcalc.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = vsk::fuzz::WriteInput("input.CRO", data, size);
  vsk::SilentUi ui;

  vsk::Workspace silent(ui, {2026, 12, 10});
  vsk::TCropRecord target;
  bool dry = true;
  const bool silentOk = vsk::ReadCropFile(silent, path, target, true, dry);

  vsk::Workspace ws(ui, {2026, 12, 10});
  vsk::CropSoilDiagnostic diag;
  const bool ok = vsk::ReadCropFile(ws, path, &diag);
  VSK_FUZZ_CHECK(ok == silentOk);
  if (!ok) return 0;
  VSK_FUZZ_CHECK(dry == ws.session.CropIsDry);

  // What was read, written out, reads back as the same crop.
  const std::string text = vsk::CropFileText(ws.crop, dry);
  const std::string again = vsk::fuzz::WriteText("again.CRO", text);
  vsk::Workspace back(ui, {2026, 12, 10});
  VSK_FUZZ_CHECK(vsk::ReadCropFile(back, again));
  VSK_FUZZ_CHECK(back.session.CropIsDry == dry);
  VSK_FUZZ_CHECK(vsk::CropFileText(back.crop, dry) == text);
  return 0;
}

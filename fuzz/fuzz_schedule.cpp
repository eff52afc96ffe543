// Schedule files of any content, read by the dry-crop and the rice schedule readers. An event
// list that was read is written; that file must read back and be written again to the same
// text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vskworkspace.h"
#include "fuzzinput.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"

namespace {

struct Written {
  bool ok = false;
  std::string text;
};

Written ReadAndWriteDry(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  Written w;
  if (!vsk::ReadScheduleFile(ws, path)) return w;
  w.ok = true;
  for (int k = 1; k <= vsk::kMaxEvents; ++k)
    VSK_FUZZ_CHECK((ws.events.IrrEventDay[k] == vsk::MissingInt) ==
                       (ws.events.IrrEventDepth[k] == vsk::MissingReal) ||
                   ws.events.IrrEventDay[k] != vsk::MissingInt);
  VSK_FUZZ_CHECK(vsk::WriteScheduleFile(ws, out));
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, w.text));
  return w;
}

Written ReadAndWriteRice(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  Written w;
  if (!vsk::ReadRiceScheduleFile(ws, path)) return w;
  w.ok = true;
  VSK_FUZZ_CHECK(ws.session.ScheduleAdjusted);
  VSK_FUZZ_CHECK(vsk::WriteRiceScheduleFile(ws, out));
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, w.text));
  VSK_FUZZ_CHECK(w.text == vsk::RiceScheduleFileText(ws.events));
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = vsk::fuzz::WriteInput("input.SCH", data, size);
  const Written first = ReadAndWriteDry(path, vsk::fuzz::PathOf("first.SCH"));
  if (first.ok) {
    const Written second =
        ReadAndWriteDry(vsk::fuzz::PathOf("first.SCH"), vsk::fuzz::PathOf("second.SCH"));
    VSK_FUZZ_CHECK(second.ok);
    VSK_FUZZ_CHECK(second.text == first.text);
  }
  const Written rice = ReadAndWriteRice(path, vsk::fuzz::PathOf("rice.SCH"));
  VSK_FUZZ_CHECK(rice.ok == first.ok);  // one reader for both kinds of schedule
  if (rice.ok) {
    const Written again =
        ReadAndWriteRice(vsk::fuzz::PathOf("rice.SCH"), vsk::fuzz::PathOf("rice2.SCH"));
    VSK_FUZZ_CHECK(again.ok);
    VSK_FUZZ_CHECK(again.text == rice.text);
  }
  return 0;
}

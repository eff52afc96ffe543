// Session files of any content, opened as the Open Session command does, with a program
// around it that opens no windows and reads no data file (every listed file is reported as
// unreadable). A session that was opened is saved again; that file must open to the same
// options and save to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vskdatafile.h"
#include "core/vskini.h"
#include "core/vsksession.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "fuzzinput.h"

namespace {

class NoWindows : public vsk::SessionHost {
 public:
  bool ReadDataFile(vsk::DataKind, const std::string&) override { return false; }
  void OpenDataWindow(vsk::DataKind) override {}
  bool CloseAllWindows() override { return true; }
  bool AnyWindowOpen() const override { return false; }
  void RunScheduleCommand() override {}
};

std::string OptionsText(const vsk::Options& options, const vsk::Texts& texts) {
  vsk::IniFile ini;
  vsk::WriteOptionsTo(ini, options, texts);
  return ini.Text();
}

struct Opened {
  bool ok = false;
  std::string options;
  std::string saved;
};

// Opens `path`, then saves the session under `out`.
Opened OpenAndSave(const std::string& path, const std::string& out) {
  vsk::SilentUi ui;
  vsk::Workspace ws(ui, {2026, 12, 10});
  NoWindows host;
  Opened o;
  if (!vsk::OpenSession(ws, host, path)) return o;
  o.ok = true;
  o.options = OptionsText(ws.options, ws.texts);
  ws.session.SessionFileName = out;
  VSK_FUZZ_CHECK(vsk::SaveSession(ws, false));
  VSK_FUZZ_CHECK(vsk::ReadWholeFile(out, o.saved));
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = vsk::fuzz::WriteInput("input.SES", data, size);
  const Opened first = OpenAndSave(path, vsk::fuzz::PathOf("first.SES"));
  if (!first.ok) return 0;
  const Opened second =
      OpenAndSave(vsk::fuzz::PathOf("first.SES"), vsk::fuzz::PathOf("second.SES"));
  VSK_FUZZ_CHECK(second.ok);
  VSK_FUZZ_CHECK(second.options == first.options);
  VSK_FUZZ_CHECK(second.saved == first.saved);
  return 0;
}

// Settings files of any content: read as the settings file (options, folders, welcome flags)
// and as option sections in memory; the options written back must read back as they were.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vskini.h"
#include "core/vsksessionstate.h"
#include "core/vsksettings.h"
#include "fuzzinput.h"

namespace {

std::string OptionsText(const vsk::Options& options, const vsk::Texts& texts) {
  vsk::IniFile ini;
  vsk::WriteOptionsTo(ini, options, texts);
  return ini.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vsk::Texts texts;
  const std::string path = vsk::fuzz::WriteInput("VESKARO.INI", data, size);
  vsk::Options options;
  VSK_FUZZ_CHECK(vsk::ReadOptions(path, options, false, false, texts));
  vsk::SessionState session;
  VSK_FUZZ_CHECK(vsk::ReadFolders(path, session, texts));

  // Written into the same file (other lines kept) and read again: the same options.
  VSK_FUZZ_CHECK(vsk::WriteOptions(path, options, texts));
  VSK_FUZZ_CHECK(vsk::WriteFolders(path, session, texts));
  vsk::Options again;
  VSK_FUZZ_CHECK(vsk::ReadOptions(path, again, false, false, texts));
  VSK_FUZZ_CHECK(OptionsText(again, texts) == OptionsText(options, texts));
  vsk::SessionState folders;
  VSK_FUZZ_CHECK(vsk::ReadFolders(path, folders, texts));
  VSK_FUZZ_CHECK(folders.DefaultFolder == session.DefaultFolder);

  // The land-preparation options alone, and the built-in defaults, from the same text.
  const std::string text(reinterpret_cast<const char*>(data), size);
  vsk::IniFile ini;
  ini.LoadText(text);
  vsk::Options landPrep;
  vsk::ReadOptionsFrom(ini, "session.SES", landPrep, false, true, texts);
  VSK_FUZZ_CHECK(landPrep.maxpercopt == options.maxpercopt &&
                 landPrep.userdefpuddlepercrate == options.userdefpuddlepercrate);
  vsk::Options defaults;
  vsk::ReadOptionsFrom(ini, "session.SES", defaults, true, false, texts);
  VSK_FUZZ_CHECK(defaults.deplram == vsk::Options().deplram &&
                 defaults.raina == vsk::Options().raina);
  return 0;
}

// Settings and option sections of any content: read, written back and read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vskini.h"
#include "core/vsksettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vsk::Texts texts;
  vsk::IniFile ini;
  ini.LoadText(text);
  vsk::Options options;
  vsk::ReadOptionsFrom(ini, "VESKARO.INI", options, false, false, texts);
  vsk::WriteOptionsTo(ini, options, texts);
  vsk::Options again;
  vsk::IniFile back;
  back.LoadText(ini.Text());
  vsk::ReadOptionsFrom(back, "VESKARO.INI", again, false, false, texts);
  if (again.deplram != options.deplram || again.ermethod != options.ermethod ||
      again.sunshineunit != options.sunshineunit || again.riceappleff != options.riceappleff)
    __builtin_trap();  // written options must read back as they were
  return 0;
}

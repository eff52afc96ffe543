#include "core/vsksettings.h"

#include <cstdlib>

#include "core/vskglobal.h"

namespace vsk {

std::string SettingsFolder() {
  if (const char* home = std::getenv("VESKARO_HOME"); home && *home) return home;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::string(xdg) + "/VESKARO";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.config/VESKARO";
}

std::string SettingsFilePath() {
  return SettingsFolder() + "/VESKARO.INI";
}

namespace {

constexpr Msg kFolderKeys[kFolderKindCount] = {Msg::KeyClimateDir, Msg::KeyRainDir,
                                               Msg::KeyCropDir,    Msg::KeySoilDir,
                                               Msg::KeyReportsDir, Msg::KeySessionDir};

byte ReadByte(const IniFile& ini, std::string_view sec, std::string_view key, byte def) {
  return static_cast<byte>(ini.ReadInteger(sec, key, def) & 0xFF);
}

int ReadInt(const IniFile& ini, std::string_view sec, std::string_view key, int def) {
  return static_cast<int>(ini.ReadInteger(sec, key, def));
}

std::string Indexed(const char* stem, int i, const char* tail = "") {
  return std::string(stem) + std::to_string(i) + tail;
}

}  // namespace

bool ReadFolders(const std::string& file, SessionState& session, const Texts& texts) {
  IniFile ini;
  const bool ok = ini.Load(file);
  if (ok) {
    for (int i = 0; i < kFolderKindCount; ++i)
      session.DefaultFolder[static_cast<size_t>(i)] =
          ini.ReadString(texts(Msg::SecFileLocations), texts(kFolderKeys[i]), "");
  }
  session.CurrentFolder = session.DefaultFolder;
  return ok;
}

bool WriteFolders(const std::string& file, const SessionState& session, const Texts& texts) {
  IniFile ini;
  if (!ini.Load(file)) return false;
  for (int i = 0; i < kFolderKindCount; ++i)
    ini.WriteString(texts(Msg::SecFileLocations), texts(kFolderKeys[i]),
                    session.DefaultFolder[static_cast<size_t>(i)]);
  return ini.Save(file);
}

void ReadOptionsFrom(const IniFile& ini, const std::string& fileName, Options& o, bool useDefaults,
                     bool landPrepOnly, const Texts& texts) {
  const Options d;  // built-in defaults
  auto section = [&](Msg id) { return useDefaults ? std::string("none") : std::string(texts(id)); };
  if (!landPrepOnly) {
    const std::string clim = section(Msg::SecClimateOptions);
    if (UpperCase(FileNameOnly(fileName)) == "VESKARO.INI") {
      o.showgeneralinfo = ini.ReadBool(texts(Msg::SecClimateOptions), "showgeneralinfo", true);
      o.showetoinfo = ini.ReadBool(clim, "showetoinfo", true);
    }
    o.newetotype = ReadByte(ini, clim, "newetotype", d.newetotype);
    o.estimateall = ini.ReadBool(clim, "estimateall", d.estimateall);
    o.newtempnotaverage =
        o.estimateall ? true : ini.ReadBool(clim, "newtempnotaverage", d.newtempnotaverage);
    o.humidityasperc = ini.ReadBool(clim, "humidityasperc", d.humidityasperc);
    o.windaskmday = ini.ReadBool(clim, "windaskmday", d.windaskmday);
    o.etoasmmday = ini.ReadBool(clim, "etoasmmday", d.etoasmmday);
    const long long sun = ini.ReadInteger(clim, "sunshineunit", 1);
    o.sunshineunit = sun == 1   ? SunshineUnit::Hours
                     : sun == 2 ? SunshineUnit::Percent
                                : SunshineUnit::Fraction;

    const std::string rain = section(Msg::SecRainOptions);
    o.newraintype = ReadByte(ini, rain, "newraintype", d.newraintype);
    o.ermethod = ReadByte(ini, rain, "ermethod", d.ermethod);
    o.erfixperc = ReadByte(ini, rain, "erfixperc", d.erfixperc);
    o.raina = ini.ReadReal(rain, "raina", d.raina);
    o.rainb = ReadInt(ini, rain, "rainb", d.rainb);
    o.rainc = ini.ReadReal(rain, "rainc", d.rainc);
    o.raind = ReadInt(ini, rain, "raind", d.raind);
    o.rainx = ReadInt(ini, rain, "rainx", d.rainx);

    const std::string crop = section(Msg::SecCropOptions);
    o.newcropnotrice = ini.ReadBool(crop, "newcropnotrice", d.newcropnotrice);

    const std::string sch = section(Msg::SecCropSchedulingOptions);
    o.timopt = ReadByte(ini, sch, "timopt", d.timopt);
    o.applopt = ReadByte(ini, sch, "applopt", d.applopt);
    o.deplram = ReadByte(ini, sch, "deplram", d.deplram);
    for (int i = 1; i <= 4; ++i)
      o.timfixint[i] = ReadByte(ini, sch, Indexed("timfixint", i), d.timfixint[i]);
    o.timdepl = ReadByte(ini, sch, "timdepl", d.timdepl);
    for (int i = 1; i <= 4; ++i)
      o.useretred[i] = ReadByte(ini, sch, Indexed("useretred", i), d.useretred[i]);
    o.yielddefi = ReadByte(ini, sch, "yielddefi", d.yielddefi);
    o.fixirridept = ReadInt(ini, sch, "fixirridept", d.fixirridept);
    o.fieldcapcorr = ReadInt(ini, sch, "fieldcapcorr", d.fieldcapcorr);
    o.appleff = ReadInt(ini, sch, "appleff", d.appleff);

    const std::string rice = section(Msg::SecRiceSchedulingOptions);
    o.ricetimopt = ReadByte(ini, rice, "ricetimopt", d.ricetimopt);
    o.riceapplopt = ReadByte(ini, rice, "riceapplopt", d.riceapplopt);
    o.ricetwd = ReadInt(ini, rice, "ricetwd", d.ricetwd);
    o.ricetdesat = ReadInt(ini, rice, "ricetdesat", d.ricetdesat);
    o.ricetdepl = ReadInt(ini, rice, "ricetdepl", d.ricetdepl);
    for (int i = 0; i <= 4; ++i)
      o.ricetfixedany1[i] =
          ReadInt(ini, rice, Indexed("ricetfixedany", i, "1"), d.ricetfixedany1[i]);
    for (int i = 0; i <= 4; ++i)
      o.ricetfixedany2[i] =
          ReadInt(ini, rice, Indexed("ricetfixedany", i, "2"), d.ricetfixedany2[i]);
    for (int i = 0; i <= 4; ++i)
      o.ricetfixedint[i] = ReadInt(ini, rice, Indexed("ricetfixedint", i), d.ricetfixedint[i]);
    for (int i = 0; i <= 4; ++i)
      o.ricetetred[i] = ReadInt(ini, rice, Indexed("ricetetred", i), d.ricetetred[i]);
    o.ricetyieldred = ReadInt(ini, rice, "ricetyieldred", d.ricetyieldred);
    o.ricecontinuous = ReadInt(ini, rice, "ricecontinuous", d.ricecontinuous);
    o.riceawd = ReadInt(ini, rice, "riceawd", d.riceawd);
    o.riceasat = ReadInt(ini, rice, "riceasat", d.riceasat);
    o.riceafc = ReadInt(ini, rice, "riceafc", d.riceafc);
    for (int i = 0; i <= 4; ++i)
      o.riceafixedany1[i] =
          ReadInt(ini, rice, Indexed("riceafixedany", i, "1"), d.riceafixedany1[i]);
    for (int i = 0; i <= 4; ++i)
      o.riceafixedany2[i] =
          ReadInt(ini, rice, Indexed("riceafixedany", i, "2"), d.riceafixedany2[i]);
    o.riceafixeddepth = ReadInt(ini, rice, "riceafixeddepth", d.riceafixeddepth);
    o.riceappleff = ReadInt(ini, rice, "riceappleff", d.riceappleff);
  }

  const std::string lp = section(Msg::SecLandPrepOptions);
  o.userdefpuddlepercrate = ini.ReadReal(lp, "userdefpuddlepercrate", d.userdefpuddlepercrate);
  o.soakbelowpuddledepth = ReadInt(ini, lp, "soakbelowpuddledepth", d.soakbelowpuddledepth);
  o.prepuddletdesat = ReadInt(ini, lp, "prepuddletdesat", d.prepuddletdesat);
  o.prepuddletdepl = ReadInt(ini, lp, "prepuddletdepl", d.prepuddletdepl);
  o.prepuddleafixeddepth = ReadInt(ini, lp, "prepuddleafixeddepth", d.prepuddleafixeddepth);
  o.prepuddleasat = ReadInt(ini, lp, "prepuddleasat", d.prepuddleasat);
  o.puddletwd = ReadInt(ini, lp, "puddletwd", d.puddletwd);
  o.puddletdesat = ReadInt(ini, lp, "puddletdesat", d.puddletdesat);
  o.puddleawd = ReadInt(ini, lp, "puddleawd", d.puddleawd);
  o.puddleasat = ReadInt(ini, lp, "puddleasat", d.puddleasat);
  o.puddleafixeddepth = ReadInt(ini, lp, "puddleafixeddepth", d.puddleafixeddepth);
  o.prepuddlingtimopt = ReadByte(ini, lp, "prepuddlingtimopt", d.prepuddlingtimopt);
  o.prepuddlingapplopt = ReadByte(ini, lp, "prepuddlingapplopt", d.prepuddlingapplopt);
  o.puddlingtimopt = ReadByte(ini, lp, "puddlingtimopt", d.puddlingtimopt);
  o.puddlingapplopt = ReadByte(ini, lp, "puddlingapplopt", d.puddlingapplopt);
  o.changeinpercopt = ReadByte(ini, lp, "changeinpercopt", d.changeinpercopt);
  o.maxpercopt = ReadByte(ini, lp, "maxpercopt", d.maxpercopt);
}

bool ReadOptions(const std::string& file, Options& options, bool useDefaults, bool landPrepOnly,
                 const Texts& texts) {
  // A file that exists but cannot be read gives no value at all: the options in memory stay
  // as they are (a missing file is no error, every key takes its default).
  IniFile ini;
  if (!ini.Load(file)) return false;
  ReadOptionsFrom(ini, file, options, useDefaults, landPrepOnly, texts);
  return true;
}

void WriteOptionsTo(IniFile& ini, const Options& o, const Texts& texts) {
  const std::string clim(texts(Msg::SecClimateOptions));
  ini.WriteInteger(clim, "newetotype", o.newetotype);
  ini.WriteBool(clim, "estimateall", o.estimateall);
  ini.WriteBool(clim, "newtempnotaverage", o.newtempnotaverage);
  ini.WriteBool(clim, "humidityasperc", o.humidityasperc);
  ini.WriteBool(clim, "windaskmday", o.windaskmday);
  ini.WriteBool(clim, "etoasmmday", o.etoasmmday);
  ini.WriteInteger(clim, "sunshineunit", static_cast<int>(o.sunshineunit) + 1);

  const std::string rain(texts(Msg::SecRainOptions));
  ini.WriteInteger(rain, "newraintype", o.newraintype);
  ini.WriteInteger(rain, "ermethod", o.ermethod);
  ini.WriteInteger(rain, "erfixperc", o.erfixperc);
  ini.WriteReal(rain, "raina", o.raina);
  ini.WriteInteger(rain, "rainb", o.rainb);
  ini.WriteReal(rain, "rainc", o.rainc);
  ini.WriteInteger(rain, "raind", o.raind);
  ini.WriteInteger(rain, "rainx", o.rainx);

  ini.WriteBool(texts(Msg::SecCropOptions), "newcropnotrice", o.newcropnotrice);

  const std::string sch(texts(Msg::SecCropSchedulingOptions));
  ini.WriteInteger(sch, "timopt", o.timopt);
  ini.WriteInteger(sch, "applopt", o.applopt);
  ini.WriteInteger(sch, "deplram", o.deplram);
  for (int i = 1; i <= 4; ++i) ini.WriteInteger(sch, Indexed("timfixint", i), o.timfixint[i]);
  ini.WriteInteger(sch, "timdepl", o.timdepl);
  for (int i = 1; i <= 4; ++i) ini.WriteInteger(sch, Indexed("useretred", i), o.useretred[i]);
  ini.WriteInteger(sch, "yielddefi", o.yielddefi);
  ini.WriteInteger(sch, "fixirridept", o.fixirridept);
  ini.WriteInteger(sch, "fieldcapcorr", o.fieldcapcorr);
  ini.WriteInteger(sch, "appleff", o.appleff);

  const std::string rice(texts(Msg::SecRiceSchedulingOptions));
  ini.WriteInteger(rice, "ricetimopt", o.ricetimopt);
  ini.WriteInteger(rice, "riceapplopt", o.riceapplopt);
  ini.WriteInteger(rice, "ricetwd", o.ricetwd);
  ini.WriteInteger(rice, "ricetdesat", o.ricetdesat);
  ini.WriteInteger(rice, "ricetdepl", o.ricetdepl);
  for (int i = 0; i <= 4; ++i)
    ini.WriteInteger(rice, Indexed("ricetfixedany", i, "1"), o.ricetfixedany1[i]);
  for (int i = 0; i <= 4; ++i)
    ini.WriteInteger(rice, Indexed("ricetfixedany", i, "2"), o.ricetfixedany2[i]);
  for (int i = 0; i <= 4; ++i)
    ini.WriteInteger(rice, Indexed("ricetfixedint", i), o.ricetfixedint[i]);
  for (int i = 0; i <= 4; ++i) ini.WriteInteger(rice, Indexed("ricetetred", i), o.ricetetred[i]);
  ini.WriteInteger(rice, "ricetyieldred", o.ricetyieldred);
  ini.WriteInteger(rice, "ricecontinuous", o.ricecontinuous);
  ini.WriteInteger(rice, "riceawd", o.riceawd);
  ini.WriteInteger(rice, "riceasat", o.riceasat);
  ini.WriteInteger(rice, "riceafc", o.riceafc);
  for (int i = 0; i <= 4; ++i)
    ini.WriteInteger(rice, Indexed("riceafixedany", i, "1"), o.riceafixedany1[i]);
  for (int i = 0; i <= 4; ++i)
    ini.WriteInteger(rice, Indexed("riceafixedany", i, "2"), o.riceafixedany2[i]);
  ini.WriteInteger(rice, "riceafixeddepth", o.riceafixeddepth);
  ini.WriteInteger(rice, "riceappleff", o.riceappleff);

  const std::string lp(texts(Msg::SecLandPrepOptions));
  ini.WriteReal(lp, "userdefpuddlepercrate", o.userdefpuddlepercrate);
  ini.WriteInteger(lp, "soakbelowpuddledepth", o.soakbelowpuddledepth);
  ini.WriteInteger(lp, "prepuddletdesat", o.prepuddletdesat);
  ini.WriteInteger(lp, "prepuddletdepl", o.prepuddletdepl);
  ini.WriteInteger(lp, "prepuddleafixeddepth", o.prepuddleafixeddepth);
  ini.WriteInteger(lp, "prepuddleasat", o.prepuddleasat);
  ini.WriteInteger(lp, "puddletwd", o.puddletwd);
  ini.WriteInteger(lp, "puddletdesat", o.puddletdesat);
  ini.WriteInteger(lp, "puddleawd", o.puddleawd);
  ini.WriteInteger(lp, "puddleasat", o.puddleasat);
  ini.WriteInteger(lp, "puddleafixeddepth", o.puddleafixeddepth);
  ini.WriteInteger(lp, "prepuddlingtimopt", o.prepuddlingtimopt);
  ini.WriteInteger(lp, "prepuddlingapplopt", o.prepuddlingapplopt);
  ini.WriteInteger(lp, "puddlingtimopt", o.puddlingtimopt);
  ini.WriteInteger(lp, "puddlingapplopt", o.puddlingapplopt);
  ini.WriteInteger(lp, "changeinpercopt", o.changeinpercopt);
  ini.WriteInteger(lp, "maxpercopt", o.maxpercopt);
}

bool WriteOptions(const std::string& file, const Options& options, const Texts& texts) {
  IniFile ini;
  if (!ini.Load(file)) return false;
  WriteOptionsTo(ini, options, texts);
  return ini.Save(file);
}

bool WriteWelcomeFlags(const std::string& file, const Options& options, const Texts& texts) {
  IniFile ini;
  if (!ini.Load(file)) return false;
  ini.WriteBool(texts(Msg::SecClimateOptions), "showgeneralinfo", options.showgeneralinfo);
  ini.WriteBool(texts(Msg::SecClimateOptions), "showetoinfo", options.showetoinfo);
  return ini.Save(file);
}

}  // namespace vsk

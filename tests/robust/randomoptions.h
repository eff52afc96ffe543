// Random option sets within the ranges the options dialog accepts, and the text of an option
// set as the writer puts it into a file (equal texts mean equal option sets, since every
// option the writer keeps has a line of its own).
#pragma once

#include <string>

#include "core/vskini.h"
#include "core/vskoptions.h"
#include "core/vsksettings.h"
#include "randomrecords.h"

namespace vsk::test {

inline byte Byte(RandomValues& r, int lo, int hi) {
  return static_cast<byte>(r.Int(lo, hi));
}

inline Options RandomOptions(RandomValues& r) {
  Options o;
  o.newetotype = Byte(r, 1, 6);
  o.estimateall = r.Chance(0.5);
  o.newtempnotaverage = o.estimateall || r.Chance(0.5);
  o.humidityasperc = r.Chance(0.5);
  o.windaskmday = r.Chance(0.5);
  o.etoasmmday = r.Chance(0.5);
  o.sunshineunit = static_cast<SunshineUnit>(r.Int(0, 2));
  o.newraintype = Byte(r, 1, 3);
  o.ermethod = Byte(r, 1, 5);
  o.erfixperc = Byte(r, 0, 100);
  o.raina = r.Real(0.0, 1.0, 2);
  o.rainb = r.Int(-100, 100);
  o.rainc = r.Real(0.0, 1.0, 2);
  o.raind = r.Int(-100, 100);
  o.rainx = r.Int(0, 500);
  o.newcropnotrice = r.Chance(0.5);
  o.timopt = Byte(r, 1, 8);
  o.applopt = Byte(r, 1, 3);
  o.deplram = Byte(r, 0, 200);
  for (int i = 1; i <= 4; ++i) o.timfixint[i] = Byte(r, 1, 99);
  o.timdepl = Byte(r, 0, 100);
  for (int i = 1; i <= 4; ++i) o.useretred[i] = Byte(r, 0, 100);
  o.yielddefi = Byte(r, 0, 100);
  o.fixirridept = r.Int(1, 999);
  o.fieldcapcorr = r.Int(-100, 200);
  o.appleff = r.Int(1, 100);
  o.ricetimopt = Byte(r, 1, 10);
  o.riceapplopt = Byte(r, 1, 5);
  o.ricetwd = r.Int(0, 999);
  o.ricetdesat = r.Int(0, 100);
  o.ricetdepl = r.Int(0, 100);
  for (int i = 0; i <= 4; ++i) {
    o.ricetfixedany1[i] = r.Int(0, 999);
    o.ricetfixedany2[i] = r.Int(1, 3);
    o.ricetfixedint[i] = r.Int(1, 99);
    o.ricetetred[i] = r.Int(0, 100);
    o.riceafixedany1[i] = r.Int(0, 999);
    o.riceafixedany2[i] = r.Int(1, 3);
  }
  o.ricetyieldred = r.Int(0, 100);
  o.ricecontinuous = r.Int(0, 999);
  o.riceawd = r.Int(0, 999);
  o.riceasat = r.Int(0, 100);
  o.riceafc = r.Int(0, 100);
  o.riceafixeddepth = r.Int(1, 999);
  o.riceappleff = r.Int(1, 100);
  o.userdefpuddlepercrate = r.Real(0.0, 99.9, 1);
  o.soakbelowpuddledepth = r.Int(0, 999);
  o.prepuddletdesat = r.Int(0, 100);
  o.prepuddletdepl = r.Int(0, 100);
  o.prepuddleafixeddepth = r.Int(1, 999);
  o.prepuddleasat = r.Int(0, 100);
  o.puddletwd = r.Int(0, 999);
  o.puddletdesat = r.Int(0, 100);
  o.puddleawd = r.Int(0, 999);
  o.puddleasat = r.Int(0, 100);
  o.puddleafixeddepth = r.Int(1, 999);
  o.prepuddlingtimopt = Byte(r, 1, 3);
  o.prepuddlingapplopt = Byte(r, 1, 3);
  o.puddlingtimopt = Byte(r, 1, 3);
  o.puddlingapplopt = Byte(r, 1, 3);
  o.changeinpercopt = Byte(r, 1, 2);
  o.maxpercopt = Byte(r, 1, 2);
  return o;
}

// The options as the writer puts them into a file: equal texts mean equal option sets, since
// every option the writer keeps has a line of its own.
inline std::string OptionsText(const Options& o, const Texts& texts) {
  IniFile ini;
  WriteOptionsTo(ini, o, texts);
  return ini.Text();
}

}  // namespace vsk::test

// The option set: every option of the settings file, with its built-in default.
// Field names are the setting keys. Byte options are held in 8 bits.
#pragma once

#include <cstdint>

namespace vsk {

using byte = std::uint8_t;

// Sunshine unit held in memory: 0 hours, 1 % of day length, 2 fraction of day length.
enum class SunshineUnit : byte { Hours = 0, Percent = 1, Fraction = 2 };

struct Options {
  // Climate/ETo options
  bool showgeneralinfo = true;
  bool showetoinfo = true;
  byte newetotype = 3;
  bool estimateall = false;
  bool newtempnotaverage = true;
  bool humidityasperc = true;
  bool windaskmday = true;
  bool etoasmmday = true;
  SunshineUnit sunshineunit = SunshineUnit::Hours;

  // Rain options
  byte newraintype = 3;
  byte ermethod = 4;
  byte erfixperc = 80;
  double raina = 0.5;
  int rainb = -5;
  double rainc = 0.7;
  int raind = 20;
  int rainx = 50;

  // Crop options
  bool newcropnotrice = true;

  // Crop scheduling options (dry crops)
  byte timopt = 2;
  byte applopt = 2;
  byte deplram = 80;
  byte timfixint[5] = {0, 10, 10, 10, 10};  // [1..4]
  byte timdepl = 40;
  byte useretred[5] = {0, 10, 10, 10, 10};  // [1..4]
  byte yielddefi = 10;
  int fixirridept = 40;
  int fieldcapcorr = 100;
  int appleff = 70;

  // Rice scheduling options; per-stage arrays are indexed 0 land preparation, 1..4 stages.
  byte ricetimopt = 2;
  byte riceapplopt = 2;
  int ricetwd = 5;
  int ricetdesat = 100;
  int ricetdepl = 100;
  int ricetfixedany1[5] = {0, 0, 0, 0, 0};  // ricetfixedany01..41: threshold
  int ricetfixedany2[5] = {1, 1, 1, 1, 1};  // ricetfixedany02..42: its unit
  int ricetfixedint[5] = {10, 10, 10, 10, 10};
  int ricetetred[5] = {10, 10, 10, 10, 10};
  int ricetyieldred = 10;
  int ricecontinuous = 9;
  int riceawd = 100;
  int riceasat = 100;
  int riceafc = 100;
  int riceafixedany1[5] = {100, 100, 100, 100, 100};  // riceafixedany01..41: level
  int riceafixedany2[5] = {1, 1, 1, 1, 1};            // riceafixedany02..42: its unit
  int riceafixeddepth = 40;
  int riceappleff = 70;

  // Land preparation options (rice)
  double userdefpuddlepercrate = 3.0;
  int soakbelowpuddledepth = 10;
  int prepuddletdesat = 100;
  int prepuddletdepl = 20;
  int prepuddleafixeddepth = 50;
  int prepuddleasat = 100;
  int puddletwd = 0;
  int puddletdesat = 20;
  int puddleawd = 50;
  int puddleasat = 100;
  int puddleafixeddepth = 50;
  byte prepuddlingtimopt = 2;
  byte prepuddlingapplopt = 2;
  byte puddlingtimopt = 1;
  byte puddlingapplopt = 1;
  byte changeinpercopt = 1;
  byte maxpercopt = 1;
};

}  // namespace vsk

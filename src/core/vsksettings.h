// The settings file VESKARO.INI: default folders and the option set. Session files carry the
// same option sections and are read and written with the same procedures.
#pragma once

#include <string>

#include "core/vskini.h"
#include "core/vskmessages.h"
#include "core/vskoptions.h"
#include "core/vsksessionstate.h"

namespace vsk {

// $VESKARO_HOME if set, else $XDG_CONFIG_HOME/VESKARO, else ~/.config/VESKARO.
std::string SettingsFolder();
std::string SettingsFilePath();  // SettingsFolder() + "/VESKARO.INI"

// Each returns false when a file access failed; values read up to then stay. The callers show
// IniReadError / IniWriteError.
bool ReadFolders(const std::string& file, SessionState& session, const Texts& texts);
bool WriteFolders(const std::string& file, const SessionState& session, const Texts& texts);
bool ReadOptions(const std::string& file, Options& options, bool useDefaults, bool landPrepOnly,
                 const Texts& texts);
bool WriteOptions(const std::string& file, const Options& options, const Texts& texts);
bool WriteWelcomeFlags(const std::string& file, const Options& options, const Texts& texts);

// The same on an initialisation file in memory. `fileName` decides whether the two welcome
// flags are read (only from a file named VESKARO.INI).
void ReadOptionsFrom(const IniFile& ini, const std::string& fileName, Options& options,
                     bool useDefaults, bool landPrepOnly, const Texts& texts);
void WriteOptionsTo(IniFile& ini, const Options& options, const Texts& texts);

}  // namespace vsk

// The Workspace holds the one instance of every record of a run: options, session state,
// climate, rain, crop, soil, pattern, event list, user tables and the shared results.
// The desktop program, a command-line run or a test creates one; nothing is global.
#pragma once

#include <string>

#include "core/vskclimatedata.h"
#include "core/vskcropdata.h"
#include "core/vskcwrdata.h"
#include "core/vskglobal.h"
#include "core/vskmessages.h"
#include "core/vskoptions.h"
#include "core/vskpatterndata.h"
#include "core/vskraindata.h"
#include "core/vskscheduledata.h"
#include "core/vsksessionstate.h"
#include "core/vskui.h"

namespace vsk {

struct Workspace {
  // `today` fixes the default date (tests pass a date; the program passes SystemToday()).
  explicit Workspace(Ui& ui, CalendarDate today = SystemToday());

  std::string_view text(Msg id) const { return texts(id); }
  void error(Msg id) const { ui.error(texts(id)); }

  Ui& ui;
  Texts texts;
  DateSerial DefaultDate;
  std::string SettingsFile;  // the settings file in use; empty = built-in defaults only
  Options options;
  SessionState session;

  ClimateState climate;
  RainState rain;
  TCropRecord crop;
  TSoilRecord soil;
  CroppingPattern pattern;
  CwrResults cwr;
  IrrigationEvents events;
  UserIrrigationTables userTables;
};

}  // namespace vsk

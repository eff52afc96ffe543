// A Ui double for the Qt tests: records every message, replays prepared answers and file
// names, and keeps in `unexpected` the questions and dialogs nobody prepared an answer for
// (the test checks that list when it ends).
#pragma once

#include "support/recordingui.h"

namespace vsk::test {

using QtScriptedUi = RecordingUi;

}  // namespace vsk::test

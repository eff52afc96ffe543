// A Ui double for tests: records every message and question, replays prepared answers and
// fails the test on a question or dialog for which no answer was prepared.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/recordingui.h"

namespace vsk::test {

class ScriptedUi : public RecordingUi {
 protected:
  void Unexpected(const std::string& what) override { ADD_FAILURE() << "unexpected " << what; }
};

}  // namespace vsk::test

// Random option sets are written to a settings file and read back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "randomoptions.h"
#include "randomrecords.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

using test::OptionsText;
using test::RandomOptions;
using test::RandomValues;
using test::ScratchDir;

TEST(RoundTrip, OptionSets) {
  ScratchDir dir;
  const Texts texts;
  RandomValues r(31);
  for (int n = 0; n < 300; ++n) {
    SCOPED_TRACE("option set " + std::to_string(n));
    const std::string path = dir.File("set" + std::to_string(n % 2) + ".INI");
    const Options o = RandomOptions(r);
    ASSERT_TRUE(WriteOptions(path, o, texts));
    Options back;  // the defaults, so an option that is not read shows as a difference
    ASSERT_TRUE(ReadOptions(path, back, false, false, texts));
    ASSERT_EQ(OptionsText(back, texts), OptionsText(o, texts));
    EXPECT_EQ(back.raina, o.raina);
    EXPECT_EQ(back.userdefpuddlepercrate, o.userdefpuddlepercrate);
    EXPECT_EQ(back.sunshineunit, o.sunshineunit);
  }
}

}  // namespace
}  // namespace vsk

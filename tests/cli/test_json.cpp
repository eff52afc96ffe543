#include <gtest/gtest.h>

#include "cli/vskjson.h"
#include "core/vskglobal.h"
#include "minijson.h"

namespace vsk::cli {
namespace {

TEST(JsonWriter, NumbersRoundTripAndMissingValuesAreNull) {
  JsonWriter json;
  json.BeginObject()
      .Key("a")
      .Real(0.1 + 0.2)
      .Key("b")
      .Real(MissingReal)
      .Key("c")
      .Int(MissingInt)
      .Key("d")
      .Int(-5)
      .Key("e")
      .Real(1e-300)
      .Key("list")
      .BeginArray()
      .Real(2)
      .Null()
      .Bool(true)
      .EndArray()
      .EndObject();
  EXPECT_EQ(json.Text(),
            "{\"a\": 0.30000000000000004, \"b\": null, \"c\": null, \"d\": -5, "
            "\"e\": 1e-300, \"list\": [2, null, true]}");
  test::Json parsed;
  ASSERT_TRUE(test::JsonParser::Parse(json.Text(), parsed));
  EXPECT_EQ(parsed["a"].number, 0.1 + 0.2);
}

TEST(JsonWriter, StringsAreEscapedAndLatin1BecomesUtf8) {
  EXPECT_EQ(JsonQuote("a\"b\\c\rd\x01"), "\"a\\\"b\\\\c\\rd\\u0001\"");
  EXPECT_EQ(JsonQuote("°C"), "\"°C\"");                    // valid UTF-8 stays
  EXPECT_EQ(JsonQuote("Bogot\xE1"), "\"Bogot\xC3\xA1\"");  // a Latin-1 byte from a data file
  EXPECT_EQ(JsonQuote("\xC3"), "\"\xC3\x83\"");            // a cut UTF-8 sequence
}

}  // namespace
}  // namespace vsk::cli

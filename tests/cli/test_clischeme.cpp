#include <gtest/gtest.h>

#include "clitest.h"
#include "support/testfiles.h"

namespace vsk::test {
namespace {

std::vector<std::string> SchemeArgs(const std::string& pattern) {
  return {"scheme",
          "--climate",
          Example("NAIROBI.PEM"),
          "--rain",
          Example("NAIROBI.CRM"),
          "--soil",
          Example("CLAY.SOI"),
          "--pattern",
          pattern};
}

TEST(CliScheme, TheExamplePatternInEveryFormat) {
  const auto args = SchemeArgs(Example("NAIROBI.PAT"));
  const cli::CliOutput text = Cli(args);
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_NE(text.out.find("\nSCHEME SUPPLY\n"), std::string::npos);
  EXPECT_NE(text.out.find("Cropping pattern: Nairobi scheme"), std::string::npos);
  EXPECT_NE(text.out.find("\n1. Maize (grain)"), std::string::npos);
  EXPECT_NE(text.out.find("\n6. Rice direct sown"), std::string::npos);

  const cli::CliOutput csvOut = Cli([&] {
    auto a = args;
    a.push_back("--format=csv");
    return a;
  }());
  EXPECT_EQ(csvOut.out.rfind(",Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec\n", 0), 0u);

  auto jsonArgs = args;
  jsonArgs.push_back("--format=json");
  const Json json = ParseJson(Cli(jsonArgs));
  EXPECT_EQ(json.Keys(),
            Keys({"pattern", "crops", "net_scheme_mm_month", "net_scheme_mm_day",
                  "net_scheme_l_s_ha", "irrigated_area", "actual_area_l_s_ha", "messages"}));
  ASSERT_EQ(json["crops"].items.size(), 6u);
  EXPECT_EQ(json["crops"][0].Keys(),
            Keys({"name", "crop_file", "rice", "area", "planting", "harvest", "monthly_supply"}));
  EXPECT_EQ(json["crops"][0]["crop_file"].text, "MAIZE.CRO");
  EXPECT_EQ(json["crops"][0]["area"].number, 40);
  EXPECT_EQ(json["crops"][0]["planting"].text, "15/03");
  EXPECT_TRUE(json["crops"][4]["rice"].boolean);
  EXPECT_EQ(json["crops"][0]["monthly_supply"].items.size(), 12u);
  // The scheme requirement is the area-weighted sum of the crops' supplies.
  for (size_t m = 0; m < 12; ++m) {
    double sum = 0;
    for (const Json& crop : json["crops"].items) {
      const Json& supply = crop["monthly_supply"][m];
      if (!supply.IsNull()) sum += crop["area"].number * supply.number / 100;
    }
    EXPECT_NEAR(json["net_scheme_mm_month"][m].number, sum, 1e-9) << m;
  }
}

TEST(CliScheme, APatternWhoseCropFileIsMissing) {
  TempDir dir;
  WriteText(dir.File("LOST.PAT"),
            "VESKARO 8.0 Crop pattern data\r\n1\r\nLost\r\nNONE.CRO\r\n"
            "15/03/1994\r\n50\r\n");
  const cli::CliOutput out = Cli(SchemeArgs(dir.File("LOST.PAT")));
  EXPECT_EQ(out.exitCode, cli::kExitDataError);
  EXPECT_EQ(out.err.rfind("error: Error in cropping pattern while reading data from file", 0), 0u)
      << out.err;
}

}  // namespace
}  // namespace vsk::test

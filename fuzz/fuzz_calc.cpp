// The calculations on crop and soil files of any content: the input is a crop file, then a
// line "~~", then a soil file (without that line the soil is the example clay). The first byte
// picks the climate and rain kinds and the planting date. The crop water requirement and the
// schedule (dry or rice, by the crop file) run as veskaro-cli runs them, in text and JSON, on
// the example station; a crash, undefined behaviour or a hang anywhere in the data check, the
// day-by-day balances or the report text fails the run. The command line is always valid, so
// the exit code is 0 (done) or 1 (the data could not be used).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/vskcli.h"
#include "fuzzinput.h"

namespace {

const std::string kExamples = VESKARO_EXAMPLES;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pick = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t split = rest.find("\n~~");
  const std::string crop = vsk::fuzz::WriteText("input.CRO", rest.substr(0, split));
  std::string soil = kExamples + "/CLAY.SOI";
  if (split != std::string_view::npos) {
    const size_t start = rest.find('\n', split + 1);
    soil = vsk::fuzz::WriteText("input.SOI",
                                start == std::string_view::npos ? "" : rest.substr(start + 1));
  }

  const char* climates[] = {"/NAIROBI.PEM", "/NAIROBI.PEC", "/NAIROBI.PED", "/ZONE12.PMM"};
  const char* rains[] = {"/NAIROBI.CRM", "/NAIROBI.CRC", "/NAIROBI.CRD"};
  const std::string climate = kExamples + climates[pick % 4];
  const std::string rain = kExamples + rains[(pick / 4) % 3];
  const int day = 1 + pick % 28, month = 1 + (pick / 28) % 9 + (pick % 3);
  const std::string planting = (day < 10 ? "0" : "") + std::to_string(day) + "/" +
                               (month < 10 ? "0" : "") + std::to_string(month);

  for (const char* command : {"cwr", "schedule"})
    for (const char* format : {"text", "json"}) {
      std::vector<std::string> args = {command,  "--climate", climate,  "--rain", rain,
                                       "--crop", crop,        "--soil", soil,     "--planting",
                                       planting, "--format",  format};
      if (std::string_view(command) == "schedule" && std::string_view(format) == "text") {
        args.push_back("--table");
        args.push_back("daily");
      }
      const vsk::cli::CliOutput out = vsk::cli::RunCli(args);
      VSK_FUZZ_CHECK(out.exitCode == vsk::cli::kExitDone ||
                     out.exitCode == vsk::cli::kExitDataError);
      VSK_FUZZ_CHECK(out.exitCode != vsk::cli::kExitDone || !out.out.empty());
    }
  return 0;
}

#include "cli/vskcli.h"

#include <functional>

#include "cli/vskcliargs.h"
#include "cli/vskclijson.h"
#include "cli/vskcliui.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskdatafile.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "output/vskclimatetable.h"
#include "output/vskraintable.h"
#include "output/vskreport.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"

namespace vsk::cli {

namespace {

// What a command prints on success: the report section, the table(s) for csv, the JSON keys.
struct CommandOutput {
  ReportSection report;
  std::vector<TableContent> tables;
  std::function<void(JsonWriter&)> json;
};

class Runner {
 public:
  explicit Runner(const CliArgs& args) : a_(args), ws_(ui_) {}

  CliOutput Run() {
    LoadSettings();
    CommandOutput output;
    const bool ok = Load() && Compute(output);
    CliOutput result;
    if (!ok) {
      std::string error = ui_.LastError();
      result.exitCode = kExitDataError;
      if (a_.format == Format::Json) result.out = ErrorJson(error, ui_.Messages()) + "\n";
      result.err = ui_.StandardErrorText();
      return result;
    }
    switch (a_.format) {
      case Format::Text:
        result.out = JoinLines(SectionLines(output.report));
        break;
      case Format::Csv:
        for (size_t i = 0; i < output.tables.size(); ++i) {
          if (i > 0) result.out += "\n";
          result.out += TableToCsv(output.tables[i]);
        }
        break;
      case Format::Json: {
        JsonWriter json;
        json.BeginObject();
        output.json(json);
        WriteMessages(json, ui_.Messages());
        json.EndObject();
        result.out = json.Text() + "\n";
        break;
      }
    }
    result.err = ui_.StandardErrorText();
    return result;
  }

 private:
  // The options of the settings file; a file that does not exist gives the built-in defaults.
  void LoadSettings() {
    if (!a_.settings) return;
    ws_.SettingsFile = *a_.settings;
    if (!DataFileExists(*a_.settings)) return;
    if (!ReadFolders(*a_.settings, ws_.session, ws_.texts) ||
        !ReadOptions(*a_.settings, ws_.options, false, false, ws_.texts))
      ws_.error(Msg::IniReadError);
    ws_.session.StartUp(ws_.options);
  }

  // The files of the command line in session order, the first failure ending the run.
  bool Load() {
    if (a_.climate && !OpenClimate(*a_.climate)) return false;
    if (a_.rain && !OpenRain(*a_.rain)) return false;
    if (a_.soil && !OpenSoil(*a_.soil)) return false;
    if (a_.crop && !OpenCrop(*a_.crop)) return false;
    if (a_.planting) ws_.session.PlantingDate = *a_.planting;
    if (a_.command == Command::Eto && !OpenClimate(a_.file)) return false;
    if (a_.command == Command::Rain && !OpenRain(a_.file)) return false;
    return true;
  }

  // The climate/ETo window right after opening: ETo and radiation recomputed, monthly
  // summaries and averages.
  bool OpenClimate(const std::string& path) {
    std::string detail;
    if (!OpenClimateFile(ws_, path, &detail)) {
      ui_.AddDetailToLastError(detail);
      return false;
    }
    RecomputeClimateTables(ws_);
    return true;
  }

  bool OpenRain(const std::string& path) {
    RainFileDiagnostic diag;
    if (!OpenRainFile(ws_, path, &diag)) {
      AddDetail(diag.line, diag.token, "");
      return false;
    }
    RecomputeRain(ws_);
    return true;
  }

  bool OpenSoil(const std::string& path) {
    CropSoilDiagnostic diag;
    if (!OpenSoilFile(ws_, path, &diag)) {
      AddDetail(diag.line, diag.token, diag.reason);
      return false;
    }
    return true;
  }

  bool OpenCrop(const std::string& path) {
    CropSoilDiagnostic diag;
    if (!OpenCropFile(ws_, path, &diag)) {
      AddDetail(diag.line, diag.token, diag.reason);
      return false;
    }
    return true;
  }

  void AddDetail(int line, const std::string& token, const std::string& reason) {
    if (line <= 0) return;
    ui_.AddDetailToLastError(
        reason.empty()
            ? FormatText(ws_.text(Msg::CliFileLine), {std::to_string(line), token})
            : FormatText(ws_.text(Msg::CliFileLineReason), {std::to_string(line), token, reason}));
  }

  bool Compute(CommandOutput& output) {
    const ReportOptions report;
    switch (a_.command) {
      case Command::Eto:
        output.report = ClimateReport(ws_, report);
        if (ws_.session.EtoKind == kEtoDayPM) {
          for (int tab = 1; tab <= 13; ++tab) output.tables.push_back(DayEToPMTable(ws_, tab));
        } else {
          output.tables = {ClimateTable(ws_)};
        }
        output.json = [this](JsonWriter& json) { WriteEtoJson(json, ws_); };
        return true;
      case Command::Rain:
        output.report = RainReport(ws_, report);
        output.tables = {RainTable(ws_)};
        output.json = [this](JsonWriter& json) { WriteRainJson(json, ws_); };
        return true;
      default:
        return false;
    }
  }

  CliArgs a_;
  CliUi ui_;
  Workspace ws_;
};

}  // namespace

CliOutput RunCli(const std::vector<std::string>& args) {
  Texts texts;
  const ParsedArgs parsed = ParseArgs(args, texts);
  CliOutput result;
  if (!parsed.ok) {
    result.exitCode = kExitUsage;
    result.err = "veskaro-cli: " + parsed.error + "\n" + std::string(texts(Msg::CliUsage)) + "\n";
    return result;
  }
  if (parsed.args.command == Command::Help) {
    result.out = std::string(texts(Msg::CliHelp));
    return result;
  }
  if (parsed.args.command == Command::Version) {
    result.out = std::string(texts(Msg::CliVersion)) + "\n";
    return result;
  }
  return Runner(parsed.args).Run();
}

}  // namespace vsk::cli

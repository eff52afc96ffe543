#include "schedule/vskscheduleoptions.h"

#include "core/vskworkspace.h"

namespace vsk {

bool TimingRuleFires(const Options& o, const UserIrrigationTables& user, const TimingInput& in) {
  const int stage = in.Stage < 1 ? 1 : in.Stage > 4 ? 4 : in.Stage;
  switch (o.timopt) {
    case tmUserIntervals: {
      const int next = user.DayAt(in.IrrCount + 1);
      return next != MissingInt && next <= in.DayNumber;
    }
    case tmCriticalDepletion:
      return in.Dr >= in.RAM;
    case tmPercentOfRam:
      return in.Dr >= o.deplram * in.RAM / 100;
    case tmFixedIntervalPerStage:
      return in.DayNumber >= in.LastIrrDay + o.timfixint[stage];
    case tmFixedDepletion:
      return in.Dr >= o.timdepl;
    case tmEtcReductionPerStage:
      return in.CumETc != 0 && in.CumETa / in.CumETc <= 1 - o.useretred[stage] / 100.0;
    default:  // 7 (yield reduction), 8 (rainfed) and codes without a rule never irrigate
      return false;
  }
}

double ApplicationDepth(const Options& o, const UserIrrigationTables& user, int k, double Dr,
                        double RAM, double& lastUserDepth) {
  switch (o.applopt) {
    case apUserDepths: {
      const int depth = user.DepthAt(k);
      if (depth != MissingInt) lastUserDepth = depth;
      return lastUserDepth;
    }
    case apRefillToFieldCapacity:
      return Dr;
    case apRefillPercentOfFieldCapacity: {
      const double net = Dr - (100 - o.fieldcapcorr) / 100.0 * RAM;
      return net < 0 ? 0 : net;
    }
    case apFixedDepth:
      return o.fixirridept;
    default:
      return 0;
  }
}

bool AdjustedEventDue(const IrrigationEvents& events, int k, int day) {
  return events.DayAt(k) <= day && events.DepthAt(k) != MissingReal;
}

void RecordIrrEvent(IrrigationEvents& events, int k, int day, double depth) {
  if (k < 1 || k > kMaxEvents) return;
  events.IrrEventDay[k] = day;
  events.IrrEventDepth[k] = depth;
}

std::string TimingOptionText(const Workspace& ws, int code) {
  static constexpr Msg kTexts[] = {Msg::SchedTiming1, Msg::SchedTiming2, Msg::SchedTiming3,
                                   Msg::SchedTiming4, Msg::SchedTiming5, Msg::SchedTiming6,
                                   Msg::SchedTiming7, Msg::SchedTiming8};
  if (code < 1 || code > 8) return {};
  return std::string(ws.text(kTexts[code - 1]));
}

std::string ApplicationOptionText(const Workspace& ws, int code) {
  static constexpr Msg kTexts[] = {Msg::SchedAppl1, Msg::SchedAppl2, Msg::SchedAppl3,
                                   Msg::SchedAppl4};
  if (code < 1 || code > 4) return {};
  return std::string(ws.text(kTexts[code - 1]));
}

std::string TimingDescription(const Workspace& ws, std::string& detail) {
  const Options& o = ws.options;
  detail.clear();
  auto text = [&](Msg id) { return ws.text(id); };
  switch (o.timopt) {
    case tmUserIntervals:
      return std::string(text(Msg::SchedDescTiming1));
    case tmCriticalDepletion:
      return std::string(text(Msg::SchedDescTiming2));
    case tmPercentOfRam:
      return FormatText(text(Msg::SchedDescTiming3), {IntToText(o.deplram), "%"});
    case tmFixedIntervalPerStage:
      detail = FormatText(text(Msg::SchedDescTiming4Detail),
                          {IntToText(o.timfixint[1]), IntToText(o.timfixint[2]),
                           IntToText(o.timfixint[3]), IntToText(o.timfixint[4])});
      return std::string(text(Msg::SchedDescTiming4));
    case tmFixedDepletion:
      return FormatText(text(Msg::SchedDescTiming5), {IntToText(o.timdepl)});
    case tmEtcReductionPerStage:
      detail = FormatText(text(Msg::SchedDescTiming6Detail),
                          {"%", IntToText(o.useretred[1]), IntToText(o.useretred[2]),
                           IntToText(o.useretred[3]), IntToText(o.useretred[4])});
      return std::string(text(Msg::SchedDescTiming6));
    case tmYieldReduction:
      return FormatText(text(Msg::SchedDescTiming7), {IntToText(o.yielddefi), "%"});
    case tmRainfed:
      return std::string(text(Msg::SchedDescTiming8));
    default:
      return {};
  }
}

std::string ApplicationDescription(const Workspace& ws) {
  const Options& o = ws.options;
  switch (o.applopt) {
    case apUserDepths:
      return std::string(ws.text(Msg::SchedDescAppl1));
    case apRefillToFieldCapacity:
      return FormatText(ws.text(Msg::SchedDescApplRefill), {"100", "%"});
    case apRefillPercentOfFieldCapacity:
      return FormatText(ws.text(Msg::SchedDescApplRefill), {IntToText(o.fieldcapcorr), "%"});
    case apFixedDepth:
      return FormatText(ws.text(Msg::SchedDescAppl4), {IntToText(o.fixirridept)});
    default:
      return {};
  }
}

}  // namespace vsk

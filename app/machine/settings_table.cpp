#include "machine/settings_table.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "machine/profile_file.h"
#include "support/basic_text.h"
#include "support/round_half_even.h"

namespace kw {
namespace {

constexpr std::string_view kBeamforge = "Beamforge5";
constexpr std::string_view kKerfwright = "Kerfwright";
constexpr std::string_view kWindow = "Settings";

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The whole text as a decimal number, as the locale conversion of a typed
// assignment reads it; nothing when any part of it is not a number.
std::optional<double> WholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
    return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -v : v;
}

template <typename Int>
std::optional<std::string> AssignInteger(Int* target, std::string_view text) {
  const auto v = WholeNumber(text);
  if (!v) return "not a number";
  const double r = std::nearbyint(*v);
  if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max())
    return "out of range";
  *target = RoundHalfEven<Int>(r);
  return std::nullopt;
}

std::optional<std::string> AssignSingle(float* target, std::string_view text) {
  const auto v = WholeNumber(text);
  if (!v) return "not a number";
  if (std::fabs(*v) > std::numeric_limits<float>::max()) return "out of range";
  *target = static_cast<float>(*v);
  return std::nullopt;
}

std::optional<std::string> AssignBoolean(bool* target, std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  if (EqualsNoCase(t, "True")) {
    *target = true;
  } else if (EqualsNoCase(t, "False")) {
    *target = false;
  } else if (const auto v = WholeNumber(t)) {
    *target = *v != 0;
  } else {
    return "not True or False";
  }
  return std::nullopt;
}

void AddIndexed(std::vector<SettingEntry>& out, std::string_view section, std::string_view key,
                auto& values, SettingWriter writer) {
  for (size_t i = 0; i < values.size(); ++i)
    out.push_back({section, std::string(key) + std::to_string(i), &values[i], writer});
}

void AddToolKeys(std::vector<SettingEntry>& out, MachineSettings& s) {
  constexpr auto w = SettingWriter::SaveSettings;
  out.push_back({kKerfwright, "ZPos_Up", &s.ZPos_Up, w});
  out.push_back({kKerfwright, "ZPosMin_Pen", &s.ZPosMin_Pen, w});
  out.push_back({kKerfwright, "ZPosMin_Cut", &s.ZPosMin_Cut, w});
  out.push_back({kKerfwright, "ZPosMin_HalfCut", &s.ZPosMin_HalfCut, w});
  out.push_back({kKerfwright, "ZPosMax_Pen", &s.ZPosMax_Pen, w});
  out.push_back({kKerfwright, "ZPosMax_Cut", &s.ZPosMax_Cut, w});
  out.push_back({kKerfwright, "ZPosMax_HalfCut", &s.ZPosMax_HalfCut, w});
  out.push_back({kKerfwright, "ZPosVal_Pen", &s.ZPosVal_Pen, w});
  out.push_back({kKerfwright, "ZPosVal_Cut", &s.ZPosVal_Cut, w});
  out.push_back({kKerfwright, "ZPosVal_HalfCut", &s.ZPosVal_HalfCut, w});
  out.push_back({kKerfwright, "CutOffsetX", &s.CutOffsetX, w});
  out.push_back({kKerfwright, "CutOffsetY", &s.CutOffsetY, w});
  out.push_back({kKerfwright, "CutR", &s.CutR, w});
  AddIndexed(out, kKerfwright, "CloseVal", s.CloseVal, w);
}

void AddAxisKeys(std::vector<SettingEntry>& out, MachineSettings& s) {
  constexpr auto w = SettingWriter::SaveSettings;
  AddIndexed(out, kKerfwright, "Sgdc", s.Sgdc, w);
  AddIndexed(out, kKerfwright, "Mcs", s.Mcs, w);
  AddIndexed(out, kKerfwright, "SMax", s.SMax, w);
  AddIndexed(out, kKerfwright, "SMin", s.SMin, w);
  AddIndexed(out, kKerfwright, "Acc", s.Acc, w);
  AddIndexed(out, kKerfwright, "HSpeed", s.HSpeed, w);
  AddIndexed(out, kKerfwright, "Cspeed", s.Cspeed, w);
  AddIndexed(out, kKerfwright, "MoveSpeed", s.MoveSpeed, w);
  AddIndexed(out, kKerfwright, "BufAcc", s.BufAcc, w);
  AddIndexed(out, kKerfwright, "TSMin", s.TSMin, w);
  AddIndexed(out, kKerfwright, "WorkRect", s.WorkRect, w);
  out.push_back({kKerfwright, "LaserMin", &s.LaserMin, w});
  out.push_back({kKerfwright, "LaserMax", &s.LaserMax, w});
  out.push_back({kKerfwright, "StartTime", &s.StartTime, w});
  out.push_back({kKerfwright, "EndTime", &s.EndTime, w});
  out.push_back({kKerfwright, "Mrui", &s.Mrui, w});
}

void AddProgramKeys(std::vector<SettingEntry>& out, MachineSettings& s) {
  out.push_back({kKerfwright, "JogSpeed", &s.JogSpeed, SettingWriter::MainWindow});
  AddIndexed(out, kKerfwright, "WorkSpeed", s.WorkSpeed, SettingWriter::MainWindow);
  out.push_back({kKerfwright, "Password", &s.Password, SettingWriter::ReadOnly});
  out.push_back({kKerfwright, "ControllerAddress", &s.ControllerAddress, SettingWriter::SaveSettings});
  out.push_back({kKerfwright, "ControllerPort", &s.ControllerPort, SettingWriter::SaveSettings});
  out.push_back({kWindow, "MainLeft", &s.MainLeft, SettingWriter::MainWindow});
  out.push_back({kWindow, "MainTop", &s.MainTop, SettingWriter::MainWindow});
  out.push_back({kWindow, "MainWidth", &s.MainWidth, SettingWriter::MainWindow});
  out.push_back({kWindow, "MainHeight", &s.MainHeight, SettingWriter::MainWindow});
  out.push_back({"RtCut", "RtCut", &s.RtCut, SettingWriter::RunDialog});
  out.push_back({"Ck_Cut", "Ck_Cut", &s.Ck_Cut, SettingWriter::RunDialog});
}

}  // namespace

std::vector<SettingEntry> SettingEntries(MachineSettings& s) {
  constexpr auto w = SettingWriter::SaveSettings;
  std::vector<SettingEntry> out;
  out.push_back({kBeamforge, "LanguageI", &s.LanguageI, SettingWriter::LanguageMenu});
  out.push_back({kKerfwright, "HbWc", &s.HbWc, w});
  out.push_back({kKerfwright, "FbWc", &s.FbWc, w});
  out.push_back({kKerfwright, "AutoLayout", &s.AutoLayout, w});
  out.push_back({kKerfwright, "PltCutStr", &s.PltCutStr, w});
  out.push_back({kKerfwright, "DxfCutStr", &s.DxfCutStr, w});
  AddToolKeys(out, s);
  AddAxisKeys(out, s);
  AddProgramKeys(out, s);
  return out;
}

std::vector<SettingEntry> RecentFileEntries(MachineSettings& s) {
  std::vector<SettingEntry> out;
  AddIndexed(out, kKerfwright, "MruName", s.MruName, SettingWriter::SaveSettings);
  return out;
}

std::vector<SettingEntry> AllSettingEntries(MachineSettings& s) {
  auto entries = SettingEntries(s);
  const auto recent = RecentFileEntries(s);
  auto afterCount = entries.begin();
  while (afterCount != entries.end() && afterCount->key != "Mrui") ++afterCount;
  if (afterCount != entries.end()) ++afterCount;
  entries.insert(afterCount, recent.begin(), recent.end());
  return entries;
}

std::string SettingText(const SettingRef& value) {
  struct Text {
    std::string operator()(float* v) const { return TextOfSingle(*v); }
    std::string operator()(int16_t* v) const { return std::to_string(*v); }
    std::string operator()(int32_t* v) const { return std::to_string(*v); }
    std::string operator()(bool* v) const { return *v ? "True" : "False"; }
    std::string operator()(std::string* v) const { return *v; }
  };
  return std::visit(Text{}, value);
}

std::optional<std::string> AssignSetting(const SettingRef& value, std::string_view text) {
  struct Assign {
    std::string_view text;
    std::optional<std::string> operator()(float* v) const { return AssignSingle(v, text); }
    std::optional<std::string> operator()(int16_t* v) const { return AssignInteger(v, text); }
    std::optional<std::string> operator()(int32_t* v) const { return AssignInteger(v, text); }
    std::optional<std::string> operator()(bool* v) const { return AssignBoolean(v, text); }
    std::optional<std::string> operator()(std::string* v) const {
      *v = std::string(text);
      return std::nullopt;
    }
  };
  return std::visit(Assign{text}, value);
}

}  // namespace kw

// A stand-in for the controller link library: every function does nothing and
// succeeds, and the ones the wrapper uses record their calls as text.
#pragma once

#include <string>
#include <vector>

#include "machine/axisnet_api.h"

namespace kw::test {

template <typename... T>
void Unused(const T&...) {}

class NullAxisnet : public kw::AxisnetApi {
 public:
#define KW_NULL_FUNCTION(result, name, params, args) \
  result name params override {                      \
    Unused args;                                     \
    return result();                                 \
  }
  KW_AXISNET_FUNCTIONS(KW_NULL_FUNCTION)
#undef KW_NULL_FUNCTION
};

class RecordingAxisnet : public NullAxisnet {
 public:
  std::vector<std::string> calls;
  int result = 0;            // what every recorded function returns
  int connectResult = 0;     // LinkConnect's result
  int status = 0;            // controller motion bits
  int positions[4] = {0, 0, 0, 0};
  short pcMarkB = 0;
  int outputs = 0;

  int OpenPort(const char* address, int port) override {
    return Record("OpenPort(" + std::string(address) + "," + std::to_string(port) + ")");
  }
  int LinkConnect() override {
    calls.push_back("LinkConnect");
    return connectResult;
  }
  int LinkDisConnect() override { return Record("LinkDisConnect"); }
  int SetLmtMode(int b1, int b2, int b3, int b4, int b5, int b6, int b7, int b8, int b9, int b10,
                 int b11, int b12, int b13, int b14, int b15, int b16) override {
    return Record("SetLmtMode" + List({b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15, b16}));
  }
  int Pmove(short axis, int distance, int startSpeed, int acceleration, int speed) override {
    return Record("Pmove" + List({axis, distance, startSpeed, acceleration, speed}));
  }
  int dec_stop(short axis) override { return Record("dec_stop" + List({axis})); }
  int SetPosDev(short axis, int position) override { return Record("SetPosDev" + List({axis, position})); }
  int GetMotionStatus(int* out) override {
    if (result == 0) *out = status;
    return Record("GetMotionStatus");
  }
  int GetPosDev(int* p1, int* p2, int* p3, int* p4) override {
    if (result == 0) {
      *p1 = positions[0];
      *p2 = positions[1];
      *p3 = positions[2];
      *p4 = positions[3];
    }
    return Record("GetPosDev");
  }
  int Lmt_Disable(int flag) override { return Record("Lmt_Disable" + List({flag})); }
  int SetPCMarkB(short value) override { return Record("SetPCMarkB" + List({value})); }
  int GetPCMarkB(short* value) override {
    if (result == 0) *value = pcMarkB;
    return Record("GetPCMarkB");
  }
  int GetGpOut(int* bits) override {
    if (result == 0) *bits = outputs;
    return Record("GetGpOut");
  }
  int SetGpOut(int output, int value) override { return Record("SetGpOut" + List({output, value})); }

 private:
  int Record(std::string call) {
    calls.push_back(std::move(call));
    return result;
  }
  static std::string List(std::initializer_list<int> values) {
    std::string text = "(";
    for (int v : values) text += (text.size() > 1 ? "," : "") + std::to_string(v);
    return text + ")";
  }
};

}  // namespace kw::test

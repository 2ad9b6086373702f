// A scripted stand-in for the controller behind the link library, for the job
// run, homing and offset-test tests: it records the calls that command the
// machine, keeps the axis positions as moves and batches would leave them,
// reports motion for a few polls after each move, and can be told to answer
// "buffer full", to fail a call, or to drop the link.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "machine/run_host.h"
#include "fake_axisnet.h"

namespace kw::test {

class ScriptedController : public NullAxisnet {
 public:
  using Point = std::pair<int, int>;

  // Calls that command the machine, as "Name(arg,...)"; status and position
  // reads are only counted.
  std::vector<std::string> calls;
  int positions[4] = {0, 0, 0, 0};  // pulses, controller axes 1..4
  short pcMarkB = 1;
  int outputs = 0;
  int busyPolls = 1;       // status polls that report motion after each move
  int fullAnswers = 0;     // BatchCmdAdd answers 1 this many times before it stores again
  int statusPolls = 0;
  int batchEndsWhileMoving = 0;  // batches ended before the controller had run them
  std::vector<std::vector<Point>> batches;  // each finished batch: its start and its records
  // Call failFunction fails on its failAt-th call (1-based); with dropLink
  // every later call fails too, as when the cable is pulled.
  std::string failFunction;
  int failAt = 0;
  bool dropLink = false;
  // Runs after each recorded call, so a test can press stop at a given point.
  std::function<void(const std::string&)> afterCall;

  int Pmove(short axis, int distance, int startSpeed, int acceleration, int speed) override {
    if (Fails("Pmove") || batchRunning_ || axis < 1 || axis > 4) return Record("Pmove refused", -1);
    positions[axis - 1] += distance;
    moving_ |= 1 << (axis - 1);
    busy_ = busyPolls;
    return Record("Pmove" + List({axis, distance, startSpeed, acceleration, speed}), 0);
  }
  int dec_stop(short axis) override {
    busy_ = 0;
    return Record("dec_stop" + List({axis}), Fails("dec_stop") ? -1 : 0);
  }
  int SetPosDev(short axis, int position) override {
    if (Fails("SetPosDev")) return -1;
    positions[axis - 1] = position;
    return Record("SetPosDev" + List({axis, position}), 0);
  }
  int GetMotionStatus(int* out) override {
    ++statusPolls;
    if (Fails("GetMotionStatus")) return -1;
    *out = busy_ > 0 ? moving_ : 0;
    if (busy_ > 0 && --busy_ == 0) moving_ = 0;
    return 0;
  }
  int GetPosDev(int* p1, int* p2, int* p3, int* p4) override {
    if (Fails("GetPosDev")) return -1;
    *p1 = positions[0], *p2 = positions[1], *p3 = positions[2], *p4 = positions[3];
    return 0;
  }
  int Lmt_Disable(int flag) override { return Record("Lmt_Disable" + List({flag}), Fails("Lmt_Disable") ? -1 : 0); }
  int SetPCMarkB(short value) override {
    if (Fails("SetPCMarkB")) return -1;
    pcMarkB = value;
    return Record("SetPCMarkB" + List({value}), 0);
  }
  int GetPCMarkB(short* value) override {
    if (Fails("GetPCMarkB")) return -1;
    *value = pcMarkB;
    return 0;
  }
  int GetGpOut(int* bits) override {
    if (Fails("GetGpOut")) return -1;
    *bits = outputs;
    return 0;
  }
  int SetGpOut(int output, int value) override {
    if (Fails("SetGpOut")) return -1;
    outputs = value ? outputs | (1 << output) : outputs & ~(1 << output);
    return Record("SetGpOut" + List({output, value}), 0);
  }
  void SetLayoutMode(short mode) override { Record("SetLayoutMode" + List({mode}), 0); }
  short BatchCmdClr() override { return short(Record("BatchCmdClr", Fails("BatchCmdClr") ? -1 : 0)); }
  short BatchSetting(int startSpeed, int acceleration, int third) override {
    if (batchRunning_) return 10000;
    return short(Record("BatchSetting" + List({startSpeed, acceleration, third}), Fails("BatchSetting") ? -1 : 0));
  }
  int BatchBegin(int x, int y, int z) override {
    if (Fails("BatchBegin")) return -1;
    batchRunning_ = true;
    records_ = {{x, y}};
    return Record("BatchBegin" + List({x, y, z}), 0);
  }
  short BatchCmdAdd(int x, int y, int z, int speed, int aux) override {
    if (Fails("BatchCmdAdd")) return -1;
    if (fullAnswers > 0) {
      --fullAnswers;
      return short(Record("BatchCmdAdd full", 1));
    }
    records_.emplace_back(x, y);
    return short(Record("BatchCmdAdd" + List({x, y, z, speed, aux}), 0));
  }
  void SetBufOk() override {
    moving_ |= 3;  // the controller now runs the records
    busy_ = busyPolls;
    Record("SetBufOk", 0);
  }
  int BatchEnd() override {
    if (Fails("BatchEnd")) return Record("BatchEnd", -1);
    if (!batchRunning_) return Record("BatchEnd", 10000);
    if (busy_ > 0 && (moving_ & 3)) ++batchEndsWhileMoving;
    batchRunning_ = false;
    positions[0] = records_.back().first, positions[1] = records_.back().second;
    batches.push_back(records_);
    return Record("BatchEnd", 0);
  }

  // The calls whose text starts with prefix.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls)
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }

 private:
  bool Fails(const std::string& name) {
    if (linkDown_) return true;
    if (name != failFunction || ++counts_[name] != failAt) return false;
    linkDown_ = dropLink;
    return true;
  }
  int Record(std::string call, int result) {
    calls.push_back(call);
    if (afterCall) afterCall(call);
    return result;
  }
  static std::string List(std::initializer_list<int> values) {
    std::string text = "(";
    for (int v : values) text += (text.size() > 1 ? "," : "") + std::to_string(v);
    return text + ")";
  }

  bool batchRunning_ = false;
  bool linkDown_ = false;
  int busy_ = 0;
  int moving_ = 0;  // controller axis bits of the last moves
  std::vector<Point> records_;
  std::map<std::string, int> counts_;
};

// A host that notes what the engine shows and lets a test press stop, pause
// or cancel.
class ScriptedHost : public kw::RunHost {
 public:
  std::vector<std::string> messages;  // MSGBOX keys
  std::vector<kw::RunProgress> progress;
  bool stop = false;
  bool pause = false;
  int events = 0;
  std::function<void()> onEvents;  // runs inside every ProcessEvents

  void ShowMessage(const std::string& key, const std::string& text) override {
    (void)text;
    messages.push_back(key);
  }
  void ProcessEvents() override {
    ++events;
    if (onEvents) onEvents();
  }
  bool StopRequested() override { return stop; }
  bool Paused() override { return pause; }
  void Progress(const kw::RunProgress& p) override { progress.push_back(p); }
};

}  // namespace kw::test

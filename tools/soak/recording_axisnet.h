// The controller library as the soak's run sees it: every call passes through
// to the real library, and the paths the run streams are noted on the way, so
// the soak knows what the machine was asked to cut.
#pragma once

#include <cstdint>
#include <vector>

#include "cut_check.h"
#include "machine/axisnet_api.h"

namespace kw::soak {

class PassThroughAxisnet : public AxisnetApi {
 public:
  explicit PassThroughAxisnet(AxisnetApi& library) : library_(library) {}

#define KW_SOAK_DECLARE(result, name, params, args) result name params override;
  KW_AXISNET_FUNCTIONS(KW_SOAK_DECLARE)
#undef KW_SOAK_DECLARE

 protected:
  AxisnetApi& library_;
};

class RecordingAxisnet final : public PassThroughAxisnet {
 public:
  using PassThroughAxisnet::PassThroughAxisnet;

  // A batch's begin point starts a path; each point the library accepted extends it.
  int BatchBegin(int x, int y, int z) override;
  short BatchCmdAdd(int x, int y, int z, int speed, int aux) override;

  const std::vector<Polyline>& Streamed() const { return streamed_; }

 private:
  std::vector<Polyline> streamed_;
};

}  // namespace kw::soak

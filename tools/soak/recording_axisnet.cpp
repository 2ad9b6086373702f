#include "recording_axisnet.h"

namespace kw::soak {

#define KW_SOAK_PASS(result, name, params, args) \
  result PassThroughAxisnet::name params { return library_.name args; }
KW_AXISNET_FUNCTIONS(KW_SOAK_PASS)
#undef KW_SOAK_PASS

int RecordingAxisnet::BatchBegin(int x, int y, int z) {
  const int result = library_.BatchBegin(x, y, z);
  streamed_.push_back({{double(x), double(y)}});
  return result;
}

short RecordingAxisnet::BatchCmdAdd(int x, int y, int z, int speed, int aux) {
  const short result = library_.BatchCmdAdd(x, y, z, speed, aux);
  if (result == 0 && !streamed_.empty()) streamed_.back().push_back({double(x), double(y)});
  return result;
}

}  // namespace kw::soak

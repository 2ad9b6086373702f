#include "value_sink.h"

namespace kw::fuzz {

namespace {
volatile double kept = 0;
}

void Keep(double value) { kept = kept + value; }

}  // namespace kw::fuzz

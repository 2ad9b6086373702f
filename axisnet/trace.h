// The library's one debugging output. Lines go to stderr unless a sink is set.
#pragma once

#include <string_view>

namespace kw::axisnet {

using TraceSink = void (*)(const char* line, void* context);

void Trace(std::string_view line);
// "internal error: " and what went wrong; never throws, even when the sink does.
void TraceFailure(std::string_view what) noexcept;
// A null sink restores stderr.
void SetTraceSink(TraceSink sink, void* context);

}  // namespace kw::axisnet

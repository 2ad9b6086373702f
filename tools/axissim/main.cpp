// axissim: the simulated motion controller as a program, answering on
// 127.0.0.1 until it is interrupted.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <thread>

#include "axissim/simulator.h"

namespace {

std::atomic<bool> g_interrupted{false};

void OnSignal(int) { g_interrupted = true; }

struct Options {
  uint16_t port = 1001;
  double speedup = 1.0;
  std::string trace;
  std::string svg;
};

[[noreturn]] void Usage() {
  std::fprintf(stderr, "usage: axissim --port P [--speedup K] [--trace FILE] [--svg FILE]\n");
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) Usage();
    const char* value = argv[++i];
    if (name == "--port") {
      o.port = static_cast<uint16_t>(std::strtoul(value, nullptr, 10));
    } else if (name == "--speedup") {
      o.speedup = std::strtod(value, nullptr);
    } else if (name == "--trace") {
      o.trace = value;
    } else if (name == "--svg") {
      o.svg = value;
    } else {
      Usage();
    }
  }
  if (o.speedup <= 0) Usage();
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  try {
    kw::axissim::SimConfig config;
    config.speedup = options.speedup;
    kw::axissim::Simulator sim(config);
    if (!options.trace.empty()) sim.SetTraceFile(options.trace);
    const uint16_t port = sim.Start(options.port);
    std::printf("axissim answering on 127.0.0.1:%u (speed-up %g)\n", port, options.speedup);
    std::fflush(stdout);
    while (!g_interrupted) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    sim.Stop();
    if (!options.svg.empty()) sim.WriteSvg(options.svg);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

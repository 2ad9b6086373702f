// axissim: the simulated motion controller as a program, answering on
// 127.0.0.1 until it is interrupted.
#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>

#include "support/number_option.h"
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

void AddOptions(CLI::App& program, Options& o) {
  kw::AddNumberOption<uint16_t>(program, "--port", o.port, 0, 65535,
                                "UDP port to answer on, 0 for any free one (default 1001)");
  kw::AddNumberOption(program, "--speedup", o.speedup, 0.001, 10000.0,
                      "simulated seconds per real second, 0.001..10000 (default 1)")
      ->type_name("K");
  program.add_option("--trace", o.trace, "write every datagram exchanged to this file")->type_name("FILE");
  program.add_option("--svg", o.svg, "on exit, draw the path the head took into this SVG")->type_name("FILE");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App program{"axissim: the simulated motion controller, answering on 127.0.0.1 until interrupted.",
                   "axissim"};
  program.set_version_flag("--version", "axissim " KW_VERSION);
  program.footer("Exit status: 0 after an interrupt, 1 when the controller cannot start, 2 wrong command line.");
  Options options;
  AddOptions(program, options);
  try {
    program.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return program.exit(e);
    std::fprintf(stderr, "axissim: %s\nRun 'axissim --help' for the usage.\n", e.what());
    return 2;
  }
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
    std::fprintf(stderr, "axissim: %s\n", e.what());
    return 1;
  }
  return 0;
}

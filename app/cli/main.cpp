// kerfwright-cli: dispatches to one function per command.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"info", kw::cli::RunInfo},
    {"process", kw::cli::RunProcessCommand},
    {"preview", kw::cli::RunPreview},
    {"workdata", kw::cli::RunWorkdata},
    {"settings", kw::cli::RunSettings},
    {"carve", kw::cli::RunCarve},
    {"run", kw::cli::RunRun},
    {"home", kw::cli::RunHome},
    {"simulate", kw::cli::RunSimulate},
};

int Usage() {
  std::fputs(
      "usage: kerfwright-cli COMMAND ...\n"
      "  info [--dxf-cut-layer NAME] [--plt-cut-pen TEXT] FILE...\n"
      "  process FILE... --ops LIST [--order] [--save-image OUT] [--save-dat OUT.txt]\n"
      "  preview FILE... [--ops LIST] [--width PX] [--height PX] [--moves] -o OUT.png\n"
      "  workdata FILE... [--ops LIST] --xk K --yk K [--layer-types T0,T1,...] [--offset DX:DY] [--r R]\n"
      "           [--angle A] [--scan DPI:DIR:ACCL:BACKGAP] [--drill STEP]\n"
      "  settings [--folder DIR] [--set SECTION/KEY=VALUE]...\n"
      "  carve FILE --space MM [--bitcount B] [-o OUT.png]\n"
      "  run FILE... --controller HOST:PORT [--folder DIR] [--selection] [--no-autolayout] [--force]\n"
      "  home --controller HOST:PORT [--folder DIR]\n"
      "  simulate FILE... [--png OUT.png] [--svg OUT.svg] [--speedup K] [--folder DIR] [--selection]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    try {
      return c.run(args);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "kerfwright-cli %s: %s\n", c.name, e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "kerfwright-cli: unknown command '%s'\n", name.c_str());
  return Usage();
}

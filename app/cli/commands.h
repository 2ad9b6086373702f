// One function per command of kerfwright-cli: each adds its subcommand and
// options to the program's parser and returns what runs the command once
// the command line has been parsed into them.
#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace kw::cli {

struct Command {
  CLI::App* parser;
  std::function<int()> run;  // the process exit code: 0 done, 1 failed
};

Command AddInfo(CLI::App& program);
Command AddProcess(CLI::App& program);
Command AddPreview(CLI::App& program);
Command AddWorkdata(CLI::App& program);
Command AddSettings(CLI::App& program);
Command AddCarve(CLI::App& program);
Command AddRun(CLI::App& program);
Command AddHome(CLI::App& program);
Command AddSimulate(CLI::App& program);
Command AddEstimate(CLI::App& program);

}  // namespace kw::cli

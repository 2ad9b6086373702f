// One function per command of kerfwright-cli; each takes the arguments after
// the command name and returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace kw::cli {

int RunInfo(const std::vector<std::string>& args);
int RunProcessCommand(const std::vector<std::string>& args);
int RunPreview(const std::vector<std::string>& args);
int RunWorkdata(const std::vector<std::string>& args);
int RunSettings(const std::vector<std::string>& args);
int RunCarve(const std::vector<std::string>& args);
int RunRun(const std::vector<std::string>& args);
int RunHome(const std::vector<std::string>& args);
int RunSimulate(const std::vector<std::string>& args);

}  // namespace kw::cli

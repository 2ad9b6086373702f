// kerfwright-cli: one subcommand per command. Exit status 0 when the command
// did its work, 1 when it failed, 2 when the command line itself is wrong.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"
#include "user_language.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

std::vector<kw::cli::Command> AddCommands(CLI::App& program) {
  return {kw::cli::AddInfo(program),     kw::cli::AddProcess(program), kw::cli::AddPreview(program),
          kw::cli::AddWorkdata(program), kw::cli::AddSettings(program), kw::cli::AddCarve(program),
          kw::cli::AddRun(program),      kw::cli::AddHome(program),     kw::cli::AddSimulate(program),
          kw::cli::AddEstimate(program)};
}

// "kerfwright-cli" or "kerfwright-cli COMMAND": the prefix of messages.
std::string Speaker(const CLI::App& program) {
  const auto chosen = program.get_subcommands();
  return chosen.empty() ? "kerfwright-cli" : "kerfwright-cli " + chosen.front()->get_name();
}

// Help and --version go to stdout with status 0; anything else is a usage
// error: one line naming the problem and where the help is.
int ReportParseError(const CLI::App& program, const CLI::ParseError& e, int argc, char** argv) {
  if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return program.exit(e);
  const std::string speaker = Speaker(program);
  if (!program.get_subcommands().empty()) {
    std::fprintf(stderr, "%s: %s\n", speaker.c_str(), e.what());
  } else if (argc > 1) {  // CLI11 would only say that a subcommand is required
    std::fprintf(stderr, "kerfwright-cli: unknown %s '%s'\n", argv[1][0] == '-' ? "option" : "command", argv[1]);
  }
  std::fprintf(stderr, "Run '%s --help' for the usage.\n", speaker.c_str());
  return kUsageError;
}

int RunChosen(const CLI::App& program, const std::vector<kw::cli::Command>& commands) {
  for (const auto& command : commands) {
    if (!command.parser->parsed()) continue;
    try {
      return command.run();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", Speaker(program).c_str(), e.what());
      return kFailed;
    }
  }
  return kUsageError;  // require_subcommand makes this unreachable
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App program{"kerfwright-cli: the headless front end of Kerfwright, over the same libraries as the program.",
                   "kerfwright-cli"};
  program.set_version_flag("--version", "kerfwright-cli " KW_VERSION);
  program.require_subcommand(1);
  const auto commands = AddCommands(program);
  // After the commands, which would otherwise take it over for their own help.
  program.footer("Run 'kerfwright-cli COMMAND --help' for a command's options.\n"
                 "Exit status: 0 done, 1 failed, 2 wrong command line.\n");
  if (argc < 2) {
    std::fputs(program.help().c_str(), stderr);
    return kUsageError;
  }
  try {
    program.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return ReportParseError(program, e, argc, argv);
  }
  kw::cli::UseProgramLanguage();
  return RunChosen(program, commands);
}

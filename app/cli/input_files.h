// The input files of the commands that work on drawings. A project (.rpt)
// opens as File Open opens it: it replaces the document and loads both layer
// tables, so it may only come first; the drawings after it are added to it,
// as File Import adds them.
#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace kw::cli {

// The help of FILE... for commands that import drawings and open projects.
extern const char* const kDrawingFilesHelp;

// True for a name ending in ".rpt", in any letter case.
bool IsProjectFile(const std::string& file);

// FILE... (required) into files; a project anywhere but first is a usage error.
CLI::Option* AddInputFiles(CLI::App& command, std::vector<std::string>& files, const std::string& description);

}  // namespace kw::cli

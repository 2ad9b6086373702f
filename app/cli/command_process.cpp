// kerfwright-cli process: imports the files (or loads document images or a
// project), applies the listed operations in order, writes the requested
// outputs and prints the document summary.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "document_summary.h"
#include "import_files.h"
#include "machine/project_file.h"
#include "open_document.h"
#include "process_command.h"

namespace kw::cli {
namespace {

struct ProcessCommandArgs {
  ProcessArgs process;
  ImportOptions import;
  bool order = false;
  std::string saveProject;  // empty: none
};

int RunProcessCommand(const ProcessCommandArgs& args) {
  kw::pathcore::CPathObj doc;
  LayerTables tables;
  if (!OpenDocument(doc, tables, args.process, args.import, "process")) return 1;
  if (!args.saveProject.empty() && !kw::WriteProject(args.saveProject, doc, tables.cutLayers, tables.layerMap)) {
    std::fprintf(stderr, "kerfwright-cli process: %s: cannot be written\n", args.saveProject.c_str());
    return 1;
  }
  std::printf("%s\n", SummaryJson(doc, args.order).c_str());
  return 0;
}

std::string OperationsFooter() {
  return "Operations of --ops, applied in order, most of them to the selected paths; numbers follow\n"
         "the name after colons, e.g. selall,hb:0.05,autofb:0.05,autos:\n" +
         OperationsHelp();
}

}  // namespace

Command AddProcess(CLI::App& program) {
  auto args = std::make_shared<ProcessCommandArgs>();
  auto* command = program.add_subcommand(
      "process", "Apply operations to the document, print its summary");
  AddDocumentOptions(*command, args->process, true);
  command->add_flag("--order", args->order, "also print the first and last point of every path, in job order");
  command->add_option("--save-image", args->process.saveImage, "write the document image to OUT")->type_name("OUT");
  command->add_option("--save-dat", args->process.saveDat, "write the point lists as text to OUT.txt")
      ->type_name("OUT.txt");
  command
      ->add_option("--save-project", args->saveProject,
                   "write the document and the layer tables (a project's own, else the defaults) as a project")
      ->type_name("OUT.rpt");
  AddImportOptions(*command, args->import);
  command->footer(OperationsFooter());
  return {command, [args] { return RunProcessCommand(*args); }};
}

}  // namespace kw::cli

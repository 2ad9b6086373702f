#include "import_files.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "input_files.h"
#include "machine/library_texts.h"
#include "machine/project_file.h"
#include "svgimport/svg_reader.h"

namespace kw::cli {

namespace {

// Collects the messages the document would show in message boxes.
class MessageCatcher : public kw::pathcore::CPathObjEvents {
 public:
  void Message(const std::string& Text) override { messages.push_back(Text); }
  std::vector<std::string> messages;
};

std::string LowerEnding(const std::string& file) {
  std::string ext = std::filesystem::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

// The AI and DST imports report nothing when a file cannot be read, so ask first.
bool Readable(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  return std::ifstream(file, std::ios::binary).good();
}

// Why a project did not load; nothing when it did.
const char* ProjectProblem(kw::ProjectRead result) {
  switch (result) {
    case kw::ProjectRead::Loaded: return nullptr;
    case kw::ProjectRead::NotAProject: return "not a project file (wrong mark or version)";
    case kw::ProjectRead::BlockRefused: return "a block of the project was refused (unknown version or damaged)";
    case kw::ProjectRead::CannotRead: return "cannot be read";
    case kw::ProjectRead::Truncated: return "the project file ends early";
  }
  return "cannot be read";
}

// Why a DXF file did not load, from the document's status.
const char* DxfProblem(int16_t status) {
  switch (status) {
    case 62: return "ends inside an entity";
    case 7: return "far too large: too many points once its curves are flattened, or out of memory";
    default: return "read error";
  }
}

bool OpenProject(kw::pathcore::CPathObj& doc, LayerTables& tables, const std::string& file, std::string& error) {
  const char* problem = ProjectProblem(kw::ReadProject(file, doc, tables.cutLayers, tables.layerMap));
  if (problem) error = file + ": " + problem;
  return problem == nullptr;
}

bool ImportOne(kw::pathcore::CPathObj& doc, LayerTables& tables, const std::string& file,
               const ImportOptions& options, MessageCatcher& catcher, std::string& error) {
  const std::string ext = LowerEnding(file);
  if (!Readable(file)) {
    error = file + ": cannot be read";
    return false;
  }
  catcher.messages.clear();
  if (IsProjectFile(file)) {
    if (!OpenProject(doc, tables, file, error)) return false;
  } else if (ext == ".dxf") {
    const int16_t status = doc.DxfInput(file, options.dxfCutLayer);
    if (status != 0) {
      error = file + ": " + DxfProblem(status) + " (" + std::to_string(status) + ")";
      return false;
    }
  } else if (ext == ".plt") {
    bool readAsHpgl2 = false;
    doc.PltInputOrHpgl2(file, options.pltCutPen, readAsHpgl2);
    if (readAsHpgl2) std::cerr << file << ": the PLT scanner found no paths; read again as HP-GL/2\n";
  } else if (ext == ".hpgl" || ext == ".hpg" || ext == ".hp2") {
    doc.Hpgl2Input(file, options.pltCutPen);
  } else if (ext == ".ai") {
    doc.AiInput(file);
  } else if (ext == ".dst") {
    doc.DstInput(file);
  } else if (ext == ".svg") {
    if (!kw::svgimport::SvgInput(doc, file, error)) {
      error = file + ": " + error;
      return false;
    }
  } else if (ext == ".bmp") {
    const int32_t before = doc.Count();
    doc.BmpInput(file);
    if (doc.Count() == before) {
      error = file + ": only 1-bit bitmaps are imported";
      return false;
    }
  } else {
    error = file + ": not a drawing kind this program imports (plt, hpgl, hpg, hp2, dxf, ai, dst, svg, bmp, rpt)";
    return false;
  }
  if (catcher.messages.empty()) return true;
  error = file + ": " + kw::LibraryText(catcher.messages.front());
  return false;
}

}  // namespace

void AddImportOptions(CLI::App& command, ImportOptions& options) {
  command.add_option("--dxf-cut-layer", options.dxfCutLayer, "DXF layer whose paths are cut (default \"切割\")")
      ->type_name("NAME");
  command.add_option("--plt-cut-pen", options.pltCutPen, "PLT pen whose paths are cut (default 4)")->type_name("TEXT");
}

bool ImportFiles(kw::pathcore::CPathObj& doc, LayerTables& tables, const std::vector<std::string>& files,
                 const ImportOptions& options, std::string& error) {
  MessageCatcher catcher;
  doc.SetEvents(&catcher);
  bool ok = true;
  for (const std::string& file : files) {
    if (!(ok = ImportOne(doc, tables, file, options, catcher, error))) break;
  }
  doc.SetEvents(nullptr);
  return ok;
}

}  // namespace kw::cli

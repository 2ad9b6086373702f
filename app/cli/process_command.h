// The "process" command of kerfwright-cli: load drawings or document images
// into one document, apply a list of editing operations in order, and save
// the result. The command's main prints the document summary afterwards.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pathcore/path_obj.h"

namespace kw::cli {

enum class EditOp {
  SelAll, SelInv, CancelSel, SelUnFb, SelSingal, Del, DaSan, Hb, BackFx, SetFb, AutoFb,
  Smooth, SetDk, UnsetDk, SetDrill, UnsetDrill, Bak, Undo, Redo,
  AutoS, AutoTree, SelectEdge, SetStartP, PxZ, PxA, PxP, PxN, SelX,
  Scale, Spin, Move, Array, Mirror, SetPathPos,
};

struct EditStep {
  EditOp op;
  double tolerance = 0;         // mm, for hb, autofb and selectedge: the first argument
  std::vector<double> args;     // every number after the name, in order
};

// "selall,hb:0.05,...": every name known and every tolerance a number, or
// nothing and a message naming the first bad entry.
std::optional<std::vector<EditStep>> ParseOps(std::string_view list, std::string& error);

void ApplyOps(kw::pathcore::CPathObj& doc, std::span<const EditStep> steps);

struct ProcessArgs {
  std::vector<std::string> files;
  std::vector<EditStep> steps;
  std::string saveImage;  // empty: none
  std::string saveDat;    // empty: none
};

// The arguments after the word "process": FILE... --ops LIST [--save-image OUT] [--save-dat OUT.txt].
std::optional<ProcessArgs> ParseProcessArgs(std::span<const std::string> args, std::string& error);

// Imports one drawing file into the document; false with a message when it cannot.
using ImportFile = std::function<bool(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error)>;

// Loads every file (".img" as a document image, anything else through
// importFile), applies the steps and writes the requested outputs. False
// with a message at the first failure.
bool RunProcess(kw::pathcore::CPathObj& doc, const ProcessArgs& args, const ImportFile& importFile, std::string& error);

}  // namespace kw::cli

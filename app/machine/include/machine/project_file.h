// The project file (".rpt"): the document and both layer tables in one
// binary file. Magic 57 45 4C 00, a format version (3 written, 2 and 3 read),
// then the document, cut-layer and layer-map blocks, each after its 32-bit
// length; a length of 0 or less stands for an absent block. Little-endian.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "pathcore/path_obj.h"

namespace kw {

enum class ProjectRead {
  Loaded,        // every block present was taken
  NotAProject,   // wrong magic or version: nothing changed
  BlockRefused,  // a block's owner refused it: what came before it stays loaded
  CannotRead,    // the file could not be opened or read: nothing changed
  Truncated,     // the file ends before its last block does: nothing changed
};

// The bytes of a project file of version 3.
std::vector<uint8_t> ProjectImage(kw::pathcore::CPathObj& doc, const CCutLayer& cutLayers, const CLayerMap& layerMap);

// Takes a project file's bytes. The whole layout is checked before anything
// is handed over, so a short file changes nothing. The blocks then go to
// their owners in file order; the first refusal ends the load.
ProjectRead LoadProjectImage(std::span<const uint8_t> bytes, kw::pathcore::CPathObj& doc, CCutLayer& cutLayers,
                             CLayerMap& layerMap);

// Writes the project beside `file` and renames it into place: false when it
// could not be written, and the old file, if any, is then untouched.
bool WriteProject(const std::filesystem::path& file, kw::pathcore::CPathObj& doc, const CCutLayer& cutLayers,
                  const CLayerMap& layerMap);

ProjectRead ReadProject(const std::filesystem::path& file, kw::pathcore::CPathObj& doc, CCutLayer& cutLayers,
                        CLayerMap& layerMap);

}  // namespace kw

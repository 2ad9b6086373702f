// The document image: the storage of a document dumped field by field in a
// fixed order, little-endian and without padding. Project files embed it and
// the undo snapshots are made of it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/path_store.h"

namespace kw::pathcore {

enum class ImageLoad {
  Loaded,       // the document now holds the image
  WrongFormat,  // the format mark is not 1: the document is untouched
  Invalid,      // truncated or inconsistent: the document is untouched
};

std::vector<uint8_t> WriteDocumentImage(const PathStore& s);

// Parses the whole image into new storage and only then takes it over, so a
// bad image never leaves a half-loaded document. Selection bounds, SelCount
// and the members outside the image keep their values.
ImageLoad LoadDocumentImage(std::span<const uint8_t> image, PathStore& s);

}  // namespace kw::pathcore

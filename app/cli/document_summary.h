// The JSON summary of a document that info, process and preview print.
#pragma once

#include <string>

#include "pathcore/path_obj.h"

namespace kw::cli {

// Counts, bounds, lengths, safe rectangle and layer census; with withOrder,
// also the first and last point of every object in list order.
std::string SummaryJson(const kw::pathcore::CPathObj& doc, bool withOrder = false);

}  // namespace kw::cli

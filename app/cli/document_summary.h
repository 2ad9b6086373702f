// The JSON summary of a document that info, process and preview print.
#pragma once

#include <string>

#include "pathcore/document/path_obj.h"

namespace kwcli {

// Counts, bounds, lengths, safe rectangle and layer census; with withOrder,
// also the first and last point of every object in list order.
std::string SummaryJson(const pathcore::CPathObj& doc, bool withOrder = false);

}  // namespace kwcli

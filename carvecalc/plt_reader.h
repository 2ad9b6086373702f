// The PLT reader of Carvecalc: one HP-GL command per line ("SP", "PU", "PD",
// "LT"), coordinates in plotter units of 1/39.9999 mm.
#pragma once

#include <string>
#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// Appends the polylines of the file to polylines and their entries to entities.
// A file that cannot be opened is a FileNotFound fault.
void ReadPlt(const std::string& filename, std::vector<polygonside>& polylines,
             std::vector<train>& entities);

}  // namespace kw::carvecalc

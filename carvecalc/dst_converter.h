// Conversion of a Tajima DST embroidery file into a plain text list of stitch
// positions in millimetres.
//
// The text file holds, one item a line:
//   "ST,<stitch count>"
//   "EXTENTS,<x min>,<x max>,<y min>,<y max>"   (mm, from the header)
// then one line per stitch record: "<x>,<y>" (mm, the running position), "Jmp"
// for a jump or "Clr" for a colour change. The end record (third byte 0xF3) ends the list.
#pragma once

#include <string>

namespace kw::carvecalc {

// A source that cannot be opened is a FileNotFound fault, a target that cannot
// be written a FileAccess fault; the old target stays as it was then.
void ConvertDst(const std::string& source, const std::string& target);

}  // namespace kw::carvecalc

// The bitmap record of the document image: the two bitmap headers, the data
// bytes that followed them at import and the bitmap's size.
#pragma once

#include <cstdint>

#include "document/bitmap_store.h"
#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw::pathcore {

// The number of data bytes a record carries: N((biWidth + 31) / 8 * biHeight - 1) + 1,
// in floating point. It can exceed the real colour table and pixel rows, and it
// is negative for a negative height; stored images depend on it, so the import,
// the writer and the reader all use it.
int64_t BitmapDataByteCount(const BitmapInfoHeader& info);

// Writes exactly BitmapDataByteCount bytes of data (zeros where the record holds
// fewer), so the reader always finds the count it computes.
void WriteBitmapRecord(kw::ByteWriter& out, const BmpInfoRecord& record);

// The 14-byte file header and the 40-byte info header as a bitmap file
// starts; both throw kw::ReadPastEnd on a short input.
BitmapFileHeader ReadFileHeader(kw::ByteReader& in);
BitmapInfoHeader ReadInfoHeader(kw::ByteReader& in);

// Throws kw::ReadPastEnd when the record does not fit in the rest of the input,
// including a data-byte count that is negative or larger than what is left.
BmpInfoRecord ReadBitmapRecord(kw::ByteReader& in);

}  // namespace kw::pathcore

// Decoding of the 1-bit bitmaps the document imports into the picture it
// draws. Only uncompressed 1-bit bitmaps are accepted, as only those are imported.
#pragma once

#include <optional>

#include "document/bitmap_store.h"

namespace kw::pathcore {

// The picture of a stored bitmap record: the colour table and pixel rows are
// found in the record's data bytes (the bytes that followed the two headers in
// the file). Nothing when the record is not an uncompressed 1-bit bitmap or
// holds clearly fewer data bytes than its header asks for.
std::optional<BmpPicture> DecodeMonochromeBitmap(const BmpInfoRecord& record);

}  // namespace kw::pathcore

// Access to a document's storage and primitive operations for the library's
// own readers and for tests; hosts use the public interface of CPathObj.
#pragma once

#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {

struct CPathObjInternals {
  static PathStore& Store(CPathObj& document) { return document.S; }
  static const PathStore& Store(const CPathObj& document) { return document.S; }
};

}  // namespace kw::pathcore

// State shared by every document of the library: the language number of the
// progress texts and the document the nesting tree calls back.
#pragma once

#include <cstdint>

namespace kw::pathcore {

class CPathObj;

int16_t LibraryLanguage();
void SetLibraryLanguage(int16_t language);

CPathObj* CurrentDocument();
void SetCurrentDocument(CPathObj* document);

}  // namespace kw::pathcore

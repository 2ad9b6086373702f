#include "document/library_state.h"

namespace kw::pathcore {
namespace {

int16_t g_language = 0;
CPathObj* g_current_document = nullptr;

}  // namespace

int16_t LibraryLanguage() { return g_language; }
void SetLibraryLanguage(int16_t language) { g_language = language; }

CPathObj* CurrentDocument() { return g_current_document; }
void SetCurrentDocument(CPathObj* document) { g_current_document = document; }

}  // namespace kw::pathcore

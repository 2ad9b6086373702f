// GetBin and SetBin: the document image handed to and taken from the host.
#include "document/document_image.h"
#include "pathcore/path_obj.h"

namespace kw::pathcore {

void CPathObj::GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize) {
  Dat = WriteDocumentImage(S);
  DatSize = static_cast<int32_t>(Dat.size());
}

int16_t CPathObj::SetBin(std::vector<uint8_t>& Dat, int32_t DatSize) {
  (void)DatSize;  // the array's own length counts
  return LoadDocumentImage(Dat, S) == ImageLoad::Invalid ? -1 : 0;
}

}  // namespace kw::pathcore

// Reading the pairs of one entity without running into the next one.
#include "import/dxf.h"

namespace kw::pathcore {

// quietAtEnd: the end of the file ends the entity instead of being an error.
bool Cdxf::NextInEntity(DxfPair& pair, bool quietAtEnd) {
  if (quietAtEnd) {
    if (!in_.TryReadPair(pair)) return false;
  } else {
    in_.ReadPair(pair);
  }
  if (!SameText(pair.code, "0")) return true;
  DropAt(pair);
  return false;
}

// False at the entity's end; a code 0 pair is left in pair, not handed back.
bool Cdxf::SeekInEntity(std::string_view code, DxfPair& pair, bool quietAtEnd) {
  for (;;) {
    if (quietAtEnd) {
      if (!in_.TryReadPair(pair)) return false;
    } else {
      in_.ReadPair(pair);
    }
    if (SameText(pair.code, code)) return true;
    if (SameText(pair.code, "0")) return false;
  }
}

// The layer (code 8) and the subclass marker "100"/gate, in either order:
// some writers put the marker first.
bool Cdxf::SeekLayerAndGate(std::string_view gate, std::string& layer, bool quietAtEnd) {
  bool layerSeen = false;
  bool gateSeen = gate.empty();
  DxfPair pair;
  while (!layerSeen || !gateSeen) {
    if (!NextInEntity(pair, quietAtEnd)) return false;
    if (SameText(pair.code, "8") && !layerSeen) {
      layer = pair.value;
      layerSeen = true;
    } else if (SameText(pair.code, "100") && SameText(pair.value, gate)) {
      gateSeen = true;
    }
  }
  return true;
}

void Cdxf::DropAt(const DxfPair& pair) {
  if (pair.code == "0") in_.PutBack(pair);
}

}  // namespace kw::pathcore

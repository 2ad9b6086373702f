// The run's request for work data, shared by the run itself and by whatever
// looks ahead at what it will cut.
#pragma once

#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"

namespace kw {

// Asks doc for its work data through its event sink: the layer map's order
// and kinds, the second tool's offsets and knife radius from the settings,
// pulses per mm from Mcs and Sgdc; with selection only the selected paths.
void RequestRunWorkData(kw::pathcore::CPathObj& doc, const MachineSettings& s, const CLayerMap& layerMap,
                        bool selection);

}  // namespace kw

// The welding-symbol tool: an arrow at the picked tip, a leader of one or
// two segments, the reference line, the weld symbol of one kind on the near
// side (below the line), the back side (above it) or both, contours, the
// field-weld flag, the all-round circle, the texts and the tail, from the
// parameter line the settings window wrote ("mokrav1.jyd").
#pragma once

#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace weld {

// The whole run from the command-line words, the exchange items and the
// parameter file to the 37 drawing records. Throws exchange::ToolError on
// every failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace weld

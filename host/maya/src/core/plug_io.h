#pragma once
// Reading and writing plug values the way the host does: reads evaluate first, writes clamp
// to hard limits, go through the node's internal-value callbacks for internal attributes and
// dirty what they affect.
#include "plug_path.h"
#include "value.h"

#include <functional>
#include <memory>
#include <vector>

namespace mcore {

// The value a read of the plug returns, or null. `holder` keeps a value the node supplied
// through its internal-value callback alive.
const Value* readPlug(const PlugPath& path, std::unique_ptr<Value>& holder);
// Applies `write` to a copy of the stored value, then stores it (unless the node keeps it).
MStatus writePlug(const PlugPath& path, const std::function<bool(Value&)>& write);
bool isInternal(const Attribute* attr);
// Writes numbers into elements first, first + 1, ... of an array plug, each element taking as
// many as it has numeric leaves, clamped like any write, with one change notification at the
// end. Fails, changing nothing, for arrays of anything but numbers or numeric compounds, for
// internal or unwritable arrays, and when the numbers do not fill whole elements.
MStatus writeArrayNumbers(const PlugPath& array, unsigned int first,
                          const std::vector<double>& numbers);

} // namespace mcore

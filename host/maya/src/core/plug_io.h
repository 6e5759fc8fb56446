#pragma once
// Reading and writing plug values the way the host does: reads evaluate first, writes clamp
// to hard limits, go through the node's internal-value callbacks for internal attributes and
// dirty what they affect.
#include "plug_path.h"
#include "value.h"

#include <functional>
#include <memory>

namespace mcore {

// The value a read of the plug returns, or null. `holder` keeps a value the node supplied
// through its internal-value callback alive.
const Value* readPlug(const PlugPath& path, std::unique_ptr<Value>& holder);
// Applies `write` to a copy of the stored value, then stores it (unless the node keeps it).
MStatus writePlug(const PlugPath& path, const std::function<bool(Value&)>& write);
bool isInternal(const Attribute* attr);

} // namespace mcore

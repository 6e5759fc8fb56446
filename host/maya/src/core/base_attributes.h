#pragma once
// Attributes the API's base classes give every node derived from them.
namespace mcore {

struct NodeType;

void createLocatorAttributes();
void createGeometryFilterAttributes();

} // namespace mcore

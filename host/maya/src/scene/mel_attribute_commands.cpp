// setAttr, getAttr, addAttr, connectAttr, disconnectAttr.
#include "core/internal.h"
#include "scene/attribute_text.h"
#include "scene/mel_commands.h"
#include "scene/dag_names.h"
#include "scene/mel_values.h"
#include "scene/placeholder_nodes.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>

namespace scene {

namespace {

std::vector<std::string> texts(const std::vector<MelWord>& words, size_t from) {
    std::vector<std::string> out;
    for (size_t i = from; i < words.size(); ++i)
        out.push_back(words[i].text);
    return out;
}

// What a plug name designates: the plug, or the node and why there is no plug.
struct PlugLookup {
    MPlug plug;
    MObject node;
    bool onPlaceholder = false; // a placeholder node that lacks the attribute
};

// Failures about nodes Maya's default scene has and about attributes the host's node types
// lack are warnings of their own kinds; a placeholder lacking the attribute is not a failure.
PlugLookup lookUpPlug(const std::string& name, MelSession& session, std::string& error) {
    PlugLookup found;
    auto missingDefault = [&](const std::string& node) {
        session.failureKind = kMissingDefaultNodeKind;
        error = "warning: skipped: " + node + " is not in the stand-in's scene";
        return found;
    };
    const bool relative = !name.empty() && name[0] == '.';
    if (relative && session.current.isNull()) {
        if (!session.missingCurrent.empty())
            return missingDefault(session.missingCurrent);
        error = "No object matches name: " + name;
        return found;
    }
    // The node: the current one for ".attr", else looked up by name.
    const std::string full = relative ? name : resolvePlugName(name, session);
    const size_t dot = full.find('.');
    if (relative) {
        found.node = session.current;
    } else {
        const std::string nodeName = full.substr(0, dot);
        const std::vector<MObject> nodes = nodesNamed(nodeName);
        if (nodes.size() != 1) {
            if (nodes.empty() && !name.empty() && name[0] == ':')
                return missingDefault(name.substr(0, name.find('.')));
            error =
                nodes.empty() ? "No object matches name: " + name : ambiguityError(nodeName, nodes);
            return found;
        }
        found.node = nodes.front();
    }
    const std::string attribute = dot == std::string::npos ? "" : full.substr(dot);
    found.plug = attribute.empty() ? MPlug() : mcore::plugOn(found.node, attribute.substr(1));
    if (!found.plug.isNull())
        return found;
    found.onPlaceholder = isPlaceholder(found.node);
    if (const std::string index = mcore::badLogicalIndex(attribute); !index.empty()) {
        found.onPlaceholder = false;
        error = name + ": " + index + " is not a logical index (0 to " +
                std::to_string(mcore::kLargestLogicalIndex) + ")";
    } else if (!found.onPlaceholder && !attribute.empty()) {
        const std::string type = MFnDependencyNode(found.node).typeName().asChar();
        session.failureKind =
            "warning: attributes the stand-in's '" + type + "' nodes do not have are skipped";
        error =
            "warning: skipped: " + uniqueNameOf(found.node) + " (" + type + ") has no " + attribute;
    } else if (!found.onPlaceholder) {
        error = "No object matches name: " + name;
    }
    return found;
}

MPlug findPlug(const std::string& name, MelSession& session, std::string& error) {
    return lookUpPlug(name, session, error).plug;
}

// "node.attr[2:5]": the array part and the index range; false when there is no range.
bool splitRange(const std::string& name, std::string& array, unsigned& first, unsigned& last) {
    size_t open = name.rfind('[');
    size_t colon = name.find(':', open == std::string::npos ? name.size() : open);
    if (open == std::string::npos || colon == std::string::npos || name.back() != ']')
        return false;
    int a = 0, b = 0;
    if (!parseInt(name.substr(open + 1, colon - open - 1), a) ||
        !parseInt(name.substr(colon + 1, name.size() - colon - 2), b) || a < 0 || b < a)
        return false;
    array = name.substr(0, open);
    first = static_cast<unsigned>(a);
    last = static_cast<unsigned>(b);
    return true;
}

MStatus setAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    const auto& words = args.positional();
    if (words.empty()) {
        error = "needs an attribute";
        return MS::kInvalidParameter;
    }
    std::vector<std::string> values = texts(words, 1);
    std::string arrayName;
    unsigned first = 0, last = 0;
    const bool range = splitRange(words[0].text, arrayName, first, last);
    const PlugLookup found = lookUpPlug(range ? arrayName : words[0].text, session, error);
    if (found.onPlaceholder)
        return MS::kSuccess; // a placeholder keeps only the attributes it has
    if (found.plug.isNull())
        return MS::kInvalidParameter;
    if (values.empty()) {
        // Flags alone (size, lock, keyable, capacity) change nothing the stand-in keeps.
        if (args.has("size") || args.has("lock") || args.has("keyable") || args.has("channelBox") ||
            args.has("capacityHint"))
            return MS::kSuccess;
        error = "no value given for " + words[0].text;
        return MS::kInvalidParameter;
    }
    const std::string type = args.has("type") ? args.value("type") : impliedDataType(found.plug);
    std::vector<MPlug> plugs;
    if (range) {
        if (!found.plug.isArray()) {
            error = arrayName + " is not an array";
            return MS::kInvalidParameter;
        }
        // Every element takes at least one value, so a range longer than the values given is
        // refused before any of its plugs is made.
        const MPlug sample = found.plug.elementByLogicalIndex(first);
        const size_t count = static_cast<size_t>(last) - first + 1;
        const size_t perElement = valueWordCount(sample);
        if (count > values.size() || (perElement > 0 && perElement * count != values.size())) {
            error = words[0].text + " needs " +
                    (perElement > 0 ? std::to_string(perElement * count)
                                    : "at least " + std::to_string(count)) +
                    " value(s), got " + std::to_string(values.size());
            return MS::kInvalidParameter;
        }
        // Long lists of numbers (vertices, UVs, tweaks) go in at once.
        std::vector<double> numbers;
        if (arrayNumbersFromWords(sample, values, numbers) &&
            numbers.size() == valueWordCount(sample) * (last - first + 1) &&
            mcore::setArrayNumbers(found.plug, first, numbers))
            return MS::kSuccess;
        for (unsigned i = first; i <= last; ++i)
            plugs.push_back(found.plug.elementByLogicalIndex(i));
    } else {
        plugs.push_back(found.plug);
    }
    // Typed data in a range: only face lists, which Maya writes that way, split face by face.
    const size_t perPlug = valueWordCount(plugs.front());
    if (perPlug == 0 && plugs.size() > 1 && type != "polyFaces") {
        error = "a range of typed values is not supported";
        return MS::kNotImplemented;
    }
    const size_t needed = perPlug * plugs.size();
    if (needed != 0 && needed != values.size()) {
        error = words[0].text + " needs " + std::to_string(needed) + " value(s), got " +
                std::to_string(values.size());
        return MS::kInvalidParameter;
    }
    size_t next = 0;
    for (const MPlug& plug : plugs) {
        MStatus status = setPlugFromWords(plug, type, values, next, error);
        if (!status)
            return status;
    }
    if (next != values.size()) {
        error = "too many values for " + words[0].text;
        return MS::kInvalidParameter;
    }
    return MS::kSuccess;
}

MStatus getAttr(const MelArgs& args, MelSession& session, MelResult& result, std::string& error) {
    if (args.positional().size() != 1) {
        error = "needs one attribute";
        return MS::kInvalidParameter;
    }
    MPlug plug = findPlug(args.positional()[0].text, session, error);
    if (plug.isNull())
        return MS::kInvalidParameter;
    std::string text;
    bool isText = false;
    MStatus status = plugValues(plug, result.numbers, text, isText, error);
    if (status && isText)
        result.strings.push_back(text);
    return status;
}

// -na: the first element of the destination array that nothing feeds.
std::string nextAvailable(const MPlug& array) {
    unsigned int index = 0;
    while (array.elementByLogicalIndex(index).isDestination())
        ++index;
    return std::string(array.name().asChar()) + "[" + std::to_string(index) + "]";
}

// ".attr[2].child" of "node.attr[2].child".
std::string attributePart(const std::string& plugName) {
    const size_t bar = plugName.rfind('|');
    const size_t dot = plugName.find('.', bar == std::string::npos ? 0 : bar);
    return dot == std::string::npos ? "" : plugName.substr(dot);
}

// The source and destination plugs a connection command names. A connection to or from an
// attribute a placeholder lacks is recorded instead (`recorded`).
MStatus connectionPlugs(const MelArgs& args, MelSession& session, MPlug& src, MPlug& dst,
                        bool& recorded, std::string& error, bool record = true) {
    recorded = false;
    if (args.positional().size() != 2) {
        error = "needs a source and a destination";
        return MS::kInvalidParameter;
    }
    const PlugLookup from = lookUpPlug(args.positional()[0].text, session, error);
    if (from.node.isNull() || (from.plug.isNull() && !from.onPlaceholder))
        return MS::kInvalidParameter;
    const PlugLookup to = lookUpPlug(args.positional()[1].text, session, error);
    if (to.node.isNull() || (to.plug.isNull() && !to.onPlaceholder))
        return MS::kInvalidParameter;
    if (from.onPlaceholder || to.onPlaceholder) {
        if (record)
            recordPlaceholderLink({from.node, to.node, from.plug, to.plug,
                                   attributePart(args.positional()[0].text),
                                   attributePart(args.positional()[1].text)});
        recorded = true;
    }
    src = from.plug;
    dst = to.plug;
    // A node's per-instance values ("x.worldMatrix", "x.pim") name its first instance when
    // they feed a single value.
    if (src.isArray() && !src.isElement() && !(dst.isArray() && !dst.isElement()))
        src = src.elementByLogicalIndex(0);
    return MS::kSuccess;
}

MStatus connectAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    MPlug src, dst;
    bool recorded = false;
    MStatus status = connectionPlugs(args, session, src, dst, recorded, error);
    if (!status || recorded)
        return status;
    std::string dstName = dst.name().asChar();
    if (args.has("nextAvailable") && dst.isArray())
        dstName = nextAvailable(dst);
    return hostkit::connectAttr(src.name().asChar(), dstName, args.has("force"), &error);
}

MStatus disconnectAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    MPlug src, dst;
    bool recorded = false;
    MStatus status = connectionPlugs(args, session, src, dst, recorded, error, false);
    if (!status || recorded)
        return status;
    return hostkit::disconnectAttr(src.name().asChar(), dst.name().asChar(), &error);
}

} // namespace

const std::vector<MelCommandDef>& attributeCommands() {
    static const std::vector<MelCommandDef> table = {
        {"setAttr",
         {{"typ", "type", 1},
          {"k", "keyable", 1},
          {"l", "lock", 1},
          {"cb", "channelBox", 1},
          {"s", "size", 1},
          {"av", "alteredValue", 0},
          {"ca", "caching", 1},
          {"ch", "capacityHint", 1},
          {"c", "clamp", 0}},
         setAttr},
        {"getAttr", {}, getAttr},
        {"connectAttr",
         {{"f", "force", 0}, {"na", "nextAvailable", 0}, {"l", "lock", 1}},
         connectAttr},
        {"disconnectAttr", {{"na", "nextAvailable", 0}}, disconnectAttr},
    };
    return table;
}

} // namespace scene

#include "mel_facts.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace melcheck {
namespace {

// Removes // and /* */ comments outside string literals; reports a string left open.
std::string withoutComments(const std::string& text, std::vector<std::string>& errors) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < text.size())
                out += text[++i];
            else if (c == '"')
                inString = false;
            else if (c == '\n')
                errors.push_back("a string runs past the end of a line");
        } else if (text.compare(i, 2, "//") == 0) {
            i = text.find('\n', i);
            if (i == std::string::npos)
                break;
            out += '\n';
        } else if (text.compare(i, 2, "/*") == 0) {
            i = text.find("*/", i);
            if (i == std::string::npos)
                break;
            ++i;
        } else {
            inString = c == '"';
            out += c;
        }
    }
    if (inString)
        errors.push_back("a string is not closed");
    return out;
}

// Statements end at ';', '{' or '}' outside strings; whitespace runs become one space.
std::vector<std::string> statements(const std::string& text, std::vector<std::string>& errors) {
    std::vector<std::string> found;
    std::string current;
    bool inString = false;
    int depth = 0;
    int parentheses = 0;
    const auto finish = [&] {
        if (parentheses != 0)
            errors.push_back("parentheses do not balance in: " + current);
        parentheses = 0;
        const std::size_t first = current.find_first_not_of(' ');
        if (first != std::string::npos)
            found.push_back(current.substr(first, current.find_last_not_of(' ') - first + 1));
        current.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            current += c;
            if (c == '\\' && i + 1 < text.size())
                current += text[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        parentheses += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c == ';' || c == '{' || c == '}') {
            finish();
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            if (depth < 0)
                errors.push_back("a '}' closes nothing");
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!current.empty() && current.back() != ' ')
                current += ' ';
            continue;
        }
        current += c;
    }
    if (current.find_first_not_of(' ') != std::string::npos)
        errors.push_back("the last statement does not end: " + current);
    if (depth > 0)
        errors.push_back("a '{' is not closed");
    return found;
}

std::vector<std::string> allMatches(const std::string& text, const std::regex& pattern,
                                    int group = 1) {
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.push_back((*it)[group].str());
    return found;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

void readEditorTemplate(const std::string& s, MelFacts& facts, int& layoutDepth, int& scrollDepth) {
    static const std::regex addControl(R"re(-addControl "(\w+)"(?: "(\w+)")?)re");
    static const std::regex suppress(R"re(-suppress "(\w+)")re");
    static const std::regex dim(R"re(-dimControl \S+ "(\w+)")re");
    static const std::regex custom(R"re(-callCustom "(\w+)" "(\w+)"((?: "\w+")+))re");
    static const std::regex quoted(R"re("(\w+)")re");
    std::smatch m;
    if (std::regex_search(s, m, addControl)) {
        facts.added.push_back(m[1]);
        if (m[2].matched)
            facts.changeCommands.push_back(m[2]);
    }
    append(facts.suppressed, allMatches(s, suppress));
    append(facts.dimmed, allMatches(s, dim));
    if (std::regex_search(s, m, custom)) {
        facts.customProcedures.push_back(m[1]);
        facts.customProcedures.push_back(m[2]);
        const std::string attributes = m[3];
        append(facts.customAttributes, allMatches(attributes, quoted));
    }
    layoutDepth += s.find("-beginLayout") != std::string::npos;
    layoutDepth -= s.find("-endLayout") != std::string::npos;
    scrollDepth += s.find("-beginScrollLayout") != std::string::npos;
    scrollDepth -= s.find("-endScrollLayout") != std::string::npos;
    if (layoutDepth < 0 || scrollDepth < 0)
        facts.structureErrors.push_back("a layout ends before it begins: " + s);
}

} // namespace

MelFacts readMel(const std::string& text) {
    static const std::regex proc(R"re(^(?:global )?proc (?:\w+(?:\[\])? )?(\w+) ?\()re");
    static const std::regex elementControl(R"re(^(attr\w+Grp)\b.*\+ "\.(\w+)")re");
    static const std::regex suffix(R"re(\$(\w+)(?:\[\d+\])? \+ "(\.[\w\[\]\.]+)")re");
    static const std::regex created(R"re((?:createNode|deformer -type) (\w+))re");
    static const std::regex image(R"re("([\w.]+\.png)")re");
    MelFacts facts;
    int layoutDepth = 0;
    int scrollDepth = 0;
    for (const std::string& s :
         statements(withoutComments(text, facts.structureErrors), facts.structureErrors)) {
        std::smatch m;
        if (std::regex_search(s, m, proc))
            facts.procedures.insert(m[1]);
        if (s.rfind("editorTemplate ", 0) == 0)
            readEditorTemplate(s, facts, layoutDepth, scrollDepth);
        if (std::regex_search(s, m, elementControl))
            facts.elementControls.push_back({m[1], m[2]});
        for (std::sregex_iterator it(s.begin(), s.end(), suffix), end; it != end; ++it)
            facts.attributeSuffixes.push_back({(*it)[1], (*it)[2]});
        append(facts.createdTypes, allMatches(s, created));
        append(facts.images, allMatches(s, image));
    }
    if (layoutDepth != 0 || scrollDepth != 0)
        facts.structureErrors.push_back("editorTemplate layouts do not balance");
    return facts;
}

MelFacts readMelFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        MelFacts facts;
        facts.structureErrors.push_back("cannot read " + path);
        return facts;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return readMel(text.str());
}

} // namespace melcheck

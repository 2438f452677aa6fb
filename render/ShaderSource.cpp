#include "render/ShaderSource.h"

#include <algorithm>

namespace {

const size_t kDirectiveLength = 12;  // "#version 330"
const char* const kDirective = "#version";

}  // namespace

bool rewriteVersionDirective(std::string& source, const std::string& version) {
    const size_t start = source.find(kDirective);
    if (start == std::string::npos) {
        return false;
    }
    const size_t lineEnd = std::min(source.find('\n', start), source.size());
    const size_t length = std::min(kDirectiveLength, lineEnd - start);
    source.replace(start, length, std::string(kDirective) + " " + version);
    return true;
}

void addDefinitions(std::string& source, const std::string& definitions) {
    const size_t start = source.find(kDirective);
    if (start == std::string::npos || definitions.empty()) {
        return;
    }
    const size_t lineEnd = source.find('\n', start);
    if (lineEnd == std::string::npos) {
        source += "\n" + definitions;
        return;
    }
    source.insert(lineEnd + 1, definitions);
}

#include "fake/call_log.h"

#include <algorithm>

namespace fake {

std::string methodOf(const std::string& line) {
    std::size_t dot = line.find('.');
    std::size_t paren = line.find('(');
    if (paren == std::string::npos) return {};
    // Names such as "texture3.level0" have more than one dot: the method follows the last before "(".
    dot = line.rfind('.', paren);
    return line.substr(dot + 1, paren - dot - 1);
}

static bool listed(const std::vector<std::string>& methods, const std::string& line) {
    return std::find(methods.begin(), methods.end(), methodOf(line)) != methods.end();
}

std::vector<std::string> CallLog::only(const std::vector<std::string>& methods) const {
    std::vector<std::string> result;
    for (const auto& line : lines_)
        if (methods.empty() || listed(methods, line)) result.push_back(line);
    return result;
}

std::vector<std::string> CallLog::without(const std::vector<std::string>& methods) const {
    std::vector<std::string> result;
    for (const auto& line : lines_)
        if (!listed(methods, line)) result.push_back(line);
    return result;
}

bool Scripts::takeKey(const std::string& key, std::int64_t& result) {
    auto once = once_.find(key);
    if (once != once_.end() && !once->second.empty()) {
        auto& [skip, scripted] = once->second.front();
        if (skip > 0) {
            --skip;
            return false;
        }
        result = scripted;
        once->second.pop_front();
        return true;
    }
    auto standing = always_.find(key);
    if (standing != always_.end()) {
        result = standing->second;
        return true;
    }
    return false;
}

bool Scripts::take(const std::string& object, const std::string& method, std::int64_t& result) {
    return takeKey(object + "." + method, result) || takeKey(method, result);
}

}  // namespace fake

// The fake runtime's record of calls and its scripted answers.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace fake {

// Every call made on a fake object, one readable line each, in order:
// "device1.SetRenderState(28, 0)", with the result each call returned.
class CallLog {
public:
    void add(std::string line) {
        lines_.push_back(std::move(line));
        results_.push_back(0);
    }
    const std::vector<std::string>& lines() const { return lines_; }
    // The result the call of line `index` returned (0 for a call without one).
    std::int64_t result(std::size_t index) const { return results_.at(index); }
    void noteResult(std::size_t index, std::int64_t result) { results_.at(index) = result; }
    // The lines whose method is one of `methods` (all lines when empty).
    std::vector<std::string> only(const std::vector<std::string>& methods) const;
    // All lines but those whose method is one of `methods`.
    std::vector<std::string> without(const std::vector<std::string>& methods) const;
    std::size_t size() const { return lines_.size(); }
    void clear() {
        lines_.clear();
        results_.clear();
    }

private:
    std::vector<std::string> lines_;
    std::vector<std::int64_t> results_;
};

// The method name of a log line: "device1.Clear(...)" -> "Clear".
std::string methodOf(const std::string& line);

// Results the tests script, keyed by "Method" (any object) or "name.Method".
// A one-shot result is used once; a standing result every time. Where a call
// has a scripted result, the fake object does nothing but fill the call's
// out-parameters with the byte 0xA5 and return it.
class Scripts {
public:
    // The result for one call: the next matching call, or the one after `skip` more.
    void once(const std::string& key, std::int64_t result, int skip = 0) { once_[key].push_back({skip, result}); }
    void always(const std::string& key, std::int64_t result) { always_[key] = result; }
    void clear() { once_.clear(); always_.clear(); }
    bool take(const std::string& object, const std::string& method, std::int64_t& result);

private:
    bool takeKey(const std::string& key, std::int64_t& result);
    std::map<std::string, std::deque<std::pair<int, std::int64_t>>> once_;
    std::map<std::string, std::int64_t> always_;
};

}  // namespace fake

#include "core/pattern.h"

#include "core/utf8.h"

namespace ordalis {

namespace {

// Iterative wildcard match with single backtracking point for '*'.
bool wildcardMatch(std::u32string_view pat, std::u32string_view name)
{
    std::size_t p = 0, n = 0, starP = std::u32string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && pat[p] != U'*' && (pat[p] == U'?' || utf8::fold(pat[p]) == utf8::fold(name[n]))) {
            ++p;
            ++n;
        } else if (p < pat.size() && pat[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u32string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == U'*')
        ++p;
    return p == pat.size();
}

// "xxx." followed only by stars (or by nothing): the part before the dot,
// which a name without any dot may match on its own.
bool dotStarTail(std::u32string_view pat, std::u32string_view& head)
{
    const auto dot = pat.rfind(U'.');
    if (dot == std::u32string_view::npos)
        return false;
    for (auto i = dot + 1; i < pat.size(); ++i)
        if (pat[i] != U'*')
            return false;
    head = pat.substr(0, dot);
    return true;
}

bool matchOne(std::u32string_view pat, std::u32string_view name)
{
    if (wildcardMatch(pat, name))
        return true;
    std::u32string_view head;
    return name.find(U'.') == std::u32string_view::npos && dotStarTail(pat, head)
        && wildcardMatch(head, name);
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string patternFromFilter(std::string_view filterText)
{
    if (filterText.empty())
        return "*.*";
    return "*." + std::string(filterText);
}

bool matchesPattern(std::string_view pattern, std::string_view name)
{
    const std::u32string name32 = utf8::decode(name);
    const auto matches = [&name32](std::string_view one) {
        one = trimSpaces(one);
        return !one.empty() && matchOne(utf8::decode(one), name32);
    };
    if (matches(pattern))
        return true;
    std::size_t start = 0;
    while (start < pattern.size()) {
        auto end = pattern.find(';', start);
        if (end == std::string_view::npos)
            return start > 0 && matches(pattern.substr(start));  // the whole text was tried first
        if (matches(pattern.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace ordalis

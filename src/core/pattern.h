// File name patterns of the file list and the file search.
#pragma once

#include <string>
#include <string_view>

namespace ordalis {

// The file list's pattern for an extension filter text: "*." followed by the
// text, or "*.*" when the text is empty.
std::string patternFromFilter(std::string_view filterText);

// Matches a name against a pattern: '*' any run of characters, '?' exactly
// one character (an invalid byte is one, utf8.h), no case distinction
// (utf8::fold). A pattern ending with "." followed only by '*' characters
// (or by nothing) also matches names without a dot, so "*.*" and "*.***"
// match every name and "*." matches the names without extension. Spaces
// around a pattern are ignored. A name matches when it matches the whole
// text as one pattern ("semi;colon.txt" matches that name) or one of its
// parts separated by ';' ("a.txt; b.txt" matches both names).
bool matchesPattern(std::string_view pattern, std::string_view name);

}  // namespace ordalis

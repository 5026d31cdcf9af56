// Finding a word in a text, as the text search window does: a plain
// substring search over UTF-16 code units, so that positions are those of
// the text widgets.
#pragma once

#include <cstddef>
#include <string_view>

namespace ordalis {

enum class CaseMode {
    Exact,       // same code units
    IgnoreCase,  // same after simple Unicode case folding: "é" finds "É", not "e"
};

// The 1-based position of the first occurrence of `word` in `text` that
// starts at or after the 1-based position `from` (0 counts as 1), or 0 when
// there is none. Occurrences may overlap: a search from one position past
// the last find finds the next one even when it shares characters with it.
// An empty word is never found.
std::size_t findText(std::u16string_view text, std::u16string_view word, std::size_t from, CaseMode mode);

}  // namespace ordalis

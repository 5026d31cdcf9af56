// Find-next of a word near the end of a 50 MB text (UTF-16, French words
// with accents, LF line breaks), in both case modes, against
// std::u16string_view::find in the same run. The verdict is the slower of
// the two modes, median of rounds.
#include "bench_clock.h"
#include "core/textfind.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::median;
using bench::milliseconds;
using bench::timed;

constexpr std::size_t kUnits = 50u * 1024 * 1024;
constexpr int kRounds = 5;

// Words of the text; the searched word is none of them and differs from
// "zèbre" only in its last letters.
std::u16string makeText(std::size_t size, std::u16string_view word)
{
    const std::vector<std::u16string> words = {
        u"le", u"fichier", u"été", u"dossier", u"Conseil", u"zèbre", u"Noël", u"à", u"renommer",
        u"PRÉFÉRENCES", u"texte", u"chiffré", u"clé", u"recherche", u"où", u"ça", u"Œuvre", u"zébu",
    };
    std::mt19937 random(50);
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::u16string text;
    text.reserve(size + 64);
    for (int n = 1; text.size() + 64 < size; ++n) {
        text += words[pick(random)];
        text += n % 12 == 0 ? u'\n' : u' ';
    }
    text.insert(text.size() - 1000, word);
    return text;
}

}  // namespace

int main()
{
    const std::u16string word = u"zèbrelle";
    const std::u16string text = makeText(kUnits, word);
    const std::u16string upper = u"ZÈBRELLE";
    std::vector<double> exact, folded, library;
    std::size_t atExact = 0, atFolded = 0, atLibrary = 0;
    for (int round = 0; round < kRounds; ++round) {
        exact.push_back(timed([&] { return ordalis::findText(text, word, 1, ordalis::CaseMode::Exact); }, atExact));
        folded.push_back(
            timed([&] { return ordalis::findText(text, upper, 1, ordalis::CaseMode::IgnoreCase); }, atFolded));
        library.push_back(timed([&] { return std::u16string_view(text).find(word) + 1; }, atLibrary));
    }
    const bool agree = atExact == atLibrary && atFolded == atLibrary && atExact > kUnits - 2000;
    std::printf("%zu units, word at %zu, median of %d rounds: exact %.1f ms, ignoring case %.1f ms, "
                "u16string_view::find %.1f ms%s\n",
                text.size(), atExact, kRounds, median(exact), median(folded), median(library),
                agree ? "" : " (POSITIONS DIFFER)");
    std::printf("textfind: %.1f ms over 50 MB (goal < 100 ms)\n", std::max(median(exact), median(folded)));
    return agree ? 0 : 1;
}

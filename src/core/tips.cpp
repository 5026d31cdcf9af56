#include "core/tips.h"

#include "core/textfile.h"

#include <algorithm>

namespace ordalis {

namespace {

// One tip per line of a text whose line breaks are LF.
std::vector<std::u16string> splitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<std::u16string> parseTips(std::string_view bytes)
{
    return splitLines(decodeText(bytes).text);
}

std::u16string missingTipsMessage(std::u16string_view fileName)
{
    return u"Le fichier " + std::u16string(fileName) + u" n'a pas été trouvé.\n\n"
        u"Vous n'auriez pas dû le supprimer du dossier de Ordalis...";
}

bool TipList::load(const std::string& path, const Random& random)
{
    DecodedText decoded;
    const bool readable = !path.empty() && !readTextFile(path, decoded);
    assign(readable ? splitLines(decoded.text) : std::vector<std::u16string>(), random);
    return readable;
}

void TipList::assign(std::vector<std::u16string> tips, const Random& random)
{
    tips_ = std::move(tips);
    pickRandom(random);
}

void TipList::next()
{
    position_ = position_ >= tips_.size() ? 1 : position_ + 1;
}

std::u16string_view TipList::current() const
{
    return tips_.empty() ? std::u16string_view() : std::u16string_view(tips_[position_ - 1]);
}

// Position = integer part of R x N + 1, kept within 1..N whatever the source gives.
void TipList::pickRandom(const Random& random)
{
    const double n = static_cast<double>(tips_.size());
    const double scaled = std::clamp(random() * n, 0.0, n);
    position_ = tips_.empty() ? 1 : std::min(static_cast<std::size_t>(scaled), tips_.size() - 1) + 1;
}

}  // namespace ordalis

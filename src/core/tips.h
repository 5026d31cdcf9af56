// Tips of the day: one tip per line of a text file, the first shown chosen
// at random, the following ones in file order.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ordalis {

// The tips of a file's bytes, decoded as text files are (UTF-8 when valid,
// otherwise code page 1252): one per line, lines ending with CR LF or LF. A
// final line end makes no extra tip; an empty line elsewhere is an empty tip.
std::vector<std::u16string> parseTips(std::string_view bytes);

// The text shown in place of a tip when the tips file is missing or cannot
// be read; its two line breaks are LF.
std::u16string missingTipsMessage(std::u16string_view fileName);

class TipList {
public:
    // A source of random numbers in [0, 1).
    using Random = std::function<double()>;

    // Reads the tips file and picks a random first tip. False when the path
    // is empty or names no readable file: the list is then empty.
    bool load(const std::string& path, const Random& random);
    // Takes the tips as they are and picks a random first tip.
    void assign(std::vector<std::u16string> tips, const Random& random);

    // The next tip in file order, the first after the last.
    void next();

    bool empty() const { return tips_.empty(); }
    std::size_t size() const { return tips_.size(); }
    // The 1-based position of the tip shown (1 when the list is empty).
    std::size_t position() const { return position_; }
    // The tip shown; the empty text when the list is empty.
    std::u16string_view current() const;

private:
    void pickRandom(const Random& random);

    std::vector<std::u16string> tips_;
    std::size_t position_ = 1;
};

}  // namespace ordalis

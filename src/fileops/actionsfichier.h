// What the date/time and attribute commands do to one file, shared by the
// selected-files commands and the whole-folder walk.
#pragma once

#include "core/datetime.h"

#include <QString>
#include <array>
#include <functional>
#include <cstdint>
#include <string>

class General;
class QLineEdit;
class QWidget;

// Stamps creation and modification times from the four date and time boxes,
// read afresh for every file. A text that cannot be read shows the input
// message once per command and per field (creation first), and that time is
// left unchanged on the files; the other one is still set.
class Horodatage {
public:
    Horodatage(General& general, QWidget* fenetre, const std::array<QLineEdit*, 4>& champs);
    // Reads the boxes for `chemin` and gives the operation that stamps it
    // (none when neither time can be read); the operation may run on
    // another thread.
    std::function<void()> preparer(const std::string& chemin);
    void operator()(const std::string& chemin);

private:
    std::uint64_t lire(int ligne);

    General& m_general;
    QWidget* m_fenetre;
    std::array<QLineEdit*, 4> m_champs;  // date/time of creation, then of modification
    std::array<ordalis::DateTextReader, 2> m_lecteurs;
    std::array<bool, 2> m_signale{};
};

struct ContexteFichiers;

// The selected-files frame of the date/time and attribute commands: hides
// the menu, does nothing while no file was clicked yet, applies `action` to
// each selected file of the list in order (the current file following
// along) with the progress bar, then plays the completion sound.
void appliquerAuxSelectionnes(ContexteFichiers& contexte, const std::function<void(const std::string&)>& action);

// The tips of the day window: one tip of the tips file at a time, the first
// one chosen at random, the following ones in file order; a check box
// switches the window's display at start on or off in the settings store.
#pragma once

#include "core/tips.h"

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class General;
class QCheckBox;
class QLabel;
class TavBttn;

class Conseils : public QWidget {
    Q_OBJECT
public:
    // Opens on the tips file `fichier` ("Conseils.txt" of the program's data
    // folder when empty), the first tip drawn with `hasard` (a generator
    // seeded from the clock when empty). A missing or unreadable file shows
    // a message in place of the tip.
    explicit Conseils(General& general, QWidget* parent = nullptr, const QString& fichier = {},
                      ordalis::TipList::Random hasard = {});

    // Reads the tips of `fichier` and shows one drawn at random. False when
    // the file is missing or cannot be read: the list is then empty.
    bool LoadTips(const QString& fichier);
    // Draws the tip to show and shows it.
    void PickRandomTip();
    // Shows the current tip; with no tip the text shown stays as it is.
    void DisplayCurrentTip();
    // Steps to the next tip, the first after the last.
    void CmdNextTip();

private:
    void construireConseil();
    void construireCommandes();
    void lireInterrupteur();
    void basculerInterrupteur(bool coche);

    General& m_general;
    ordalis::TipList::Random m_hasard;
    std::vector<std::u16string> m_conseils;  // the tips in file order
    ordalis::TipList m_liste;                 // the tip shown among them
    QLabel* m_texte = nullptr;
    QCheckBox* m_demarrage = nullptr;
};

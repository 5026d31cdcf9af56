// The main window's menu panel `PopUpInfos`: the about entry, the seven
// colour commands and their reset, the two switches (hover hints, tips at
// start) and the removal of the stored settings.
#pragma once

#include "core/colour.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <array>

class General;
class TavPanel;
class TavBttn;

class MenuConfiguration : public QObject {
    Q_OBJECT
public:
    // Builds the panel, hidden, in `fenetre`; every entry hides it first.
    MenuConfiguration(QWidget& fenetre, General& general);

    TavPanel* panneau() const { return m_panneau; }

    // Reads the colours and both switches from the store (load steps 8 to
    // 11): an absent or unreadable value gives its default.
    void lireInterrupteurs();
    // Marks the switches that are on (the tips one may change meanwhile).
    void rafraichirInterrupteurs();

    // Asks for the colour of role `role` (0 to 6) and stores it.
    void ProcChangeCoul(int role);
    void reinitialiser();
    void basculerBulles();
    void basculerConseils();
    void desinstaller();

Q_SIGNALS:
    // The colours of `General` changed (read, picked or reset): to apply.
    void couleursChangees();
    // The about entry was chosen (the menu is hidden already).
    void aproposDemande();

private:
    TavBttn* entree(const char* nom, const QString& caption, int haut);

    QWidget& m_fenetre;
    General& m_general;
    TavPanel* m_panneau;
    TavBttn *m_bulles = nullptr, *m_conseils = nullptr;  // the switches
    std::array<QString, 7> m_textes;  // colour texts as stored or picked
    QColor m_dernierChoix{Qt::black};
};

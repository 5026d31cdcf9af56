// The chrome every window shares: a title area that drags the window with
// any mouse button, a close button, and for some windows a minimise button
// and a help button that opens one topic on the left button and another on
// the right one.
#pragma once

#include "ui/general.h"

#include <QObject>
#include <QString>

class General;
class QWidget;
class TavBttn;

struct OptionsChrome {
    bool principale = false;  // close ends the program; has a minimise button
    bool aide = false;        // has its own help button in the title row
    SujetAide sujetGauche = SujetAide::Sommaire;  // help topic of the left button
    SujetAide sujetDroit = SujetAide::Sommaire;   // help topic of the right button
};

class Chrome : public QObject {
    Q_OBJECT
public:
    Chrome(QWidget* fenetre, General& general, const OptionsChrome& options);

    TavBttn* deplace() const { return m_deplace; }
    TavBttn* fermer() const { return m_fermer; }
    TavBttn* reduire() const { return m_reduire; }  // null unless main window
    TavBttn* aide() const { return m_aide; }         // null without help

    // Wires a help button (the main window's sits in its icon bar).
    void brancherAide(TavBttn* bouton, SujetAide sujetGauche, SujetAide sujetDroit, const QString& bulle);

private:
    QWidget* m_fenetre;
    General& m_general;
    TavBttn* m_deplace;
    TavBttn* m_fermer;
    TavBttn* m_reduire = nullptr;
    TavBttn* m_aide = nullptr;
};

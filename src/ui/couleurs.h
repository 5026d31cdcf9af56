// Applying the seven interface colours to a window. Each window describes,
// as data, which of its controls take which role; one routine applies any
// such table.
#pragma once

#include "ui/general.h"

#include <QColor>
#include <QStringList>

struct TableCouleurs {
    QStringList gradientNormal;   // start -> end
    QStringList gradientInverse;  // end -> start
    QStringList texteBoutons;     // caption colour (or text colour of labels)
    QStringList lumiere;          // highlight under the pointer
    QStringList autresTextes;     // texts, captions and lines
    QStringList visu;             // background of lists and entry fields
    QStringList fond;             // controls painted with the window background
};

QColor versQColor(ordalis::Colour c);
ordalis::Colour depuisQColor(const QColor& c);

// Paints the window's background with `fond` and gives every named control
// of the table its colour. Controls the window does not have are skipped.
void appliquerCouleurs(QWidget* fenetre, const TableCouleurs& table, const Couleurs& couleurs);

// The tables of the program's windows.
const TableCouleurs& tableFenPrin();
// The table of a tool window by its object name ("FenRechercher",
// "FenCrypteur", "FenRechercheTxt", "FenEditText", "Conseils", "Apropos");
// an unknown window gets an empty table (only its background is painted).
const TableCouleurs& tableFenetre(const QString& nomFenetre);
// What every tool window does when it loads.
void appliquerCouleursFenetre(QWidget* fenetre, const Couleurs& couleurs);

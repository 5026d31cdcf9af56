// Reading a text file for the text search window: the file is read,
// decoded and its lines indexed, off the event loop.
#pragma once

#include "texttools/vuetexte.h"

#include <QString>
#include <QtGlobal>
#include <string>
#include <system_error>

// Larger files are refused without being read: the window holds their text
// in UTF-16, twice their size at least.
constexpr qint64 kTailleMaxTexte = 64 * 1024 * 1024;

struct TexteCharge {
    enum class Etat { Lu, Erreur, TropGros };
    Etat etat = Etat::Lu;
    std::error_code erreur;  // Erreur: why the file could not be read
    qint64 taille = 0;       // TropGros: the file's size in bytes
    // Lu: the decoded text (LF line breaks) and its lines, for a VueTexte
    // that does not show control codes strictly.
    std::u16string texte;
    LignesTexte lignes;
};

// Reads `chemin`; may wait on the system, so never on the interface thread.
TexteCharge lireTexte(const QString& chemin);

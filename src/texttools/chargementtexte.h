// Reading a text file for the text search window without holding the
// event loop: the file is read, decoded and laid out into a document on a
// thread of its own, and the result is handed back on the caller's thread.
#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

class QObject;
class QTextDocument;

// Larger files are refused without being read: their text and its layout
// would take several times their size in memory and seconds to show.
constexpr qint64 kTailleMaxTexte = 64 * 1024 * 1024;

struct TexteCharge {
    enum class Etat { Lu, Erreur, TropGros };
    Etat etat = Etat::Lu;
    std::error_code erreur;  // Erreur: why the file could not be read
    qint64 taille = 0;       // TropGros: the file's size in bytes
    // Lu: the decoded text (LF line breaks) and, unless it is empty, a
    // plain-text document holding the same characters at the same
    // positions, owned by the caller's thread and by nobody else.
    std::u16string texte;
    std::unique_ptr<QTextDocument> document;
};

// Starts reading `chemin`; `fin` is then called on the thread of
// `contexte`, or never when `contexte` is destroyed first. The document
// takes `police` as its default font.
void chargerTexte(const QString& chemin, const QFont& police, QObject* contexte,
                  std::function<void(TexteCharge&)> fin);

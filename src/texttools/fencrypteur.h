// The cipher window: a source text, a key, a mode (encipher or decipher),
// a run command and the result, with commands to copy either text, empty
// the result and ask for the mini text editor.
//
// Both text areas keep their texts exactly (see ZoneTexte and VueTexte):
// the control codes of a cipher text are shown as control pictures, on the
// screen only; the copy commands put the exact text on the clipboard, and
// pasting it into the source box gives the same text back. The result box
// is read-only and lays out only what it shows, so that a result of many
// megabytes on one line shows at once. Texts and keys, of any length, are
// ciphered as code page 1252 codes; a character that code page lacks (a
// control picture or any other) is named in a message and nothing is
// ciphered.
#pragma once

#include "texttools/vuetexte.h"
#include "ui/dialogues.h"
#include "ui/tache.h"

#include <QWidget>
#include <optional>
#include <string>

class General;
class QCheckBox;
class QLineEdit;
class TavBttn;
class TavPanel;
class VueTexte;
class ZoneTexte;

class FenCrypteur : public QWidget {
    Q_OBJECT
public:
    explicit FenCrypteur(General& general, QWidget* parent = nullptr);
    ~FenCrypteur() override;

Q_SIGNALS:
    // CmdNotePad: the user asks for the mini text editor.
    void editeurDemande();
    // A run has ended: its result is shown, or its refusal was said.
    void calculTermine();

private:
    void construireCle();
    void construireMode(QWidget* fond);
    void construireResultat();
    void construireIcones();
    TavBttn* icone(const char* nom, const char* image, const char* bulle, int gauche);

    // Ticks exactly one of the two boxes and names the run command after it.
    void choisirMode(bool crypter);
    // CmdCrypter: a key of spaces is refused at once; the rest is done on
    // a thread of its own, under the wait cursor, and shown when done.
    void executer();
    struct Calcul {
        bool crypter = true;
        std::optional<Message> refus;  // a character the code page lacks
        QString resultat;
        LignesTexte lignes;
    };
    static Calcul calculer(bool crypter, const QString& cle, const QString& texte);
    void afficher(Calcul& calcul);
    void copier(const QString& texte);

    General& m_general;
    QLineEdit* m_cle = nullptr;
    ZoneTexte* m_texte = nullptr;
    VueTexte* m_resultat = nullptr;
    QCheckBox* m_crypter = nullptr;
    QCheckBox* m_decrypter = nullptr;
    TavBttn* m_executer = nullptr;
    TavPanel* m_fondResult = nullptr;
    Tache m_calcul;
};

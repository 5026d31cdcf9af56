// The mini text editor: one text area, and commands to start a new text,
// open a file, save the text under a chosen name and choose the font. The
// title area names the file shown; Ctrl+N, Ctrl+O and Ctrl+S run the new,
// open and save commands.
//
// Files are read as UTF-8 when their bytes are valid UTF-8 (with or without
// a byte-order mark), otherwise as code page 1252, and saved again in the
// encoding they were read in, each line that is still there with its own
// line break: a file opened and saved without an edit gets its own bytes
// back. A text that comes from no file is saved in the platform's usual
// format, ending with one line break. Only regular files are opened; a file
// that does not look like text opens only when the user agrees.
//
// Saving changes the file's content and nothing else of it, refuses a file
// with the read-only attribute, and leaves the old file intact when it
// fails, saying why. A text edited since it was last opened or saved is
// never dropped (new text, open, closing) without asking whether to save it.
#pragma once

#include "core/textfile.h"
#include "ui/tache.h"

#include <QString>
#include <QWidget>
#include <optional>

class Chrome;
class General;
class ZoneTexte;

class FenEditText : public QWidget {
    Q_OBJECT
public:
    explicit FenEditText(General& general, QWidget* parent = nullptr);

    // Reads the file off the window's thread, replacing a read under way,
    // then loads it into the text area and names it in the title, unless the
    // title already names it (the text shown, edits included, stays). A
    // missing file leaves the text as it was without a word, the title takes
    // its name; a file that exists but cannot be read, or that the user
    // declines to open as text, leaves both as they were. The text cannot be
    // edited during the read; a new text or closing the window drops it.
    void OpenFile(const QString& fileName);
    // Writes the text to the file, after asking whether to overwrite it
    // when it exists. True when the file was written.
    bool CloseFile(const QString& fileName);

Q_SIGNALS:
    // A read asked for by OpenFile ended: the file is shown, or refused.
    void chargementTermine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Lecture;

    void construireCommandes();
    void nouveau();
    void ouvrir();
    void enregistrer() { enregistrerSous(); }
    // The save dialog, then CloseFile; true when the text was written.
    bool enregistrerSous();
    void polices();
    // The file the text is saved to, named in the title.
    void nommer(const QString& fichier);
    bool confirmerEcrasement();
    // Asks whether a text that code page 1252 cannot hold may be saved as
    // UTF-8 instead.
    bool proposerUtf8(char32_t manque);
    bool ouvrirCommeTexte(const QString& fileName);
    void afficher(const QString& fileName, Lecture& lu);
    void arreterLecture();
    void signalerEchec(const QString& texte);
    // The text shown is now what the file holds.
    void marquerEnregistre();
    // True when the text may be replaced: it was not edited, or the user
    // saved it or chose to drop it.
    bool peutRemplacerLeTexte();

    General& m_general;
    Tache m_lecture;  // the file being read, if any
    Chrome* m_chrome = nullptr;
    ZoneTexte* m_edit = nullptr;
    QString m_fichierEdite;
    // The format and lines of the file the text was read from or last saved to.
    std::optional<ordalis::TextFormat> m_format;
    ordalis::LineLayout m_lignes;
    // What the text was when last opened or saved.
    std::size_t m_empreinte = 0;
    std::size_t m_longueur = 0;
};

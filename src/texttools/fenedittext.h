// The mini text editor: one text area, and commands to start a new text,
// open a file, save the text under a chosen name and choose the font. The
// title area names the file shown.
//
// Files are read as UTF-8 when their bytes are valid UTF-8 (with or without
// a byte-order mark), otherwise as code page 1252, and saved again in the
// encoding and line-ending style they were read in; a text that comes from
// no file is saved in the platform's usual format. Saving ends the text with
// one line break unless it already ends with one, so that opening and saving
// a file leaves it as it was, and replaces the file only once the whole text
// is written: a failed save leaves the old file intact and says so.
#pragma once

#include "core/textfile.h"

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

    // Loads the file into the text area and names it in the title, unless
    // the title already names it (the text shown, edits included, stays). A
    // missing file leaves the text as it was without a word; a file that
    // exists but cannot be read is reported, and false is returned.
    bool OpenFile(const QString& fileName);
    // Writes the text to the file, after asking whether to overwrite it
    // when it exists. True when the file was written.
    bool CloseFile(const QString& fileName);

    // The current file name: empty at first, "Sans_titre" after a new text,
    // the path chosen in the last open or save.
    QString fichierEdite() const { return m_fichierEdite; }

private:
    void construireCommandes();
    void nouveau();
    void ouvrir();
    void enregistrerSous();
    void polices();
    void setTitre(const QString& fichier);
    bool confirmerEcrasement();
    // Asks whether a text that code page 1252 cannot hold may be saved as
    // UTF-8 instead.
    bool proposerUtf8(char32_t manque);
    void signalerEchec(const QString& texte);

    General& m_general;
    Chrome* m_chrome = nullptr;
    ZoneTexte* m_edit = nullptr;
    QString m_fichierEdite;
    // The format of the file the text was read from or last saved to.
    std::optional<ordalis::TextFormat> m_format;
};

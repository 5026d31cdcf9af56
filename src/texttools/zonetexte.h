// A multi-line text area that the user edits, holding its text exactly:
// every character it is given, typed or pasted is kept as itself, and what
// it shows is a view of it (VueTexte: only the rows in sight are laid out,
// so a text of many megabytes or one long line does not hold the event
// loop, and control codes show as their control pictures, on the screen
// only). A picture the user types is the picture's own character, never
// the code it pictures.
//
// By default its line breaks are LF: a typed line break is LF, and a pasted
// text has its CR LF and lone CR turned into LF. With control pictures on
// (code page 1252 texts such as cipher texts, whose line breaks are CR LF),
// a typed line break is CR LF and a pasted text is taken exactly; a text
// holding a control code other than a tab or a line break then shows
// strictly (see VueTexte).
#pragma once

#include "texttools/vuetexte.h"

#include <QString>
#include <string>
#include <vector>

class ZoneTexte : public VueTexte {
    Q_OBJECT
public:
    explicit ZoneTexte(QWidget* parent = nullptr);

    void setImagesDeControle(bool actives);
    // Whether Tab moves the focus on instead of typing a tab.
    void setTabChangesFocus(bool change) { m_tabChangeFocus = change; }
    void setReadOnly(bool lectureSeule);
    bool isReadOnly() const { return m_lectureSeule; }
    bool lectureSeule() const override { return m_lectureSeule; }

    QString texteExact() const { return texteQString(); }
    // Replaces the whole text; the text counts as not modified and nothing
    // can be undone past it. A text given as a std::u16string is kept as it
    // is, without a copy (texteExact then makes one).
    void setTexteExact(const QString& texte);
    void setTexteExact(std::u16string texte);
    // Whether the user changed the text since it was last given or marked
    // unmodified.
    // Undoing back to that text makes it unmodified again.
    bool estModifie() const { return m_annuler.size() != m_propre; }
    void setModifie(bool modifie);

public Q_SLOTS:
    void clear() { setTexteExact(QString()); }
    void paste();
    void cut();
    void undo();
    void redo();

Q_SIGNALS:
    // The user changed the text.
    void textChanged();
    void modificationChanged(bool modifie);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool focusNextPrevChild(bool suivant) override;
    void remplirMenu(QMenu& menu) override;

private:
    struct Modification {
        std::size_t debut;
        std::u16string ancien, nouveau;
        bool frappe;  // typed: the next typed character joins it
    };
    // The user's edit: the selection, or [debut, fin), becomes `texte`.
    void saisir(std::u16string insere, bool frappe = false);
    void saisir(std::size_t debut, std::size_t fin, std::u16string insere, bool frappe = false);
    void appliquer(const Modification& m, bool inverse);
    // Forgets the edits of an earlier text, whose modified state was `avant`.
    void oublier(bool avant);
    // Tells whether the modified state changed from `avant`.
    void signalerModification(bool avant);
    // Handles an editing key; false when the key edits nothing.
    bool editer(QKeyEvent* event);

    bool m_images = false;
    bool m_tabChangeFocus = false;
    bool m_lectureSeule = false;
    std::vector<Modification> m_annuler, m_refaire;
    // The number of edits to undo that gives the unmodified text, or
    // kInaccessible when no undo or redo leads back to it.
    static constexpr std::size_t kInaccessible = std::size_t(-1);
    std::size_t m_propre = 0;
};

// How a message names a character: the character between French quotes and
// its Unicode number, e.g. « Ω » (U+03A9).
QString nommerCaractere(char32_t caractere);

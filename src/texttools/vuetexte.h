// A read-only view of a text of any size that lays out only the rows it
// shows, so that neither a text of many megabytes nor a line of millions of
// characters holds the event loop.
//
// The text is kept exactly as given, in UTF-16 code units; positions are
// 0-based indexes into it. A line break is a LF, with a CR just before it
// hidden as part of the break. Lines are shown in rows of a fixed number of
// characters, as many as the width holds in the view's fixed-pitch font (of
// the letter W in a font whose letters differ in width), cut anywhere and
// marked with nothing: the cuts exist on the screen only.
// Every other control code is shown as its control picture (U+2400 + code,
// U+2421 for DEL), tabs as tabs.
//
// With `setCodesStricts(true)` (cipher texts, where any code 1 to 255 may
// occur), a text that holds a control code other than a tab or a line break
// is shown strictly: only a CR LF pair breaks the line, and every other
// control code, tabs and lone CR or LF included, is shown as its picture.
//
// The user selects with the mouse and the keyboard; a copy (Ctrl+C) puts
// the selected characters on the clipboard exactly as they are in the text.
// A subclass may let the user edit the text through `remplacer`.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class QAccessibleInterface;
class QMenu;
class QTextLayout;

// The UTF-16 code units of `texte`, valid while `texte` lives unchanged.
inline std::u16string_view vueUtf16(const QString& texte)
{
    return {reinterpret_cast<const char16_t*>(texte.utf16()), std::size_t(texte.size())};
}

// Where the lines of a text start, and whether it is shown strictly.
struct LignesTexte {
    std::vector<std::uint32_t> debuts;
    bool strict = false;
};
// Indexing a text of many megabytes takes tens of milliseconds: a reader
// may do it on its own thread and hand the result to setTexte.
LignesTexte indexerLignes(std::u16string_view texte, bool strictsSiControles);

class VueTexte : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit VueTexte(QWidget* parent = nullptr);

    void setCodesStricts(bool actifs) { m_strictsSiControles = actifs; }

    // Replaces the text; the selection goes to its start, the view to its
    // top. `lignes` must come from indexerLignes on the same text with this
    // view's setting.
    void setTexte(QString texte);
    void setTexte(QString texte, LignesTexte lignes);
    // The same, the text kept as given, which spares a copy of a large text
    // that comes as a std::u16string.
    void setTexte(std::u16string texte, LignesTexte lignes);
    // The text's units, valid until the text changes; the text itself
    // (shared, not copied, unless it came as a std::u16string).
    std::u16string_view texte() const { return m_vue; }
    QString texteQString() const;
    void vider() { setTexte(QString()); }
    // Whether the text is shown strictly (see above).
    bool strict() const { return m_strict; }
    // Whether the user may not change the text (a view never lets him).
    virtual bool lectureSeule() const { return true; }

    std::size_t selectionDebut() const { return std::min(m_ancre, m_curseur); }
    std::size_t selectionFin() const { return std::max(m_ancre, m_curseur); }
    std::size_t curseur() const { return m_curseur; }
    QString texteSelectionne() const;
    // Selects `longueur` units from `debut` (cut to the text) and scrolls
    // the view so that the selection's start shows.
    void selectionner(std::size_t debut, std::size_t longueur);
    // Puts the selection on the clipboard, exactly.
    void copier() const;

    // Where the rows are: the text position that row `rangee` shows first,
    // and the number of units it shows.
    std::size_t nombreRangees() const { return m_rangees.empty() ? 0 : m_rangees.back(); }
    std::size_t debutRangee(std::size_t rangee) const;
    std::size_t longueurRangee(std::size_t rangee) const;
    std::size_t rangeeDe(std::size_t position) const;
    // The characters one row holds.
    int colonnes() const { return m_colonnes; }
    // The text position shown at `point` of the viewport, and where the
    // character at `position` shows on the screen (empty when it does not).
    std::size_t positionEn(const QPoint& point) const;
    QRect rectangleDe(std::size_t position) const;

Q_SIGNALS:
    void selectionChangee();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The commands of the context menu.
    virtual void remplirMenu(QMenu& menu);
    void toutSelectionner();

    // Replaces the units [debut, fin) with `insere`, the lines and rows
    // following; the cursor goes after the inserted units.
    void remplacer(std::size_t debut, std::size_t fin, std::u16string_view insere);
    void placerCurseur(std::size_t position, bool etendre);
    void montrerCurseur();
    // The position one character before or after `position`: a CR LF line
    // break and a surrogate pair count as one.
    std::size_t precedent(std::size_t position) const;
    std::size_t suivant(std::size_t position) const;
    std::size_t m_ancre = 0;
    std::size_t m_curseur = 0;

private:
    // Rows from the lines and the width.
    void compterRangees();
    std::size_t ligneDe(std::size_t position) const;
    std::size_t finLigne(std::size_t ligne) const;
    // The characters of row `rangee` as shown, laid out.
    void disposer(QTextLayout& disposition, std::size_t rangee) const;
    int hauteurRangee() const;
    int rangeesVisibles() const;
    // The position that a navigation key leads to, or -1 when the key
    // does not move the cursor.
    std::int64_t destination(const QKeyEvent* event) const;

    char16_t unite(std::size_t i) const { return m_vue[i]; }
    std::size_t taille() const { return m_vue.size(); }
    void adopter(LignesTexte lignes);

    // The text is one of these two; m_vue shows it.
    QString m_texte;
    std::u16string m_brut;
    std::u16string_view m_vue;
    std::vector<std::uint32_t> m_debuts;   // the start of each line
    std::vector<std::uint32_t> m_rangees;  // the first row of each line, then the row count
    bool m_strictsSiControles = false;
    bool m_strict = false;
    int m_colonnes = 1;
};

// The accessibility of the views, for QAccessible::installFactory.
QAccessibleInterface* accesVueTexte(const QString& classe, QObject* objet);

// Whether `texte` holds a control code other than a tab, a LF or a CR
// just before a LF.
bool autresControles(std::u16string_view texte);

// The characters shown for the code unit `c` of a text shown strictly or not.
char16_t caractereAffiche(char16_t c, bool strict);

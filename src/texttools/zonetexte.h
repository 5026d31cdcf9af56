// A multi-line text area whose text can be written and read back exactly.
//
// Qt's plain-text reading (toPlainText) turns no-break spaces into spaces
// and every kind of line break into LF; this area reads its document raw
// instead, so every character it was given comes back, a paragraph break
// standing for one line break. A CR, U+2029 and the frame markers
// U+FDD0/U+FDD1 cannot be held as characters: they become line breaks.
//
// With control pictures on (code page 1252 texts, such as cipher texts,
// whose line breaks are CR LF), a text given or pasted that holds a control
// code other than a tab or a line break shows each control code other than
// a CR LF pair as its control picture (U+2400 + code; U+2421 for DEL); any
// other text shows as ordinary text, its tabs as tabs and its lone LF as
// line breaks. The area remembers which characters and line breaks it made
// so: only those are read back as the codes they stand for, while a picture
// or a line break that the user typed stays what it is (a typed line break
// is CR LF). Nothing is added to the text for display.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class ZoneTexte : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ZoneTexte(QWidget* parent = nullptr);

    void setImagesDeControle(bool actives) { m_images = actives; }
    bool imagesDeControle() const { return m_images; }

    // The exact text: line breaks are LF, or as given with control pictures
    // on (CR LF for a typed one).
    QString texteExact() const;
    // Replaces the whole text. Without control pictures the line breaks
    // must be LF; with them, any code is accepted.
    void setTexteExact(const QString& texte);

protected:
    // Typed characters are the user's own; Shift+Enter starts a new line
    // like Enter, instead of inserting a U+2028 line separator.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // Copies and drags carry the exact text of the selection.
    QMimeData* createMimeDataFromSelection() const override;
    // A pasted or dropped text is taken exactly, and may bring a run too
    // long to wrap at words.
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The exact text of the document positions [debut, fin).
    QString exactEntre(int debut, int fin) const;
    // Inserts `texte` at `curseur` as described above.
    void inserer(QTextCursor& curseur, QStringView texte);

    bool m_images = false;
};

// Text areas wrap lines at word boundaries, but Qt lays out a run of
// characters with no space in a time that grows with the square of its
// length (one word of a megabyte holds the window for minutes). A text put
// whole in `zone` with a run longer than kMotTropLong has its lines wrapped
// anywhere; any other text, at word boundaries. Call it before the text is
// shown, so that it is laid out once.
constexpr std::size_t kMotTropLong = 10000;
void choisirCoupure(QPlainTextEdit& zone, std::u16string_view texte);

// The UTF-16 code units of `texte`, valid while `texte` lives unchanged.
std::u16string_view vueUtf16(const QString& texte);

// How a message names a character: the character between French quotes and
// its Unicode number, e.g. « Ω » (U+03A9).
QString nommerCaractere(char32_t caractere);

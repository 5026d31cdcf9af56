// A multi-line text area whose text can be written and read back exactly.
//
// Qt's plain-text reading (toPlainText) turns no-break spaces into spaces
// and every kind of line break into LF; this area reads its document raw
// instead, so every character it was given comes back, a paragraph break
// standing for one line break. A CR, U+2029 and the frame markers
// U+FDD0/U+FDD1 cannot be held as characters: they become line breaks.
//
// With control pictures on (code page 1252 texts such as cipher texts),
// each control code other than a CR LF pair is shown as its control picture
// (U+2400 + code) and mapped back when the text is read; a line break then
// stands for CR LF. A cipher text has no line structure of its own, and the
// text widgets take seconds to lay out a line of millions of characters, so
// a line longer than 1000 characters is cut for display: each cut shows the
// mark U+21A9 (↩) at the end of the line, and a mark followed by a line
// break is not part of the text. What the area shows (pictures, cuts, LF
// line breaks) is what a copy puts on the clipboard, so that a paste gives
// the same exact text back.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class ZoneTexte : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ZoneTexte(QWidget* parent = nullptr);

    void setImagesDeControle(bool actives) { m_images = actives; }
    bool imagesDeControle() const { return m_images; }

    // The exact text: line breaks are LF, or CR LF with control pictures on.
    QString texteExact() const;
    // Replaces the whole text. Without control pictures the line breaks
    // must be LF; with them, any control code is accepted, and the text must
    // not hold the cut mark U+21A9.
    void setTexteExact(const QString& texte);
    // The text as shown, line breaks as LF, no-break spaces kept.
    QString texteAffiche() const;

protected:
    // Shift+Enter starts a new line like Enter, instead of inserting a
    // U+2028 line separator.
    void keyPressEvent(QKeyEvent* event) override;
    // Copies and drags carry the selection as shown, no-break spaces kept.
    QMimeData* createMimeDataFromSelection() const override;
    // A pasted or dropped text may bring a run too long to wrap at words.
    void insertFromMimeData(const QMimeData* source) override;

private:
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

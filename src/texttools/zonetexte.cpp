#include "texttools/zonetexte.h"

#include "core/controlpictures.h"
#include "core/textfind.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr std::size_t kLongueurAffichee = 1000;
constexpr char16_t kCoupe = 0x21A9;
constexpr char16_t kParagraphe = 0x2029;

// The raw text of a document keeps each paragraph break as U+2029.
QString sautsEnLf(QString brut)
{
    brut.replace(QChar(kParagraphe), QLatin1Char('\n'));
    return brut;
}

// What the area shows of a text in control pictures: each CR LF pair (the
// only CR left) as one line break, every line longer than
// kLongueurAffichee cut after each such length.
QString presenter(std::u16string_view images)
{
    QString affiche;
    affiche.reserve(qsizetype(images.size() + 2 * (images.size() / kLongueurAffichee)));
    std::size_t longueurLigne = 0;
    for (const char16_t c : images) {
        if (c == u'\r')
            continue;
        if (c == u'\n') {
            longueurLigne = 0;
        } else if (longueurLigne++ == kLongueurAffichee) {
            affiche += QChar(kCoupe);
            affiche += QLatin1Char('\n');
            longueurLigne = 1;
        }
        affiche += QChar(c);
    }
    return affiche;
}

// The text in control pictures that a document holds: paragraph breaks as
// LF, the cuts of long lines removed.
std::u16string lire(const QString& brut)
{
    std::u16string images;
    images.reserve(std::size_t(brut.size()));
    for (qsizetype i = 0; i < brut.size(); ++i) {
        const char16_t c = brut[i].unicode();
        if (c == kCoupe && i + 1 < brut.size() && brut[i + 1].unicode() == kParagraphe)
            ++i;
        else
            images.push_back(c == kParagraphe ? u'\n' : c);
    }
    return images;
}

}  // namespace

std::u16string_view vueUtf16(const QString& texte)
{
    return {reinterpret_cast<const char16_t*>(texte.utf16()), std::size_t(texte.size())};
}

ZoneTexte::ZoneTexte(QWidget* parent) : QPlainTextEdit(parent) {}

QString ZoneTexte::texteAffiche() const
{
    return sautsEnLf(document()->toRawText());
}

QString ZoneTexte::texteExact() const
{
    if (!m_images)
        return texteAffiche();
    return QString::fromStdU16String(ordalis::fromControlPictures(lire(document()->toRawText())));
}

void ZoneTexte::setTexteExact(const QString& texte)
{
    choisirCoupure(*this, vueUtf16(texte));
    if (m_images)
        setPlainText(presenter(ordalis::toControlPictures(texte.toStdU16String())));
    else
        setPlainText(texte);
}

void ZoneTexte::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::InsertLineSeparator) && !isReadOnly()) {
        textCursor().insertBlock();
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData* ZoneTexte::createMimeDataFromSelection() const
{
    auto* donnees = new QMimeData;
    donnees->setText(sautsEnLf(textCursor().selectedText()));
    return donnees;
}

void ZoneTexte::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && ordalis::longestUnbrokenRun(vueUtf16(source->text())) > kMotTropLong)
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
}

void choisirCoupure(QPlainTextEdit& zone, std::u16string_view texte)
{
    zone.setWordWrapMode(ordalis::longestUnbrokenRun(texte) > kMotTropLong ? QTextOption::WrapAnywhere
                                                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QString nommerCaractere(char32_t caractere)
{
    const QString numero = QStringLiteral("%1").arg(uint(caractere), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("« %1 » (U+%2)").arg(QString::fromUcs4(&caractere, 1), numero);
}

#include "texttools/zonetexte.h"

#include "core/controlpictures.h"
#include "core/textfind.h"
#include "texttools/vuetexte.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr char16_t kParagraphe = 0x2029;
// A character that stands for a control code; a block whose break before
// it stands for a lone LF.
constexpr int kImage = QTextFormat::UserProperty;
constexpr int kSautLf = QTextFormat::UserProperty + 1;

// The raw text of a document keeps each paragraph break as U+2029.
QString sautsEnLf(QString brut)
{
    brut.replace(QChar(kParagraphe), QLatin1Char('\n'));
    return brut;
}

QTextCharFormat formatImage()
{
    QTextCharFormat format;
    format.setProperty(kImage, true);
    return format;
}

QTextBlockFormat formatSaut(bool lf)
{
    QTextBlockFormat format;
    if (lf)
        format.setProperty(kSautLf, true);
    return format;
}

// The exact text of `morceau`, the characters of one format.
QString exactDe(QString morceau, bool image)
{
    if (image) {
        for (QChar& c : morceau)
            c = QChar(ordalis::controlCodeOf(c.unicode()));
    }
    return morceau;
}

// Whether `texte` holds a LF that follows no CR.
bool lfSeul(std::u16string_view texte)
{
    for (std::size_t i = texte.find(u'\n'); i != std::u16string_view::npos; i = texte.find(u'\n', i + 1)) {
        if (i == 0 || texte[i - 1] != u'\r')
            return true;
    }
    return false;
}

}  // namespace

std::u16string_view vueUtf16(const QString& texte)
{
    return {reinterpret_cast<const char16_t*>(texte.utf16()), std::size_t(texte.size())};
}

ZoneTexte::ZoneTexte(QWidget* parent) : QPlainTextEdit(parent) {}

QString ZoneTexte::texteExact() const
{
    if (!m_images)
        return sautsEnLf(document()->toRawText());
    return exactEntre(0, document()->characterCount() - 1);
}

QString ZoneTexte::exactEntre(int debut, int fin) const
{
    QString exact;
    for (QTextBlock bloc = document()->findBlock(debut); bloc.isValid() && bloc.position() <= fin;
         bloc = bloc.next()) {
        if (bloc.position() > debut)
            exact += bloc.blockFormat().boolProperty(kSautLf) ? u"\n" : u"\r\n";
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int de = std::max(debut, f.position()), a = std::min(fin, f.position() + f.length());
            if (de < a)
                exact += exactDe(f.text().mid(de - f.position(), a - de), f.charFormat().boolProperty(kImage));
        }
    }
    return exact;
}

void ZoneTexte::setTexteExact(const QString& texte)
{
    choisirCoupure(*this, vueUtf16(texte));
    if (!m_images || (!autresControles(vueUtf16(texte)) && !lfSeul(vueUtf16(texte)))) {
        setPlainText(m_images ? QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : texte);
        return;
    }
    clear();
    QTextCursor curseur(document());
    curseur.beginEditBlock();
    inserer(curseur, texte);
    curseur.endEditBlock();
}

void ZoneTexte::inserer(QTextCursor& curseur, QStringView texte)
{
    const bool strict = autresControles({reinterpret_cast<const char16_t*>(texte.utf16()), std::size_t(texte.size())});
    const QTextCharFormat ordinaire, image = formatImage();
    qsizetype debut = 0;
    auto ecrire = [&](qsizetype fin, const QTextCharFormat& format) {
        if (fin > debut)
            curseur.insertText(texte.mid(debut, fin - debut).toString(), format);
        debut = fin;
    };
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        const bool crlf = c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n';
        if (crlf || (c == u'\n' && !strict)) {
            ecrire(i, ordinaire);
            curseur.insertBlock(formatSaut(!crlf), ordinaire);
            debut = i + (crlf ? 2 : 1);
            i += crlf ? 1 : 0;
        } else if (caractereAffiche(c, strict) != c) {
            ecrire(i, ordinaire);
            curseur.insertText(QString(QChar(caractereAffiche(c, true))), image);
            debut = i + 1;
        }
    }
    ecrire(texte.size(), ordinaire);
}

void ZoneTexte::keyPressEvent(QKeyEvent* event)
{
    setCurrentCharFormat(QTextCharFormat());
    const bool saut = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (saut && !isReadOnly() && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        textCursor().insertBlock(QTextBlockFormat(), QTextCharFormat());
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ZoneTexte::inputMethodEvent(QInputMethodEvent* event)
{
    setCurrentCharFormat(QTextCharFormat());
    QPlainTextEdit::inputMethodEvent(event);
}

QMimeData* ZoneTexte::createMimeDataFromSelection() const
{
    auto* donnees = new QMimeData;
    const QTextCursor c = textCursor();
    donnees->setText(m_images ? exactEntre(c.selectionStart(), c.selectionEnd()) : sautsEnLf(c.selectedText()));
    return donnees;
}

void ZoneTexte::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString texte = source->text();
    if (ordalis::longestUnbrokenRun(vueUtf16(texte)) > kMotTropLong)
        setWordWrapMode(QTextOption::WrapAnywhere);
    if (!m_images) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor curseur = textCursor();
    curseur.beginEditBlock();
    inserer(curseur, texte);
    curseur.endEditBlock();
    setTextCursor(curseur);
    ensureCursorVisible();
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

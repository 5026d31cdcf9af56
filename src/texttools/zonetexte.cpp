#include "texttools/zonetexte.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

// A text from elsewhere with its line breaks as LF.
std::u16string sautsEnLf(std::u16string_view texte)
{
    std::u16string lf;
    lf.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != u'\r')
            lf.push_back(texte[i]);
        else if (i + 1 == texte.size() || texte[i + 1] != u'\n')
            lf.push_back(u'\n');
    }
    return lf;
}

// Whether `texte` may be typed: no control code other than a tab.
bool saisissable(const QString& texte)
{
    return !texte.isEmpty() && std::all_of(texte.cbegin(), texte.cend(), [](QChar c) {
        return c == QLatin1Char('\t') || (c.unicode() >= 0x20 && c.unicode() != 0x7F);
    });
}

}  // namespace

ZoneTexte::ZoneTexte(QWidget* parent) : VueTexte(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

void ZoneTexte::setImagesDeControle(bool actives)
{
    m_images = actives;
    setCodesStricts(actives);
}

void ZoneTexte::setReadOnly(bool lectureSeule)
{
    m_lectureSeule = lectureSeule;
    setAttribute(Qt::WA_InputMethodEnabled, !lectureSeule);
}

void ZoneTexte::setTexteExact(const QString& texte)
{
    const bool avant = estModifie();
    setTexte(texte);
    oublier(avant);
}

void ZoneTexte::setTexteExact(std::u16string texte)
{
    const bool avant = estModifie();
    LignesTexte lignes = indexerLignes(texte, m_images);
    setTexte(std::move(texte), std::move(lignes));
    oublier(avant);
}

void ZoneTexte::oublier(bool avant)
{
    m_annuler.clear();
    m_refaire.clear();
    m_propre = 0;
    signalerModification(avant);
}

void ZoneTexte::setModifie(bool modifie)
{
    const bool avant = estModifie();
    m_propre = modifie ? kInaccessible : m_annuler.size();
    if (!modifie && !m_annuler.empty())
        m_annuler.back().frappe = false;  // what is typed next is a change of its own
    signalerModification(avant);
}

void ZoneTexte::signalerModification(bool avant)
{
    if (estModifie() != avant)
        Q_EMIT modificationChanged(!avant);
}

void ZoneTexte::saisir(std::u16string insere, bool frappe)
{
    saisir(selectionDebut(), selectionFin(), std::move(insere), frappe);
}

void ZoneTexte::saisir(std::size_t debut, std::size_t fin, std::u16string insere, bool frappe)
{
    if (m_lectureSeule || (debut == fin && insere.empty()))
        return;
    Modification m{debut, std::u16string(texte().substr(debut, fin - debut)), std::move(insere), frappe};
    const bool joint = frappe && !m_annuler.empty() && m_annuler.back().frappe && m.ancien.empty() &&
                       m_annuler.back().debut + m_annuler.back().nouveau.size() == debut;
    const bool avant = estModifie();
    if (m_propre > m_annuler.size())
        m_propre = kInaccessible;  // the unmodified text was among the edits to redo
    appliquer(m, false);
    if (joint)
        m_annuler.back().nouveau += m.nouveau;
    else
        m_annuler.push_back(std::move(m));
    m_refaire.clear();
    signalerModification(avant);
}

void ZoneTexte::appliquer(const Modification& m, bool inverse)
{
    const std::u16string& avant = inverse ? m.nouveau : m.ancien;
    remplacer(m.debut, m.debut + avant.size(), inverse ? m.ancien : m.nouveau);
    Q_EMIT textChanged();
}

void ZoneTexte::undo()
{
    if (m_annuler.empty())
        return;
    const bool avant = estModifie();
    Modification m = std::move(m_annuler.back());
    m_annuler.pop_back();
    appliquer(m, true);
    m.frappe = false;
    m_refaire.push_back(std::move(m));
    signalerModification(avant);
}

void ZoneTexte::redo()
{
    if (m_refaire.empty())
        return;
    const bool avant = estModifie();
    Modification m = std::move(m_refaire.back());
    m_refaire.pop_back();
    appliquer(m, false);
    m_annuler.push_back(std::move(m));
    signalerModification(avant);
}

void ZoneTexte::paste()
{
    const QString colle = QGuiApplication::clipboard()->text();
    saisir(m_images ? colle.toStdU16String() : sautsEnLf(vueUtf16(colle)));
}

void ZoneTexte::cut()
{
    if (m_lectureSeule)
        return;
    copier();
    saisir(std::u16string());
}

bool ZoneTexte::editer(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event == QKeySequence::Undo)
        undo();
    else if (event == QKeySequence::Redo)
        redo();
    else if (event == QKeySequence::Cut)
        cut();
    else if (event == QKeySequence::Paste)
        paste();
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !ctrl)
        saisir(m_images ? u"\r\n" : u"\n");
    else if (event->key() == Qt::Key_Backspace && !ctrl)
        saisir(selectionFin() > selectionDebut() ? selectionDebut() : precedent(curseur()), selectionFin(), {});
    else if (event->key() == Qt::Key_Delete && !ctrl)
        saisir(selectionDebut(), selectionFin() > selectionDebut() ? selectionFin() : suivant(curseur()), {});
    else if (saisissable(event->text()) && (!ctrl || event->modifiers() & Qt::AltModifier))
        saisir(event->text().toStdU16String(), true);
    else
        return false;
    return true;
}

void ZoneTexte::keyPressEvent(QKeyEvent* event)
{
    if (!m_lectureSeule && editer(event)) {
        event->accept();
        return;
    }
    VueTexte::keyPressEvent(event);
}

void ZoneTexte::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        saisir(event->commitString().toStdU16String(), true);
    event->accept();
}

bool ZoneTexte::focusNextPrevChild(bool suivant)
{
    if (!m_lectureSeule && !m_tabChangeFocus)
        return false;
    return VueTexte::focusNextPrevChild(suivant);
}

void ZoneTexte::remplirMenu(QMenu& menu)
{
    if (m_lectureSeule) {
        VueTexte::remplirMenu(menu);
        return;
    }
    const bool choix = selectionFin() > selectionDebut();
    menu.addAction(QStringLiteral("Annuler"), QKeySequence::Undo, this, &ZoneTexte::undo)->setEnabled(!m_annuler.empty());
    menu.addAction(QStringLiteral("Rétablir"), QKeySequence::Redo, this, &ZoneTexte::redo)->setEnabled(!m_refaire.empty());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Couper"), QKeySequence::Cut, this, &ZoneTexte::cut)->setEnabled(choix);
    menu.addAction(QStringLiteral("Copier"), QKeySequence::Copy, this, &ZoneTexte::copier)->setEnabled(choix);
    menu.addAction(QStringLiteral("Coller"), QKeySequence::Paste, this, &ZoneTexte::paste)
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Tout sélectionner"), QKeySequence::SelectAll, this, &ZoneTexte::toutSelectionner);
}

QString nommerCaractere(char32_t caractere)
{
    const QString numero = QStringLiteral("%1").arg(uint(caractere), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("« %1 » (U+%2)").arg(QString::fromUcs4(&caractere, 1), numero);
}

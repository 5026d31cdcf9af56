#include "texttools/vuetexte.h"

#include "core/controlpictures.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

namespace {

constexpr int kMarge = 4;
constexpr int kColonnesTabulation = 8;

bool estControle(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

}  // namespace

bool autresControles(std::u16string_view texte)
{
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i];
        if (!estControle(c) || c == u'\t' || c == u'\n')
            continue;
        if (c != u'\r' || i + 1 == texte.size() || texte[i + 1] != u'\n')
            return true;
    }
    return false;
}

char16_t caractereAffiche(char16_t c, bool strict)
{
    if (!estControle(c) || (c == u'\t' && !strict))
        return c;
    return ordalis::controlPicture(c);
}

LignesTexte indexerLignes(std::u16string_view texte, bool strictsSiControles)
{
    LignesTexte lignes;
    lignes.strict = strictsSiControles && autresControles(texte);
    lignes.debuts.push_back(0);
    for (std::size_t i = texte.find(u'\n'); i != std::u16string_view::npos; i = texte.find(u'\n', i + 1)) {
        if (!lignes.strict || (i > 0 && texte[i - 1] == u'\r'))
            lignes.debuts.push_back(std::uint32_t(i + 1));
    }
    return lignes;
}

VueTexte::VueTexte(QWidget* parent) : QAbstractScrollArea(parent)
{
    QFont chasseFixe;
    chasseFixe.setFamilies(QFontDatabase::systemFont(QFontDatabase::FixedFont).families());
    chasseFixe.setStyleHint(QFont::TypeWriter);
    setFont(chasseFixe);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTexte({});
}

void VueTexte::setTexte(QString texte)
{
    LignesTexte lignes = indexerLignes(vueUtf16(texte), m_strictsSiControles);
    setTexte(std::move(texte), std::move(lignes));
}

void VueTexte::setTexte(QString texte, LignesTexte lignes)
{
    m_brut = {};
    m_texte = std::move(texte);
    m_vue = vueUtf16(m_texte);
    adopter(std::move(lignes));
}

void VueTexte::setTexte(std::u16string texte, LignesTexte lignes)
{
    m_texte = QString();
    m_brut = std::move(texte);
    m_vue = m_brut;
    adopter(std::move(lignes));
}

QString VueTexte::texteQString() const
{
    return m_vue.data() == m_brut.data() ? QString::fromStdU16String(m_brut) : m_texte;
}

void VueTexte::adopter(LignesTexte lignes)
{
    m_debuts = std::move(lignes.debuts);
    m_strict = lignes.strict;
    m_ancre = m_curseur = 0;
    compterRangees();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleEvent evenement(this, QAccessible::TextUpdated);
        QAccessible::updateAccessibility(&evenement);
    }
    Q_EMIT selectionChangee();
}

QString VueTexte::texteSelectionne() const
{
    return QString(reinterpret_cast<const QChar*>(m_vue.data() + selectionDebut()),
                   qsizetype(selectionFin() - selectionDebut()));
}

void VueTexte::selectionner(std::size_t debut, std::size_t longueur)
{
    debut = std::min(debut, taille());
    m_ancre = debut;
    placerCurseur(debut + std::min(longueur, taille() - debut), true);
    const int rangee = int(rangeeDe(debut));
    QScrollBar* barre = verticalScrollBar();
    if (rangee < barre->value() || rangee >= barre->value() + rangeesVisibles())
        barre->setValue(rangee - rangeesVisibles() / 3);
}

void VueTexte::copier() const
{
    if (selectionFin() > selectionDebut())
        QGuiApplication::clipboard()->setText(texteSelectionne());
}

std::size_t VueTexte::precedent(std::size_t position) const
{
    if (position == 0)
        return 0;
    const char16_t c = unite(position - 1);
    const bool paire = position >= 2 && ((c == u'\n' && unite(position - 2) == u'\r') ||
                                         (QChar::isLowSurrogate(c) && QChar::isHighSurrogate(unite(position - 2))));
    return position - (paire ? 2 : 1);
}

std::size_t VueTexte::suivant(std::size_t position) const
{
    if (position >= taille())
        return taille();
    const char16_t c = unite(position);
    const bool paire = position + 1 < taille() &&
                       ((c == u'\r' && unite(position + 1) == u'\n') ||
                        (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(unite(position + 1))));
    return position + (paire ? 2 : 1);
}

void VueTexte::remplacer(std::size_t debut, std::size_t fin, std::u16string_view insere)
{
    if (m_vue.data() == m_brut.data()) {
        m_brut.replace(debut, fin - debut, insere);
        m_vue = m_brut;
    } else {
        m_texte.replace(qsizetype(debut), qsizetype(fin - debut), reinterpret_cast<const QChar*>(insere.data()),
                        qsizetype(insere.size()));
        m_vue = vueUtf16(m_texte);
    }
    const bool strict = m_strictsSiControles && autresControles(texte());
    if (strict != m_strict) {
        LignesTexte lignes = indexerLignes(texte(), m_strictsSiControles);
        m_debuts = std::move(lignes.debuts);
        m_strict = lignes.strict;
    } else {
        // Line starts follow the LF before them: those whose LF was replaced
        // or may have changed its CR are found again.
        const std::ptrdiff_t ecart = std::ptrdiff_t(insere.size()) - std::ptrdiff_t(fin - debut);
        const auto de = std::lower_bound(m_debuts.begin() + 1, m_debuts.end(), std::uint32_t(debut));
        const auto a = std::upper_bound(de, m_debuts.end(), std::uint32_t(fin + 1));
        for (auto it = a; it != m_debuts.end(); ++it)
            *it = std::uint32_t(std::ptrdiff_t(*it) + ecart);
        std::vector<std::uint32_t> nouveaux;
        const std::size_t dernier = std::min(debut + insere.size(), taille() - 1);
        for (std::size_t i = debut == 0 ? 0 : debut - 1; i <= dernier && !m_vue.empty(); ++i) {
            if (unite(i) == u'\n' && (!m_strict || (i > 0 && unite(i - 1) == u'\r')))
                nouveaux.push_back(std::uint32_t(i + 1));
        }
        m_debuts.insert(m_debuts.erase(de, a), nouveaux.begin(), nouveaux.end());
    }
    compterRangees();
    if (QAccessible::isActive()) {
        QAccessibleEvent evenement(this, QAccessible::TextUpdated);
        QAccessible::updateAccessibility(&evenement);
    }
    m_ancre = debut + insere.size();
    placerCurseur(m_ancre, true);
    montrerCurseur();
}

void VueTexte::compterRangees()
{
    // A font whose letters differ in width (one the editor's user chose)
    // takes rows of its widest Latin letters, so that no row is cut.
    const QFontMetricsF mesure(font());
    const QChar colonne = QFontInfo(font()).fixedPitch() ? QLatin1Char('0') : QLatin1Char('W');
    const double largeur = std::max(1.0, mesure.horizontalAdvance(colonne));
    m_colonnes = std::max(1, int((viewport()->width() - 2 * kMarge) / largeur));
    const std::size_t k = std::size_t(m_colonnes);
    m_rangees.resize(m_debuts.size() + 1);
    std::uint32_t rangee = 0;
    for (std::size_t ligne = 0; ligne < m_debuts.size(); ++ligne) {
        m_rangees[ligne] = rangee;
        const std::size_t longueur = finLigne(ligne) - m_debuts[ligne];
        rangee += std::uint32_t(std::max<std::size_t>(1, (longueur + k - 1) / k));
    }
    m_rangees.back() = rangee;
    QScrollBar* barre = verticalScrollBar();
    barre->setRange(0, std::max(0, int(rangee) - rangeesVisibles()));
    barre->setPageStep(rangeesVisibles());
    barre->setSingleStep(1);
}

std::size_t VueTexte::ligneDe(std::size_t position) const
{
    return std::size_t(std::upper_bound(m_debuts.begin(), m_debuts.end(), position) - m_debuts.begin()) - 1;
}

std::size_t VueTexte::finLigne(std::size_t ligne) const
{
    if (ligne + 1 >= m_debuts.size())
        return taille();
    const std::size_t saut = m_debuts[ligne + 1] - 1;
    const bool cr = saut > m_debuts[ligne] && unite(saut - 1) == u'\r';
    return cr ? saut - 1 : saut;
}

std::size_t VueTexte::debutRangee(std::size_t rangee) const
{
    const auto fin = m_rangees.end() - 1;
    const std::size_t ligne = std::size_t(std::upper_bound(m_rangees.begin(), fin, rangee) - m_rangees.begin()) - 1;
    return m_debuts[ligne] + (rangee - m_rangees[ligne]) * std::size_t(m_colonnes);
}

std::size_t VueTexte::longueurRangee(std::size_t rangee) const
{
    const std::size_t debut = debutRangee(rangee);
    return std::min(std::size_t(m_colonnes), finLigne(ligneDe(debut)) - debut);
}

std::size_t VueTexte::rangeeDe(std::size_t position) const
{
    const std::size_t ligne = ligneDe(position);
    const std::size_t derniere = m_rangees[ligne + 1] - 1;
    return std::min<std::size_t>(m_rangees[ligne] + (position - m_debuts[ligne]) / std::size_t(m_colonnes), derniere);
}

int VueTexte::hauteurRangee() const
{
    return std::max(1, QFontMetrics(font()).lineSpacing());
}

int VueTexte::rangeesVisibles() const
{
    return std::max(1, (viewport()->height() - kMarge) / hauteurRangee());
}

void VueTexte::disposer(QTextLayout& disposition, std::size_t rangee) const
{
    const std::size_t debut = debutRangee(rangee);
    QString affiche(qsizetype(longueurRangee(rangee)), Qt::Uninitialized);
    for (qsizetype i = 0; i < affiche.size(); ++i)
        affiche[i] = QChar(caractereAffiche(unite(debut + std::size_t(i)), m_strict));
    disposition.setText(affiche);
    disposition.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kColonnesTabulation * QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')));
    disposition.setTextOption(option);
    disposition.beginLayout();
    QTextLine ligne = disposition.createLine();
    ligne.setLineWidth(1e6);
    ligne.setPosition(QPointF(0, 0));
    disposition.endLayout();
}

void VueTexte::paintEvent(QPaintEvent*)
{
    QPainter peintre(viewport());
    peintre.setPen(palette().color(QPalette::Text));
    const std::size_t premiere = std::size_t(verticalScrollBar()->value());
    const std::size_t fin = std::min<std::size_t>(premiere + std::size_t(rangeesVisibles()) + 1, nombreRangees());
    const std::size_t rangeeCurseur = rangeeDe(m_curseur);
    for (std::size_t rangee = premiere; rangee < fin; ++rangee) {
        QTextLayout disposition;
        disposer(disposition, rangee);
        const std::size_t debut = debutRangee(rangee);
        const std::size_t longueur = std::size_t(disposition.text().size());
        QList<QTextLayout::FormatRange> choix;
        const std::size_t de = std::max(selectionDebut(), debut), a = std::min(selectionFin(), debut + longueur);
        if (de < a) {
            QTextLayout::FormatRange plage{int(de - debut), int(a - de), {}};
            plage.format.setBackground(palette().brush(QPalette::Highlight));
            plage.format.setForeground(palette().brush(QPalette::HighlightedText));
            choix << plage;
        }
        const QPointF ou(kMarge, kMarge / 2 + int(rangee - premiere) * hauteurRangee());
        disposition.draw(&peintre, ou, choix);
        if (hasFocus() && rangee == rangeeCurseur)
            disposition.drawCursor(&peintre, ou, int(std::min(m_curseur - debut, longueur)));
    }
}

void VueTexte::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const std::size_t enHaut = nombreRangees() ? debutRangee(std::size_t(verticalScrollBar()->value())) : 0;
    compterRangees();
    verticalScrollBar()->setValue(int(rangeeDe(enHaut)));
}

void VueTexte::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        compterRangees();
        viewport()->update();
    }
}

std::size_t VueTexte::positionEn(const QPoint& point) const
{
    const int rangee = verticalScrollBar()->value() + std::max(0, point.y() - kMarge / 2) / hauteurRangee();
    if (std::size_t(rangee) >= nombreRangees())
        return taille();
    QTextLayout disposition;
    disposer(disposition, std::size_t(rangee));
    return debutRangee(std::size_t(rangee)) + std::size_t(disposition.lineAt(0).xToCursor(point.x() - kMarge));
}

QRect VueTexte::rectangleDe(std::size_t position) const
{
    const std::size_t rangee = rangeeDe(std::min(position, taille()));
    const int ecart = int(rangee) - verticalScrollBar()->value();
    if (ecart < 0 || ecart > rangeesVisibles())
        return {};
    QTextLayout disposition;
    disposer(disposition, rangee);
    const qreal x = disposition.lineAt(0).cursorToX(int(position - debutRangee(rangee)));
    const QPoint coin(kMarge + int(x), kMarge / 2 + ecart * hauteurRangee());
    const int largeur = QFontMetrics(font()).horizontalAdvance(QLatin1Char('0'));
    return {viewport()->mapToGlobal(coin), QSize(largeur, hauteurRangee())};
}

void VueTexte::placerCurseur(std::size_t position, bool etendre)
{
    m_curseur = std::min(position, taille());
    if (!etendre)
        m_ancre = m_curseur;
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent evenement(this, int(m_curseur));
        QAccessible::updateAccessibility(&evenement);
    }
    Q_EMIT selectionChangee();
}

void VueTexte::montrerCurseur()
{
    const int rangee = int(rangeeDe(m_curseur));
    QScrollBar* barre = verticalScrollBar();
    if (rangee < barre->value())
        barre->setValue(rangee);
    else if (rangee >= barre->value() + rangeesVisibles())
        barre->setValue(rangee - rangeesVisibles() + 1);
}

std::int64_t VueTexte::destination(const QKeyEvent* event) const
{
    const std::int64_t rangee = std::int64_t(rangeeDe(m_curseur));
    const std::int64_t colonne = std::int64_t(m_curseur - debutRangee(std::size_t(rangee)));
    auto versRangee = [&](std::int64_t r) {
        r = std::clamp<std::int64_t>(r, 0, std::int64_t(nombreRangees()) - 1);
        const std::size_t debut = debutRangee(std::size_t(r));
        return std::int64_t(debut + std::min(std::size_t(colonne), longueurRangee(std::size_t(r))));
    };
    const bool document = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left: return std::int64_t(precedent(m_curseur));
    case Qt::Key_Right: return std::int64_t(suivant(m_curseur));
    case Qt::Key_Up: return versRangee(rangee - 1);
    case Qt::Key_Down: return versRangee(rangee + 1);
    case Qt::Key_PageUp: return versRangee(rangee - rangeesVisibles());
    case Qt::Key_PageDown: return versRangee(rangee + rangeesVisibles());
    case Qt::Key_Home: return document ? 0 : std::int64_t(debutRangee(std::size_t(rangee)));
    case Qt::Key_End:
        return document ? std::int64_t(taille())
                        : std::int64_t(debutRangee(std::size_t(rangee)) + longueurRangee(std::size_t(rangee)));
    default: return -1;
    }
}

void VueTexte::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        copier();
    } else if (event == QKeySequence::SelectAll) {
        toutSelectionner();
    } else if (const std::int64_t vers = destination(event); vers >= 0) {
        placerCurseur(std::size_t(vers), event->modifiers() & Qt::ShiftModifier);
        montrerCurseur();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void VueTexte::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        placerCurseur(positionEn(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void VueTexte::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        placerCurseur(positionEn(event->position().toPoint()), true);
        montrerCurseur();
    }
}

void VueTexte::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    auto lettre = [this](std::size_t i) { return QChar(unite(i)).isLetterOrNumber(); };
    std::size_t debut = positionEn(event->position().toPoint()), fin = debut;
    while (debut > 0 && lettre(debut - 1))
        --debut;
    while (fin < taille() && lettre(fin))
        ++fin;
    m_ancre = debut;
    placerCurseur(fin, true);
}

void VueTexte::toutSelectionner()
{
    m_ancre = 0;
    placerCurseur(taille(), true);
}

void VueTexte::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    remplirMenu(menu);
    menu.exec(event->globalPos());
}

void VueTexte::remplirMenu(QMenu& menu)
{
    const bool choix = selectionFin() > selectionDebut();
    menu.addAction(QStringLiteral("Copier"), QKeySequence::Copy, this, &VueTexte::copier)->setEnabled(choix);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Tout sélectionner"), QKeySequence::SelectAll, this, &VueTexte::toutSelectionner);
}

void VueTexte::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void VueTexte::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

#include "tips/feuilleapropos.h"

#include "ui/dessin.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kMarge = 4;  // left free at each side of the lines

}  // namespace

FeuilleApropos::FeuilleApropos(QWidget* parent, QList<LigneApropos> lignes, int debut, int largeur)
    : QWidget(parent), m_lignes(std::move(lignes)), m_debut(debut),
      m_icone(std::make_unique<Dessin>(QStringLiteral(":/icons/ordalis.svg")))
{
    setObjectName(QStringLiteral("Image2"));
    resize(largeur, height());
    ajusterPolices();
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleDescription(QStringLiteral("Un clic arrête ou reprend le défilement"));
}

FeuilleApropos::~FeuilleApropos() = default;

QFont FeuilleApropos::police(int points)
{
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(true);
    return f;
}

void FeuilleApropos::ajusterPolices()
{
    const int place = width() - 2 * kMarge;
    QMap<int, int> tailles;  // nominal size -> size that fits every line of it
    for (const LigneApropos& l : m_lignes) {
        int& taille = tailles[l.points];
        if (taille == 0)
            taille = l.points;
        while (taille > 1 && QFontMetrics(police(taille)).horizontalAdvance(l.texte.trimmed()) > place)
            --taille;
    }
    m_polices.clear();
    m_zones.clear();
    int y = m_debut;
    for (const LigneApropos& l : m_lignes) {
        m_polices << police(tailles.value(l.points));
        const QFontMetrics m(m_polices.last());
        const int largeur = m.horizontalAdvance(l.texte.trimmed());
        m_zones << QRect((width() - largeur) / 2, y, largeur, m.height());
        y += m.height();
    }
}

QRect FeuilleApropos::zoneLigne(int i) const
{
    return m_zones.at(i);
}

int FeuilleApropos::finDuTexte() const
{
    return m_zones.isEmpty() ? m_debut : m_zones.last().bottom() + 1;
}

QString FeuilleApropos::texte() const
{
    QStringList lignes;
    for (const LigneApropos& l : m_lignes) {
        if (!l.texte.trimmed().isEmpty())
            lignes << l.texte.trimmed();
    }
    return lignes.join(QLatin1Char('\n'));
}

void FeuilleApropos::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_icone->render(&p, QRectF(0, 0, 32, 32));
    p.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < m_lignes.size(); ++i) {
        const QRect& zone = m_zones.at(i);
        p.setFont(m_polices.at(i));
        p.drawText(zone.left(), zone.top() + QFontMetrics(m_polices.at(i)).ascent(), m_lignes.at(i).texte.trimmed());
    }
}

void FeuilleApropos::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT basculer();
    QWidget::mousePressEvent(event);
}

void FeuilleApropos::keyPressEvent(QKeyEvent* event)
{
    const int k = event->key();
    if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)
        Q_EMIT basculer();
    else
        QWidget::keyPressEvent(event);
}

namespace {

class FeuilleAccessible : public QAccessibleWidget {
public:
    explicit FeuilleAccessible(FeuilleApropos* f) : QAccessibleWidget(f, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return static_cast<FeuilleApropos*>(widget())->texte();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<FeuilleApropos*>(widget())->basculer();
    }
};

}  // namespace

QAccessibleInterface* accesFeuille(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("FeuilleApropos") && objet && objet->isWidgetType())
        return new FeuilleAccessible(static_cast<FeuilleApropos*>(objet));
    return nullptr;
}

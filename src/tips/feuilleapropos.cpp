#include "tips/feuilleapropos.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

FeuilleApropos::FeuilleApropos(QWidget* parent, QList<LigneApropos> lignes, int debut)
    : QWidget(parent), m_lignes(std::move(lignes)), m_debut(debut),
      m_icone(new QSvgRenderer(QStringLiteral(":/icons/ordalis.svg"), this))
{
    setObjectName(QStringLiteral("Image2"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleDescription(QStringLiteral("Un clic arrête ou reprend le défilement"));
}

QFont FeuilleApropos::police(int points)
{
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(true);
    return f;
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
    int y = m_debut;
    for (const LigneApropos& l : m_lignes) {
        const QFont f = police(l.points);
        const QFontMetrics m(f);
        p.setFont(f);
        p.drawText(0, y + m.ascent(), l.texte);
        y += m.height();
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

QAccessibleInterface* fabrique(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("FeuilleApropos") && objet && objet->isWidgetType())
        return new FeuilleAccessible(static_cast<FeuilleApropos*>(objet));
    return nullptr;
}

}  // namespace

void installerAccessibiliteFeuille()
{
    static bool fait = false;
    if (!fait) {
        QAccessible::installFactory(fabrique);
        fait = true;
    }
}

#include "fileops/contexte.h"

void Suspension::inscrire(std::initializer_list<QWidget*> controles)
{
    for (QWidget* c : controles)
        m_controles.emplace_back(c);
}

void Suspension::suspendre(bool suspendre)
{
    if (suspendre == m_active)
        return;
    m_active = suspendre;
    if (suspendre) {
        m_etats.clear();
        for (const QPointer<QWidget>& c : m_controles) {
            if (!c)
                continue;
            m_etats.emplace_back(c, c->isEnabled());
            c->setEnabled(false);
        }
        return;
    }
    for (const auto& [c, actif] : m_etats)
        if (c)
            c->setEnabled(actif);
    m_etats.clear();
}

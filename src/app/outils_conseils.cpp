// The tips and about windows' part of the tool-window hub.
#include "app/outils.h"

#include "tips/apropos.h"
#include "tips/conseils.h"
#include "ui/fenetres.h"
#include "ui/general.h"

namespace {

// Shows the one window of that kind that the main window owns, modal over
// the main window and its tool windows but without holding the caller, so
// that the window stays scriptable; the help window it may open stays
// usable.
template <class Fenetre, class Fabrique>
void afficherModale(QWidget* principale, Fabrique creer)
{
    // A window closed a moment ago waits for its deletion: it is not reused.
    Fenetre* ouverte = principale->findChild<Fenetre*>(QString(), Qt::FindDirectChildrenOnly);
    QPointer<Fenetre> instance = ouverte && ouverte->isVisible() ? ouverte : nullptr;
    afficherFenetreOutil(instance, [&] {
        Fenetre* fenetre = creer();
        fenetre->setWindowModality(Qt::WindowModal);
        fenetre->move(principale->geometry().center() - fenetre->rect().center());
        return fenetre;
    });
}

}  // namespace

void Outils::conseilsAuDemarrage()
{
    if (!m_general.ConseilDemarrage)
        return;
    afficherModale<Conseils>(m_principale, [this] { return new Conseils(m_general, m_principale); });
}

void Outils::ouvrirApropos()
{
    afficherModale<Apropos>(m_principale, [this] { return new Apropos(m_general, m_principale); });
}

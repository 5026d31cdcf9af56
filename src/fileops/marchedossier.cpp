#include "fileops/marchedossier.h"

#include "fileops/contexte.h"
#include "fileops/progression.h"
#include "ui/dialogues.h"
#include "core/browser.h"
#include "ui/general.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QListWidget>

MarcheDossier* MarcheDossier::lancer(ContexteFichiers& contexte, const std::string& racine, Preparation preparation)
{
    auto* marche = new MarcheDossier(contexte, racine, std::move(preparation));
    contexte.marche = marche;
    return marche;
}

MarcheDossier::MarcheDossier(ContexteFichiers& contexte, const std::string& racine, Preparation preparation)
    : QObject(contexte.fenetre), m_contexte(contexte), m_marche(racine), m_preparation(std::move(preparation))
{
    m_contexte.masquerMenu();
    m_contexte.suspension->suspendre(true);
    m_comptage.demarrer([this, racine](const std::atomic<bool>& arret, const Tache::Rapport& rapporter) {
        const std::uint64_t compte = ordalis::countFiles(racine, nullptr, &arret);
        rapporter([this, compte] { demarrerMarche(compte); });
    });
}

MarcheDossier::~MarcheDossier() = default;

void MarcheDossier::demarrerMarche(std::uint64_t compte)
{
    m_compte = compte;
    m_barre = std::make_unique<Progression>(m_contexte.progression, m_compte);
    connect(&m_minuterie, &QTimer::timeout, this, &MarcheDossier::etape);
    m_minuterie.start(0);
}

void MarcheDossier::etape()
{
    if (m_dansEtape || m_fini)  // a message box of the action runs its own loop
        return;
    m_dansEtape = true;
    const bool encore = ordalis::stepOnWorkers(m_marche, m_travaux, std::chrono::milliseconds(8),
                                               [this](const std::string& chemin) {
        m_barre->valeur(++m_fait);
        Operation operation = m_preparation(chemin);
        if (m_fini) {  // stopped while the preparation showed a message
            m_marche.stop();
            return Operation();
        }
        m_operations += bool(operation);
        return operation;
    });
    m_dansEtape = false;
    if (!encore)
        finir(false);
}

void MarcheDossier::arreter()
{
    if (m_fini)
        return;
    if (!m_dansEtape)  // else the step in progress ends the walk itself
        m_marche.stop();
    m_comptage.arreter();
    m_travaux.wait();
    finir(true);
}

void MarcheDossier::interrompre()
{
    if (m_fini)
        return;
    const bool commencee = m_barre != nullptr;
    if (m_barre)
        m_barre->figer();
    arreter();
    m_contexte.compte->setCaption(QStringLiteral("Commande arrêtée."));
    General& general = m_contexte.general;
    general.dialogues().message(m_contexte.fenetre, {general.TitreProgramme,
                                                     versQString(ordalis::stopReport(m_operations, m_compte, commencee)),
                                                     IconeMessage::Information});
}

void MarcheDossier::finir(bool arretee)
{
    if (m_fini)
        return;
    m_fini = true;
    m_minuterie.stop();
    if (m_barre)
        m_barre->terminer();
    m_contexte.suspension->suspendre(false);
    if (!arretee)
        m_contexte.general.JouerSon(General::SonFin);
    Q_EMIT terminee();
    deleteLater();
}

#include "fileops/marchedossier.h"

#include "fileops/contexte.h"
#include "fileops/progression.h"
#include "ui/dialogues.h"
#include "core/browser.h"
#include "ui/general.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <semaphore>
#include <thread>

MarcheDossier* MarcheDossier::lancer(ContexteFichiers& contexte, const std::string& racine, Preparation preparation)
{
    auto* marche = new MarcheDossier(contexte, racine, std::move(preparation));
    contexte.marche = marche;
    return marche;
}

MarcheDossier::MarcheDossier(ContexteFichiers& contexte, const std::string& racine, Preparation preparation)
    : QObject(contexte.fenetre), m_contexte(contexte), m_preparation(std::move(preparation)),
      m_travaux(std::make_shared<ordalis::FileWorkers>())
{
    m_contexte.masquerMenu();
    m_contexte.suspension->suspendre(true);
    auto pris = std::make_shared<std::binary_semaphore>(1);
    // `this` is used by the reports only, which run on this thread while it lives.
    m_tache.demarrer([this, racine, travaux = m_travaux, pris](const std::atomic<bool>& arret,
                                                              const Tache::Rapport& rapporter) {
        const std::uint64_t compte = ordalis::countFiles(racine, nullptr, &arret);
        rapporter([this, compte] { demarrerMarche(compte); });
        ordalis::walkInBatches(racine, *travaux, *pris, arret, [&](std::vector<std::string>&& lot) {
            rapporter([this, pris, lot = std::move(lot)] {
                preparer(lot);
                pris->release();
            });
        });
    }, [this] { attendreOperations(); });
}

MarcheDossier::~MarcheDossier()
{
    // Destroyed with its window, the command may leave operations that the
    // system holds: the workers end on a thread of their own.
    std::thread([travaux = std::move(m_travaux)] {}).detach();
}

void MarcheDossier::demarrerMarche(std::uint64_t compte)
{
    m_compte = compte;
    m_barre = std::make_unique<Progression>(m_contexte.progression, m_compte);
}

void MarcheDossier::preparer(const std::vector<std::string>& lot)
{
    for (const std::string& chemin : lot) {
        m_barre->valeur(++m_fait);
        Operation operation = m_preparation(chemin);
        if (m_arretee)  // stopped while the preparation showed a message
            return;
        m_operations += bool(operation);
        m_travaux->post(std::move(operation));
    }
}

void MarcheDossier::attendreOperations()
{
    m_tache.demarrer([travaux = m_travaux](const std::atomic<bool>&, const Tache::Rapport&) { travaux->wait(); },
                     [this] { finir(); });
}

void MarcheDossier::arreter()
{
    if (m_arretee || m_finie)
        return;
    m_arretee = true;
    if (m_barre)
        m_barre->terminer();
    attendreOperations();  // the walk stops with it
}

void MarcheDossier::interrompre()
{
    if (m_arretee || m_finie)
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

void MarcheDossier::finir()
{
    m_finie = true;
    if (m_barre)
        m_barre->terminer();
    m_contexte.suspension->suspendre(false);
    if (!m_arretee)
        m_contexte.general.JouerSon(General::SonFin);
    deleteLater();
}

#include "fileops/marchedossier.h"

#include "app/fenprin.h"
#include "app/general.h"
#include "fileops/progression.h"

#include <QListWidget>

#include "fileops/navigateur.h"

MarcheDossier* MarcheDossier::lancer(FenPrin& fenetre, const QString& racine, Preparation preparation)
{
    return new MarcheDossier(fenetre, racine, std::move(preparation));
}

MarcheDossier::MarcheDossier(FenPrin& fenetre, const QString& racine, Preparation preparation)
    : QObject(&fenetre), m_fenetre(fenetre), m_marche(racine.toStdString()), m_preparation(std::move(preparation))
{
    m_fenetre.masquerMenu();
    m_fenetre.suspendreCommandes(true);
    m_comptage = QThread::create([this, racine = racine.toStdString()] {
        std::vector<std::string> chemins;
        m_compte = ordalis::countFiles(racine, &chemins);
        m_chemins.reserve(qsizetype(chemins.size()));
        for (const std::string& c : chemins)
            m_chemins.push_back(QString::fromStdString(c));
    });
    connect(m_comptage, &QThread::finished, this, &MarcheDossier::demarrerMarche);
    m_comptage->start();
}

MarcheDossier::~MarcheDossier()
{
    if (m_comptage) {
        m_comptage->wait();
        delete m_comptage;
    }
}

void MarcheDossier::demarrerMarche()
{
    QListWidget* list1 = m_fenetre.navigateur()->list1();
    list1->clear();
    list1->addItems(m_chemins);
    m_chemins.clear();
    m_barre = std::make_unique<Progression>(m_fenetre.progression(), m_compte);
    connect(&m_minuterie, &QTimer::timeout, this, &MarcheDossier::etape);
    m_minuterie.start(0);
}

void MarcheDossier::etape()
{
    if (m_dansEtape)  // a message box of the action runs its own loop
        return;
    m_dansEtape = true;
    const bool encore = ordalis::stepOnWorkers(m_marche, m_travaux, std::chrono::milliseconds(8),
                                               [this](const std::string& chemin) {
        m_barre->valeur(++m_fait);
        return m_preparation(chemin);
    });
    m_dansEtape = false;
    if (!encore)
        finir();
}

void MarcheDossier::finir()
{
    m_minuterie.stop();
    m_barre->terminer();
    m_fenetre.suspendreCommandes(false);
    m_fenetre.general().JouerSon(19);
    Q_EMIT terminee();
    deleteLater();
}

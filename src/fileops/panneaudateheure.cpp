#include "fileops/panneaudateheure.h"

#include "fileops/actionsfichier.h"
#include "fileops/contexte.h"
#include "fileops/marchedossier.h"
#include "fileops/navigateur.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>

PanneauDateHeure::PanneauDateHeure(ContexteFichiers& contexte)
    : QObject(contexte.fenetre), m_contexte(contexte),
      m_panneau(creerPanneau(contexte.fenetre, QStringLiteral("FondDateHeure"), role::Panneau,
                            QStringLiteral("Date et Heure")))
{
    placer(m_panneau, 5235, 615, 2625, 1935);
    auto etiquette = [this](const char* nom, const QString& texte, int haut) {
        placer(creerEtiquette(m_panneau, QString::fromLatin1(nom), texte), 90, haut, 2000, 210);
    };
    auto champ = [this](const char* nom, const QString& accessible, int gauche, int haut, int largeur) {
        QLineEdit* c = creerChamp(m_panneau, QString::fromLatin1(nom), accessible);
        placer(c, gauche, haut, largeur, 300);
        return c;
    };
    etiquette("LblCreer", QStringLiteral("Création"), 285);
    m_champs[0] = champ("txtDateCreation", QStringLiteral("Création - date"), 90, 495, 1140);
    m_champs[1] = champ("txtHeureCreation", QStringLiteral("Création - heure"), 1275, 495, 960);
    etiquette("LblModif", QStringLiteral("Modification"), 825);
    m_champs[2] = champ("txtDateEcriture", QStringLiteral("Modification - date"), 90, 1035, 1140);
    m_champs[3] = champ("txtHeureEcriture", QStringLiteral("Modification - heure"), 1275, 1035, 960);

    TavBttn* pareil = creerBouton(m_panneau, QStringLiteral("CmdPareil"), role::Aucun, QStringLiteral("="));
    placer(pareil, 2280, 495, 270, 840);
    installerBulle(pareil, contexte.general, QStringLiteral("Même date et heure partout"));
    connect(pareil, &TavBttn::clicked, this, &PanneauDateHeure::CmdPareil);
    contexte.suspension->inscrire({pareil});

    QLabel* info = creerEtiquette(m_panneau, QStringLiteral("LblInfoLS"),
                                  QStringLiteral("Attributs \"Lecture seule\" exclus."), Couleur::TexteBoutons);
    info->setWordWrap(true);
    placer(info, 90, 1410, 2445, 420);

    // Each box gets its own reading of the clock.
    for (int i : {0, 2})
        m_champs[std::size_t(i)]->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    for (int i : {1, 3})
        m_champs[std::size_t(i)]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));

    connect(contexte.commandes.dateHeure, &TavBttn::clicked, this, &PanneauDateHeure::CmdDateHeure);
    connect(contexte.commandes.toutDateHeure, &TavBttn::clicked, this, &PanneauDateHeure::CmdToutDateHeure);
}

void PanneauDateHeure::CmdDateHeure()
{
    Horodatage horodatage(m_contexte.general, m_contexte.fenetre, m_champs);
    appliquerAuxSelectionnes(m_contexte, std::ref(horodatage));
}

void PanneauDateHeure::CmdToutDateHeure()
{
    auto horodatage = std::make_shared<Horodatage>(m_contexte.general, m_contexte.fenetre, m_champs);
    MarcheDossier::lancer(m_contexte, m_contexte.navigateur->dossierNatif(),
                          [horodatage](const std::string& chemin) { return horodatage->preparer(chemin); });
}

void PanneauDateHeure::CmdPareil()
{
    m_champs[2]->setText(m_champs[0]->text());
    m_champs[3]->setText(m_champs[1]->text());
}

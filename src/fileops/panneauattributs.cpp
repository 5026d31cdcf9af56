#include "fileops/panneauattributs.h"

#include "fileops/contexte.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "fileops/actionsfichier.h"
#include "fileops/marchedossier.h"
#include "fileops/navigateur.h"

#include <QCheckBox>

PanneauAttributs::PanneauAttributs(ContexteFichiers& contexte)
    : QObject(contexte.fenetre), m_contexte(contexte),
      m_panneau(creerPanneau(contexte.fenetre, QStringLiteral("FondAttributs"), role::Panneau,
                            QStringLiteral("Attributs")))
{
    placer(m_panneau, 5235, 2550, 2625, 1395);
    m_lectureSeule = caseEtiquette("CheckLectureSeule", "LblLS", QStringLiteral("Lecture seule"), 270);
    m_cache = caseEtiquette("CheckCache", "LblFC", QStringLiteral("Fichier caché"), 540);
    m_systeme = caseEtiquette("CheckSysteme", "LblFS", QStringLiteral("Fichier système"), 810);
    m_archive = caseEtiquette("CheckArchive", "LblA", QStringLiteral("Archive"), 1080);
    m_cache->setChecked(true);
    m_systeme->setChecked(true);
    Attributs();
    connect(contexte.commandes.attributs, &TavBttn::clicked, this, &PanneauAttributs::CmdAttributs);
    connect(contexte.commandes.toutAttributs, &TavBttn::clicked, this, &PanneauAttributs::CmdToutAttributs);
}

QCheckBox* PanneauAttributs::caseEtiquette(const char* nomCase, const char* nomEtiquette, const QString& texte, int haut)
{
    auto* c = new QCheckBox(m_panneau);
    c->setObjectName(QString::fromLatin1(nomCase));
    c->setAccessibleName(texte);
    placer(c, 150, haut + 15, 240, 240);
    connect(c, &QCheckBox::toggled, this, &PanneauAttributs::Attributs);

    TavBttn* etiquette = creerBouton(m_panneau, QString::fromLatin1(nomEtiquette), role::Commande, texte);
    etiquette->setCaptionalign(Qt::AlignLeft);
    etiquette->setGradientcolorstart(Qt::transparent);
    etiquette->setGradientcolorend(Qt::transparent);
    placer(etiquette, 420, haut, 2100, 270);
    connect(etiquette, &TavBttn::clicked, c, [c] { c->setChecked(!c->isChecked()); });
    return c;
}

void PanneauAttributs::Attributs()
{
    m_valeur = (m_lectureSeule && m_lectureSeule->isChecked() ? ordalis::kReadOnly : 0)
             | (m_cache && m_cache->isChecked() ? ordalis::kHidden : 0)
             | (m_systeme && m_systeme->isChecked() ? ordalis::kSystem : 0)
             | (m_archive && m_archive->isChecked() ? ordalis::kArchive : 0);
}

void PanneauAttributs::CmdAttributs()
{
    appliquerAuxSelectionnes(m_contexte, [this](const std::string& chemin) {
        ordalis::platform::setAttributes(chemin, m_valeur);
    });
}

void PanneauAttributs::CmdToutAttributs()
{
    MarcheDossier::lancer(m_contexte, m_contexte.navigateur->dossierNatif(),
                          [this](const std::string& chemin) -> MarcheDossier::Operation {
        return [chemin, valeur = m_valeur] { ordalis::platform::setAttributes(chemin, valeur); };
    });
}

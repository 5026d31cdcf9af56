#include "fileops/panneauproprietes.h"

#include "fileops/contexte.h"
#include "ui/bureau.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"
#include "core/platform/platform.h"
#include "core/properties.h"
#include "fileops/navigateur.h"

#include <QLabel>
#include <QListWidget>

PanneauProprietes::PanneauProprietes(ContexteFichiers& contexte)
    : QObject(contexte.fenetre), m_contexte(contexte),
      m_panneau(creerPanneau(contexte.fenetre, QStringLiteral("LblPropDate"),
                            Couleur::DegradeInverse | Couleur::Textes, QStringLiteral("Emplacement")))
{
    placer(m_panneau, 720, 720, 7095, 1935);
    m_panneau->hide();
    ligne("LblNomFic", versQString(ordalis::kNameLabel), 300);
    ligne("LblTaille", versQString(ordalis::kSizeLabel), 540);
    ligne("LblCreation", versQString(ordalis::kCreatedLabel), 780);
    ligne("LblAcces", versQString(ordalis::kAccessedLabel), 1020);
    ligne("LblModifier", versQString(ordalis::kModifiedLabel), 1260);
    ligne("LblAttributs", versQString(ordalis::kAttributesLabel), 1500);
    TavBttn* ok = creerBouton(m_panneau, QStringLiteral("CmdOK"), role::Commande, QStringLiteral("OK"));
    placer(ok, 6240, 1530, 720, 300);
    connect(ok, &TavBttn::clicked, m_panneau, &QWidget::hide);
    // The left action runs on every activation (pointer, Space, a screen
    // reader's Press); the system's dialog on the right button only.
    connect(contexte.commandes.proprietes, &TavBttn::clicked, this, [this] {
        m_contexte.masquerMenu();
        if (!m_contexte.general.FichierCourant.empty())
            remplir();
    });
    contexte.commandes.proprietes->setActionDroite(true);
    connect(contexte.commandes.proprietes, &TavBttn::mouseDown, this, [this](Qt::MouseButton b) {
        if (b != Qt::RightButton)
            return;
        m_contexte.masquerMenu();
        if (!m_contexte.general.FichierCourant.empty())
            proprietesSysteme();
    });
}

QLabel* PanneauProprietes::ligne(const char* nom, const QString& t, int haut)
{
    QLabel* l = creerEtiquette(m_panneau, QString::fromLatin1(nom), t);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placer(l, 120, haut, 6000, 240);
    return l;
}

void PanneauProprietes::remplir()
{
    namespace p = ordalis::platform;
    m_panneau->show();
    m_panneau->raise();
    const std::string chemin = m_contexte.general.FichierCourant;
    auto l = [this](const char* nom) { return m_panneau->findChild<QLabel*>(QString::fromLatin1(nom)); };
    m_panneau->setCaption(QString::fromStdString(ordalis::folderCaption(chemin, p::separator())));
    const std::string nom = chemin.substr(chemin.find_last_of(p::separator()) + 1);
    l("LblNomFic")->setText(QString::fromStdString(ordalis::nameLine(nom)));
    if (std::uint64_t taille = 0; !p::fileSize(chemin, taille))
        l("LblTaille")->setText(QString::fromStdString(ordalis::sizeLine(taille)));
    if (p::FileTimes t; !p::getFileTimes(chemin, t)) {
        l("LblCreation")->setText(QString::fromStdString(ordalis::dateLine(ordalis::kCreatedLabel, t.creation)));
        l("LblAcces")->setText(QString::fromStdString(ordalis::dateLine(ordalis::kAccessedLabel, t.access)));
        l("LblModifier")->setText(QString::fromStdString(ordalis::dateLine(ordalis::kModifiedLabel, t.write)));
    }
    std::uint32_t attributs = 0;
    const bool ok = !p::getAttributes(chemin, attributs);
    l("LblAttributs")->setText(QString::fromStdString(ordalis::attributesLine(attributs, ok)));
}

void PanneauProprietes::proprietesSysteme()
{
    afficherProprietesBureau(m_contexte.general.FichierCourant);
}

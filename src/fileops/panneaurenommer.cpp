#include "fileops/panneaurenommer.h"

#include "app/fenprin.h"
#include "app/general.h"
#include "app/tavbttn.h"
#include "app/tavpanel.h"
#include "app/ui.h"
#include "core/browser.h"
#include "core/pattern.h"
#include "core/renameplan.h"
#include "fileops/navigateur.h"
#include "fileops/progression.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

std::vector<std::string> versStd(const QStringList& noms)
{
    std::vector<std::string> out;
    out.reserve(std::size_t(noms.size()));
    for (const QString& n : noms)
        out.push_back(n.toStdString());
    return out;
}

// A click in the filter box sets the list's pattern again.
class ClicFiltre : public QObject {
public:
    ClicFiltre(QLineEdit* champ, Navigateur* nav) : QObject(champ), m_nav(nav) { champ->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease)
            m_nav->setMotif(QString::fromStdString(
                ordalis::patternFromFilter(static_cast<QLineEdit*>(o)->text().toStdString())));
        return false;
    }

private:
    Navigateur* m_nav;
};

}  // namespace

void PanneauRenommer::construire()
{
    construireNumeros();
    construireExtensions();
}

PanneauRenommer::PanneauRenommer(FenPrin& fenetre)
    : QObject(&fenetre), m_fenetre(fenetre),
      m_panneau(creerPanneau(&fenetre, QStringLiteral("AutoRename"), QStringLiteral("Renommer les fichiers")))
{
    placer(m_panneau, 5235, 615, 2625, 3330);
    m_panneau->hide();
    construire();
    connect(m_fenetre.bouton(QStringLiteral("CmdRename")), &TavBttn::clicked, this, &PanneauRenommer::basculer);
}

QLineEdit* PanneauRenommer::champ(const char* nom, const QString& texte, int gauche, int haut, int largeur)
{
    auto* c = new QLineEdit(texte, m_panneau);
    c->setObjectName(QString::fromLatin1(nom));
    placer(c, gauche, haut, largeur, 300);
    return c;
}

void PanneauRenommer::etiquette(const char* nom, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    auto* l = new QLabel(texte, m_panneau);
    l->setObjectName(QString::fromLatin1(nom));
    l->setWordWrap(hauteur > 210);
    placer(l, gauche, haut, largeur, hauteur);
}

TavBttn* PanneauRenommer::commande(const char* nom, const QString& caption, int gauche, int haut, int largeur,
                                   const char* bulle)
{
    TavBttn* b = creerBouton(m_panneau, QString::fromLatin1(nom), caption);
    placer(b, gauche, haut, largeur, 300);
    installerBulle(b, m_fenetre.general(), QString::fromUtf8(bulle));
    // Short captions ("Tous") say what they do only beside their row; a
    // screen reader reads the whole hint instead.
    if (!caption.isEmpty() && caption != QLatin1String("001"))
        b->setAccessibleName(QString::fromUtf8(bulle));
    return b;
}

void PanneauRenommer::construireNumeros()
{
    etiquette("LblRename", QStringLiteral("Nouveau nom"), 90, 270, 2400);
    QLineEdit* nom = champ("txtRename", QString(), 90, 480, 2445);
    nom->setAccessibleName(QStringLiteral("Nouveau nom"));
    etiquette("LblIncrement", QStringLiteral("Incrément"), 90, 810, 1200);
    QLineEdit* increment = champ("txtIncrement", QString(), 90, 1020, 900);
    increment->setAccessibleName(QStringLiteral("Incrément"));
    connect(increment, &QLineEdit::textChanged, this, [this](const QString& t) { m_valeurIncrement = t; });
    increment->setText(QStringLiteral("001"));
    TavBttn* numero = commande("CmdNumFich", QStringLiteral("001"), 1050, 1020, 600,
                               "Changer la valeur de l'incrémentation (01 - 001 -0001)");
    connect(numero, &TavBttn::clicked, this, &PanneauRenommer::changerLargeur);
    connect(commande("CmdRenommer", QStringLiteral("Renommer"), 90, 1380, 1200,
                     "Renommer le ou les fichiers sélectionnés"),
            &TavBttn::clicked, this, [this] { renommer(false); });
    connect(commande("CmdToutRenommer", QStringLiteral("Tous"), 1335, 1380, 1200,
                     "Renommer tous les fichiers du dossier"),
            &TavBttn::clicked, this, [this] { renommer(true); });
}

void PanneauRenommer::construireExtensions()
{
    etiquette("LblNouvExtension", QStringLiteral("[NOUVELLE EXTENSION]"), 90, 1740, 2400);
    champ("txtNouvExtension", QStringLiteral("***"), 90, 1950, 750)->setAccessibleName(QStringLiteral("[NOUVELLE EXTENSION]"));
    connect(commande("CmdNExtension", QStringLiteral("Changer"), 885, 1950, 900,
                     "Renommer l'extension du ou des fichiers sélectionnés"),
            &TavBttn::clicked, this, [this] { changerExtension(false); });
    connect(commande("CmdToutNExtension", QStringLiteral("Tous"), 1830, 1950, 705,
                     "Renommer l'extension de tous les fichiers du dossier"),
            &TavBttn::clicked, this, [this] { changerExtension(true); });

    etiquette("LblExtension", QStringLiteral("[FILTRE DES FICHIERS]"), 90, 2310, 2400);
    QLineEdit* filtre = champ("txtExtension", QStringLiteral("***"), 90, 2520, 900);
    filtre->setAccessibleName(QStringLiteral("[FILTRE DES FICHIERS]"));
    Navigateur* nav = m_fenetre.navigateur();
    nav->setMotif(QString::fromStdString(ordalis::patternFromFilter("***")));
    connect(filtre, &QLineEdit::textChanged, nav, &Navigateur::filtreChange);
    new ClicFiltre(filtre, nav);

    etiquette("LblInfoRename", QStringLiteral("ATTENTION : Il n'y a pas de retour en arrière possible !"), 90, 2880,
              2445, 420);
    TavBttn* aide = commande("CmdAideRename", QString(), 2280, 15, 300, "Aide sur l'option 'Renommer'");
    aide->setPicture(QStringLiteral(":/icons/aide.svg"));
    connect(aide, &TavBttn::clicked, this, [this] { m_fenetre.general().afficherAide(&m_fenetre, 2); });
}

void PanneauRenommer::basculer()
{
    m_fenetre.masquerMenu();
    const bool visible = m_panneau->isVisible();
    m_panneau->setVisible(!visible);
    if (visible) {
        m_fenetre.navigateur()->setMotif(QStringLiteral("*.*"));
        m_fenetre.bouton(QStringLiteral("CmdToutDateHeure"))->setEnabled(true);
        m_fenetre.bouton(QStringLiteral("CmdToutAttributs"))->setEnabled(true);
        m_fenetre.findChild<TavPanel*>(QStringLiteral("NbFichiers"))
            ->setCaption(versQString(ordalis::kAucunFichier));
        return;
    }
    placer(m_panneau, 5235, 615, 2625, 3330);
    m_panneau->raise();
    for (const char* nom : {"CmdDateHeure", "CmdToutDateHeure", "CmdAttributs", "CmdToutAttributs"})
        m_fenetre.bouton(QString::fromLatin1(nom))->setEnabled(false);
}

void PanneauRenommer::changerLargeur()
{
    TavBttn* numero = m_fenetre.bouton(QStringLiteral("CmdNumFich"));
    auto* increment = m_panneau->findChild<QLineEdit*>(QStringLiteral("txtIncrement"));
    static const struct { const char* avant; const char* apres; const char* format; } cycle[] = {
        {"01", "001", "000"}, {"001", "0001", "0000"}, {"0001", "01", "00"}};
    for (const auto& etape : cycle) {
        if (numero->caption() == QLatin1String(etape.avant)) {
            numero->setCaption(QString::fromLatin1(etape.apres));
            increment->setText(QString::fromLatin1(etape.apres));
            m_format = QString::fromLatin1(etape.format);
            return;
        }
    }
}

void PanneauRenommer::renommer(bool tous)
{
    Navigateur* nav = m_fenetre.navigateur();
    const QStringList noms = nav->noms();
    if (noms.isEmpty())
        return;
    std::vector<bool> choix = tous ? std::vector<bool>(std::size_t(noms.size()), true) : nav->selection();
    const QString base = m_panneau->findChild<QLineEdit*>(QStringLiteral("txtRename"))->text();
    const auto plan = ordalis::planNumberedRename(versStd(noms), choix, base.toStdString(),
                                                  m_valeurIncrement.toStdString(), m_format.toStdString());
    Progression barre(m_fenetre.progression(), std::uint64_t(noms.size()));
    ordalis::applyRenamePlan(nav->dossier().toStdString(), plan, [&barre](std::size_t n) { barre.valeur(n); });
    barre.terminer();
    nav->rafraichir();
}

void PanneauRenommer::changerExtension(bool tous)
{
    Navigateur* nav = m_fenetre.navigateur();
    const QStringList noms = nav->noms();
    const QString extension = m_panneau->findChild<QLineEdit*>(QStringLiteral("txtNouvExtension"))->text();
    if (!noms.isEmpty()) {
        std::vector<bool> choix = tous ? std::vector<bool>(std::size_t(noms.size()), true) : nav->selection();
        const auto plan = ordalis::planExtensionChange(versStd(noms), choix, extension.toStdString());
        Progression barre(m_fenetre.progression(), std::uint64_t(noms.size()));
        ordalis::applyRenamePlan(nav->dossier().toStdString(), plan, [&barre](std::size_t n) { barre.valeur(n); });
        barre.terminer();
    }
    if (!tous)
        m_fenetre.findChild<TavPanel*>(QStringLiteral("NbFichiers"))
            ->setCaption(versQString(ordalis::kAucunFichier));
    nav->setMotif(QStringLiteral("*.") + extension);
}

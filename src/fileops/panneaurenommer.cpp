#include "fileops/panneaurenommer.h"

#include "fileops/apercu.h"

#include "fileops/contexte.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"
#include "core/browser.h"
#include "core/pattern.h"
#include "core/renamejournal.h"
#include "core/renameplan.h"
#include "core/renamepreview.h"
#include "fileops/navigateur.h"
#include "fileops/progression.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

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
    construireApercu();
}

PanneauRenommer::PanneauRenommer(ContexteFichiers& contexte, std::string journal)
    : QObject(contexte.fenetre), m_contexte(contexte), m_journal(std::move(journal)),
      m_panneau(creerPanneau(contexte.fenetre, QStringLiteral("AutoRename"), role::Panneau,
                            QStringLiteral("Renommer les fichiers")))
{
    placer(m_panneau, 5235, 615, 2625, 3330);
    m_panneau->hide();
    construire();
    connect(contexte.commandes.renommer, &TavBttn::clicked, this, &PanneauRenommer::basculer);
}

QLineEdit* PanneauRenommer::champ(const char* nom, const QString& texte, int gauche, int haut, int largeur)
{
    QLineEdit* c = creerChamp(m_panneau, QString::fromLatin1(nom), QString(), texte);
    placer(c, gauche, haut, largeur, 300);
    return c;
}

void PanneauRenommer::etiquette(const char* nom, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    QLabel* l = creerEtiquette(m_panneau, QString::fromLatin1(nom), texte);
    l->setWordWrap(hauteur > 210);
    placer(l, gauche, haut, largeur, hauteur);
}

TavBttn* PanneauRenommer::commande(const char* nom, const QString& caption, int gauche, int haut, int largeur,
                                   const char* bulle)
{
    TavBttn* b = creerBouton(m_panneau, QString::fromLatin1(nom), role::Aucun, caption);
    placer(b, gauche, haut, largeur, 300);
    installerBulle(b, m_contexte.general, QString::fromUtf8(bulle));
    // Short captions ("Tous") say what they do only beside their row; a
    // screen reader reads the whole hint instead.
    if (!caption.isEmpty() && caption != QLatin1String("001"))
        b->setAccessibleName(QString::fromUtf8(bulle));
    return b;
}

void PanneauRenommer::construireNumeros()
{
    etiquette("LblRename", QStringLiteral("Nouveau nom"), 90, 270, 2400);
    QLineEdit* nom = m_nom = champ("txtRename", QString(), 90, 480, 2445);
    nom->setAccessibleName(QStringLiteral("Nouveau nom"));
    etiquette("LblIncrement", QStringLiteral("Incrément"), 90, 810, 1200);
    QLineEdit* increment = m_increment = champ("txtIncrement", QString(), 90, 1020, 900);
    increment->setAccessibleName(QStringLiteral("Incrément"));
    connect(increment, &QLineEdit::textChanged, this, [this](const QString& t) { m_valeurIncrement = t; });
    increment->setText(QStringLiteral("001"));
    TavBttn* numero = m_numero = commande("CmdNumFich", QStringLiteral("001"), 1050, 1020, 600,
                               "Changer la valeur de l'incrémentation (01 - 001 -0001)");
    donnerRoles(numero, Couleur::TexteBoutons | Couleur::Lumiere);
    connect(numero, &TavBttn::clicked, this, &PanneauRenommer::changerLargeur);
    TavBttn* un = m_commandesRenommage[0] = commande("CmdRenommer", QStringLiteral("Renommer"), 90, 1380, 1200,
                           "Renommer le ou les fichiers sélectionnés");
    connect(un, &TavBttn::clicked, this, [this] { renommer(false); });
    TavBttn* tous = m_commandesRenommage[1] = commande("CmdToutRenommer", QStringLiteral("Tous"), 1335, 1380, 1200,
                             "Renommer tous les fichiers du dossier");
    connect(tous, &TavBttn::clicked, this, [this] { renommer(true); });
    m_contexte.suspension->inscrire({un, tous});
}

void PanneauRenommer::construireExtensions()
{
    etiquette("LblNouvExtension", QStringLiteral("[NOUVELLE EXTENSION]"), 90, 1740, 2400);
    m_extension = champ("txtNouvExtension", QStringLiteral("***"), 90, 1950, 750);
    m_extension->setAccessibleName(QStringLiteral("[NOUVELLE EXTENSION]"));
    TavBttn* une = m_commandesRenommage[2] = commande("CmdNExtension", QStringLiteral("Changer"), 885, 1950, 900,
                            "Renommer l'extension du ou des fichiers sélectionnés");
    connect(une, &TavBttn::clicked, this, [this] { changerExtension(false); });
    TavBttn* toutes = m_commandesRenommage[3] = commande("CmdToutNExtension", QStringLiteral("Tous"), 1830, 1950, 705,
                               "Renommer l'extension de tous les fichiers du dossier");
    connect(toutes, &TavBttn::clicked, this, [this] { changerExtension(true); });
    m_contexte.suspension->inscrire({une, toutes});

    etiquette("LblExtension", QStringLiteral("[FILTRE DES FICHIERS]"), 90, 2310, 2400);
    QLineEdit* filtre = champ("txtExtension", QStringLiteral("***"), 90, 2520, 900);
    filtre->setAccessibleName(QStringLiteral("[FILTRE DES FICHIERS]"));
    Navigateur* nav = m_contexte.navigateur;
    nav->setMotif(QString::fromStdString(ordalis::patternFromFilter("***")));
    connect(filtre, &QLineEdit::textChanged, nav, &Navigateur::filtreChange);
    new ClicFiltre(filtre, nav);

    etiquette("LblInfoRename", QStringLiteral("ATTENTION : seul le dernier renommage peut être annulé (Ctrl+Z)."), 90, 2880,
              2445, 420);
    TavBttn* aide = commande("CmdAideRename", QString(), 2280, 15, 300, "Aide sur l'option 'Renommer'");
    aide->setPicture(QStringLiteral(":/icons/aide.svg"));
    connect(aide, &TavBttn::clicked, this, [this] { m_contexte.general.afficherAide(m_contexte.fenetre, SujetAide::Renommer); });
}

void PanneauRenommer::construireApercu()
{
    m_apercu = new Apercu(m_contexte.fenetre);
    m_calcul = new CalculApercu(this, [this](std::vector<ordalis::PlannedRename> lignes) {
        if (m_apercu->isVisible())
            m_apercu->afficher(std::move(lignes));
    });
    TavBttn* ouvrir = commande("CmdApercu", QString(), 2235, 1020, 300, "Aperçu des nouveaux noms");
    ouvrir->setPicture(QStringLiteral(":/icons/apercu.svg"));
    ouvrir->setAccessibleName(QStringLiteral("Aperçu"));
    connect(ouvrir, &TavBttn::clicked, this, [this] {
        if (m_apercu->isVisible()) {
            m_apercu->fermer();
        } else {
            m_apercu->ouvrir();
            rafraichirApercu();
        }
    });
    // The preview follows the command the user points at or reaches with the keyboard.
    for (int i = 0; i < 4; ++i)
        connect(m_commandesRenommage[i], &TavBttn::mouseHover, m_apercu,
                [this, i] { m_apercu->setCommande(CommandeRenommage(i)); });
    connect(qApp, &QApplication::focusChanged, m_apercu, [this](QWidget*, QWidget* focus) {
        for (int i = 0; i < 4; ++i)
            if (focus == m_commandesRenommage[i])
                m_apercu->setCommande(CommandeRenommage(i));
    });
    connect(m_apercu, &Apercu::commandeChangee, this, &PanneauRenommer::rafraichirApercu);
    for (QLineEdit* c : {m_nom, m_increment, m_extension})
        connect(c, &QLineEdit::textChanged, this, &PanneauRenommer::rafraichirApercu);
    connect(m_contexte.navigateur, &Navigateur::selectionChange, this, &PanneauRenommer::rafraichirApercu);
    connect(m_contexte.navigateur, &Navigateur::dossierChange, this, &PanneauRenommer::rafraichirApercu);
}

void PanneauRenommer::rafraichirApercu()
{
    if (!m_apercu->isVisible())
        return;
    const int c = int(m_apercu->commande());
    m_calcul->demander(m_contexte.navigateur->dossierNatif(), demande(c >= 2, c % 2 == 1));
}

void PanneauRenommer::basculer()
{
    m_contexte.masquerMenu();
    const bool visible = m_panneau->isVisible();
    m_panneau->setVisible(!visible);
    const CommandesFichiers& c = m_contexte.commandes;
    if (visible) {
        m_apercu->fermer();
        m_contexte.navigateur->setMotif(QStringLiteral("*.*"));
        c.toutDateHeure->setEnabled(true);
        c.toutAttributs->setEnabled(true);
        m_contexte.compte->setCaption(versQString(ordalis::kAucunFichier));
        return;
    }
    placer(m_panneau, 5235, 615, 2625, 3330);
    m_panneau->raise();
    for (TavBttn* b : {c.dateHeure, c.toutDateHeure, c.attributs, c.toutAttributs})
        b->setEnabled(false);
}

void PanneauRenommer::changerLargeur()
{
    TavBttn* numero = m_numero;
    QLineEdit* increment = m_increment;
    static const struct { const char* avant; const char* apres; const char* format; } cycle[] = {
        {"01", "001", "000"}, {"001", "0001", "0000"}, {"0001", "01", "00"}};
    for (const auto& etape : cycle) {
        if (numero->caption() == QLatin1String(etape.avant)) {
            numero->setCaption(QString::fromLatin1(etape.apres));
            increment->setText(QString::fromLatin1(etape.apres));
            m_format = QString::fromLatin1(etape.format);
            rafraichirApercu();
            return;
        }
    }
}

void PanneauRenommer::renommer(bool tous)
{
    Navigateur* nav = m_contexte.navigateur;
    if (nav->noms().empty())
        return;
    if (appliquer(false, tous))
        m_motifAvant = m_motifApres = nav->motif();
    nav->rafraichir();
}

void PanneauRenommer::changerExtension(bool tous)
{
    Navigateur* nav = m_contexte.navigateur;
    const std::vector<std::string> noms = nav->noms();
    const QString extension = m_extension->text();
    const QString avant = nav->motif();
    const bool journal = !noms.empty() && appliquer(true, tous);
    if (!tous)
        m_contexte.compte->setCaption(versQString(ordalis::kAucunFichier));
    nav->setMotif(QStringLiteral("*.") + extension);
    if (journal) {
        m_motifAvant = avant;
        m_motifApres = nav->motif();
    }
}

void PanneauRenommer::retablirFiltre()
{
    Navigateur* nav = m_contexte.navigateur;
    if (!m_motifApres.isEmpty() && nav->motif() == m_motifApres)
        nav->setMotif(m_motifAvant);
}

ordalis::RenameRequest PanneauRenommer::demande(bool extension, bool tous) const
{
    const Navigateur* nav = m_contexte.navigateur;
    ordalis::RenameRequest d;
    d.extensionChange = extension;
    d.names = nav->noms();
    d.selected = tous ? std::vector<bool>(d.names.size(), true) : nav->selection();
    d.base = m_nom->text().toStdString();
    d.startValue = m_valeurIncrement.toStdString();
    d.numberFormat = m_format.toStdString();
    d.newExtension = m_extension->text().toStdString();
    return d;
}

bool PanneauRenommer::appliquer(bool extension, bool tous)
{
    const std::string& dossier = m_contexte.navigateur->dossierNatif();
    std::vector<ordalis::PlannedRename> lignes = planActuel(dossier, demande(extension, tous));
    const std::vector<ordalis::RenameOp> utiles = ordalis::renamesOf(lignes);
    if (m_apercu->isVisible()) {
        m_apercu->setCommande(CommandeRenommage(int(extension) * 2 + int(tous)));
        m_apercu->afficher(std::move(lignes));
    }
    if (utiles.empty())
        return false;
    Progression barre(m_contexte.progression, std::uint64_t(utiles.size()));
    ordalis::RenameJournal journal(m_journal, dossier, utiles);
    ordalis::applyRenamePlan(dossier, utiles, [&barre](std::size_t n) { barre.valeur(n); }, &journal);
    return true;
}

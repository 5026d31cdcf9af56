#include "ui/couleurs.h"

#include <QHash>
#include <QPalette>
#include <QVariant>
#include <QWidget>

QColor versQColor(ordalis::Colour c)
{
    return QColor(ordalis::red(c), ordalis::green(c), ordalis::blue(c));
}

ordalis::Colour depuisQColor(const QColor& c)
{
    return ordalis::rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

namespace {

template <class F>
void pourChaque(QWidget* fenetre, const QStringList& noms, F f)
{
    for (const QString& nom : noms) {
        if (auto* w = fenetre->objectName() == nom ? fenetre : fenetre->findChild<QWidget*>(nom))
            f(w);
    }
}

bool aPropriete(QWidget* w, const char* nom)
{
    return w->metaObject()->indexOfProperty(nom) >= 0;
}

void couleurTexte(QWidget* w, const QColor& c)
{
    if (aPropriete(w, "forecolor")) {
        w->setProperty("forecolor", c);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void couleurFond(QWidget* w, const QColor& c)
{
    if (aPropriete(w, "couleurcadre")) {
        w->setProperty("couleurcadre", c);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::AlternateBase, c.lighter(110));
    w->setPalette(p);
}

}  // namespace

void appliquerCouleurs(QWidget* fenetre, const TableCouleurs& t, const Couleurs& c)
{
    const QColor debut = versQColor(c.debut), fin = versQColor(c.fin);
    QPalette pf = fenetre->palette();
    pf.setColor(QPalette::Window, versQColor(c.fond));
    fenetre->setPalette(pf);
    fenetre->setAutoFillBackground(true);

    pourChaque(fenetre, t.gradientNormal, [&](QWidget* w) {
        w->setProperty("gradientcolorstart", debut);
        w->setProperty("gradientcolorend", fin);
    });
    pourChaque(fenetre, t.gradientInverse, [&](QWidget* w) {
        w->setProperty("gradientcolorstart", fin);
        w->setProperty("gradientcolorend", debut);
    });
    pourChaque(fenetre, t.texteBoutons, [&](QWidget* w) { couleurTexte(w, versQColor(c.texteBoutons)); });
    pourChaque(fenetre, t.lumiere, [&](QWidget* w) { w->setProperty("highlightcolor", versQColor(c.lumiere)); });
    pourChaque(fenetre, t.autresTextes, [&](QWidget* w) { couleurTexte(w, versQColor(c.autresTextes)); });
    pourChaque(fenetre, t.visu, [&](QWidget* w) { couleurFond(w, versQColor(c.visu)); });
    pourChaque(fenetre, t.fond, [&](QWidget* w) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, versQColor(c.fond));
        w->setPalette(p);
        w->setBackgroundRole(QPalette::Window);  // buttons and check boxes paint with Button
        w->setAutoFillBackground(true);
    });
}

const TableCouleurs& tableFenPrin()
{
    static const TableCouleurs table = [] {
        TableCouleurs t;
        auto l = [](const char* liste) { return QString::fromLatin1(liste).split(QLatin1Char(' ')); };
        t.gradientNormal = l("CmdDeplaceFen CmdReduire CmdFermer Forme1 Forme3 Forme5 Forme7 NbFichiers");
        t.gradientInverse = l("Forme2 Forme4 Forme6 Forme8 FondIcones PopUpInfos FondDateHeure FondAttributs "
                              "AutoRename LblPropDate");
        t.texteBoutons = l("CmdDeplaceFen CmdReduire CmdFermer CmdNumFich FondDateHeure FondAttributs AutoRename "
                           "PopUpInfos LblInfoLS");
        t.lumiere = l("CmdDeplaceFen CmdReduire CmdFermer LblLS LblFC LblA LblFS CmdNumFich CmdApropos2 CmdCoulDeb "
                      "CmdCoulFin CmdLumiere CmdCoulTxt CmdAutrTxt CmdCoulFondFen CmdCoulVisu CmdReset CmdBulAide "
                      "CmdConseilDem CmdSupprCle CmdFerMnu CmdOK");
        t.autresTextes = l("Lecteur Repertoire Fichier txtDateCreation txtHeureCreation txtDateEcriture "
                           "txtHeureEcriture txtExtension txtIncrement txtRename txtNouvExtension LblCreer LblModif "
                           "LblExtension LblIncrement LblRename LblNouvExtension LblInfoRename LblChangerCoul "
                           "LblNomFic LblTaille LblCreation LblAcces LblModifier LblAttributs LblLS LblFC LblA LblFS "
                           "CmdApropos2 CmdCoulDeb CmdCoulFin CmdCoulTxt CmdLumiere CmdAutrTxt CmdCoulFondFen "
                           "CmdCoulVisu CmdReset CmdBulAide CmdConseilDem CmdSupprCle CmdFerMnu CmdOK NbFichiers "
                           "LblPropDate Line1 Line2 Line3 Line5 Line6 Line7");
        t.visu = l("Lecteur Repertoire Fichier txtDateCreation txtHeureCreation txtDateEcriture txtHeureEcriture "
                   "txtExtension txtIncrement txtRename txtNouvExtension NbFichiers");
        return t;
    }();
    return table;
}

namespace {

QStringList noms(const char* liste)
{
    return QString::fromLatin1(liste).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TableCouleurs table(const char* normal, const char* inverse, const char* texteBoutons, const char* lumiere,
                    const char* autresTextes, const char* visu, const char* fond = "")
{
    return {noms(normal), noms(inverse), noms(texteBoutons), noms(lumiere), noms(autresTextes), noms(visu),
            noms(fond)};
}

}  // namespace

const TableCouleurs& tableFenetre(const QString& nomFenetre)
{
    static const QHash<QString, TableCouleurs> tables = {
        {QStringLiteral("FenRechercher"),
         table("CmdDeplaceFen CmdFermer CmdAide Forme1 Forme5 btnRechercher Forme3 FondExtension FondAffichage",
               "Forme2 Forme4 Forme6 Forme7 SousExtension SousRechercher FondSousDossiers",
               "CmdDeplaceFen CmdAide CmdFermer Resultats",
               "CmdDeplaceFen CmdAide CmdFermer CmdRechercherDansSousRepertoires btnRechercher",
               "chxLecteur chxRepertoire txtCritere LblExtension CmdRechercherDansSousRepertoires btnRechercher "
               "FondAffichage Forme3",
               "chxLecteur chxRepertoire txtCritere Resultats")},
        {QStringLiteral("FenCrypteur"),
         table("CmdDeplaceFen CmdFermer CmdAide Forme2 Forme4 FondCommandes FondResult", "Forme1 Forme3 Forme5 Forme6",
               "CmdDeplaceFen CmdAide CmdFermer",
               "CmdDeplaceFen CmdAide CmdFermer CmdCache CmdCrypter LblCrypter LblDecrypter",
               "txtTexte txtCle txtResult LblCle CmdCrypter CmdCache LblCrypter LblDecrypter FondResult",
               "txtTexte txtCle txtResult")},
        {QStringLiteral("FenRechercheTxt"),
         table("CmdDeplaceFen CmdFermer CmdAide Forme2 Forme4 FondCommandes Forme7", "Forme1 Forme3 Forme5 Forme6",
               "CmdDeplaceFen CmdAide CmdFermer", "CmdDeplaceFen CmdAide CmdFermer LblCasse",
               "txtMotRechercher LblMot LblCasse Rtb1", "Rtb1 txtMotRechercher")},
        {QStringLiteral("FenEditText"),
         table("CmdDeplaceFen CmdFermer CmdAide Forme2 Forme4 FondCommandes", "Forme1 Forme3 Forme5 Forme6",
               "CmdDeplaceFen CmdAide CmdFermer", "CmdDeplaceFen CmdAide CmdFermer", "txtEdit", "txtEdit")},
        {QStringLiteral("Conseils"),
         table("CmdDeplaceFen CmdOK Forme2 Forme4 Forme6", "CmdNextTip Forme1 Forme3 Forme5 Forme7",
               "CmdDeplaceFen CmdNextTip CmdOK", "CmdDeplaceFen CmdOK CmdNextTip", "lblTipText",
               "Picture1 lblTipText", "chkLoadTipsAtStartup")},
        {QStringLiteral("Apropos"),
         table("CmdDeplaceFen CmdFermer Forme2 Forme4", "Forme1 Forme3 Forme5 Forme6", "CmdDeplaceFen CmdFermer",
               "CmdDeplaceFen CmdFermer", "Image2", "Image1 Image2")},
    };
    static const TableCouleurs vide;
    const auto it = tables.find(nomFenetre);
    return it == tables.end() ? vide : *it;
}

void appliquerCouleursFenetre(QWidget* fenetre, const Couleurs& couleurs)
{
    appliquerCouleurs(fenetre, tableFenetre(fenetre->objectName()), couleurs);
}

#include "app/couleurs.h"

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
}

const TableCouleurs& tableFenPrin()
{
    static const TableCouleurs table = [] {
        TableCouleurs t;
        auto l = [](const char* noms) { return QString::fromLatin1(noms).split(QLatin1Char(' ')); };
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

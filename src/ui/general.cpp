#include "ui/general.h"

#include "ui/aide.h"
#include "ui/bureau.h"

#include <algorithm>

#include <QApplication>
#include <QVariant>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

General::General(Dialogues& dialogues, Reglages& reglages)
    : m_dialogues(dialogues), m_reglages(reglages)
{
    CheminAide = dossierDonnees() + QStringLiteral("/aide/index.html");
}

General::~General() = default;

QString General::dossierDonnees()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString installe = bin.absoluteFilePath(QStringLiteral("../" ORDALIS_DATA_SUBDIR));
    if (QFileInfo(installe).isDir())
        return QDir::cleanPath(installe);
    return bin.absolutePath();
}

void General::JouerSon(Son son)
{
    if (m_son) {
        m_son(son);
        return;
    }
    jouerSonDeFin();
}

void General::afficherAide(QWidget* depuis, SujetAide sujet)
{
    FenAide::afficher(m_dialogues, TitreProgramme, CheminAide, depuis, sujet);
}

bool FermerTout()
{
    static bool enCours = false;  // the main window's close comes back here
    if (enCours)
        return true;
    enCours = true;
    QWidgetList fenetres = QApplication::topLevelWidgets();
    std::stable_partition(fenetres.begin(), fenetres.end(),
                          [](const QWidget* w) { return !w->property(kFenetrePrincipale).toBool(); });
    for (QWidget* fenetre : fenetres) {
        if (!fenetre->close()) {
            enCours = false;
            return false;
        }
    }
    enCours = false;
    QCoreApplication::quit();
    return true;
}

#include "ui/general.h"

#include "ui/aide.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
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

void General::JouerSon(int numero)
{
    if (m_son) {
        m_son(numero);
        return;
    }
    if (numero != 19)
        return;
    // One effect for the whole run; play() returns at once and an absent
    // audio device only makes it silent.
    static QSoundEffect* effet = [] {
        auto* e = new QSoundEffect(qApp);
        e->setSource(QUrl(QStringLiteral("qrc:/sounds/fin.wav")));
        e->setVolume(0.6f);
        return e;
    }();
    effet->play();
}

void General::afficherAide(QWidget* depuis, int sujet)
{
    FenAide::afficher(m_dialogues, TitreProgramme, CheminAide, depuis, sujet);
}

void FermerTout()
{
    static bool enCours = false;  // the main window's close comes back here
    if (enCours)
        return;
    enCours = true;
    const auto fenetres = QApplication::topLevelWidgets();
    for (auto i = fenetres.size() - 1; i >= 0; --i)
        fenetres.at(i)->close();
    enCours = false;
    QCoreApplication::quit();
}

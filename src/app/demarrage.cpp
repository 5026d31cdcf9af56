#include "app/demarrage.h"

#include "ui/dialogues.h"
#include "app/fenprin.h"
#include "app/outils.h"
#include "ui/bureau.h"
#include "ui/general.h"
#include "ui/listes.h"
#include "ui/tavbttn.h"
#include "search/vuesresultats.h"
#include "texttools/vuetexte.h"
#include "tips/feuilleapropos.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

InstanceUnique::InstanceUnique(const QString& cheminVerrou)
{
    const QString chemin = cheminVerrou.isEmpty() ? cheminVerrouUtilisateur() : cheminVerrou;
    m_verrou = std::make_unique<QLockFile>(chemin);
    m_verrou->setStaleLockTime(0);  // only a dead owner makes a lock stale
    m_acquise = m_verrou->tryLock(0);
    // A lock naming this very process is no other copy's: the one that wrote
    // it ended without removing it, and its number was given again (Wine
    // numbers its processes alike at each start).
    qint64 proprietaire = 0;
    QString hote, programme;
    if (!m_acquise && m_verrou->getLockInfo(&proprietaire, &hote, &programme)
        && proprietaire == QCoreApplication::applicationPid())
        m_acquise = m_verrou->removeStaleLockFile() && m_verrou->tryLock(0);
}

void installerAccessibilite()
{
    for (auto* fabrique : {accesTavBttn, accesLecteurs, accesVueTexte, accesEntete, accesFeuille})
        QAccessible::installFactory(fabrique);
}

bool accepterNouvelleInstance(General& general)
{
    const Reponse r = general.dialogues().message(nullptr, {general.TitreProgramme,
        QStringLiteral("Ordalis... est déjà en cours d'exécution.\nSouhaitez-vous exécuter une nouvelle instance ?"),
        IconeMessage::Exclamation, BoutonsMessage::OuiNon, Reponse::Non});
    return r == Reponse::Oui;
}

FenDemarrage::FenDemarrage()
{
    setObjectName(QStringLiteral("Demarrage"));
    setWindowTitle(QStringLiteral("Démarrage"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(320, 160);
    auto* disposition = new QVBoxLayout(this);
    const struct { const char* texte; int taille; bool gras; } lignes[] = {
        {"Ordalis...", 20, true}, {"Version 1.05 - Février 2002", 9, false}, {"Un instant, SVP...", 9, false}};
    for (const auto& l : lignes) {
        auto* label = new QLabel(QString::fromUtf8(l.texte), this);
        QFont f = label->font();
        f.setPointSize(l.taille);
        f.setBold(l.gras);
        label->setFont(f);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        disposition->addWidget(label);
    }
}

void FenDemarrage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int h = height();
    for (int i = 0; i < 256; ++i) {
        const int haut = i * h / 256;
        const int bas = (i + 1) * h / 256;
        p.fillRect(0, haut, width(), qMax(1, bas - haut), QColor(0, 0, i));
    }
}

FenPrin* demarrer(General& general, FenDemarrage& demarrage, const std::string& chemin)
{
    demarrage.show();
    auto* fenetre = new FenPrin(general);
    demarrage.close();
    fenetre->show();
    fenetre->charger();
    if (!chemin.empty())
        fenetre->ouvrir(chemin);
    fenetre->outils()->conseilsAuDemarrage();
    return fenetre;
}

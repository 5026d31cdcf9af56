#include "support/environnement.h"

#include "app/demarrage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool sousWine()
{
#ifdef Q_OS_WIN
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

bool creerTube(const QString& chemin)
{
#ifdef Q_OS_WIN
    Q_UNUSED(chemin);
    return false;
#else
    return ::mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0;
#endif
}

void libererTube(const QString& chemin)
{
#ifdef Q_OS_WIN
    Q_UNUSED(chemin);
#else
    ::close(::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
#endif
}

void preparerProgrammeDeTest()
{
    QStandardPaths::setTestModeEnabled(true);
    installerAccessibilite();
}

Reponse DialoguesScriptes::message(QWidget*, const Message& m)
{
    messages << m;
    if (pendantMessage)
        pendantMessage(m);
    if (reponses.empty())
        return m.parDefaut;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

Environnement::Environnement()
#ifdef Q_OS_WIN  // a folder's name cannot end with dots there
    : reglages(std::make_unique<ReglagesQt>(dossierReglages.filePath(QStringLiteral("Ordalis"))))
#else
    : reglages(std::make_unique<ReglagesQt>(dossierReglages.filePath(QStringLiteral("Ordalis..."))))
#endif
{
    general = std::make_unique<General>(dialogues, *reglages);
    general->remplacerSon([this](int n) { sons << n; });
}

void Environnement::creerFichier(const QString& nom, const QByteArray& contenu) const
{
    QDir().mkpath(QFileInfo(chemin(nom)).absolutePath());
    QFile f(chemin(nom));
    f.open(QIODevice::WriteOnly);
    f.write(contenu);
}

QByteArray Environnement::lire(const QString& nom) const
{
    QFile f(chemin(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

void Environnement::creerFichiersVides(const QString& dossier, int nombre)
{
    const QByteArray base = QFile::encodeName(dossier);
    char nom[32];
    for (int i = 0; i < nombre; ++i) {
        std::snprintf(nom, sizeof nom, "/f%06d.txt", i);
        if (std::FILE* f = std::fopen((base + nom).constData(), "wb"))
            std::fclose(f);
    }
}

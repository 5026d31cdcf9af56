#include "ui/bureau.h"

#include "core/platform/platform.h"
#include "core/volumes.h"

#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

QVector<Volume> volumesUtilisateur()
{
    QVector<Volume> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid())
            continue;
        if (!v.isRoot() && !ordalis::isUserVolume(v.rootPath().toStdString(), v.fileSystemType().toStdString()))
            continue;
        const QString racine = QDir::toNativeSeparators(v.rootPath());
        QString libelle = racine;
        if (!v.name().isEmpty() && v.name() != racine)
            libelle += QStringLiteral(" [%1]").arg(v.name());
        out.push_back({racine, libelle});
    }
    std::stable_sort(out.begin(), out.end(), [](const Volume& a, const Volume& b) {
        return a.racine.size() == 1 && b.racine.size() != 1 ? true
             : b.racine.size() == 1 ? false : a.racine < b.racine;
    });
    return out;
}

QString volumeDe(const QString& chemin)
{
    QString meilleur;
    for (const Volume& v : volumesUtilisateur()) {
        const QString r = v.racine;
        const bool dedans = chemin == r || chemin.startsWith(r.endsWith(QDir::separator()) ? r : r + QDir::separator());
        if (dedans && r.size() > meilleur.size())
            meilleur = r;
    }
    return meilleur;
}

QString cheminVerrouUtilisateur()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty())
        dossier = QDir::tempPath();
    const QString utilisateur = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return dossier + QStringLiteral("/ordalis-") + utilisateur + QStringLiteral(".lock");
}

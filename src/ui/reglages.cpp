#include "ui/reglages.h"

#include <QDir>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString racineRegistre = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
}

ReglagesQt::ReglagesQt(const QString& dossierIni)
    : m_registre(dossierIni.isEmpty()
                 && QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
{
    QString dossier = dossierIni;
    if (dossier.isEmpty())
        dossier = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QLatin1Char('/') + Cles::application;
    m_cheminIni = dossier + QStringLiteral("/Ordalis.ini");
}

ReglagesQt::~ReglagesQt() = default;

std::unique_ptr<QSettings> ReglagesQt::ouvrir() const
{
    if (m_registre)
        return std::make_unique<QSettings>(racineRegistre + QLatin1Char('\\') + Cles::application,
                                           QSettings::NativeFormat);
    return std::make_unique<QSettings>(m_cheminIni, QSettings::IniFormat);
}

QString ReglagesQt::lire(const QString& section, const QString& cle, const QString& defaut) const
{
    const auto s = ouvrir();
    s->beginGroup(section);
    return s->value(cle, defaut).toString();
}

void ReglagesQt::ecrire(const QString& section, const QString& cle, const QString& valeur)
{
    const auto s = ouvrir();
    s->beginGroup(section);
    s->setValue(cle, valeur);
    s->endGroup();
    s->sync();
}

bool ReglagesQt::supprimerTout()
{
    if (m_registre) {
        QSettings racine(racineRegistre, QSettings::NativeFormat);
        if (!racine.childGroups().contains(Cles::application))
            return false;
        racine.remove(Cles::application);
        racine.sync();
        return racine.status() == QSettings::NoError;
    }
    if (!QFile::exists(m_cheminIni))
        return false;
    if (!QFile::remove(m_cheminIni))
        return false;
    const QString dossier = QFileInfo(m_cheminIni).absolutePath();
    QDir().rmdir(dossier);  // only when empty
    return true;
}

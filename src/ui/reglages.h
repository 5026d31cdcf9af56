// The per-user settings store: texts grouped by application, section and
// key. On Windows the current user's registry, where earlier versions kept
// them; elsewhere one INI file in the user's configuration folder.
#pragma once

#include <QString>
#include <memory>

class QSettings;

class Reglages {
public:
    virtual ~Reglages() = default;
    // The stored text, or `defaut` when the key, section or store is absent.
    virtual QString lire(const QString& section, const QString& cle, const QString& defaut) const = 0;
    virtual void ecrire(const QString& section, const QString& cle, const QString& valeur) = 0;
    // A switch stored as "Oui" or "Non": absent, it is on; any other text is off.
    bool lireOuiNon(const QString& s, const QString& c) const { return lire(s, c, QStringLiteral("Oui")) == QLatin1String("Oui"); }
    void ecrireOuiNon(const QString& s, const QString& c, bool oui) { ecrire(s, c, oui ? QStringLiteral("Oui") : QStringLiteral("Non")); }
    // Removes the whole application entry; false when that failed.
    virtual bool supprimerTout() = 0;
};

class ReglagesQt final : public Reglages {
public:
    // `dossierIni` overrides the INI file's folder (tests); empty = the
    // user's configuration folder.
    explicit ReglagesQt(const QString& dossierIni = {});
    ~ReglagesQt() override;

    QString lire(const QString& section, const QString& cle, const QString& defaut) const override;
    void ecrire(const QString& section, const QString& cle, const QString& valeur) override;
    bool supprimerTout() override;

    // The INI file used outside Windows.
    QString cheminIni() const { return m_cheminIni; }

private:
    std::unique_ptr<QSettings> ouvrir() const;

    QString m_cheminIni;
    bool m_registre = false;
};

// Application name, sections and keys of the store.
namespace Cles {
inline const QString application = QStringLiteral("Ordalis...");
inline const QString sectionCouleurs = QStringLiteral("Couleurs de l'interface");
inline const QString sectionBulles = QStringLiteral("Affichage des info-bulles");
inline const QString cleBulles = QStringLiteral("Valeur");
inline const QString sectionConseils = QStringLiteral("Conseils du jour");
inline const QString cleConseils = QStringLiteral("Conseil au démarrage");
}  // namespace Cles

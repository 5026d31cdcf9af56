#include "app/ouverture.h"

#include "core/paths.h"
#include "core/platform/platform.h"
#include "fileops/navigateur.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/ui.h"

#include <QListView>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

fs::path versChemin(const std::string& octets)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(octets.data()), octets.size()));
}

std::string versOctets(const fs::path& chemin)
{
    const std::u8string u8 = chemin.u8string();
    return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

// The absolute form of `chemin`, without "." nor ".." nor a final separator.
fs::path absolu(const std::string& chemin)
{
    fs::path p = versChemin(chemin);
    std::error_code ec;
    if (p.is_relative())
        p = fs::current_path(ec) / p;
    p = p.lexically_normal();
    if (!p.has_filename() && p != p.root_path())
        p = p.parent_path();
    return p;
}

void signaler(const Navigateur& navigateur, General& general, const std::string& chemin)
{
    general.dialogues().message(navigateur.fichier()->window(), {general.TitreProgramme,
        QStringLiteral("Impossible d'ouvrir « %1 » : ce dossier ou ce fichier n'existe pas, ou ne peut pas être lu.\n"
                       "Ordalis... reste sur le dossier « %2 ».")
            .arg(versQString(chemin), navigateur.dossier()),
        IconeMessage::Exclamation});
}

}  // namespace

std::string cheminDemande(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--")
            return i + 1 < arguments.size() ? arguments[i + 1] : std::string();
        if (!arguments[i].empty() && arguments[i][0] != '-')
            return arguments[i];
    }
    return {};
}

std::string cheminDepose(const QMimeData& donnees)
{
    for (const QUrl& url : donnees.urls()) {
        if (!url.isLocalFile())
            continue;
        // The encoded path keeps the bytes of a name that is not UTF-8.
        const std::string chemin = ordalis::platform::pathFromFileUrl(
            url.host(QUrl::FullyEncoded).toStdString(), url.path(QUrl::FullyEncoded).toStdString());
        if (!chemin.empty())
            return chemin;
    }
    return {};
}

bool ouvrirChemin(Navigateur& navigateur, General& general, const std::string& chemin)
{
    fs::path p = absolu(chemin);
    const std::string complet = versOctets(p.make_preferred());
    if (ordalis::platform::leadsToFolder(complet) && navigateur.setDossierNatif(complet))
        return true;
    ordalis::platform::FileStat etat;
    const std::string dossier = versOctets(p.parent_path());
    const std::string nom = versOctets(p.filename());
    if (!ordalis::platform::leadsToFolder(complet) && !nom.empty()
        && !ordalis::platform::fileStat(dossier, nom, etat) && navigateur.setDossierNatif(dossier)) {
        navigateur.selectionner(nom);
        return true;
    }
    signaler(navigateur, general, chemin);
    return false;
}

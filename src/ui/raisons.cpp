#include "ui/raisons.h"

#include "core/fileerrors.h"

#include <cerrno>

namespace {

struct Raison {
    std::errc code;
    const char* texte;
};

constexpr Raison kRaisons[] = {
    {std::errc::permission_denied, "accès refusé"},
    {std::errc::operation_not_permitted, "opération non permise"},
    {std::errc::read_only_file_system, "le volume est en lecture seule"},
    {std::errc::no_space_on_device, "plus de place sur le disque"},
    {std::errc::no_such_file_or_directory, "dossier ou fichier introuvable"},
    {std::errc::is_a_directory, "c'est un dossier"},
    {std::errc::not_a_directory, "un élément du chemin n'est pas un dossier"},
    {std::errc::filename_too_long, "nom trop long"},
    {std::errc::too_many_symbolic_link_levels, "trop de liens symboliques"},
    {std::errc::io_error, "erreur d'entrée-sortie"},
    {std::errc::text_file_busy, "fichier en cours d'utilisation"},
    {std::errc::device_or_resource_busy, "fichier en cours d'utilisation"},
    {std::errc::file_exists, "le fichier existe déjà"},
    {std::errc::file_too_large, "fichier trop gros"},
    {std::errc::invalid_argument, "nom invalide"},
};

}  // namespace

QString raisonEnFrancais(const std::error_code& erreur)
{
    if (erreur == ordalis::FileRefusal::ReadOnlyAttribute)
        return QStringLiteral("il a l'attribut Lecture seule");
    if (erreur == ordalis::FileRefusal::NotRegularFile)
        return QStringLiteral("ce n'est pas un fichier ordinaire, mais un tube, un périphérique ou une socket");
#ifdef EDQUOT
    if (erreur.category() == std::generic_category() && erreur.value() == EDQUOT)
        return QStringLiteral("quota du disque dépassé");
#endif
    for (const Raison& r : kRaisons)
        if (erreur == r.code)
            return QString::fromUtf8(r.texte);
    return QString::fromLocal8Bit(erreur.message());
}

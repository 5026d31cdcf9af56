#include "app/annulation.h"

#include "core/paths.h"
#include "core/platform/platform.h"
#include "core/renamejournal.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/ui.h"

#include <QStringList>

#include <filesystem>

namespace {

constexpr int kNomsCites = 3;

QString fichiers(std::size_t n)
{
    return n > 1 ? QStringLiteral("%1 fichiers").arg(n) : QStringLiteral("%1 fichier").arg(n);
}

void informer(General& general, QWidget* parent, const QString& texte)
{
    general.dialogues().message(parent, {general.TitreProgramme, texte, IconeMessage::Information});
}

// "5 fichiers ont retrouvé leur nom. 2 fichiers gardent leur nom actuel
// (ancien nom déjà pris, ou fichier disparu) : Vac01.jpg, Vac02.jpg."
QString bilan(const ordalis::UndoReport& r)
{
    QString texte = r.restored > 1 ? QStringLiteral("%1 ont retrouvé leur nom.").arg(fichiers(r.restored))
                                   : QStringLiteral("%1 a retrouvé son nom.").arg(fichiers(r.restored));
    if (r.kept.empty())
        return texte;
    QStringList noms;
    for (std::size_t i = 0; i < r.kept.size() && i < std::size_t(kNomsCites); ++i)
        noms << versQString(r.kept[i]);
    const QString suite = r.kept.size() > std::size_t(kNomsCites) ? QStringLiteral("...") : QStringLiteral(".");
    texte += r.kept.size() > 1 ? QStringLiteral("\n%1 gardent leur nom actuel").arg(fichiers(r.kept.size()))
                               : QStringLiteral("\n%1 garde son nom actuel").arg(fichiers(r.kept.size()));
    return texte + QStringLiteral(" (ancien nom déjà pris, ou fichier disparu) : ") + noms.join(QStringLiteral(", "))
        + suite;
}

}  // namespace

std::string cheminJournalRenommage()
{
    const std::string etat = ordalis::platform::userStateFolder();
    if (etat.empty())
        return {};  // no journal, no undo: the commands still run
    const char sep = ordalis::platform::separator();
    // Windows takes away the dots that end a folder's name when it makes the
    // folder, but not when a long path names it: there the folder is "Ordalis".
    const std::string dossier = ordalis::joinPath(etat, sep == '\\' ? "Ordalis" : "Ordalis...", sep);
    std::error_code ec;  // a folder that cannot be made leaves the commands without a journal
    std::filesystem::create_directories(
        std::u8string(reinterpret_cast<const char8_t*>(dossier.data()), dossier.size()), ec);
    return ordalis::joinPath(dossier, "dernier-renommage.journal", sep);
}

bool annulerDernierRenommage(General& general, QWidget* parent, const std::string& journal)
{
    const auto contenu = ordalis::readRenameJournal(journal);
    if (!contenu || contenu->doneCount() == 0) {
        ordalis::removeRenameJournal(journal);
        informer(general, parent, QStringLiteral("Il n'y a aucun renommage à annuler."));
        return false;
    }
    const std::size_t n = ordalis::restorableCount(*contenu);
    if (n == 0) {
        informer(general, parent, QStringLiteral("Aucun fichier du dernier renommage ne peut retrouver son nom "
                                                 "(ancien nom déjà pris, ou fichier disparu)."));
        return false;
    }
    const QString question = QStringLiteral("Annuler le dernier renommage ? %1 de %2 %3.")
        .arg(fichiers(n), versQString(contenu->folder),
             n > 1 ? QStringLiteral("retrouveront leur nom") : QStringLiteral("retrouvera son nom"));
    const Reponse r = general.dialogues().message(parent, {general.TitreProgramme, question, IconeMessage::Question,
                                                           BoutonsMessage::OuiNon, Reponse::Non});
    if (r != Reponse::Oui)
        return false;
    const auto rapport = ordalis::undoRenameJournal(journal);
    ordalis::removeRenameJournal(journal);
    if (!rapport)
        return false;
    informer(general, parent, bilan(*rapport));
    return true;
}

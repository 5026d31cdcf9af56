#include "fileops/actionsfichier.h"

#include "app/dialogues.h"
#include "app/general.h"
#include "app/ui.h"
#include "core/datetime.h"
#include "core/platform/platform.h"

#include "app/fenprin.h"
#include "core/paths.h"
#include "fileops/navigateur.h"
#include "fileops/progression.h"

#include <QLineEdit>

Horodatage::Horodatage(General& general, QWidget* fenetre, const std::array<QLineEdit*, 4>& champs)
    : m_general(general), m_fenetre(fenetre), m_champs(champs)
{
}

std::uint64_t Horodatage::lire(int ligne)
{
    const auto temps = m_lecteurs[std::size_t(ligne)].read(m_champs[std::size_t(2 * ligne)]->text().toStdString(),
                                                           m_champs[std::size_t(2 * ligne + 1)]->text().toStdString());
    if (temps)
        return *temps;
    if (!m_signale[std::size_t(ligne)]) {
        m_signale[std::size_t(ligne)] = true;
        m_general.dialogues().message(m_fenetre,
            {versQString(ordalis::kDateInputErrorTitle),
             versQString(ordalis::kDateInputErrorText),
             IconeMessage::Exclamation, BoutonsMessage::Ok, Reponse::Ok});
    }
    return 0;
}

std::function<void()> Horodatage::preparer(const std::string& chemin)
{
    const std::uint64_t creation = lire(0);
    const std::uint64_t ecriture = lire(1);
    if (creation == 0 && ecriture == 0)
        return {};
    return [chemin, creation, ecriture] { ordalis::platform::setFileTimes(chemin, creation, ecriture); };
}

void Horodatage::operator()(const std::string& chemin)
{
    if (const auto operation = preparer(chemin))
        operation();
}

void appliquerAuxSelectionnes(FenPrin& fenetre, const std::function<void(const std::string&)>& action)
{
    fenetre.masquerMenu();
    General& general = fenetre.general();
    if (general.FichierCourant.isEmpty())
        return;
    Navigateur* nav = fenetre.navigateur();
    const QStringList noms = nav->noms();
    const std::vector<bool> choix = nav->selection();
    {
        Progression barre(fenetre.progression(), std::uint64_t(noms.size()));
        std::uint64_t fait = 0;
        const std::string dossier = nav->dossier().toStdString();
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (!choix[std::size_t(i)])
                continue;
            barre.valeur(++fait);
            const std::string chemin = ordalis::joinPath(dossier, noms[i].toStdString(), ordalis::platform::separator());
            general.FichierCourant = QString::fromStdString(chemin);
            action(chemin);
        }
    }
    general.JouerSon(19);
}

#include "fileops/actionsfichier.h"

#include "core/datetime.h"
#include "core/platform/platform.h"
#include "fileops/contexte.h"
#include "fileops/navigateur.h"
#include "fileops/progression.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/ui.h"

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

void appliquerAuxSelectionnes(ContexteFichiers& contexte, const std::function<void(const std::string&)>& action)
{
    contexte.masquerMenu();
    General& general = contexte.general;
    if (general.FichierCourant.empty())
        return;
    const Navigateur& nav = *contexte.navigateur;
    const std::vector<std::string>& noms = nav.noms();
    const std::vector<bool> choix = nav.selection();
    {
        Progression barre(contexte.progression, std::uint64_t(noms.size()));
        std::uint64_t fait = 0;
        for (std::size_t i = 0; i < noms.size(); ++i) {
            if (!choix[i])
                continue;
            barre.valeur(++fait);
            const std::string chemin = nav.chemin(noms[i]);
            general.FichierCourant = chemin;
            action(chemin);
        }
    }
    general.JouerSon(General::SonFin);
}

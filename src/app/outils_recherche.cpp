// The file search window's part of the tool-window hub.
#include "app/outils.h"

#include "core/platform/platform.h"
#include "search/fenrechercher.h"
#include "ui/dialogues.h"
#include "ui/fenetres.h"
#include "ui/general.h"

FenRechercher* Outils::ouvrirRecherche()
{
    return afficherFenetreOutil(m_recherche, [this] { return new FenRechercher(m_general, m_principale); });
}

void Outils::rechercheSysteme()
{
    if (ordalis::platform::showShellFind())
        return;
    m_general.dialogues().message(m_principale,
        {m_general.TitreProgramme + QStringLiteral(" - Erreur !"),
         QStringLiteral("Votre version de Windows ne supporte pas cette option.\nDésolé..."),
         IconeMessage::Exclamation, BoutonsMessage::Ok, Reponse::Ok});
}

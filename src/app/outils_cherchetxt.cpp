// The text search window's part of the tool-window hub.
#include "app/outils.h"

#include "texttools/fenrecherchetxt.h"
#include "ui/fenetres.h"

FenRechercheTxt* Outils::ouvrirRechercheTexte()
{
    return afficherFenetreOutil(m_rechercheTexte, [this] { return new FenRechercheTxt(m_general); });
}

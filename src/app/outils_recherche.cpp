// The file search window's part of the tool-window hub.
#include "app/outils.h"

#include "search/fenrechercher.h"

FenRechercher* Outils::ouvrirRecherche()
{
    return nullptr;
}

void Outils::rechercheSysteme()
{
}

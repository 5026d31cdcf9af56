// The text tools' part of the tool-window hub.
#include "app/outils.h"

#include "texttools/fencrypteur.h"

FenCrypteur* Outils::ouvrirCrypteur()
{
    return nullptr;
}

FenRechercheTxt* Outils::ouvrirRechercheTexte()
{
    return nullptr;
}

FenEditText* Outils::ouvrirEditeur()
{
    return nullptr;
}

// The cipher window's and the editor's part of the tool-window hub.
#include "app/outils.h"

#include "texttools/fencrypteur.h"
#include "texttools/fenedittext.h"
#include "ui/fenetres.h"

FenCrypteur* Outils::ouvrirCrypteur()
{
    return afficherFenetreOutil(m_crypteur, [this] {
        auto* fenetre = new FenCrypteur(m_general);
        connect(fenetre, &FenCrypteur::editeurDemande, this, &Outils::ouvrirEditeur);
        return fenetre;
    });
}

FenEditText* Outils::ouvrirEditeur()
{
    return afficherFenetreOutil(m_editeur, [this] { return new FenEditText(m_general); });
}

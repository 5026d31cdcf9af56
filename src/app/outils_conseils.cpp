// The tips and about windows' part of the tool-window hub.
#include "app/outils.h"

#include "tips/conseils.h"

void Outils::conseilsAuDemarrage()
{
}

void Outils::ouvrirApropos()
{
}

#include "texttools/chargementtexte.h"

#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>

TexteCharge lireTexte(const QString& chemin)
{
    TexteCharge r;
    const QFileInfo info(chemin);
    if (info.isFile() && info.size() > kTailleMaxTexte) {
        r.etat = TexteCharge::Etat::TropGros;
        r.taille = info.size();
        return r;
    }
    ordalis::DecodedText decode;
    if (const std::error_code ec = ordalis::readTextFile(QDir::toNativeSeparators(chemin).toStdString(), decode)) {
        r.etat = TexteCharge::Etat::Erreur;
        r.erreur = ec;
        return r;
    }
    r.texte = std::move(decode.text);
    r.lignes = indexerLignes(r.texte, false);
    return r;
}

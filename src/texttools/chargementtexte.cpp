#include "texttools/chargementtexte.h"

#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QThread>

namespace {

TexteCharge lire(const QString& chemin)
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

}  // namespace

void chargerTexte(const QString& chemin, QObject* contexte, std::function<void(TexteCharge&)> fin)
{
    auto resultat = std::make_shared<TexteCharge>();
    QThread* fil = QThread::create([chemin, resultat] { *resultat = lire(chemin); });
    QObject::connect(fil, &QThread::finished, contexte, [resultat, fin = std::move(fin)] { fin(*resultat); });
    QObject::connect(fil, &QThread::finished, fil, &QObject::deleteLater);
    fil->start();
}

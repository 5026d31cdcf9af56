#include "texttools/chargementtexte.h"

#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QTextDocument>
#include <QThread>

namespace {

TexteCharge lire(const QString& chemin, const QFont& police, QThread* cible)
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
    if (r.texte.empty())
        return r;
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(police);
    // The decoded text has no CR, so each LF becomes one block separator
    // and every other character stays itself.
    document->setPlainText(QString::fromRawData(reinterpret_cast<const QChar*>(r.texte.data()),
                                                qsizetype(r.texte.size())));
    document->moveToThread(cible);
    r.document = std::move(document);
    return r;
}

}  // namespace

void chargerTexte(const QString& chemin, const QFont& police, QObject* contexte,
                  std::function<void(TexteCharge&)> fin)
{
    auto resultat = std::make_shared<TexteCharge>();
    QThread* cible = contexte->thread();
    QThread* fil = QThread::create([chemin, police, cible, resultat] { *resultat = lire(chemin, police, cible); });
    QObject::connect(fil, &QThread::finished, contexte, [resultat, fin = std::move(fin)] { fin(*resultat); });
    QObject::connect(fil, &QThread::finished, fil, &QObject::deleteLater);
    fil->start();
}

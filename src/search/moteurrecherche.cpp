#include "search/moteurrecherche.h"

#include "core/platform/platform.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>

#include <mutex>

namespace {

// Icon files are small; anything larger is not read.
constexpr std::size_t kTailleIconeMax = 1 << 20;

bool estFichierIcone(const std::string& nom)
{
    if (nom.size() < 5)
        return false;
    std::string fin = nom.substr(nom.size() - 4);
    for (char& c : fin)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return fin == ".ico";
}

}  // namespace

QImage lireIconeFichier(const std::string& chemin, QByteArray& cle)
{
    std::string contenu;
    if (ordalis::platform::readSmallFile(chemin, kTailleIconeMax, contenu))
        return {};
    QByteArray octets = QByteArray::fromRawData(contenu.data(), qsizetype(contenu.size()));
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, "ico");
    QImage image = lecteur.read();
    if (image.isNull())
        return {};
    image = image.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCryptographicHash empreinte(QCryptographicHash::Sha1);
    empreinte.addData(QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    cle = QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + ':' + empreinte.result();
    return image;
}

namespace {

// On the search's thread: the batch gets the pictures of its icon files.
std::shared_ptr<LotResultats> avecIcones(std::vector<ordalis::SearchRow>&& lignes, const std::atomic<bool>& arret)
{
    auto lot = std::make_shared<LotResultats>();
    for (std::size_t i = 0; i < lignes.size() && !arret; ++i) {
        if (!estFichierIcone(lignes[i].name))
            continue;
        IconePropre icone;
        icone.ligne = i;
        icone.image = lireIconeFichier(lignes[i].key, icone.cle);
        if (!icone.image.isNull())
            lot->icones.push_back(std::move(icone));
    }
    lot->lignes = std::move(lignes);
    return lot;
}

}  // namespace

struct MoteurRecherche::Motif {
    std::mutex verrou;
    std::string texte;
};

MoteurRecherche::MoteurRecherche(QObject* parent, Recherche recherche)
    : QObject(parent), m_recherche(std::move(recherche)), m_motif(std::make_shared<Motif>())
{
}

void MoteurRecherche::setMotif(const QString& motif)
{
    const std::lock_guard<std::mutex> verrou(m_motif->verrou);
    m_motif->texte = motif.toStdString();
}

void MoteurRecherche::demarrer(const std::string& dossier, bool sousDossiers)
{
    ordalis::SearchOptions options{dossier, sousDossiers, [motif = m_motif] {
        const std::lock_guard<std::mutex> verrou(motif->verrou);
        return motif->texte;
    }};
    m_tache.demarrer([this, recherche = m_recherche, options = std::move(options)](const std::atomic<bool>& arret,
                                                                                  const Tache::Rapport& rapporter) {
        recherche(options, arret, [&](std::vector<ordalis::SearchRow>&& lignes) {
            std::shared_ptr<LotResultats> lot = avecIcones(std::move(lignes), arret);
            rapporter([this, lot] { Q_EMIT this->lot(lot); });
        });
    }, [this] { Q_EMIT terminee(); });
}

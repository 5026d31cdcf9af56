#include "search/moteurrecherche.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>

#include <fstream>
#include <iterator>

namespace {

// Icon files are small; anything larger is not read.
constexpr std::streamsize kTailleIconeMax = 1 << 20;

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
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier)
        return {};
    QByteArray octets(kTailleIconeMax, Qt::Uninitialized);
    fichier.read(octets.data(), kTailleIconeMax);
    octets.truncate(qsizetype(fichier.gcount()));
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

MoteurRecherche::MoteurRecherche(QObject* parent) : QObject(parent) {}

MoteurRecherche::~MoteurRecherche()
{
    arreter();
}

void MoteurRecherche::setMotif(const QString& motif)
{
    const std::lock_guard<std::mutex> verrou(m_verrouMotif);
    m_motif = motif.toStdString();
}

std::string MoteurRecherche::motif() const
{
    const std::lock_guard<std::mutex> verrou(m_verrouMotif);
    return m_motif;
}

void MoteurRecherche::demarrer(const std::string& dossier, bool sousDossiers)
{
    arreter();
    m_arret = false;
    m_enCours = true;
    ordalis::SearchOptions options{dossier, sousDossiers, [this] { return motif(); }};
    m_fil = std::thread(&MoteurRecherche::travailler, this, std::move(options), m_generation);
}

void MoteurRecherche::arreter()
{
    ++m_generation;  // drops the batches and the end already queued
    m_arret = true;
    joindre();
    m_enCours = false;
}

void MoteurRecherche::joindre()
{
    if (m_fil.joinable())
        m_fil.join();
}

void MoteurRecherche::travailler(ordalis::SearchOptions options, std::uint64_t generation)
{
    ordalis::searchFiles(options, m_arret, [this, generation](std::vector<ordalis::SearchRow>&& lignes) {
        livrer(std::move(lignes), generation);
    });
    QMetaObject::invokeMethod(this, [this, generation] {
        if (generation != m_generation)
            return;
        joindre();
        m_enCours = false;
        Q_EMIT terminee();
    }, Qt::QueuedConnection);
}

// On the worker thread: the batch gets the pictures of its icon files.
void MoteurRecherche::livrer(std::vector<ordalis::SearchRow>&& lignes, std::uint64_t generation)
{
    auto lot = std::make_shared<LotResultats>();
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!estFichierIcone(lignes[i].name))
            continue;
        IconePropre icone;
        icone.ligne = i;
        icone.image = lireIconeFichier(lignes[i].key, icone.cle);
        if (!icone.image.isNull())
            lot->icones.push_back(std::move(icone));
    }
    lot->lignes = std::move(lignes);
    QMetaObject::invokeMethod(this, [this, generation, lot] {
        if (generation == m_generation)
            Q_EMIT this->lot(lot);
    }, Qt::QueuedConnection);
}

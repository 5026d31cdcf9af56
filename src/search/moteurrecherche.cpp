#include "search/moteurrecherche.h"

#include "core/platform/platform.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>

#include <mutex>
#include <thread>

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

struct MoteurRecherche::Motif {
    std::mutex verrou;
    std::string texte;
};

// One search, shared by its thread and, until it is stopped, its engine.
struct MoteurRecherche::Travail {
    std::atomic<bool> arret{false};
    std::mutex verrou;
    MoteurRecherche* moteur = nullptr;  // null once stopped; under `verrou`
    Recherche recherche;
};

MoteurRecherche::MoteurRecherche(QObject* parent, Recherche recherche)
    : QObject(parent), m_recherche(std::move(recherche)), m_motif(std::make_shared<Motif>())
{
}

MoteurRecherche::~MoteurRecherche()
{
    arreter();
}

void MoteurRecherche::setMotif(const QString& motif)
{
    const std::lock_guard<std::mutex> verrou(m_motif->verrou);
    m_motif->texte = motif.toStdString();
}

void MoteurRecherche::demarrer(const std::string& dossier, bool sousDossiers)
{
    arreter();
    m_travail = std::make_shared<Travail>();
    m_travail->moteur = this;
    m_travail->recherche = m_recherche;
    ordalis::SearchOptions options{dossier, sousDossiers, [motif = m_motif] {
        const std::lock_guard<std::mutex> verrou(motif->verrou);
        return motif->texte;
    }};
    std::thread(&MoteurRecherche::travailler, m_travail, std::move(options)).detach();
}

void MoteurRecherche::arreter()
{
    if (!m_travail)
        return;
    m_travail->arret = true;
    const std::lock_guard<std::mutex> verrou(m_travail->verrou);
    m_travail->moteur = nullptr;  // what is already queued finds it gone
    m_travail.reset();
}

void MoteurRecherche::poster(const std::shared_ptr<Travail>& travail, std::function<void(MoteurRecherche*)> geste)
{
    const std::lock_guard<std::mutex> verrou(travail->verrou);
    if (!travail->moteur)
        return;
    QMetaObject::invokeMethod(travail->moteur, [travail, geste = std::move(geste)] {
        MoteurRecherche* moteur = nullptr;
        {
            const std::lock_guard<std::mutex> v(travail->verrou);
            moteur = travail->moteur;
        }
        if (moteur)
            geste(moteur);
    }, Qt::QueuedConnection);
}

void MoteurRecherche::travailler(std::shared_ptr<Travail> travail, ordalis::SearchOptions options)
{
    travail->recherche(options, travail->arret, [&travail](std::vector<ordalis::SearchRow>&& lignes) {
        livrer(travail, std::move(lignes));
    });
    poster(travail, [travail](MoteurRecherche* moteur) {
        moteur->m_travail.reset();
        Q_EMIT moteur->terminee();
    });
}

// On the search's thread: the batch gets the pictures of its icon files.
void MoteurRecherche::livrer(const std::shared_ptr<Travail>& travail, std::vector<ordalis::SearchRow>&& lignes)
{
    auto lot = std::make_shared<LotResultats>();
    for (std::size_t i = 0; i < lignes.size() && !travail->arret; ++i) {
        if (!estFichierIcone(lignes[i].name))
            continue;
        IconePropre icone;
        icone.ligne = i;
        icone.image = lireIconeFichier(lignes[i].key, icone.cle);
        if (!icone.image.isNull())
            lot->icones.push_back(std::move(icone));
    }
    lot->lignes = std::move(lignes);
    poster(travail, [lot](MoteurRecherche* moteur) { Q_EMIT moteur->lot(lot); });
}

// The file search of the window, run on a worker thread. Rows come back to
// the window's thread in batches through a queued signal, with the pictures
// of the icon files among them already read, so that the window never waits
// on the disk. The pattern may be changed at any moment: each folder entered
// afterwards uses the new one.
#pragma once

#include "core/filesearch.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The picture a found file holds itself (an icon file).
struct IconePropre {
    std::size_t ligne = 0;  // index of the row in its batch
    QByteArray cle;         // the same for the same picture
    QImage image;           // 32 x 32
};

struct LotResultats {
    std::vector<ordalis::SearchRow> lignes;
    std::vector<IconePropre> icones;
};

class MoteurRecherche : public QObject {
    Q_OBJECT
public:
    explicit MoteurRecherche(QObject* parent = nullptr);
    // Stops a running search and waits for its thread.
    ~MoteurRecherche() override;

    // The pattern of the folders entered from now on.
    void setMotif(const QString& motif);
    // Starts a search; one that runs is stopped first.
    void demarrer(const std::string& dossier, bool sousDossiers);
    // Stops the search and returns once its thread has ended. No batch is
    // delivered after this call, not even one already on its way.
    void arreter();
    bool enCours() const { return m_enCours; }

Q_SIGNALS:
    void lot(std::shared_ptr<LotResultats> lot);
    // The search went through its whole tree (not emitted after arreter()).
    void terminee();

private:
    void travailler(ordalis::SearchOptions options, std::uint64_t generation);
    void livrer(std::vector<ordalis::SearchRow>&& lignes, std::uint64_t generation);
    std::string motif() const;
    void joindre();

    mutable std::mutex m_verrouMotif;
    std::string m_motif;
    std::atomic<bool> m_arret{false};
    std::thread m_fil;
    std::uint64_t m_generation = 0;  // window's thread only
    bool m_enCours = false;
};

// The picture of an icon file, read from its bytes: the first image it
// holds, as 32 x 32; a null image when the file is not an icon or cannot be
// read. `cle` receives a digest of the picture.
QImage lireIconeFichier(const std::string& chemin, QByteArray& cle);

// The file search of the window, run on a worker thread. Rows come back to
// the window's thread in batches through a queued signal, with the pictures
// of the icon files among them already read, so that the window never waits
// on the disk. The pattern may be changed at any moment: each folder entered
// afterwards uses the new one.
#pragma once

#include "core/filesearch.h"
#include "ui/tache.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
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
    // What a search does on its thread: ordalis::searchFiles, or a stand-in.
    using Recherche = std::function<void(const ordalis::SearchOptions&, const std::atomic<bool>&,
                                         const ordalis::SearchBatchHandler&)>;

    // Its destruction stops a running search without waiting for it.
    explicit MoteurRecherche(QObject* parent = nullptr, Recherche recherche = ordalis::searchFiles);

    // The pattern of the folders entered from now on.
    void setMotif(const QString& motif);
    // Starts a search; one that runs is stopped first.
    void demarrer(const std::string& dossier, bool sousDossiers);
    // Stops the search and returns at once, never waiting for its thread,
    // which may be held by the system (a slow disk, a lost network share):
    // the thread ends on its own and whatever it still finds is dropped. No
    // batch is delivered after this call, not even one already on its way.
    void arreter() { m_tache.arreter(); }
    bool enCours() const { return m_tache.enCours(); }

Q_SIGNALS:
    void lot(std::shared_ptr<LotResultats> lot);
    // The search went through its whole tree (not emitted after arreter()).
    void terminee();

private:
    struct Motif;

    Recherche m_recherche;
    std::shared_ptr<Motif> m_motif;
    Tache m_tache;
};

// The picture of an icon file, read from its bytes: the first image it
// holds, as 32 x 32; a null image when the file is not an icon or cannot be
// read. `cle` receives a digest of the picture.
QImage lireIconeFichier(const std::string& chemin, QByteArray& cle);

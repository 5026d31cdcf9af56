// Work run off the event loop: a function runs on a thread of its own and
// reports to the interface thread in batches. Stopping returns at once and
// never waits for the thread, which the system may hold (a pipe, a lost
// network share): the thread ends on its own, and nothing it reports after
// the stop arrives, not even a report already on its way.
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class Tache {
public:
    // Hands `geste` to the interface thread, where it runs unless the run
    // was stopped meanwhile.
    using Rapport = std::function<void(std::function<void()> geste)>;
    // What runs on the thread; it should return soon once `arret` is set.
    using Travail = std::function<void(const std::atomic<bool>& arret, const Rapport& rapporter)>;

    // To be made and used on the interface thread.
    Tache() = default;
    ~Tache() { arreter(); }
    Tache(const Tache&) = delete;
    Tache& operator=(const Tache&) = delete;

    // Starts `travail`, stopping the run under way if any; `fin` runs on the
    // interface thread after the last report, unless the run was stopped.
    // Reports and `fin` may use the owner of this Tache: none runs once it
    // is destroyed.
    void demarrer(Travail travail, std::function<void()> fin = {});
    void arreter();
    bool enCours() const { return bool(m_etat); }

private:
    struct Etat;
    static void poster(const std::shared_ptr<Etat>& etat, std::function<void()> geste);

    QObject m_contexte;  // the reports are events of its thread
    std::shared_ptr<Etat> m_etat;  // the run under way, if any
};

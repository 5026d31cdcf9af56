#include "ui/tache.h"

#include <mutex>
#include <thread>

// One run, shared by its thread and, until it is stopped, its Tache.
struct Tache::Etat {
    std::atomic<bool> arret{false};
    std::mutex verrou;  // no report is posted once `arret` is set under it
    QObject* contexte = nullptr;
};

void Tache::poster(const std::shared_ptr<Etat>& etat, std::function<void()> geste)
{
    const std::lock_guard<std::mutex> v(etat->verrou);
    if (etat->arret)
        return;
    QMetaObject::invokeMethod(etat->contexte, [etat, geste = std::move(geste)] {
        if (!etat->arret)  // read on the interface thread, where it is set
            geste();
    }, Qt::QueuedConnection);
}

void Tache::demarrer(Travail travail, std::function<void()> fin)
{
    arreter();
    auto etat = std::make_shared<Etat>();
    etat->contexte = &m_contexte;
    m_etat = etat;
    auto finir = [this, etat, fin = std::move(fin)] {
        m_etat.reset();
        if (fin)
            fin();
    };
    std::thread([etat, travail = std::move(travail), finir = std::move(finir)] {
        travail(etat->arret, [&etat](std::function<void()> geste) { poster(etat, std::move(geste)); });
        poster(etat, std::move(finir));
    }).detach();
}

void Tache::arreter()
{
    if (!m_etat)
        return;
    {
        const std::lock_guard<std::mutex> v(m_etat->verrou);
        m_etat->arret = true;
    }
    m_etat.reset();
}

// Tool windows exist once: asking for one that is open brings it forward.
#pragma once

#include <QPointer>
#include <QWidget>

template <class Fenetre, class Fabrique>
Fenetre* afficherFenetreOutil(QPointer<Fenetre>& instance, Fabrique creer)
{
    if (!instance) {
        instance = creer();
        instance->setAttribute(Qt::WA_DeleteOnClose);
    }
    instance->show();
    instance->setWindowState(instance->windowState() & ~Qt::WindowMinimized);
    instance->raise();
    instance->activateWindow();
    return instance;
}

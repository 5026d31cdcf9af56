#include "app/outils.h"

#include <QWidget>

Outils::Outils(General& general, QWidget* principale)
    : QObject(principale), m_general(general), m_principale(principale)
{
}

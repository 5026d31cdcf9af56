#include "tips/conseils.h"

Conseils::Conseils(QWidget* parent) : QWidget(parent, Qt::Window) {}

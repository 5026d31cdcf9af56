#include "tips/apropos.h"

Apropos::Apropos(QWidget* parent) : QWidget(parent, Qt::Window) {}

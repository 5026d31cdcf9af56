#include "texttools/zonetexte.h"

ZoneTexte::ZoneTexte(QWidget* parent) : QWidget(parent, Qt::Window) {}

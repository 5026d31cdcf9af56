#include "texttools/fencrypteur.h"

FenCrypteur::FenCrypteur(QWidget* parent) : QWidget(parent, Qt::Window) {}

#include "texttools/fenrecherchetxt.h"

FenRechercheTxt::FenRechercheTxt(QWidget* parent) : QWidget(parent, Qt::Window) {}

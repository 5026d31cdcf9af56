#include "search/fenrechercher.h"

FenRechercher::FenRechercher(QWidget* parent) : QWidget(parent, Qt::Window) {}

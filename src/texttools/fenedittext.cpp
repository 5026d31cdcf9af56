#include "texttools/fenedittext.h"

FenEditText::FenEditText(QWidget* parent) : QWidget(parent, Qt::Window) {}

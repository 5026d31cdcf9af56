// A text area that keeps its text exactly.
#pragma once

#include <QWidget>

class ZoneTexte : public QWidget {
    Q_OBJECT
public:
    explicit ZoneTexte(QWidget* parent = nullptr);
};

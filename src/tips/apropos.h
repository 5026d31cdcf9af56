// The about window.
#pragma once

#include <QWidget>

class Apropos : public QWidget {
    Q_OBJECT
public:
    explicit Apropos(QWidget* parent = nullptr);
};

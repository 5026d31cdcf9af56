// The tips of the day window.
#pragma once

#include <QWidget>

class Conseils : public QWidget {
    Q_OBJECT
public:
    explicit Conseils(QWidget* parent = nullptr);
};

// The cipher window.
#pragma once

#include <QWidget>

class FenCrypteur : public QWidget {
    Q_OBJECT
public:
    explicit FenCrypteur(QWidget* parent = nullptr);
};

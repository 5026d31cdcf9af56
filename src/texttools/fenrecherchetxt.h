// The text search window.
#pragma once

#include <QWidget>

class FenRechercheTxt : public QWidget {
    Q_OBJECT
public:
    explicit FenRechercheTxt(QWidget* parent = nullptr);
};

// The file search window.
#pragma once

#include <QWidget>

class FenRechercher : public QWidget {
    Q_OBJECT
public:
    explicit FenRechercher(QWidget* parent = nullptr);
};

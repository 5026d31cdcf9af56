// The mini text editor.
#pragma once

#include <QWidget>

class FenEditText : public QWidget {
    Q_OBJECT
public:
    explicit FenEditText(QWidget* parent = nullptr);
};

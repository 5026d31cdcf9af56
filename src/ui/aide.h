// The help window: the program's help pages shown in a browser window of
// its own (non-modal, one at a time), opened on the contents or on a topic.
#pragma once

#include "ui/general.h"

#include <QWidget>

class Dialogues;
class QTextBrowser;

class FenAide : public QWidget {
    Q_OBJECT
public:
    // Opens (or brings forward) the help window on topic `sujet` (the
    // contents page `cheminAide` or a topic page beside it). A missing
    // help file is reported in a message box titled `titre` that names it.
    static void afficher(Dialogues& dialogues, const QString& titre, const QString& cheminAide,
                         QWidget* depuis, SujetAide sujet);
    // The page of a topic, beside the contents page `cheminAide`.
    static QString pageSujet(const QString& cheminAide, SujetAide sujet);

    QString pageAffichee() const;

private:
    explicit FenAide(QWidget* parent = nullptr);
    QTextBrowser* m_navigateur;
};

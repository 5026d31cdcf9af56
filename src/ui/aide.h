// The help window: the program's help pages shown in a browser window of
// its own (non-modal, one at a time), opened on the contents or on a topic.
#pragma once

#include <QWidget>

class Dialogues;
class QTextBrowser;

class FenAide : public QWidget {
    Q_OBJECT
public:
    // Opens (or brings forward) the help window on topic `sujet` (0 = the
    // contents page `cheminAide`, 1 to 6 = the topics beside it). A missing
    // help file is reported in a message box titled `titre` that names it.
    static void afficher(Dialogues& dialogues, const QString& titre, const QString& cheminAide,
                         QWidget* depuis, int sujet);
    // The page of a topic, beside the contents page `cheminAide`.
    static QString pageSujet(const QString& cheminAide, int sujet);

    QString pageAffichee() const;

private:
    explicit FenAide(QWidget* parent = nullptr);
    QTextBrowser* m_navigateur;
};

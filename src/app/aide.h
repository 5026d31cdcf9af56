// The help window: the program's help pages shown in a browser window of
// its own (non-modal, one at a time), opened on the contents or on a topic.
#pragma once

#include <QWidget>

class General;
class QTextBrowser;

class FenAide : public QWidget {
    Q_OBJECT
public:
    // Opens (or brings forward) the help window on topic `sujet` (0 = the
    // contents, 1 to 6 = the topics). A missing help file is reported in a
    // message box naming it.
    static void afficher(General& general, QWidget* depuis, int sujet);
    // The page of a topic, beside the contents page `cheminAide`.
    static QString pageSujet(const QString& cheminAide, int sujet);

    QString pageAffichee() const;

private:
    explicit FenAide(QWidget* parent = nullptr);
    QTextBrowser* m_navigateur;
};

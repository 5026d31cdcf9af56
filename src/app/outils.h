// The one place that opens the tool windows and carries a request from one
// window to another. Each tool window exists at most once: asking for it
// while it is open brings the same window forward.
#pragma once

#include <QObject>
#include <QPointer>

class General;
class QWidget;
class FenRechercher;
class FenCrypteur;
class FenRechercheTxt;
class FenEditText;

class Outils : public QObject {
    Q_OBJECT
public:
    // `principale` is the main window: the parent of modal windows.
    Outils(General& general, QWidget* principale);

    // The file search window (CmdFiFi, left button).
    FenRechercher* ouvrirRecherche();
    // The system's own find window (CmdFiFi, right button), or a message
    // where the system has none.
    void rechercheSysteme();

    // The cipher window (CmdCrypteur); it asks for the editor by a signal.
    FenCrypteur* ouvrirCrypteur();
    // The text search window (CmdChercheTxt).
    FenRechercheTxt* ouvrirRechercheTexte();
    // The mini text editor.
    FenEditText* ouvrirEditeur();

    // The tips window, modal, when the tips switch is on (start-up).
    void conseilsAuDemarrage();
    // The about window, modal ("A propos..." of the menu).
    void ouvrirApropos();

private:
    General& m_general;
    QWidget* m_principale;
    QPointer<FenRechercher> m_recherche;
    QPointer<FenCrypteur> m_crypteur;
    QPointer<FenRechercheTxt> m_rechercheTexte;
    QPointer<FenEditText> m_editeur;
};

// The text search window: loads a text file and finds a word in it,
// occurrence after occurrence, selecting each find.
//
// The text area keeps the decoded text exactly and is searched directly,
// so that a position found is the position selected, whatever characters
// the file holds; it lays out only the rows it shows, so that neither a
// file of tens of megabytes nor one long line holds the window. The search goes forward only: once the last occurrence is
// passed, the next-occurrence command keeps saying so until a new search
// starts from the beginning. Loading a file leaves the last position as it
// was, so the next occurrence is looked for in the new text after it.
#pragma once

#include "core/textfind.h"
#include "ui/tache.h"

#include <QWidget>
#include <cstdint>

class General;
class QCheckBox;
class QLineEdit;
class TavBttn;
class TavPanel;
struct TexteCharge;
class VueTexte;

class FenRechercheTxt : public QWidget {
    Q_OBJECT
public:
    explicit FenRechercheTxt(General& general, QWidget* parent = nullptr);

Q_SIGNALS:
    // A chosen file has been read (or refused) and the window shows the result.
    void chargementTermine();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construireCadre();
    void construireCommandes(TavPanel* fond);
    TavBttn* commande(TavPanel* fond, const char* nom, const char* image, const char* bulle, int gauche);

    // Finds the word from the 1-based position `depuis` and selects it.
    void rechercher(std::int64_t depuis);
    // CmdFichier: asks for a file and starts reading it.
    void choisirFichier();
    void afficher(TexteCharge& charge);

    General& m_general;
    VueTexte* m_zone = nullptr;
    QLineEdit* m_mot = nullptr;
    QCheckBox* m_casse = nullptr;
    ordalis::CaseMode m_comparaison = ordalis::CaseMode::IgnoreCase;
    std::int32_t m_derniere = 0;  // 1-based position of the last find, 0 before any
    Tache m_chargement;           // the latest file chosen, read
};

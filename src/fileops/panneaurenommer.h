// The rename panel `AutoRename`: batch rename with a running number,
// extension change, and the file list's extension filter.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

namespace ordalis { struct PlannedRename; struct RenameRequest; }

struct ContexteFichiers;
class Apercu;
class CalculApercu;
class QLineEdit;
class TavBttn;
class TavPanel;

class PanneauRenommer : public QObject {
    Q_OBJECT
public:
    // `journal`: where each rename or extension command writes the journal
    // that lets it be undone (replacing the last command's).
    PanneauRenommer(ContexteFichiers& contexte, std::string journal);

    void basculer();           // CmdRename
    void changerLargeur();     // CmdNumFich
    void renommer(bool tous);  // CmdRenommer / CmdToutRenommer
    void changerExtension(bool tous);  // CmdNExtension / CmdToutNExtension
    // After the undo of the last journaled command: the file list's pattern
    // goes back to the one before that command, unless it changed since.
    void retablirFiltre();
    Apercu* apercu() const { return m_apercu; }

private:
    void construire();
    void construireNumeros();     // new name, numbering, rename commands
    void construireExtensions();  // new extension, filter, warning, help
    QLineEdit* champ(const char* nom, const QString& texte, int gauche, int haut, int largeur);
    void etiquette(const char* nom, const QString& texte, int gauche, int haut, int largeur, int hauteur = 210);
    TavBttn* commande(const char* nom, const QString& caption, int gauche, int haut, int largeur,
                      const char* bulle);
    void construireApercu();
    // What the command would run with the texts and the selection as they are.
    ordalis::RenameRequest demande(bool extension, bool tous) const;
    void rafraichirApercu();
    // Works the command's plan out over the folder as it is now (shown in
    // the preview when it is open), then carries out the renames it
    // predicts, with the progress bar and the journal; false (the last
    // journal left as it was) when there is none.
    bool appliquer(bool extension, bool tous);

    ContexteFichiers& m_contexte;
    std::string m_journal;
    TavPanel* m_panneau;
    TavBttn* m_numero = nullptr;
    QLineEdit* m_nom = nullptr;
    QLineEdit* m_increment = nullptr;
    TavBttn* m_commandesRenommage[4] = {};  // Renommer, Tous, Changer, Tous: CommandeRenommage's order
    QLineEdit* m_extension = nullptr;
    Apercu* m_apercu = nullptr;
    CalculApercu* m_calcul = nullptr;
    QString m_format = QStringLiteral("000");
    QString m_valeurIncrement;
    QString m_motifAvant;  // the list's pattern before the last journaled command
    QString m_motifApres;  // and after it
};

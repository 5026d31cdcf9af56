// The rename panel `AutoRename`: batch rename with a running number,
// extension change, and the file list's extension filter.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

namespace ordalis { struct RenameOp; }

struct ContexteFichiers;
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

private:
    void construire();
    void construireNumeros();     // new name, numbering, rename commands
    void construireExtensions();  // new extension, filter, warning, help
    QLineEdit* champ(const char* nom, const QString& texte, int gauche, int haut, int largeur);
    void etiquette(const char* nom, const QString& texte, int gauche, int haut, int largeur, int hauteur = 210);
    TavBttn* commande(const char* nom, const QString& caption, int gauche, int haut, int largeur,
                      const char* bulle);
    // Carries out the operations of a plan that change a name, with the
    // progress bar and the journal; false (the last journal left as it
    // was) when there is none.
    bool appliquer(const std::vector<ordalis::RenameOp>& plan);

    ContexteFichiers& m_contexte;
    std::string m_journal;
    TavPanel* m_panneau;
    TavBttn* m_numero = nullptr;
    QLineEdit* m_extension = nullptr;
    QString m_format = QStringLiteral("000");
    QString m_valeurIncrement;
    QString m_motifAvant;  // the list's pattern before the last journaled command
    QString m_motifApres;  // and after it
};

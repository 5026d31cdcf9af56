// The rename panel `AutoRename`: batch rename with a running number,
// extension change, and the file list's extension filter.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

namespace ordalis { struct RenameOp; }

struct ContexteFichiers;
class QLineEdit;
class TavBttn;
class TavPanel;

class PanneauRenommer : public QObject {
    Q_OBJECT
public:
    explicit PanneauRenommer(ContexteFichiers& contexte);

    void basculer();           // CmdRename
    void changerLargeur();     // CmdNumFich
    void renommer(bool tous);  // CmdRenommer / CmdToutRenommer
    void changerExtension(bool tous);  // CmdNExtension / CmdToutNExtension

private:
    void construire();
    void construireNumeros();     // new name, numbering, rename commands
    void construireExtensions();  // new extension, filter, warning, help
    QLineEdit* champ(const char* nom, const QString& texte, int gauche, int haut, int largeur);
    void etiquette(const char* nom, const QString& texte, int gauche, int haut, int largeur, int hauteur = 210);
    TavBttn* commande(const char* nom, const QString& caption, int gauche, int haut, int largeur,
                      const char* bulle);
    // Carries out a plan over a list of `taille` names, with the progress bar.
    void appliquer(const std::vector<ordalis::RenameOp>& plan, std::size_t taille);

    ContexteFichiers& m_contexte;
    TavPanel* m_panneau;
    TavBttn* m_numero = nullptr;
    QLineEdit* m_extension = nullptr;
    QString m_format = QStringLiteral("000");
    QString m_valeurIncrement;
};

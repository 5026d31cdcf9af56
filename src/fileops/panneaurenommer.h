// The rename panel `AutoRename`: batch rename with a running number,
// extension change, and the file list's extension filter.
#pragma once

#include <QObject>
#include <QString>

class FenPrin;
class QLineEdit;
class TavBttn;
class TavPanel;

class PanneauRenommer : public QObject {
    Q_OBJECT
public:
    explicit PanneauRenommer(FenPrin& fenetre);

    TavPanel* panneau() const { return m_panneau; }
    QString FormatNumero() const { return m_format; }
    QString ValeurIncrement() const { return m_valeurIncrement; }

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

    FenPrin& m_fenetre;
    TavPanel* m_panneau;
    QString m_format = QStringLiteral("000");
    QString m_valeurIncrement;
};

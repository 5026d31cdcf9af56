// Every modal interaction of the program goes through this interface, so
// that the windows never open a modal loop of their own and tests can script
// the answers.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

enum class IconeMessage { Aucune, Information, Question, Exclamation, Stop };
enum class BoutonsMessage { Ok, OuiNon, OuiNonAnnuler, RecommencerAnnuler };
enum class Reponse { Ok, Oui, Non, Recommencer, Annuler };

struct Message {
    QString titre;
    QString texte;
    IconeMessage icone = IconeMessage::Aucune;
    BoutonsMessage boutons = BoutonsMessage::Ok;
    Reponse parDefaut = Reponse::Ok;  // the button Enter presses
};

struct DemandeFichier {
    QString titre;
    QString dossier;   // where the dialog opens
    QString filtre;    // Qt filter text, e.g. "Textes (*.txt)"
    QString nom;       // proposed file name (save dialog)
};

class Dialogues {
public:
    virtual ~Dialogues() = default;

    virtual Reponse message(QWidget* parent, const Message& message) = 0;
    // Open and save dialogs: the chosen path, or nothing on Cancel. The save
    // dialog asks nothing about an existing file: its caller does.
    virtual std::optional<QString> ouvrirFichier(QWidget* parent, const DemandeFichier& demande) = 0;
    virtual std::optional<QString> enregistrerFichier(QWidget* parent, const DemandeFichier& demande) = 0;
    // Colour dialog opened on `initiale`: the colour picked, or nothing.
    virtual std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) = 0;
    virtual std::optional<QFont> police(QWidget* parent, const QFont& initiale) = 0;
};

// The dialogs of the desktop (Qt's standard dialogs).
class DialoguesQt final : public Dialogues {
public:
    Reponse message(QWidget* parent, const Message& message) override;
    std::optional<QString> ouvrirFichier(QWidget* parent, const DemandeFichier& demande) override;
    std::optional<QString> enregistrerFichier(QWidget* parent, const DemandeFichier& demande) override;
    std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) override;
    std::optional<QFont> police(QWidget* parent, const QFont& initiale) override;
};

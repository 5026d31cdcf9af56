// Program-wide state and shared routines of the windows: the title, the help
// file, the two switches, the seven interface colours, the current file, and
// the services every window uses (dialogs, settings, sound, help).
#pragma once

#include "core/colour.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class Dialogues;
class Reglages;
class QWidget;

// The help pages: the contents, then one topic per window or panel.
enum class SujetAide { Sommaire, FenetrePrincipale, Renommer, Recherche, Cryptage, RechercheTexte, MiniEditeur };

// The seven interface colours, 0x00BBGGRR.
struct Couleurs {
    ordalis::Colour debut = 0x808000;         // gradient start
    ordalis::Colour fin = 0xE0E0E0;           // gradient end
    ordalis::Colour texteBoutons = 0x808000;  // captions of the chrome buttons
    ordalis::Colour lumiere = 0xDEFF6C;       // highlight under the pointer
    ordalis::Colour autresTextes = 0xFFFFFF;  // other texts and lines
    ordalis::Colour fond = 0x808000;          // window background
    ordalis::Colour visu = 0xD2D200;          // lists and entry fields
};

class General {
public:
    General(Dialogues& dialogues, Reglages& reglages);
    ~General();

    Dialogues& dialogues() { return m_dialogues; }
    Reglages& reglages() { return m_reglages; }

    QString TitreProgramme = QStringLiteral("Ordalis...");
    QString CheminAide;            // the help contents page
    bool InfoBulles = true;
    bool ConseilDemarrage = true;  // the tips window at start-up
    Couleurs couleurs;
    std::string FichierCourant;  // full path as the system gives it

    // The program's data folder (help pages, tips file): share/ordalis
    // beside the program's bin/ folder, or the program's own folder.
    static QString dossierDonnees();

    enum Son { SonFin = 19 };  // the end of a command

    // Plays an embedded sound without blocking; silent where there is no
    // audio output. Tests replace it with `remplacerSon`.
    void JouerSon(Son son);
    void remplacerSon(std::function<void(int)> lecteur) { m_son = std::move(lecteur); }

    void afficherAide(QWidget* depuis, SujetAide sujet);

private:
    Dialogues& m_dialogues;
    Reglages& m_reglages;
    std::function<void(int)> m_son;
};

// The property that marks the main window (true), which FermerTout closes last.
inline constexpr char kFenetrePrincipale[] = "fenetrePrincipale";

// Closes every top-level window, the tool windows before the main one, and
// ends the program. A window that refuses to close (an editor whose user
// cancelled) stops it: the windows still open stay, and false is returned.
bool FermerTout();

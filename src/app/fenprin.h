// The main window: title row, folder browser, date/time and attribute
// panels, icon bar, and the hidden panels (menu, rename, properties).
#pragma once

#include <QWidget>

#include <memory>
#include <string>

class Chrome;
struct ContexteFichiers;
class Suspension;
class General;
class MenuConfiguration;
class Outils;
class Navigateur;
class PanneauDateHeure;
class PanneauAttributs;
class PanneauRenommer;
class PanneauProprietes;
class QProgressBar;
class TavBttn;
class TavPanel;

struct IconesFenPrin {  // the icon bar's buttons, from left to right
    TavBttn *explorer, *proprietes, *dateHeure, *toutDateHeure, *attributs, *toutAttributs, *renommer, *fifi,
        *crypteur, *chercheTxt, *apropos, *aide;
};

class FenPrin : public QWidget {
    Q_OBJECT
public:
    explicit FenPrin(General& general, QWidget* parent = nullptr);
    ~FenPrin() override;

    // Load steps that follow the window's appearance: colours, switches,
    // initial command states.
    void charger();

    // Applies the seven interface colours to this window.
    void ProcCoulDefUtil();

    General& general() { return m_general; }
    Outils* outils() const { return m_outils; }
    Navigateur* navigateur() const { return m_navigateur; }
    TavPanel* popUpInfos() const { return m_popUp; }
    QProgressBar* progression() const { return m_progression; }

    // Hides the menu panel, as every command does before its work.
    void masquerMenu();
    // Shows the menu panel at its place, or hides it when shown.
    void basculerMenu();

    // Stops the whole-folder command that runs, if any: no further file is
    // touched, the operations already handed over finish first.
    void arreterCommande();
    // The same at the user's request (Escape): the progress bar stays where
    // the command stopped and the count caption tells how far it went.
    void interrompreCommande();
    // Ctrl+Z anywhere in the window, but in a text box that has typing to
    // undo: offers to undo the last rename or extension command, then
    // reloads the file list. Nothing while a whole-folder command runs.
    void annulerRenommage();
    // Opens a folder, or a file's folder with the file selected (the command
    // line, a drop); says so when the path cannot be opened.
    bool ouvrir(const std::string& chemin);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void construireNavigateur();
    void construireBarreIcones();
    void creerContexte();
    void brancherNavigateur();
    void rafraichirLegendes();

    General& m_general;
    Chrome* m_chrome = nullptr;
    IconesFenPrin m_icones{};
    Navigateur* m_navigateur = nullptr;
    MenuConfiguration* m_menu = nullptr;
    Outils* m_outils = nullptr;
    TavPanel* m_popUp = nullptr;
    TavPanel* m_nbFichiers = nullptr;
    QProgressBar* m_progression = nullptr;
    PanneauDateHeure* m_dateHeure = nullptr;
    PanneauAttributs* m_attributs = nullptr;
    PanneauRenommer* m_renommer = nullptr;
    PanneauProprietes* m_proprietes = nullptr;
    std::string m_journal;  // of the last rename command
    std::unique_ptr<Suspension> m_suspension;
    std::unique_ptr<ContexteFichiers> m_contexte;
};

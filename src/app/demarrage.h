// Start-up: the start window "Démarrage", the question when another copy of
// the program is running, then the main window's load.
#pragma once

#include <QLockFile>
#include <QWidget>
#include <memory>
#include <string>

class General;
class FenPrin;

// The per-user lock that tells whether another copy runs. A lock left by a
// copy that crashed is taken over at once, also when the system has given
// that copy's process number to this one since.
class InstanceUnique {
public:
    explicit InstanceUnique(const QString& cheminVerrou = {});
    // True when this process holds the lock.
    bool acquise() const { return m_acquise; }

private:
    std::unique_ptr<QLockFile> m_verrou;
    bool m_acquise = false;
};

// Installs what screen readers see of the custom widgets of every layer.
// Called once at start, before any window.
void installerAccessibilite();

// Asks whether a new copy should run (Yes/No, No by default). False: end.
bool accepterNouvelleInstance(General& general);

// The start window: three texts over 256 bands running from black at the
// top to pure blue at the bottom.
class FenDemarrage : public QWidget {
    Q_OBJECT
public:
    FenDemarrage();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows the start window, then loads and shows the main window (steps 4 to
// 14) once the event loop runs, on `chemin` when one is given (a folder, or
// a file's folder with that file selected; the working folder, after a
// message, when it cannot be opened). The returned window belongs to the
// caller.
FenPrin* demarrer(General& general, FenDemarrage& demarrage, const std::string& chemin = {});

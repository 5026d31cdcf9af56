// What the program asks of the desktop it runs on: the volumes a user would
// pick, the file manager's properties dialog, the end-of-command sound, and
// the per-user lock that tells whether another copy runs.
#pragma once

#include <QString>
#include <QVector>
#include <string>

struct Volume {
    QString racine;   // mount point or drive root, native separators
    QString libelle;  // what the list shows
};

// The root first, then the other mounted file systems with real storage
// (removable sticks included, pseudo file systems left out); drive letters
// on Windows.
QVector<Volume> volumesUtilisateur();
// The volume that holds `chemin` (its longest mount point).
QString volumeDe(const QString& chemin);

// Shows the properties of a file in the system shell's own dialog, else in
// the desktop file manager's (freedesktop FileManager1 over D-Bus), without
// waiting; where neither exists nothing happens.
void afficherProprietesBureau(const std::string& chemin);

// Plays the sound that marks the end of a long command, without waiting;
// a machine without audio stays silent.
void jouerSonDeFin();

// The lock file that marks a running copy for this user: in the runtime
// folder, else in the temporary folder.
QString cheminVerrouUtilisateur();

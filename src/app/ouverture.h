// Opening a folder from the desktop: the path given on the command line
// (`ordalis DIR`, `ordalis FILE`) and a folder or file dropped onto the main
// window. Paths are kept as the system's bytes.
#pragma once

#include <string>
#include <vector>

class General;
class Navigateur;
class QMimeData;

// The path the arguments ask to open: the first one that is not an option
// ("-x", "--x"), or the one after "--". Empty when there is none.
std::string cheminDemande(const std::vector<std::string>& arguments);

// The first local path of a drop (file URLs); empty when it holds none.
std::string cheminDepose(const QMimeData& donnees);

// Shows `chemin` in `navigateur`: a folder is opened, a file opens its
// folder with that file alone selected. A relative path is taken from the
// process's current folder. A path that is missing or cannot be listed
// leaves the browser as it was and says so. True when opened.
bool ouvrirChemin(Navigateur& navigateur, General& general, const std::string& chemin);

// Why a file operation failed, said in French for the program's messages.
#pragma once

#include <QString>
#include <system_error>

// A short French reason for the common failures of the system's file calls
// and for the program's own refusals ("accès refusé", "il a l'attribut
// Lecture seule"...); the system's own text for any other.
QString raisonEnFrancais(const std::error_code& erreur);

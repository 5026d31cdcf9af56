// The system's own find-files window, where the system has one.
#pragma once

// Opens the system's find-files window without waiting for it; false where
// the system offers none (the caller then tells the user). Only the Windows
// shell has one; its implementation belongs to the Windows build.
bool ouvrirRechercheSysteme();

// The desktop glue of Windows: the shell's own properties dialog, and the
// system's sound player on the wave embedded in the program.
#include "ui/bureau.h"

#include "core/platform/platform.h"

#include <QByteArray>
#include <QResource>

void afficherProprietesBureau(const std::string& chemin)
{
    ordalis::platform::showShellProperties(chemin);
}

void jouerSonDeFin()
{
    // Read once and kept: the system reads the bytes while it plays them.
    static const QByteArray son = QResource(QStringLiteral(":/sounds/fin.wav")).uncompressedData();
    if (!son.isEmpty())
        ordalis::platform::playWave({son.constData(), std::size_t(son.size())});
}

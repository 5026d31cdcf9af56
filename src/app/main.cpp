// Ordalis... — a toolbox for the files of a folder.
#include "app/demarrage.h"
#include "ui/dessin.h"
#include "ui/dialogues.h"
#include "app/fenprin.h"
#include "app/ouverture.h"
#include "core/platform/platform.h"
#include "ui/general.h"
#include "ui/reglages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QOperatingSystemVersion>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    // On X11 and Wayland desktops a missing display would abort inside Qt.
    const auto systeme = QOperatingSystemVersion::currentType();
    const bool bureauUnix = systeme != QOperatingSystemVersion::Windows && systeme != QOperatingSystemVersion::MacOS;
    if (bureauUnix && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "ordalis: no display found; run it from a desktop session, or without one: "
                             "xvfb-run ordalis\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ordalis..."));
    QApplication::setWindowIcon(iconeDessin(QStringLiteral(":/icons/ordalis.svg")));
    // The desktop entry's name, so that docks and task bars tie the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ordalis.Ordalis"));
    QApplication::setQuitOnLastWindowClosed(false);
    installerAccessibilite();
    // The interface is French: so are Qt's own dialogs when their
    // translation is installed.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    DialoguesQt dialogues;
    ReglagesQt reglages;
    General general(dialogues, reglages);

    InstanceUnique instance;
    if (!instance.acquise() && !accepterNouvelleInstance(general))
        return 0;

    const std::string chemin = cheminDemande(ordalis::platform::commandLineArguments(argc, argv));
    auto* demarrage = new FenDemarrage;
    demarrage->setAttribute(Qt::WA_DeleteOnClose);
    demarrage->show();
    std::unique_ptr<FenPrin> fenetre;
    QTimer::singleShot(1, &app, [&] { fenetre.reset(demarrer(general, *demarrage, chemin)); });
    return app.exec();
}

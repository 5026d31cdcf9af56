// The desktop glue of Linux: the file manager's properties over D-Bus, the
// sound through Qt's player.
#include "ui/bureau.h"

#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

void afficherProprietesBureau(const std::string& chemin)
{
    if (ordalis::platform::showShellProperties(chemin))
        return;
    QDBusMessage appel = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    const QUrl url = QUrl::fromLocalFile(QString::fromUtf8(chemin.data(), qsizetype(chemin.size())));
    appel << QStringList{url.toString()} << QString();
    QDBusConnection::sessionBus().asyncCall(appel);
}

void jouerSonDeFin()
{
    // One effect for the whole run; play() returns at once and an absent
    // audio device only makes it silent.
    static QSoundEffect* effet = [] {
        auto* e = new QSoundEffect(qApp);
        e->setSource(QUrl(QStringLiteral("qrc:/sounds/fin.wav")));
        e->setVolume(0.6f);
        return e;
    }();
    effet->play();
}

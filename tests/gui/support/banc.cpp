#include "support/banc.h"

#include "app/annulation.h"
#include "app/fenprin.h"
#include "fileops/navigateur.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

BancFenPrin::BancFenPrin() : env(std::make_unique<Environnement>())
{
    qputenv("XDG_STATE_HOME", etat.path().toUtf8());
#ifdef Q_OS_WIN
    // There the journal lives in the local application data folder, which
    // nothing redirects: in Wine's private prefix each bench starts without one.
    if (sousWine())
        QFile::remove(QString::fromStdString(cheminJournalRenommage()));
#endif
}

BancFenPrin::~BancFenPrin() = default;  // the window goes first: members die in reverse order

void BancFenPrin::ouvrirSansDossier()
{
    fen = std::make_unique<FenPrin>(*env->general);
    fen->show();
    fen->charger();
}

void BancFenPrin::ouvrir(const QStringList& liste)
{
    for (const QString& f : liste)
        env->creerFichier(f, f.toUtf8());
    ouvrirSansDossier();
    QVERIFY(fen->navigateur()->setDossier(env->dossier.path()));
}

TavBttn* BancFenPrin::bouton(const char* nom) const
{
    return fen->findChild<TavBttn*>(QString::fromLatin1(nom));
}

QLineEdit* BancFenPrin::champ(const char* nom) const
{
    return fen->findChild<QLineEdit*>(QString::fromLatin1(nom));
}

QString BancFenPrin::legende() const
{
    return fen->findChild<TavPanel*>(QStringLiteral("NbFichiers"))->caption();
}

QListView* BancFenPrin::fichiers() const
{
    return fen->navigateur()->fichier();
}

QStringList BancFenPrin::lignes() const
{
    QStringList out;
    const QAbstractItemModel* m = fichiers()->model();
    for (int i = 0; i < m->rowCount(); ++i)
        out << m->index(i, 0).data().toString();
    return out;
}

void BancFenPrin::cliquer(int ligne, Qt::KeyboardModifiers m)
{
    const QRect r = fichiers()->visualRect(fichiers()->model()->index(ligne, 0));
    QTest::mouseClick(fichiers()->viewport(), Qt::LeftButton, m, r.center());
}

void BancFenPrin::choisir(const QStringList& noms)
{
    bool premier = true;
    for (const QString& n : noms) {
        const int ligne = int(lignes().indexOf(n));
        QVERIFY2(ligne >= 0, qPrintable(n));
        cliquer(ligne, premier ? Qt::NoModifier : Qt::ControlModifier);
        premier = false;
    }
}

QStringList BancFenPrin::contenu() const
{
    return QDir(env->dossier.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void TestFenPrin::saisir(const char* nom, const QString& texte) const
{
    banc->champ(nom)->setText(texte);
}

void TestFenPrin::initTestCase()
{
    preparerProgrammeDeTest();
}

void TestFenPrin::init()
{
    banc = std::make_unique<BancFenPrin>();
    env = banc->env.get();
}

void TestFenPrin::cleanup()
{
    banc.reset();
}

// The rename preview: what it lists for each command, that it follows the texts, the selection and the width, and
// that a command does what it showed, even when the folder changed behind it.
#include "app/fenprin.h"
#include "fileops/apercu.h"
#include "support/banc.h"
#include "ui/tavbttn.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

class TstApercu : public TestFenPrin {
    Q_OBJECT

private:
    Apercu* apercu() { return fen()->findChild<Apercu*>(u"Apercu"_qs); }
    // "ancien>nouveau:état" a row, as the pane shows them.
    QStringList lignes()
    {
        QStringList out;
        const QAbstractItemModel* m = apercu()->modele();
        for (int i = 0; i < m->rowCount(); ++i) {
            const QModelIndex l = m->index(i, 0);
            out << l.data().toString() + u'>' + l.data(ModeleApercu::NouveauNom).toString() + u':'
                       + l.data(ModeleApercu::Etat).toString();
        }
        return out;
    }
    QString bilan() { return apercu()->findChild<QLabel*>(u"LblBilanApercu"_qs)->text(); }
    void ouvrir(const QStringList& fichiers)
    {
        banc->ouvrir(fichiers);
        bouton("CmdRename")->click();
        banc->champ("txtRename")->setText(u"Vac"_qs);
        bouton("CmdApercu")->click();
    }

private Q_SLOTS:

    // The command pointed at is the one shown; clicking it leaves every file where its row said.
    void chaqueCommande_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<QString>("resume");
        const QString pris = u"refusé : le nom existe déjà"_qs;
        QTest::newRow("Renommer") << "CmdRenommer" << QStringList{u"b.txt>Vac002.txt:renommé"_qs,
                                                                  u"c.Gif>Vac003.gif:"_qs + pris}
                                  << "1 fichier sera renommé, 1 refusé, 0 inchangé";
        QTest::newRow("Tous, chaîne") << "CmdToutRenommer"
                                      << QStringList{u"a.JPG>Vac001.jpg:renommé"_qs, u"b.txt>Vac002.txt:renommé"_qs,
                                                     u"c.Gif>Vac003.gif:"_qs + pris, u"Vac003.gif>Vac004.gif:renommé"_qs}
                                      << "3 fichiers seront renommés, 1 refusé, 0 inchangé";
        QTest::newRow("Changer") << "CmdNExtension" << QStringList{u"b.txt>b.gif:renommé"_qs, u"c.Gif>c.gif:renommé"_qs}
                                 << "2 fichiers seront renommés, 0 refusé, 0 inchangé";
        QTest::newRow("Tous, même nom") << "CmdToutNExtension"
                                        << QStringList{u"a.JPG>a.gif:renommé"_qs, u"b.txt>b.gif:renommé"_qs,
                                                       u"c.Gif>c.gif:renommé"_qs, u"Vac003.gif>Vac003.gif:inchangé"_qs}
                                        << "3 fichiers seront renommés, 0 refusé, 1 inchangé";
    }
    void chaqueCommande()
    {
        QFETCH(QString, commande);
        QFETCH(QStringList, attendu);
        QFETCH(QString, resume);
        ouvrir({u"a.JPG"_qs, u"b.txt"_qs, u"c.Gif"_qs, u"Vac003.gif"_qs});
        banc->champ("txtNouvExtension")->setText(u"gif"_qs);
        banc->choisir({u"b.txt"_qs, u"c.Gif"_qs});
        TavBttn* b = fen()->findChild<TavBttn*>(commande);
        Q_EMIT b->mouseHover();
        QTRY_COMPARE(lignes(), attendu);
        QCOMPARE(bilan(), resume);
        const CommandeRenommage montree = apercu()->commande();
        b->click();
        QCOMPARE(apercu()->commande(), montree);  // the command run is the one shown
        for (const QString& ligne : attendu) {
            const QString ancien = ligne.section(u'>', 0, 0);
            const QString nouveau = ligne.section(u'>', 1).section(u':', 0, 0);
            const QString ici = ligne.endsWith(u":renommé") ? nouveau : ancien;
            QCOMPARE(banc->env->lire(ici), ancien.toUtf8());
        }
    }

    // Typing, the width button, the selection and a start value that is no number: the rows follow.
    void suitLesSaisies()
    {
        ouvrir({u"a.txt"_qs, u"b.txt"_qs});
        Q_EMIT bouton("CmdToutRenommer")->mouseHover();
        banc->champ("txtRename")->setText(u"X"_qs);
        QTRY_COMPARE(lignes(), (QStringList{u"a.txt>X001.txt:renommé"_qs, u"b.txt>X002.txt:renommé"_qs}));
        bouton("CmdNumFich")->click();  // 0001
        QTRY_COMPARE(lignes(), (QStringList{u"a.txt>X0001.txt:renommé"_qs, u"b.txt>X0002.txt:renommé"_qs}));
        auto* commandes = apercu()->findChild<QComboBox*>(u"chxApercu"_qs);
        commandes->setCurrentIndex(0);  // as the user picks it in the pane's own list
        Q_EMIT commandes->activated(0);
        banc->choisir({u"b.txt"_qs});
        QTRY_COMPARE(lignes(), QStringList{u"b.txt>X0002.txt:renommé"_qs});
        banc->champ("txtIncrement")->setText(u"abc"_qs);
        QTRY_COMPARE(lignes(), QStringList{u"b.txt>:refusé : la valeur de départ n'est pas un nombre"_qs});
        QCOMPARE(bilan(), u"0 fichier sera renommé, 1 refusé, 0 inchangé"_qs);
    }

    // A file created after the preview was shown: the command works its plan out again, refuses the name now taken,
    // and the preview says so.
    void dossierChangeDerriereLApercu()
    {
        ouvrir({u"a.txt"_qs, u"b.txt"_qs});
        Q_EMIT bouton("CmdToutRenommer")->mouseHover();
        QTRY_COMPARE(lignes(), (QStringList{u"a.txt>Vac001.txt:renommé"_qs, u"b.txt>Vac002.txt:renommé"_qs}));
        banc->env->creerFichier(u"Vac001.txt"_qs, "autre");
        bouton("CmdToutRenommer")->click();
        QCOMPARE(lignes(), (QStringList{u"a.txt>Vac001.txt:refusé : le nom existe déjà"_qs,
                                        u"b.txt>Vac002.txt:renommé"_qs}));
        QCOMPARE(banc->env->lire(u"Vac001.txt"_qs), QByteArray("autre"));
        QCOMPARE(banc->env->lire(u"a.txt"_qs), QByteArray("a.txt"));
        QCOMPARE(banc->env->lire(u"Vac002.txt"_qs), QByteArray("b.txt"));
    }

    // The window keeps its size until the pane is opened; Tab reaches the rows, read as "ancien nom, nouveau nom,
    // état"; the focus on a command chooses it.
    void clavierEtLecteurDEcran()
    {
        banc->ouvrir({u"a.txt"_qs});
        const int largeur = fen()->width();
        bouton("CmdRename")->click();
        QCOMPARE(fen()->width(), largeur);
        bouton("CmdApercu")->click();
        QVERIFY(fen()->width() > largeur);
        fen()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fen()));
        bouton("CmdNExtension")->setFocus();
        QCOMPARE(apercu()->commande(), CommandeRenommage::Extension);
        bouton("CmdToutRenommer")->setFocus();
        QCOMPARE(apercu()->commande(), CommandeRenommage::RenommerTous);
        auto* liste = apercu()->findChild<QListView*>(u"LstApercu"_qs);
        QTRY_COMPARE(liste->model()->rowCount(), 1);
        apercu()->findChild<QComboBox*>(u"chxApercu"_qs)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), liste);
        QAccessibleInterface* vue = QAccessible::queryAccessibleInterface(liste);
        QAccessibleInterface* ligne = vue->child(0);
        QVERIFY(ligne);
        QCOMPARE(ligne->text(QAccessible::Name), u"a.txt, 001.txt, renommé"_qs);
        bouton("CmdRename")->click();  // closing the panel closes the pane
        QCOMPARE(fen()->width(), largeur);
    }
};

QTEST_MAIN(TstApercu)
#include "tst_apercu.moc"

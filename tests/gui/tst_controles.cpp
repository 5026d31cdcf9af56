// The gradient button and panel: which mouse buttons click, what hovering
// reports, and what screen readers see and press.
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

class TstControles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installerAccessibiliteTavBttn(); }

    void seulLeBoutonGaucheClique()
    {
        TavBttn b;
        b.resize(60, 20);
        b.show();
        QSignalSpy clics(&b, &TavBttn::clicked);
        QSignalSpy appuis(&b, &TavBttn::mouseDown);
        QTest::mouseClick(&b, Qt::RightButton);
        QCOMPARE(clics.count(), 0);
        QCOMPARE(appuis.count(), 1);
        QCOMPARE(appuis[0][0].value<Qt::MouseButton>(), Qt::RightButton);
        QTest::mouseClick(&b, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(clics.count(), 1);
        QCOMPARE(appuis[1][1].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
        b.setEnabled(false);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clics.count(), 1);
    }

    void survolRepete()
    {
        TavBttn b;
        b.resize(60, 20);
        b.show();
        QSignalSpy survols(&b, &TavBttn::mouseHover);
        QTest::mouseMove(&b, QPoint(5, 5));
        QTest::mouseMove(&b, QPoint(10, 5));
        QVERIFY(survols.count() >= 2);
    }

    void nomPourLesLecteursDEcran()
    {
        TavBttn titre, image, fermer;
        titre.setCaption(QStringLiteral("Ordalis..."));
        titre.setBulle(QStringLiteral("Déplacement de la fenêtre"));
        image.setBulle(QStringLiteral("Renommer les fichiers/Retour"));
        fermer.setCaption(QStringLiteral("x"));
        fermer.setBulle(QStringLiteral("Fermer"));
        auto nom = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(nom(&titre), QStringLiteral("Ordalis..."));
        QCOMPARE(nom(&image), QStringLiteral("Renommer les fichiers"));
        QCOMPARE(nom(&fermer), QStringLiteral("Fermer"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&image)->role(), QAccessible::Button);

        TavPanel panneau;
        panneau.setCaption(QStringLiteral(" 3 fichiers sélectionnés"));
        QCOMPARE(nom(&panneau), QStringLiteral("3 fichiers sélectionnés"));
    }

    void appuyerMetLeClicEnFile()
    {
        TavBttn b;
        b.setCaption(QStringLiteral("OK"));
        QSignalSpy clics(&b, &TavBttn::clicked);
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(&b)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clics.count(), 0);  // the caller is not held by the command
        QTRY_COMPARE(clics.count(), 1);
    }
};

QTEST_MAIN(TstControles)
#include "tst_controles.moc"

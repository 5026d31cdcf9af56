// The text areas of the text tools: what a view shows of a text in rows, and what editing does to the exact text.
#include "texttools/vuetexte.h"
#include "texttools/zonetexte.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QtTest>
#include <random>

class TstZones : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Lines, the rows they take and what each row shows of the text, nothing added.
    void vueLignesEtRangees_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("stricts");  // strict when it holds other control codes
        QTest::addColumn<bool>("strict");
        QTest::addColumn<QList<int>>("longueurs");  // of the lines
        QTest::addRow("LF, ligne vide finale") << u"un\ndeux\n"_qs << false << false << QList<int>{2, 4, 0};
        QTest::addRow("CR LF, CR caché") << u"un\r\ndeux"_qs << false << false << QList<int>{2, 4};
        QTest::addRow("ordinaire avec tabulation et LF seul") << u"a\tb\r\nc\nd"_qs << true << false << QList<int>{3, 1, 1};
        QTest::addRow("strict : LF seul en image") << u"a\nb\x01\r\nc"_qs << true << true << QList<int>{4, 1};
        QTest::addRow("CR seul sans codes stricts") << u"a\rb"_qs << false << false << QList<int>{3};
        QTest::addRow("ligne de 3000") << QString(3000, u'x') << true << false << QList<int>{3000};
    }
    void vueLignesEtRangees()
    {
        QFETCH(QString, texte);
        QFETCH(bool, stricts);
        QFETCH(bool, strict);
        QFETCH(QList<int>, longueurs);
        VueTexte vue;
        vue.resize(300, 200);
        vue.show();
        vue.setCodesStricts(stricts);
        vue.setTexte(texte);
        QCOMPARE(vue.strict(), strict);
        const std::size_t k = std::size_t(vue.colonnes());
        QList<int> vues;  // the line lengths as the rows show them
        std::size_t attendues = 0;
        for (int l : longueurs)
            attendues += std::max<std::size_t>(1, (std::size_t(l) + k - 1) / k);
        QCOMPARE(vue.nombreRangees(), attendues);
        for (std::size_t r = 0; r < vue.nombreRangees(); ++r) {
            QVERIFY(vue.longueurRangee(r) <= k);
            if (r == 0 || vue.debutRangee(r) != vue.debutRangee(r - 1) + k)
                vues << 0;
            vues.last() += int(vue.longueurRangee(r));
            QCOMPARE(vue.rangeeDe(vue.debutRangee(r)), r);
        }
        QCOMPARE(vues, longueurs);
        QCOMPARE(vue.texteQString(), texte);
    }

    // What keys do to the text of an editable area, line breaks LF (editor) or CR LF (cipher source).
    void zoneSaisie_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("images");
        QTest::addColumn<QString>("touches");  // < ← > → ^ Home of the text, $ End of the text, B Backspace, D Delete, E Enter, U undo, R redo, V paste, X cut, A select all
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QString>("menu");  // A when its "Annuler" is enabled, R for "Rétablir"
        QTest::addRow("frappe au milieu") << u"abcd"_qs << false << u"^>>xy"_qs << u"abxycd"_qs << u"A"_qs;
        QTest::addRow("Entrée en LF") << u"ab"_qs << false << u"^>E"_qs << u"a\nb"_qs << u"A"_qs;
        QTest::addRow("Entrée en CR LF") << u"ab"_qs << true << u"^>E"_qs << u"a\r\nb"_qs << u"A"_qs;
        QTest::addRow("retour arrière sur CR LF entier") << u"a\r\nb"_qs << true << u"$<B"_qs << u"ab"_qs << u"A"_qs;
        QTest::addRow("suppression d'une paire de substitution") << u"a\U0001F600b"_qs << false << u"^>D"_qs << u"ab"_qs
                                                                 << u"A"_qs;
        QTest::addRow("frappe annulée d'un coup") << u"ab"_qs << false << u"$xyzU"_qs << u"ab"_qs << u"R"_qs;
        QTest::addRow("refaire") << u"ab"_qs << false << u"$xyUR"_qs << u"abxy"_qs << u"A"_qs;
        QTest::addRow("annuler deux fois") << u"ab"_qs << false << u"$x<yUU"_qs << u"ab"_qs << u"R"_qs;
        QTest::addRow("annuler puis taper") << u"ab"_qs << false << u"$x<yUz"_qs << u"abzx"_qs << u"A"_qs;
        QTest::addRow("coller sans CR dans l'éditeur") << u"-"_qs << false << u"$V"_qs << u"-1\n2\n3\n"_qs << u"A"_qs;
        QTest::addRow("coller exact en images") << u"-"_qs << true << u"$V"_qs << u"-1\r\n2\r3\n"_qs << u"A"_qs;
        QTest::addRow("tout couper") << u"abc\ndef"_qs << false << u"AX"_qs << QString() << u"A"_qs;
    }
    void zoneSaisie()
    {
        QFETCH(QString, texte);
        QFETCH(bool, images);
        QFETCH(QString, touches);
        QFETCH(QString, attendu);
        QFETCH(QString, menu);
        struct ZoneMenu : ZoneTexte {
            using ZoneTexte::remplirMenu;
        };
        for (const bool brut : {false, true}) {  // the text given as a QString, or kept as a std::u16string
            ZoneMenu zone;
            zone.setImagesDeControle(images);
            zone.resize(200, 100);
            zone.show();
            if (brut)
                zone.setTexteExact(texte.toStdU16String());
            else
                zone.setTexteExact(texte);
            QGuiApplication::clipboard()->setText(u"1\r\n2\r3\n"_qs);
            const QHash<QChar, std::pair<int, Qt::KeyboardModifiers>> cles = {
                {u'<', {Qt::Key_Left, {}}}, {u'>', {Qt::Key_Right, {}}}, {u'^', {Qt::Key_Home, Qt::ControlModifier}},
                {u'$', {Qt::Key_End, Qt::ControlModifier}}, {u'B', {Qt::Key_Backspace, {}}}, {u'D', {Qt::Key_Delete, {}}},
                {u'E', {Qt::Key_Return, {}}}, {u'U', {Qt::Key_Z, Qt::ControlModifier}},
                {u'R', {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}, {u'V', {Qt::Key_V, Qt::ControlModifier}},
                {u'X', {Qt::Key_X, Qt::ControlModifier}}, {u'A', {Qt::Key_A, Qt::ControlModifier}}};
            for (const QChar t : touches) {
                if (cles.contains(t))
                    QTest::keyClick(&zone, Qt::Key(cles[t].first), cles[t].second);
                else
                    QTest::keyClicks(&zone, QString(t));
            }
            QCOMPARE(zone.texteExact(), attendu);
            QCOMPARE(zone.estModifie(), attendu != texte);
            QMenu contextuel;
            zone.remplirMenu(contextuel);
            QString historique;
            for (const QAction* action : contextuel.actions())
                if (action->isEnabled() && (action->text() == u"Annuler"_qs || action->text() == u"Rétablir"_qs))
                    historique += action->text().front();
            QCOMPARE(historique, menu);
        }
    }

    // After any edit, the rows are those of the same text given afresh: pieces of line breaks, CR and control codes
    // pasted over random selections.
    void zoneRangeesApresEditions()
    {
        std::mt19937 aleas(20);
        const QStringList morceaux = {u"a"_qs, u"\r"_qs, u"\n"_qs, u"\r\n"_qs, u"\x01"_qs, u"bcdefghij"_qs, QString()};
        ZoneTexte zone;
        VueTexte temoin;
        for (VueTexte* v : {static_cast<VueTexte*>(&zone), &temoin}) {
            v->setCodesStricts(true);
            v->resize(120, 100);
            v->show();
        }
        zone.setImagesDeControle(true);
        for (int essai = 0; essai < 400; ++essai) {
            const std::size_t taille = zone.texte().size();
            const std::size_t debut = aleas() % (taille + 1);
            zone.selectionner(debut, aleas() % 3 == 0 ? aleas() % (taille - debut + 1) : 0);
            QString colle;
            for (int n = int(aleas() % 4); n >= 0; --n)
                colle += morceaux[int(aleas() % morceaux.size())];
            QGuiApplication::clipboard()->setText(colle);
            zone.paste();
            temoin.setTexte(zone.texteExact());
            QCOMPARE(zone.strict(), temoin.strict());
            QCOMPARE(zone.nombreRangees(), temoin.nombreRangees());
            for (std::size_t r = 0; r < temoin.nombreRangees(); ++r)
                QVERIFY2(zone.debutRangee(r) == temoin.debutRangee(r) && zone.longueurRangee(r) == temoin.longueurRangee(r),
                         qPrintable(u"essai %1, rangée %2"_qs.arg(essai).arg(r)));
        }
    }
};

QTEST_MAIN(TstZones)
#include "tst_zones.moc"

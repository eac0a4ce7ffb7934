// The texts of the terms of use and of the DIN 1946-6 outline, as the user
// sees them in the text boxes.

#include "reference/information.h"
#include "reference/ueberlassung.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList Zeilen(const QPlainTextEdit *kasten)
{
    return kasten->toPlainText().split(QLatin1Char('\n'));
}

// Index of the first line equal to zeile at or after ab, or -1.
int Suche(const QStringList &zeilen, const QString &zeile, int ab = 0)
{
    return zeilen.indexOf(zeile, ab);
}

} // namespace

class TstReferenztexte : public QObject
{
    Q_OBJECT

private slots:
    void ueberlassungHat65Zeilen()
    {
        TForm2 fenster;
        const QStringList z = Zeilen(fenster.Memo2);
        QCOMPARE(z.size(), 65);
        QCOMPARE(fenster.Memo2->document()->blockCount(), 65);
        QCOMPARE(z.at(0), QString());
        QCOMPARE(z.at(1), QStringLiteral("Überlassungsbedingungen für das Ventoris  Lüftungskozept:"));
    }

    void ueberlassungAbschnitteInReihenfolge()
    {
        TForm2 fenster;
        const QStringList z = Zeilen(fenster.Memo2);
        const QStringList abschnitte = {
            QStringLiteral("Gewährleistung"),       QStringLiteral("Haftung"),
            QStringLiteral("Widerrufsbelehrung"),   QStringLiteral("Widerrufsrecht:"),
            QStringLiteral("Widerrufsfolgen: "),    QStringLiteral("Ende der Widerrufsbelehrung"),
            QStringLiteral("Informationen zum Support: "),
        };
        int zuletzt = 1;
        for (const QString &a : abschnitte) {
            const int i = Suche(z, a, zuletzt + 1);
            QVERIFY2(i > zuletzt, qPrintable(a));
            zuletzt = i;
        }
    }

    void ueberlassungNummerierteAbsaetze_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("folgender");
        QTest::newRow("Gewährleistung") << QStringLiteral("Gewährleistung") << QStringLiteral("Haftung");
        QTest::newRow("Haftung") << QStringLiteral("Haftung") << QStringLiteral("Widerrufsbelehrung");
    }

    void ueberlassungNummerierteAbsaetze()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, folgender);
        TForm2 fenster;
        const QStringList z = Zeilen(fenster.Memo2);
        const int von = Suche(z, abschnitt);
        const int bis = Suche(z, folgender, von);
        QVERIFY(von > 0 && bis > von);
        QStringList nummern;
        for (int i = von + 1; i < bis; ++i) {
            const QString &zeile = z.at(i);
            const int tab = zeile.indexOf(QLatin1Char('\t'));
            if (tab > 0)
                nummern << zeile.left(tab);
        }
        // Exactly three paragraphs "1.", "2.", "3.", each followed by a tab.
        QCOMPARE(nummern, (QStringList{QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3.")}));
    }

    void ueberlassungInhalt()
    {
        TForm2 fenster;
        const QStringList z = Zeilen(fenster.Memo2);
        const QString text = z.join(QLatin1Char('\n'));
        // Right of use before the warranty section.
        const int gewaehr = Suche(z, QStringLiteral("Gewährleistung"));
        const QString vorspann = z.mid(2, gewaehr - 2).join(QLatin1Char(' '));
        QVERIFY(vorspann.contains(QStringLiteral("nicht übertragbar")));
        QVERIFY(vorspann.contains(QStringLiteral("einfach")));
        // Warranty: one year, then reduction of price or withdrawal.
        QVERIFY(text.contains(QStringLiteral("ein Jahr")));
        QVERIFY(text.contains(QStringLiteral("Minderung")));
        QVERIFY(text.contains(QStringLiteral("Rücktritt")));
        QVERIFY(text.contains(QStringLiteral("ohne Mehrwertsteuer")));
        QVERIFY(text.contains(QStringLiteral("Produkthaftungsgesetz")));
        QVERIFY(text.contains(QStringLiteral("zwei Wochen")));
        QVERIFY(text.contains(QStringLiteral("30 Tagen")));
        QVERIFY(text.contains(QStringLiteral("entsiegelt")));
        // The withdrawal goes to the publisher by name, postal address and e-mail.
        const int recht = Suche(z, QStringLiteral("Widerrufsrecht:"));
        const int folgen = Suche(z, QStringLiteral("Widerrufsfolgen: "));
        const QString widerruf = z.mid(recht, folgen - recht).join(QLatin1Char('\n'));
        QVERIFY(widerruf.contains(QStringLiteral("Aerolis e.V.")));
        QVERIFY(widerruf.contains(QStringLiteral("info@aerolis.example")));
        QVERIFY(widerruf.contains(QRegularExpression(QStringLiteral("\\b\\d{5} \\S"))));
        // Support by the developer's address after the support heading.
        const int support = Suche(z, QStringLiteral("Informationen zum Support: "));
        QVERIFY(z.mid(support).join(QLatin1Char(' ')).contains(QStringLiteral("support@tessarix.example")));
        // Last, the pointer to both web sites.
        QVERIFY(z.last().contains(QStringLiteral("www.aerolis.example")));
        QVERIFY(z.last().contains(QStringLiteral("www.tessarix.example")));
    }

    void dinInformationHat59Zeilen()
    {
        TForm3 fenster;
        const QStringList z = Zeilen(fenster.Memo1);
        QCOMPARE(z.size(), 59);
        QCOMPARE(z.at(0), QStringLiteral("DIN 1946 Teil 6   (Ausgabe Mai 2009)"));
        QCOMPARE(z.at(1), QStringLiteral("Lüftung im Wohnungsbau"));
        QVERIFY(fenster.Memo1->font().bold());
    }

    void dinKapitelUndAnhaenge()
    {
        TForm3 fenster;
        const QStringList z = Zeilen(fenster.Memo1);
        const QStringList kapitel = {
            QStringLiteral("1.0 Anwendungsbereich"),
            QStringLiteral("2.0 Normative Verweisung"),
            QStringLiteral("3.0 Begriffe"),
            QStringLiteral("4.0 Lüftungskonzept - Notwendige lüftungstechnischen Maßnahmen"),
            QStringLiteral("5.0 Lüftungskonzept - Auswahl von Lüftungssystemen"),
            QStringLiteral("6.0 Festlegung der Außenluftvolumenströme"),
            QStringLiteral("7.0 Freie Lüftung"),
            QStringLiteral("8.0 Ventilatorgestützte Lüftung"),
            QStringLiteral("9.0 Hinweise für die Ausführung"),
            QStringLiteral("10.0 Dokumentation und Kennzeichnung"),
            QStringLiteral("11.0 Inbetriebnahme und Übergabe"),
            QStringLiteral("12.0 Instandhaltung"),
        };
        const int erstes = Suche(z, kapitel.first());
        QVERIFY(erstes > 1);
        QCOMPARE(z.mid(erstes, kapitel.size()), kapitel);

        const QStringList anhang = {
            QString(),
            QStringLiteral("Anhänge:"),
            QStringLiteral("A informativ Darstellung von Lüftungssystemen"),
            QStringLiteral("B normativ Lüftungskonzept"),
            QStringLiteral("C normativ Inbetriebnahme und Übergabe"),
            QStringLiteral("D informativ Optionale Vollständigkeits- u. Funktionsweise; Inbetriebn. u. Übergabe"),
            QStringLiteral("E normativ Instandhaltung"),
            QStringLiteral("F informativ Optionale Funktionsweise; Instandhaltung"),
            QStringLiteral("G informativ Erläuterungen zur Gleichwertigkeit für die E-K. v. Zu- u. Abluftsystemen"),
            QStringLiteral("H normativ Winddaten für Deutschland"),
            QStringLiteral("I informativ Erläuterungen zur detaillierteren Berechnung der Infiltration"),
            QStringLiteral("J informativ Formblatt Beispiel"),
            QStringLiteral("Literaturhinweise"),
        };
        QCOMPARE(z.mid(erstes + kapitel.size(), anhang.size()), anhang);
    }

    void dinLueftungsstufenUndKonzept()
    {
        TForm3 fenster;
        const QStringList z = Zeilen(fenster.Memo1);
        const int stufen = Suche(z, QStringLiteral("Lüftungsformen / -stufen"));
        QVERIFY(stufen > Suche(z, QStringLiteral("Literaturhinweise")));
        // One paragraph per level, in this order, each beginning with its name.
        const QStringList anfaenge = {
            QStringLiteral("Lüftung zum Feuchteschutz (FL): "), QStringLiteral("Reduzierte Lüftung (RL): "),
            QStringLiteral("Nennlüftung (NL): "),               QStringLiteral("ANMERKUNG: "),
            QStringLiteral("Intensivlüftung (IL): "),
        };
        int zuletzt = stufen;
        for (const QString &anfang : anfaenge) {
            int gefunden = -1;
            for (int i = zuletzt + 1; i < z.size() && gefunden < 0; ++i)
                if (z.at(i).startsWith(anfang) && z.at(i).size() > anfang.size())
                    gefunden = i;
            QVERIFY2(gefunden > zuletzt, qPrintable(anfang));
            zuletzt = gefunden;
        }
        const int konzept = Suche(z, QStringLiteral("Lüftungskonzept (LK)"));
        QVERIFY(konzept > zuletzt);
        QVERIFY(Suche(z, QStringLiteral("Grundlage: ganzheitliche Betrachtung:"), konzept) > konzept);
        int striche = 0;
        for (int i = konzept; i < z.size(); ++i)
            if (z.at(i).startsWith(QStringLiteral("- ")))
                ++striche;
        QVERIFY(striche >= 5);
        const QString konzeptText = z.mid(konzept).join(QLatin1Char(' '));
        QVERIFY(konzeptText.contains(QStringLiteral("Drittel der vorhandenen Fenster")));
        QVERIFY(konzeptText.contains(QStringLiteral("Drittel der Dachfläche")));
    }

    void dinSchlussregel()
    {
        TForm3 fenster;
        const QStringList z = Zeilen(fenster.Memo1);
        QCOMPARE(z.mid(z.size() - 3),
                 (QStringList{QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig,"), QStringLiteral("wenn:"),
                              QStringLiteral("Volumenstrom durch Infiltration  < Volumenstrom zum  Feuchteschutz")}));
    }
};

QTEST_MAIN(TstReferenztexte)
#include "tst_referenztexte.moc"

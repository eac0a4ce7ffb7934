// The building overview's engine: each row shows what the main window shows
// for that file, the total, the files that give no record, and the CSV.
#include "app/start.h"
#include "app/steuerelemente.h"
#include "assessment/urteilstexte.h"
#include "building/gebaeude.h"
#include "building/gebaeudecsv.h"
#include "tests/project/beispielsatz.h"
#include "project/formularsatz.h"
#include "project/projektsatz.h"
#include "tests/reference/modalhelfer.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace ventoris;

namespace {

using Felder = QList<std::pair<int, QByteArray>>;

// A record of layout 'spalte' (0: 1160, 1: 1130, 2: 1109 bytes) with the
// complete case of the other file tests, changed in the given fields.
QByteArray satz(int spalte, const Felder &aenderungen = {})
{
    QByteArray s = altSatz(spalte);
    for (const auto &[nr, text] : aenderungen)
        if (satztabelle::lagen[size_t(nr - 1)][size_t(spalte)].offset >= 0)
            satztabelle::feldSetzen(s, spalte, nr, text);
    return s;
}

// A new building of the given floor area with preset airtightness.
QByteArray neubau(const QByteArray &flaeche, const QByteArray &name)
{
    return satz(0, {{1, name}, {2, ""}, {3, ""}, {4, "09.12.26"}, {5, ""}, {10, flaeche}, {12, "ja"},
                    {18, "nein"}, {21, "freie L\xfc" "ftung Neubau"}});
}

} // namespace

class TestGebaeude : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString pfad(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void zeileWieImHauptfenster_data();
    void zeileWieImHauptfenster();
    void hinweisNurBeiVeraltetemErgebnis();
    void summeUndCsv();
    void csvSchuetztTexte();
    void dateienOhneSatz();
};

void TestGebaeude::zeileWieImHauptfenster_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("aktuell, gespeichertes Ergebnis veraltet") << satz(0);
    QTest::newRow("1130 Bytes") << satz(1);
    QTest::newRow("1109 Bytes") << satz(2);
    QTest::newRow("Messwert mit Punkten") << satz(0, {{18, "ja"}, {19, "2.5"}, {20, "0.6"}, {12, "ja"}, {10, "80.5"}});
    QTest::newRow("fensterlose Räume, Anforderungen") << satz(0, {{15, "0"}, {16, "0"}, {17, "3"}});
    QTest::newRow("fensterlose Räume, keine weiteren") << satz(1, {{15, "0"}, {16, "1"}, {17, "0"}});
    QTest::newRow("Anforderung ohne fensterlose Räume") << satz(0, {{15, "1"}, {17, "5"}});
    QTest::newRow("keine Antwort") << satz(0, {{15, "-5"}, {16, "x"}, {17, "9"}});
    QTest::newRow("fremde Auswahltexte") << satz(0, {{8, "Hochhaus"}, {9, "windig"}, {12, "Ja"}, {14, "vielleicht"}, {21, "unbekannt"}});
    QTest::newRow("fremde Kategorie nach Vorauswahl") << satz(2, {{12, "nein"}, {13, "2001"}, {21, "unbekannt"}});
    QTest::newRow("Baujahr 2000, windstark") << satz(0, {{9, "windstark"}, {12, "nein"}, {13, "2000"}, {8, "MFH als eingeschossige Nutzungseinheit"}});
    QTest::newRow("ohne Fläche") << satz(0, {{10, ""}});
    QTest::newRow("Fläche unendlich") << satz(0, {{10, "1e400"}});
    QTest::newRow("leerer Satz") << QByteArray(1160, '\0');
}

// Opening the file in a fresh window and entering the floor area once more
// shows the texts of the file's row.
void TestGebaeude::zeileWieImHauptfenster()
{
    QFETCH(QByteArray, inhalt);
    const QString datei = pfad(QStringLiteral("einheit.lkz"));
    schreiben(datei, inhalt);

    const std::unique_ptr<TForm1> f = FensterErzeugen();
    Meldung warnung;
    ModalFolge folge(inhalt.size() < 1160 ? QList<ModalFolge::Schritt>{meldungLesen(warnung)}
                                          : QList<ModalFolge::Schritt>{});
    f->ProjektOeffnen(datei);
    QVERIFY(abwarten(folge));
    f->Neuberechnung();

    const TEinheit e = EinheitLesen(QFile::encodeName(datei), QStringLiteral("einheit.lkz"));
    QVERIFY(e.gelesen);
    auto sichtbar = [](const QLabel *l) { return l->isHidden() ? QString() : l->text(); };
    const QStringList erwartet = {
        QStringLiteral("einheit.lkz"), f->Edit2->text(), f->Edit1->text(), f->Edit4->text(),
        QString::fromLatin1(satztabelle::feldText(inhalt, inhalt.size() == 1160 ? 0 : inhalt.size() == 1130 ? 1 : 2, 4)),
        f->Edit7->text(), f->ComboBox1->currentText(), f->ComboBox2->currentText(), f->Edit6->text(),
        f->Edit8->text(), f->Edit10->text(), f->Label26->text(), f->Label27->text(), f->Label38->text(),
        f->Label39->text(), f->Label74->text(), f->Label28->text()};
    for (int k = 0; k < erwartet.size(); ++k)
        QCOMPARE(e.text[size_t(k)], erwartet[k]);
    QCOMPARE(e.text[SpalteErgebnis1], sichtbar(f->Label31));
    QCOMPARE(e.text[SpalteErgebnis2], sichtbar(f->Label49));
    QCOMPARE(e.text[SpalteErgebnis3], sichtbar(f->Label63));
    const QString erste = sichtbar(f->Label31);
    const QString massnahme = erste == urteilstext::S1 || erste == urteilstext::S6 ? QStringLiteral("erforderlich")
                              : erste == urteilstext::S2 ? QStringLiteral("nicht erforderlich")
                              : erste == urteilstext::W1 ? QStringLiteral("Abluft nach DIN 18017-3")
                                                         : QString();
    QCOMPARE(e.text[SpalteMassnahme], massnahme);
    QCOMPARE(e.text[SpalteHinweis].contains(QStringLiteral("ältere Dateiversion: Luftdichtheit neu einstellen")),
             inhalt.size() < 1160);
}

// A file saved from the window after the recalculation holds current results.
void TestGebaeude::hinweisNurBeiVeraltetemErgebnis()
{
    const QString datei = pfad(QStringLiteral("frisch.lkz"));
    schreiben(datei, satz(0));
    const std::unique_ptr<TForm1> f = FensterErzeugen();
    f->ProjektOeffnen(datei);
    QCOMPARE(EinheitLesen(QFile::encodeName(datei), {}).text[SpalteHinweis],
             QStringLiteral("gespeichertes Ergebnis veraltet"));
    f->Neuberechnung();
    FormularInSatz(*f, f->Satz);
    schreiben(datei, f->Satz.Bytes());
    QCOMPARE(EinheitLesen(QFile::encodeName(datei), {}).text[SpalteHinweis], QString());
}

// Two new buildings: 100 m² gives FL 37,5 RL 87,5 NL 125,0 IL 162,5 and an
// infiltration of 0,1^(2/3) * 0,5 * 100 * 2,5 * 1,5 = 40,4 m³/h, enough for
// moisture protection; 50 m² gives 22,5 52,5 75,0 97,5 and 20,2, too little.
// Their measures: exhaust fans for NL 125,0 less 40 credited = 85,0 m³/h, by
// ALDs of 30 m³/h 3 of them; cross ventilation for FL 22,5 less 20,2 = 2,3
// m³/h, by ALDs of 1 m³/h 3 on each facade, 6 to order.
void TestGebaeude::summeUndCsv()
{
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("unter.lkz"));
    schreiben(ordner.filePath(QStringLiteral("NE 10.lkz")), neubau("50", "Wohnung; \"links\""));
    schreiben(ordner.filePath(QStringLiteral("NE 2.LKZ")), neubau("100", "Wohnung rechts"));
    schreiben(ordner.filePath(QStringLiteral("NE 10.massnahme")),
              R"({"format": "ventoris-massnahme", "version": 1, "system": "freie Lüftung: Querlüftung",
                  "angerechneteInfiltration": null, "ald": {"volumenstrom": 1, "druckdifferenz": null},
                  "abluftraeume": [{"raum": "Bad", "art": "Bad", "volumenstrom": 45},
                                   {"raum": "WC", "art": "WC", "volumenstrom": 25}]})");
    schreiben(ordner.filePath(QStringLiteral("NE 2.massnahme")),
              R"({"format": "ventoris-massnahme", "version": 1, "system": "ventilatorgestützt: Abluft",
                  "angerechneteInfiltration": 40, "ald": {"volumenstrom": 30},
                  "abluftraeume": [{"raum": "Küche", "art": "Küche", "volumenstrom": 45}]})");
    schreiben(ordner.filePath(QStringLiteral("notiz.txt")), "kein Projekt");

    const TGebaeude g = GebaeudeLesen(ordner.path());
    QCOMPARE(g.einheiten.size(), 3);
    const QByteArray kopf =
        "\xEF\xBB\xBF" "Datei;Objektbezeichnung;Strasse, Nr.;PLZ, Ort;Bearbeitungsdatum;Bearbeiter;Gebäudetyp;"
        "Gebäudelage;Fläche ANE in m²;n50 in 1/h;Druckexponent n;Qualität Wärmeschutz;Feuchteschutz in m³/h;"
        "reduzierte Lüftung in m³/h;Nennlüftung in m³/h;Intensivlüftung in m³/h;Infiltration in m³/h;"
        "Lüftungstechnische Maßnahme;Ergebnis 1;Ergebnis 2;Ergebnis 3;Hinweis;System;"
        "Zu deckender Volumenstrom in m³/h;Anzahl ALD;Summe Abluft in m³/h\r\n";
    const QByteArray s2 = urteilstext::S2.toUtf8(), s1 = urteilstext::S1.toUtf8(),
                     s4 = urteilstext::S4.toUtf8(), s5 = urteilstext::S5.toUtf8();
    const QByteArray efh = "EFH als mehrgeschossige Nutzungseinheit;windschwach;";
    const QByteArray csv =
        kopf + "NE 2.LKZ;Wohnung rechts;;;09.12.26;;" + efh +
        "100;1,5;0,667;hoch;37,5;87,5;125,0;162,5;40,4;nicht erforderlich;" + s2 + ";" + s4 + ";" + s5 +
        ";gespeichertes Ergebnis veraltet;ventilatorgestützt: Abluft;85,0;3;45,0\r\n" +
        "NE 10.lkz;\"Wohnung; \"\"links\"\"\";;;09.12.26;;" + efh +
        "50;1,5;0,667;hoch;22,5;52,5;75,0;97,5;20,2;erforderlich;" + s1 + ";" + s4 +
        ";;gespeichertes Ergebnis veraltet;freie Lüftung: Querlüftung;2,3;6;70,0\r\n" +
        "unter.lkz;;;;;;;;;;;;;;;;;;;;;ein Ordner, keine Projektdatei;;;;\r\n" +
        "Summe;2 Nutzungseinheiten;;;;;;;150,0;;;;60,0;140,0;200,0;260,0;60,6;1 von 2 erforderlich;;;;;;87,3;9;115,0\r\n";
    QCOMPARE(GebaeudeCsv(g), csv);
}

// Texts that a spreadsheet would take for a formula or a number keep a
// leading apostrophe; figures in the figure columns stay numbers, other text
// there is protected too.
void TestGebaeude::csvSchuetztTexte()
{
    TGebaeude g;
    TEinheit e;
    e.gelesen = true;
    e.massnahme = TMassnahme::NichtErforderlich;
    const QStringList texte = {"a.lkz", "-5", "+49 30 1234", "=1+1", "@x", "\tTab", "\rCR", "windstark",
                               "-5", "=1+1", "0,667", "hoch", "37,5", "87,5", "125,0", "162,5", "40,4",
                               "nicht erforderlich", "", "", "", "-", "=System", "2,3", "6", "70,0"};
    for (int k = 0; k < SpaltenAnzahl; ++k)
        e.text[size_t(k)] = texte[k];
    g.einheiten = {e};
    g.summe = SummeBilden(g.einheiten);
    const QList<QByteArray> zeilen = GebaeudeCsv(g).split('\n');
    QCOMPARE(zeilen.value(1), QByteArray("a.lkz;'-5;'+49 30 1234;'=1+1;'@x;'\tTab;\"'\rCR\";windstark;-5;'=1+1;0,667;hoch;"
                                         "37,5;87,5;125,0;162,5;40,4;nicht erforderlich;;;;'-;'=System;2,3;6;70,0\r"));
    QCOMPARE(zeilen.value(2), QByteArray("Summe;1 Nutzungseinheit;;;;;;;-5,0;;;;37,5;87,5;125,0;162,5;40,4;"
                                         "0 von 1 erforderlich;;;;;;2,3;6;70,0\r"));
}

void TestGebaeude::dateienOhneSatz()
{
    QTemporaryDir ordner;
    auto datei = [&](const QByteArray &name) { return QFile::encodeName(ordner.path()) + '/' + name; };
    const QList<std::pair<int, QString>> laengen = {
        {0, "zu kurz (0 Bytes)"}, {1, "zu kurz (1 Bytes)"}, {1108, "zu kurz (1108 Bytes)"},
        {1109, "ältere Dateiversion"}, {1129, "1129 Bytes, nur die ersten 1109 gelesen"},
        {1130, "ältere Dateiversion"}, {1159, "1159 Bytes, nur die ersten 1130 gelesen"},
        {1160, ""}, {1161, "1161 Bytes, nur die ersten 1160 gelesen"},
        {1 << 20, "1048576 Bytes, nur die ersten 1160 gelesen"}};
    for (const auto &[n, hinweis] : laengen)
        schreiben(QFile::decodeName(datei(QByteArray::number(n) + ".lkz")), QByteArray(n, '\0'));
    schreiben(QFile::decodeName(datei("gesperrt.lkz")), satz(0));
    ::chmod(datei("gesperrt.lkz").constData(), 0);
    QVERIFY(::mkfifo(datei("rohr.lkz").constData(), 0600) == 0);
    QVERIFY(::symlink("nirgends", datei("verweis.lkz").constData()) == 0);
    // a name in Latin-1, as an old copy from a Windows share may have
    FILE *latin1 = std::fopen(datei("alt\xE4.lkz").constData(), "wb");
    QVERIFY(latin1);
    std::fwrite(satz(1).constData(), 1, 1130, latin1);
    std::fclose(latin1);

    const TGebaeude g = GebaeudeLesen(ordner.path());
    QMap<QString, TEinheit> zeilen;
    for (const TEinheit &e : g.einheiten)
        zeilen.insert(e.text[SpalteDatei], e);
    QCOMPARE(zeilen.size(), laengen.size() + 4);
    for (const auto &[n, hinweis] : laengen) {
        const TEinheit e = zeilen.value(QString::number(n) + QStringLiteral(".lkz"));
        QVERIFY2(hinweis.isEmpty() ? e.text[SpalteHinweis].isEmpty() : e.text[SpalteHinweis].contains(hinweis),
                 qPrintable(e.text[SpalteHinweis]));
        QCOMPARE(e.gelesen, n >= 1109);
    }
    const bool root = ::geteuid() == 0; // root reads every file
    QCOMPARE(zeilen.value("gesperrt.lkz").text[SpalteHinweis],
             root ? QStringLiteral("gespeichertes Ergebnis veraltet") : QStringLiteral("keine Leseberechtigung"));
    QCOMPARE(zeilen.value("rohr.lkz").text[SpalteHinweis], QStringLiteral("keine gewöhnliche Datei"));
    QCOMPARE(zeilen.value("verweis.lkz").text[SpalteHinweis], QStringLiteral("Verknüpfung ohne Ziel"));
    const TEinheit alt = zeilen.value(QFile::decodeName("alt\xE4.lkz"));
    QVERIFY(alt.gelesen);
    QVERIFY(alt.text[SpalteHinweis].startsWith(QStringLiteral("Dateiname nicht in UTF-8; ältere Dateiversion")));
    for (const TEinheit &e : g.einheiten)
        if (!e.gelesen)
            for (int k = SpalteObjekt; k < SpalteHinweis; ++k)
                QVERIFY(e.text[size_t(k)].isEmpty());
    QCOMPARE(g.summe.text[SpalteObjekt], QStringLiteral("%1 Nutzungseinheiten").arg(8 + int(root)));

    ::unlink(datei("alt\xE4.lkz").constData()); // QTemporaryDir cannot name it
    QVERIFY(GebaeudeLesen(ordner.filePath(QStringLiteral("fehlt"))).fehler.contains(QStringLiteral("kann nicht gelesen werden")));
}

QTEST_MAIN(TestGebaeude)
#include "tst_gebaeude.moc"

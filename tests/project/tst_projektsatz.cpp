#include "project/projektdatei.h"
#include "project/projektsatz.h"
#include "pruefhilfen.h"
#include "satztabelle.h"

#include <QRandomGenerator>
#include <QTest>

#include <climits>
#include <cstdlib>

using namespace ventoris;
using satztabelle::feldSetzen;
using satztabelle::feldText;
using satztabelle::lagen;

Q_DECLARE_METATYPE(ventoris::SatzLayout)

namespace {

constexpr SatzLayout alleLayouts[] = {SatzLayout::TProjektSatz, SatzLayout::TProjektSatz1130,
                                      SatzLayout::TProjektSatz1109};

// A text of exactly n characters that differs from field to field.
QString fuellText(int nr, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'A' + (nr + i) % 26);
    return s;
}

} // namespace

class TstProjektSatz : public QObject
{
    Q_OBJECT

private slots:
    void leererSatz()
    {
        TProjektSatz satz;
        QCOMPARE(satz.Bytes(), QByteArray(1160, '\0'));
        satz.SetzeText(0, QStringLiteral("x"));
        satz.SetzeText(31, QStringLiteral("x"));
        QCOMPARE(satz.Bytes(), QByteArray(1160, '\0'));
        QCOMPARE(SatzLaenge(SatzLayout::TProjektSatz), 1160);
        QCOMPARE(SatzLaenge(SatzLayout::TProjektSatz1130), 1130);
        QCOMPARE(SatzLaenge(SatzLayout::TProjektSatz1109), 1109);
    }

    void feldLagen_data()
    {
        QTest::addColumn<int>("nr");
        for (int nr = 1; nr <= 30; ++nr)
            QTest::addRow("Feld %d", nr) << nr;
    }

    // Every field filled to its capacity (and one character more) must land at its
    // offset whole and leave its neighbours intact.
    void feldLagen()
    {
        QFETCH(int, nr);
        TProjektSatz satz;
        for (int f = 1; f <= 30; ++f)
            satz.SetzeText(f, fuellText(f, lagen[f - 1][0].kap + (f == nr ? 1 : 0)));
        QCOMPARE(satz.Bytes().size(), 1160);
        for (int f = 1; f <= 30; ++f) {
            const int kap = lagen[f - 1][0].kap;
            QCOMPARE(static_cast<unsigned char>(satz.Bytes()[lagen[f - 1][0].offset]), kap);
            QCOMPARE(feldText(satz.Bytes(), 0, f), fuellText(f, kap).toLatin1());
        }
    }

    void kuerzen_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gespeichert");
        const QString vierzig = QStringLiteral("1234567890123456789012345678901234567890");
        QTest::newRow("Edit2 41") << 1 << vierzig + "X" << vierzig;
        QTest::newRow("Edit2 70") << 1 << vierzig + vierzig.left(30) << vierzig;
        QTest::newRow("Maisonette") << 8 << QStringLiteral("MFH als mehrgeschossige Nutzungseinheit (Maisonette)")
                                    << QStringLiteral("MFH als mehrgeschossige Nutzungseinheit (Maisonett");
        QTest::newRow("Bungalow passt") << 8 << QStringLiteral("EFH als eingeschossige Nutzungseinheit (Bungalow)")
                                        << QStringLiteral("EFH als eingeschossige Nutzungseinheit (Bungalow)");
        QTest::newRow("Kategorie passt")
            << 21 << QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE")
            << QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE");
        QTest::newRow("Urteil 130") << 28 << QString(130, u'u') << QString(120, u'u');
        QTest::newRow("leer") << 10 << QString() << QString();
    }

    void kuerzen()
    {
        QFETCH(int, nr);
        QFETCH(QString, text);
        QFETCH(QString, gespeichert);
        TProjektSatz satz;
        satz.SetzeText(nr, text);
        const TGelesenerSatz gelesen{SatzLayout::TProjektSatz, satz.Bytes()};
        QCOMPARE(gelesen.Text(nr), std::optional<QString>(gespeichert));
    }

    void beispielBytes()
    {
        TProjektSatz satz;
        satz.SetzeText(12, QStringLiteral("ja"));
        satz.SetzeText(15, QStringLiteral("-1"));
        QCOMPARE(satz.Bytes().mid(421, 3), QByteArray::fromHex("026a61"));
        QCOMPARE(satz.Bytes().mid(484, 3), QByteArray::fromHex("022d31"));
    }

    // A shorter text changes only the length byte and its own bytes.
    void restLaengererTexte()
    {
        TProjektSatz satz;
        satz.SetzeText(2, QStringLiteral("Hauptstraße 12"));
        satz.SetzeText(2, QStringLiteral("Weg"));
        QCOMPARE(satz.Bytes().mid(41, 15), QByteArray("\x03Wegptstra\xdf" "e 12", 15));
        QCOMPARE((TGelesenerSatz{SatzLayout::TProjektSatz, satz.Bytes()}.Text(2)), QStringLiteral("Weg"));
    }

    void zeichensatz_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("zurueck");
        const QString umlaute = QStringLiteral("ÄÖÜäöüß");
        QTest::newRow("Umlaute") << umlaute << QByteArray("\xc4\xd6\xdc\xe4\xf6\xfc\xdf") << umlaute;
        QTest::newRow("Euro") << QStringLiteral("12 €") << QByteArray("12 \x80") << QStringLiteral("12 €");
        QTest::newRow("Anführung") << QStringLiteral("„a“ – b…") << QByteArray("\x84" "a\x93 \x96 b\x85")
                                   << QStringLiteral("„a“ – b…");
        QTest::newRow("Omega") << QStringLiteral("Ω") << QByteArray("?") << QStringLiteral("?");
        QTest::newRow("Emoji") << QStringLiteral("a😀b") << QByteArray("a?b") << QStringLiteral("a?b");
        QTest::newRow("Steuerzeichen 1A") << QStringLiteral("\x1a") << QByteArray("\x1a") << QStringLiteral("\x1a");
    }

    void zeichensatz()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, zurueck);
        TProjektSatz satz;
        satz.SetzeText(7, text);
        QCOMPARE(feldText(satz.Bytes(), 0, 7), bytes);
        QCOMPARE((TGelesenerSatz{SatzLayout::TProjektSatz, satz.Bytes()}.Text(7)), std::optional<QString>(zurueck));
    }

    void aeltereLayouts_data()
    {
        QTest::addColumn<SatzLayout>("layout");
        QTest::newRow("1160") << SatzLayout::TProjektSatz;
        QTest::newRow("1130") << SatzLayout::TProjektSatz1130;
        QTest::newRow("1109") << SatzLayout::TProjektSatz1109;
    }

    // Records built from the format's table come back field by field.
    void aeltereLayouts()
    {
        QFETCH(SatzLayout, layout);
        const int spalte = static_cast<int>(layout);
        QByteArray bytes(satztabelle::laengen[spalte], '\0');
        for (int nr = 1; nr <= 30; ++nr) {
            if (lagen[nr - 1][spalte].offset >= 0)
                feldSetzen(bytes, spalte, nr, fuellText(nr, lagen[nr - 1][spalte].kap).toLatin1());
        }
        const TGelesenerSatz satz{layout, bytes};
        for (int nr = 1; nr <= 30; ++nr) {
            const satztabelle::Lage l = lagen[nr - 1][spalte];
            if (l.offset < 0)
                QCOMPARE(satz.Text(nr), std::nullopt);
            else
                QCOMPARE(satz.Text(nr), std::optional<QString>(fuellText(nr, l.kap)));
        }
        QCOMPARE(satz.Text(0), std::nullopt);
        QCOMPARE(satz.Text(31), std::nullopt);
    }

    void laengenbyteUeberKapazitaet_data()
    {
        aeltereLayouts_data();
    }

    // Length bytes of 255 everywhere: each field yields its capacity of text and
    // never a byte of the next field (whose length byte would read as "ÿ").
    void laengenbyteUeberKapazitaet()
    {
        QFETCH(SatzLayout, layout);
        const int spalte = static_cast<int>(layout);
        QByteArray bytes(satztabelle::laengen[spalte], 'A');
        for (const auto &feld : lagen) {
            if (feld[spalte].offset >= 0)
                bytes[feld[spalte].offset] = '\xff';
        }
        const TGelesenerSatz satz{layout, bytes};
        for (int nr = 1; nr <= 30; ++nr) {
            const satztabelle::Lage l = lagen[nr - 1][spalte];
            if (l.offset >= 0)
                QCOMPARE(satz.Text(nr), std::optional<QString>(QString(l.kap, u'A')));
        }
    }

    // A buffer shorter than its layout (never made by the reader) is cut off at
    // its end rather than read beyond it.
    void kurzerPuffer()
    {
        QByteArray bytes(430, 'B');
        bytes[421] = 20;
        const TGelesenerSatz satz{SatzLayout::TProjektSatz, bytes};
        QCOMPARE(satz.Text(12), std::optional<QString>(QString(8, u'B')));
        QCOMPARE(satz.Text(13), std::optional<QString>(QString()));
        QCOMPARE(satz.Text(30), std::optional<QString>(QString()));
        QCOMPARE((TGelesenerSatz{SatzLayout::TProjektSatz, QByteArray()}.Text(1)), std::optional<QString>(QString()));
    }

    // Random contents of every length: each field's text stays within capacity.
    void zufallsBytes()
    {
        QRandomGenerator zufall(1946);
        for (int runde = 0; runde < 300; ++runde) {
            QByteArray inhalt(static_cast<int>(zufall.bounded(1300)), '\0');
            for (char &c : inhalt)
                c = static_cast<char>(zufall.bounded(256));
            const std::optional<TGelesenerSatz> satz = SatzErkennen(inhalt);
            QCOMPARE(satz.has_value(), inhalt.size() >= 1109);
            if (!satz)
                continue;
            const int spalte = static_cast<int>(satz->layout);
            for (int nr = 1; nr <= 30; ++nr) {
                const std::optional<QString> text = satz->Text(nr);
                QCOMPARE(text.has_value(), lagen[nr - 1][spalte].offset >= 0);
                if (text)
                    QVERIFY(text->size() <= lagen[nr - 1][spalte].kap);
            }
            const AnforderungsHaken haken = HakenAusAnforderungsCode(SatzGanzzahlLesen(*satz->Text(17)));
            QVERIFY(!(haken[0] && (haken[1] || haken[2] || haken[3])));
            QVERIFY(std::abs(RadioIndexBegrenzen(SatzGanzzahlLesen(*satz->Text(15)))) <= 1);
        }
    }

    void ganzzahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("leer") << QString() << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("-1") << "-1" << -1;
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("Nullen") << "007" << 7;
        QTest::newRow("-12") << "-12" << -12;
        QTest::newRow("Buchstaben") << "abc" << 0;
        QTest::newRow("nur Minus") << "-" << 0;
        QTest::newRow("Zahl mit Rest") << "2x" << 2;
        QTest::newRow("Leerzeichen vorn") << "  3" << 3;
        QTest::newRow("Plus") << "+4" << 4;
        QTest::newRow("Leerzeichen nach Minus") << "- 3" << 0;
        QTest::newRow("nur Leerzeichen") << "   " << 0;
        QTest::newRow("Komma") << "1,5" << 1;
        QTest::newRow("doppeltes Minus") << "--1" << 0;
        QTest::newRow("arabische Ziffer") << QStringLiteral("\u0663") << 0;
        QTest::newRow("INT_MAX") << "2147483647" << INT_MAX;
        QTest::newRow("INT_MIN") << "-2147483648" << INT_MIN;
        QTest::newRow("INT_MAX+1") << "2147483648" << INT_MAX;
        QTest::newRow("riesig") << "99999999999999999999" << INT_MAX;
        QTest::newRow("riesig negativ") << "-99999999999999999999" << INT_MIN;
    }

    void ganzzahl()
    {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(SatzGanzzahlLesen(text), wert);
    }

    void anforderungsCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("haken"); // ticks of items 0..3 after reading
        const char *tabelle[] = {"1000", "0100", "0010", "0001", "0110", "0101", "0011", "0111"};
        for (int code = 0; code < 8; ++code)
            QTest::addRow("%d", code) << code << QString::fromLatin1(tabelle[code]);
    }

    void anforderungsCode()
    {
        QFETCH(int, code);
        QFETCH(QString, haken);
        const auto tick = [&](int i) { return haken.at(i) == u'1'; };
        // Item 0 "nein" is not recorded, whatever its tick.
        QCOMPARE(AnforderungsCodeAusHaken({false, tick(1), tick(2), tick(3)}), code);
        QCOMPARE(AnforderungsCodeAusHaken({true, tick(1), tick(2), tick(3)}), code);
        const AnforderungsHaken gelesen = HakenAusAnforderungsCode(code);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(gelesen[i], tick(i));
    }

    void unbekannterCode()
    {
        for (int code : {-1, 8, 10, INT_MAX, INT_MIN})
            QCOMPARE(HakenAusAnforderungsCode(code), (AnforderungsHaken{false, false, false, false}));
    }

    void radioIndex()
    {
        const std::pair<int, int> tabelle[] = {{INT_MIN, -1}, {-2, -1}, {-1, -1}, {0, 0},
                                               {1, 1},        {2, 1},   {INT_MAX, 1}};
        for (const auto &[wert, index] : tabelle)
            QCOMPARE(RadioIndexBegrenzen(wert), index);
    }
};

QTEST_GUILESS_MAIN(TstProjektSatz)
#include "tst_projektsatz.moc"

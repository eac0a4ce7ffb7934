#pragma once

#include "report/blatt.h"
#include "report/blattdaten.h"

#include <QPainter>

// Inputs and pictures shared by the report tests.
namespace testdaten {

// A picture with a distinct colour in each quarter, so a stretched or cropped
// drawing can be told from a correct one.
inline QImage Viertelbild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    const int b2 = breite / 2, h2 = hoehe / 2;
    p.fillRect(0, 0, b2, h2, QColor(200, 30, 30));
    p.fillRect(b2, 0, breite - b2, h2, QColor(30, 160, 30));
    p.fillRect(0, h2, b2, hoehe - h2, QColor(30, 30, 200));
    p.fillRect(b2, h2, breite - b2, hoehe - h2, QColor(230, 200, 20));
    return bild;
}

// A complete case that prints the assessment block: no windowless rooms,
// preset airtightness, an old building.
inline ventoris::TBlattDaten Bewertungsfall()
{
    ventoris::TBlattDaten d;
    d.Edit2 = QStringLiteral("Wohnanlage Lindenhof");
    d.Edit1 = QStringLiteral("Lindenstraße 12");
    d.Edit4 = QStringLiteral("12345 Musterstadt");
    d.Edit7 = QStringLiteral("Jürgen Müller");
    d.Edit3 = QStringLiteral("Müller Haustechnik");
    d.Edit9 = QStringLiteral("Gewerbering 4");
    d.ComboBox1 = QStringLiteral("MFH als eingeschossige Nutzungseinheit");
    d.ComboBox2 = QStringLiteral("windstark");
    d.Edit6 = QStringLiteral("100");
    d.ComboBox5 = QStringLiteral("nein");
    d.Edit8 = QStringLiteral("4,5");
    d.Edit10 = QStringLiteral("0,667");
    d.ComboBox6 = QStringLiteral("mittlerer Gebäudebestand");
    d.ComboBox7 = QStringLiteral("nein");
    d.Edit11 = QStringLiteral("1980");
    d.ComboBox8 = QStringLiteral("nein");
    d.RadioGroup1 = 1;
    d.RadioGroup2 = 1;
    d.Anforderung[0] = true;
    d.Label26 = QStringLiteral("niedrig");
    d.Label27 = QStringLiteral("50,0");
    d.Label28 = QStringLiteral("65,8");
    d.Label38 = QStringLiteral("72,0");
    d.Label39 = QStringLiteral("103,0");
    d.Label74 = QStringLiteral("134,0");
    d.Label31 = QStringLiteral("Lüftungstechnische Maßnahmen sind nicht erforderlich.");
    d.Label49 = QStringLiteral("Erster Kommentar");
    d.Label63 = QStringLiteral("Zweiter Kommentar");
    d.Label30 = QStringLiteral("Version 1.0.0.11");
    d.Druckdatum = QDate(2024, 3, 5);
    d.Logo = Viertelbild(600, 150);
    d.Uebersicht = Viertelbild(947, 670);
    return d;
}

// The main window straight after start, before any input.
inline ventoris::TBlattDaten Startzustand()
{
    ventoris::TBlattDaten d;
    d.Edit2 = QStringLiteral("123456789123456789123456789");
    d.ComboBox1 = QStringLiteral("EFH als mehrgeschossige Nutzungseinheit");
    d.ComboBox2 = QStringLiteral("windschwach");
    d.ComboBox5 = QStringLiteral("nein");
    d.ComboBox6 = QStringLiteral("freie Lüftung Neubau");
    d.Edit10 = QStringLiteral("0,667");
    d.ComboBox7 = QStringLiteral("ja");
    d.ComboBox8 = QStringLiteral("ja");
    d.RadioGroup1 = -1;
    d.RadioGroup2 = 1;
    d.Label26 = QStringLiteral("Ergebnis WS");
    d.Label27 = QStringLiteral("Ergebnis FS");
    d.Label28 = QStringLiteral("Ergebnis I");
    d.Label38 = QStringLiteral("Ergebnis RL");
    d.Label39 = QStringLiteral("Ergebnis NL");
    d.Label74 = QStringLiteral("Ergebnis IL");
    d.Label31 = QStringLiteral("Ergebnis");
    d.Label49 = QStringLiteral("Kommentar1");
    d.Label63 = QStringLiteral("Kommentar2");
    d.Label30 = QStringLiteral("Version 1.0.0.11");
    d.Druckdatum = QDate(2024, 12, 31);
    d.Logo = Viertelbild(600, 150);
    d.Uebersicht = Viertelbild(947, 670);
    return d;
}

} // namespace testdaten

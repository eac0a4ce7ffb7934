#include "reference/bilder.h"

#include "reference/adressen.h"
#include "reference/hausskizze.h"
#include "reference/zeichenhilfe.h"

#include <QPainter>

namespace ventoris {

namespace {

const QColor Gruen(120, 200, 110);  // the level is delivered by the system
const QColor Orange(250, 165, 60);  // the level needs the user to open windows
const QColor Kopf(214, 226, 240);
const QColor Abschnitt(236, 236, 236);
const QColor Schwarz(20, 20, 20);

constexpr int Spalten = 6;
constexpr qreal Links = 4;
constexpr qreal BeschriftungBreite = 196;
constexpr qreal SpaltenBreite = 124;
constexpr qreal Rechts = Links + BeschriftungBreite + Spalten * SpaltenBreite;

qreal SpalteX(int spalte)
{
    return Links + BeschriftungBreite + spalte * SpaltenBreite;
}

// One row: a caption at the left and a cell per system.
void Zeile(QPainter &maler, qreal &y, qreal hoehe, const QString &beschriftung,
           const QStringList &zellen, const QColor &fuellung = Qt::white)
{
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, hoehe), Qt::white, beschriftung, 11, false,
                  Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < Spalten; ++i)
        ZelleZeichnen(maler, QRectF(SpalteX(i), y, SpaltenBreite, hoehe), fuellung, zellen.value(i), 11);
    y += hoehe;
}

// A level row: green where the system delivers the level, orange where windows must be opened.
void StufenZeile(QPainter &maler, qreal &y, const QString &beschriftung, const bool (&geliefert)[Spalten])
{
    const qreal hoehe = 19;
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, hoehe), Qt::white, beschriftung, 11, false,
                  Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < Spalten; ++i)
        ZelleZeichnen(maler, QRectF(SpalteX(i), y, SpaltenBreite, hoehe), geliefert[i] ? Gruen : Orange,
                      geliefert[i] ? QStringLiteral("sichergestellt") : QStringLiteral("Fenster öffnen"), 11);
    y += hoehe;
}

void AbschnittZeile(QPainter &maler, qreal &y, const QString &titel)
{
    const qreal hoehe = 17;
    ZelleZeichnen(maler, QRectF(Links, y, Rechts - Links, hoehe), Abschnitt, titel, 11, true,
                  Qt::AlignLeft | Qt::AlignVCenter);
    y += hoehe;
}

void Farbfeld(QPainter &maler, const QRectF &feld, const QColor &farbe)
{
    maler.save();
    maler.setPen(QPen(QColor(120, 120, 120), 1));
    maler.setBrush(farbe);
    maler.drawRect(feld);
    maler.restore();
}

} // namespace

QImage Uebersichtsbild(qreal dpr)
{
    QImage bild = WeissesBild(947, 670, dpr);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Schwarz);

    TextZeichnen(maler, QRectF(Links, 2, Rechts - Links, 32), QStringLiteral("Auswahl eines Lüftungssystems"), 22,
                 true, Qt::AlignLeft | Qt::AlignVCenter);
    TextZeichnen(maler, QRectF(Links + 480, 2, Rechts - Links - 480, 32),
                 QStringLiteral("nach DIN 1946-6 (Ausgabe Mai 2009)"), 12, false, Qt::AlignRight | Qt::AlignVCenter);

    qreal y = 36;
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, 20), Kopf, QStringLiteral("Lüftungssystem"), 12, true,
                  Qt::AlignLeft | Qt::AlignVCenter);
    ZelleZeichnen(maler, QRectF(SpalteX(0), y, 3 * SpaltenBreite, 20), Kopf, QStringLiteral("Freie Lüftung"), 12, true);
    ZelleZeichnen(maler, QRectF(SpalteX(3), y, 3 * SpaltenBreite, 20), Kopf,
                  QStringLiteral("Ventilatorgestützte Lüftung"), 12, true);
    y += 20;

    const QStringList namen = {
        QStringLiteral("Querlüftung<br>nur Feuchteschutz"), QStringLiteral("Querlüftung"),
        QStringLiteral("Schachtlüftung"), QStringLiteral("Abluftsystem"), QStringLiteral("Zuluftsystem"),
        QStringLiteral("Zu- und Abluftsystem")};
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, 32), Kopf, QString(), 11);
    for (int i = 0; i < Spalten; ++i)
        ZelleZeichnen(maler, QRectF(SpalteX(i), y, SpaltenBreite, 32), Kopf, namen.at(i), 11, true);
    y += 32;

    const qreal skizzenHoehe = 72;
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, skizzenHoehe), Qt::white,
                  QStringLiteral("Luftwege<br><font color=\"#1e5ac8\">&#9632;</font> Außen-/Zuluft &nbsp; "
                                 "<font color=\"#c8281e\">&#9632;</font> Ab-/Fortluft"),
                  11, false, Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < Spalten; ++i) {
        const QRectF zelle(SpalteX(i), y, SpaltenBreite, skizzenHoehe);
        ZelleZeichnen(maler, zelle, Qt::white, QString(), 11);
        HausskizzeZeichnen(maler, zelle, static_cast<TLueftungssystem>(i));
    }
    y += skizzenHoehe;

    // Free ventilation can at best be laid out up to the nominal level; the
    // intensive level then needs the windows. Fans deliver all four levels.
    AbschnittZeile(maler, y, QStringLiteral("Lüftungsstufen ohne aktives Fensteröffnen durch den Nutzer"));
    StufenZeile(maler, y, QStringLiteral("Lüftung zum Feuchteschutz (FL)"), {true, true, true, true, true, true});
    StufenZeile(maler, y, QStringLiteral("Reduzierte Lüftung (RL)"), {false, true, true, true, true, true});
    StufenZeile(maler, y, QStringLiteral("Nennlüftung (NL)"), {false, true, true, true, true, true});
    StufenZeile(maler, y, QStringLiteral("Intensivlüftung (IL)"), {false, false, false, true, true, true});

    AbschnittZeile(maler, y, QStringLiteral("Allgemeine Anforderungen nach DIN 1946-6 und DIN 4719"));
    Zeile(maler, y, 28, QStringLiteral("Brand- und Schallschutz, Behaglichkeit"),
          {QStringLiteral("zu beachten"), QStringLiteral("zu beachten"), QStringLiteral("zu beachten"),
           QStringLiteral("zu beachten"), QStringLiteral("zu beachten"), QStringLiteral("zu beachten")});
    Zeile(maler, y, 28, QStringLiteral("Betrieb mit Feuerstätten"),
          {QStringLiteral("möglich"), QStringLiteral("möglich"), QStringLiteral("möglich"),
           QStringLiteral("nur mit Sicherheits&shy;einrichtung"), QStringLiteral("möglich"),
           QStringLiteral("nur mit Sicherheits&shy;einrichtung")});
    Zeile(maler, y, 28, QStringLiteral("Fensterlose Räume"),
          {QStringLiteral("nicht möglich"), QStringLiteral("nicht möglich"), QStringLiteral("möglich"),
           QStringLiteral("möglich"), QStringLiteral("nur mit Abluft&shy;öffnung"), QStringLiteral("möglich")});

    AbschnittZeile(maler, y, QStringLiteral("Erhöhte Anforderungen"));
    Zeile(maler, y, 28, QStringLiteral("Volumenströme ohne Nutzereingriff"),
          {QStringLiteral("nur FL, wetter&shy;abhängig"), QStringLiteral("wetterabhängig"),
           QStringLiteral("wetterabhängig"), QStringLiteral("ja"), QStringLiteral("ja"), QStringLiteral("ja")});
    Zeile(maler, y, 22, QStringLiteral("Verbesserte Geräte: Luftqualität (H)"),
          {QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("bedingt"),
           QStringLiteral("ja"), QStringLiteral("ja")});
    Zeile(maler, y, 22, QStringLiteral("Verbesserte Geräte: Effizienz (E)"),
          {QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("ja"),
           QStringLiteral("ja"), QStringLiteral("ja")});
    Zeile(maler, y, 22, QStringLiteral("Verbesserte Geräte: Schallschutz (S)"),
          {QStringLiteral("bedingt"), QStringLiteral("bedingt"), QStringLiteral("bedingt"), QStringLiteral("ja"),
           QStringLiteral("ja"), QStringLiteral("ja")});

    AbschnittZeile(maler, y, QStringLiteral("Allgemeine Angaben"));
    Zeile(maler, y, 30, QStringLiteral("Produkte (Beispiele)"),
          {QStringLiteral("Außenluft&shy;durchlässe (ALD)"), QStringLiteral("ALD, Überström&shy;öffnungen"),
           QStringLiteral("Lüftungs&shy;schacht, ALD"), QStringLiteral("Abluft&shy;ventilator, ALD"),
           QStringLiteral("Zuluft&shy;ventilator, ALD"), QStringLiteral("Lüftungsgerät mit Wärme&shy;übertrager")});
    Zeile(maler, y, 22, QStringLiteral("Abluftwärmenutzung möglich *"),
          {QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("nein"),
           QStringLiteral("ja (Wärmepumpe)"), QStringLiteral("nein"), QStringLiteral("ja")});
    Zeile(maler, y, 22, QStringLiteral("Nutzung erneuerbarer Energie *"),
          {QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("nein"), QStringLiteral("ja"),
           QStringLiteral("ja"), QStringLiteral("ja")});
    ZelleZeichnen(maler, QRectF(Links, y, BeschriftungBreite, 20), Qt::white,
                  QStringLiteral("Weitere Informationen"), 11, false, Qt::AlignLeft | Qt::AlignVCenter);
    ZelleZeichnen(maler, QRectF(SpalteX(0), y, Spalten * SpaltenBreite, 20), Qt::white,
                  QStringLiteral("%1 &nbsp;&nbsp;&middot;&nbsp;&nbsp; %2")
                      .arg(QString::fromUtf8(VerlagWebadresse), QString::fromUtf8(EntwicklerWebadresse)),
                  11);
    y += 20;

    // Legend.
    y += 8;
    Farbfeld(maler, QRectF(Links, y + 2, 22, 12), Gruen);
    TextZeichnen(maler, QRectF(Links + 28, y, 420, 16),
                 QStringLiteral("Lüftungsstufe wird vom System ohne Zutun des Nutzers sichergestellt"), 11, false,
                 Qt::AlignLeft | Qt::AlignVCenter);
    TextZeichnen(maler, QRectF(Links + 470, y, Rechts - Links - 470, 16),
                 QStringLiteral("H = Luftqualität (Hygiene), E = Energieeffizienz, S = Schallschutz"), 11, false,
                 Qt::AlignLeft | Qt::AlignVCenter);
    y += 18;
    Farbfeld(maler, QRectF(Links, y + 2, 22, 12), Orange);
    TextZeichnen(maler, QRectF(Links + 28, y, 420, 16),
                 QStringLiteral("Lüftungsstufe erfordert das Öffnen der Fenster durch den Nutzer"), 11, false,
                 Qt::AlignLeft | Qt::AlignVCenter);
    TextZeichnen(maler, QRectF(Links + 470, y, Rechts - Links - 470, 16),
                 QStringLiteral("FL = Feuchteschutz, RL = Reduzierte Lüftung, NL = Nennlüftung, IL = Intensivlüftung"),
                 11, false, Qt::AlignLeft | Qt::AlignVCenter);
    y += 18;
    TextZeichnen(maler, QRectF(Links, y, Rechts - Links, 16),
                 QStringLiteral("* Anlagen mit Wärmerückgewinnung oder mit Nutzung erneuerbarer Energie können "
                                "gefördert werden; die Bedingungen nennt der jeweilige Fördergeber."),
                 11, false, Qt::AlignLeft | Qt::AlignVCenter);
    y += 22;
    TextZeichnen(maler, QRectF(Links, y, Rechts - Links, 20),
                 QStringLiteral("Aktives Öffnen der Fenster durch den Nutzer ist keine lüftungstechnische Maßnahme "
                                "im Sinne der DIN 1946-6."),
                 13, true, Qt::AlignLeft | Qt::AlignVCenter);
    return bild;
}

} // namespace ventoris

#include "app/stapelbetrieb.h"

#include "app/signalende.h"
#include "app/stapelfortschritt.h"
#include "building/formularabbild.h"
#include "building/gebaeudecsv.h"
#include "project/dauerhaftschreiben.h"
#include "project/lesegrund.h"
#include "project/massnahmedatei.h"
#include "project/projektdatei.h"
#include "project/rohnamen.h"
#include "reference/adressen.h"
#include "reference/konzept.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "report/logofenster.h"
#include "report/massnahmenblatt.h"
#include "report/uebersichtblatt.h"

#include <QApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace ventoris;

namespace {

void stumm(QtMsgType, const QMessageLogContext &, const QString &) {}

// "ventoris: <file>: <text>"; the file's name as RohnameFuerMeldung shows it.
void fehlerZeile(const QByteArray &datei, const QByteArray &text)
{
    // a control byte of a text read from a file must not reach the terminal
    QByteArray zeile = text;
    for (qsizetype i = zeile.size() - 1; i >= 0; --i)
        if (static_cast<unsigned char>(zeile[i]) < 0x20 || zeile[i] == '\x7f')
            zeile.replace(i, 1, zeile[i] == '\t' ? QByteArray(" ") : QByteArray("\xEF\xBF\xBD"));
    std::fprintf(stderr, "ventoris: %s: %s\n", RohnameFuerMeldung(datei).constData(), zeile.constData());
}

void fehlerZeile(const QByteArray &datei, const QString &text)
{
    fehlerZeile(datei, text.toUtf8());
}

// One line that the next overwrites; only where a person watches a terminal.
class TFortschritt
{
public:
    explicit TFortschritt(int gesamt) : m_gesamt(gesamt), m_an(gesamt > 1 && ::isatty(STDERR_FILENO)) {}
    ~TFortschritt()
    {
        if (m_an)
            std::fputs("\r\033[K", stderr);
    }
    void zeigen(int nr, const QByteArray &name)
    {
        if (m_an)
            std::fprintf(stderr, "\r\033[K%d/%d %s", nr, m_gesamt, RohnameFuerMeldung(name).constData());
    }
    // a failure line must not stand after the progress on the same line
    void platzMachen()
    {
        if (m_an)
            std::fputs("\r\033[K", stderr);
    }

private:
    int m_gesamt;
    bool m_an;
};

// What the main window shows right after opening a record, as the printed
// sheet takes it.
TBlattDaten blattDaten(const TGelesenerSatz &satz, const QImage &logo, const QImage &uebersicht)
{
    TFormularAbbild f;
    f.Oeffnen(satz);
    TBlattDaten d;
    d.Edit2 = f.Edit2;
    d.Edit1 = f.Edit1;
    d.Edit4 = f.Edit4;
    d.Edit7 = f.Edit7;
    d.Edit3 = f.Edit3;
    d.Edit9 = f.Edit9;
    d.ComboBox1 = f.ComboBox1;
    d.ComboBox2 = f.ComboBox2;
    d.Edit6 = f.Edit6;
    d.ComboBox5 = f.ComboBox5;
    d.Edit8 = f.Edit8;
    d.Edit10 = f.Edit10;
    d.ComboBox6 = f.ComboBox6;
    d.ComboBox7 = f.ComboBox7;
    d.Edit11 = f.Edit11;
    d.ComboBox8 = f.ComboBox8;
    d.RadioGroup1 = f.RadioGroup1;
    d.RadioGroup2 = f.RadioGroup2;
    for (int i = 0; i < 4; ++i)
        d.Anforderung[i] = f.Anforderungen.Haken[i];
    d.Label26 = f.Label26;
    d.Label27 = f.Label27;
    d.Label28 = f.Label28;
    d.Label38 = f.Label38;
    d.Label39 = f.Label39;
    d.Label74 = f.Label74;
    d.Label31 = f.Label31;
    d.Label49 = f.Label49;
    d.Label63 = f.Label63;
    d.Label30 = QLatin1String(VersionText);
    d.Druckdatum = QDate::currentDate();
    d.Logo = logo;
    d.Uebersicht = uebersicht;
    return d;
}

bool ordnerVorhanden(const QByteArray &ordner)
{
    struct stat info {};
    const bool vorhanden = ::stat(ordner.constData(), &info) == 0;
    if (vorhanden && S_ISDIR(info.st_mode))
        return true;
    fehlerZeile(ordner, vorhanden ? QStringLiteral("Kein Ordner; nichts geschrieben.")
                                  : QStringLiteral("Ausgabeordner nicht gefunden; nichts geschrieben."));
    return false;
}

// The sheets written in this run, by the file they became: a later input of
// the same name gets " (2)", " (3)" ... rather than replacing an earlier
// one's sheet. Files of earlier runs are replaced as ever.
class TBlattNamen
{
public:
    // The sheet's name in 'ordner': "<basis>.pdf", from the second on "<basis> (n).pdf".
    static QByteArray name(const QByteArray &ordner, const QByteArray &basis, int n = 1)
    {
        const QByteArray anfang = ordner.endsWith('/') ? ordner + basis : ordner + '/' + basis;
        return n == 1 ? anfang + ".pdf" : anfang + " (" + QByteArray::number(n) + ").pdf";
    }
    // The first such name that no sheet of this run has taken.
    QByteArray frei(const QByteArray &ordner, const QByteArray &basis) const
    {
        int n = 1;
        while (von(name(ordner, basis, n)))
            ++n;
        return name(ordner, basis, n);
    }
    // The input whose sheet is now the file at 'pdf'; null when none of this run.
    const QByteArray *von(const QByteArray &pdf) const
    {
        struct stat info {};
        if (::stat(pdf.constData(), &info) != 0)
            return nullptr;
        for (const Blatt &b : m_blaetter)
            if (b.geraet == info.st_dev && b.knoten == info.st_ino)
                return &b.quelle;
        return nullptr;
    }
    void merken(const QByteArray &pdf, const QByteArray &quelle)
    {
        struct stat info {};
        if (::stat(pdf.constData(), &info) == 0)
            m_blaetter.append({info.st_dev, info.st_ino, quelle});
    }

private:
    struct Blatt {
        dev_t geraet;
        ino_t knoten;
        QByteArray quelle;
    };
    QVector<Blatt> m_blaetter;
};

// The Maßnahmenblatt beside the result sheet 'pdf' ("u.pdf" gives
// "u-massnahme.pdf"), where the unit has a balance beside it. Returns false
// when something could not be read or written; the line says what.
bool massnahmenblatt(const QByteArray &datei, const TBlattDaten &daten, const QByteArray &pdf)
{
    const QByteArray sidecar = MassnahmePfad(datei);
    const TMassnahmeGelesen gelesen = MassnahmeLesen(sidecar);
    if (!gelesen.hinweis.isEmpty()) {
        fehlerZeile(sidecar, gelesen.hinweis + QStringLiteral("; kein Maßnahmenblatt geschrieben."));
        return false;
    }
    if (!gelesen.eingaben)
        return true;
    const TMassnahmeBilanz bilanz = MassnahmeBilanzieren(
        *gelesen.eingaben, {daten.Label27, daten.Label38, daten.Label39, daten.Label28, daten.ComboBox2});
    const QByteArray ziel = pdf.left(pdf.size() - 4) + "-massnahme.pdf";
    const TBlatt blatt = MassnahmenblattAufbauen(daten, *gelesen.eingaben, bilanz,
                                                 MassnahmeEinheitName(QFile::decodeName(datei), daten.Edit2));
    if (const auto fehler = BlattPdfSchreiben(blatt, ziel, QPageLayout::Portrait, QStringLiteral("Maßnahmenblatt"))) {
        fehlerZeile(ziel, fehler->meldung());
        return false;
    }
    return true;
}

// The file's name without its last extension, as QFileInfo::completeBaseName.
QByteArray ohneEndung(const QByteArray &name)
{
    const qsizetype punkt = name.lastIndexOf('.');
    return punkt < 0 ? name : name.left(punkt);
}

int ergebnisblaetter(const TAufruf &aufruf)
{
    if (!aufruf.ziel.isEmpty() && !ordnerVorhanden(aufruf.ziel))
        return 1;
    // the pictures of the sheet, as a freshly started program has them
    const QImage logo = TForm5().Logo();
    const QImage uebersicht = TForm6().Uebersicht();
    TFortschritt fortschritt(int(aufruf.eingaben.size()));
    TBlattNamen namen;
    int status = 0;
    int nr = 0;
    for (const QByteArray &datei : aufruf.eingaben) {
        fortschritt.zeigen(++nr, NameVon(datei));
        const SatzLeseErgebnis gelesen = SatzLesen(datei);
        if (!gelesen.satz) {
            fortschritt.platzMachen();
            fehlerZeile(datei, LeseGrund(gelesen, datei));
            status = 1;
            continue;
        }
        // read as the window opens it, but said
        if (const QString hinweis = LaengenHinweis(gelesen); !hinweis.isEmpty()) {
            fortschritt.platzMachen();
            fehlerZeile(datei, hinweis);
        }
        const QByteArray ordner = aufruf.ziel.isEmpty() ? OrdnerVon(AbsoluterPfad(datei)) : aufruf.ziel;
        const QByteArray basis = ohneEndung(NameVon(datei));
        const QByteArray pdf = namen.frei(ordner, basis);
        std::optional<DateiFehler> fehler;
        const TBlattDaten daten = blattDaten(*gelesen.satz, logo, uebersicht);
        try {
            fehler = ErgebnisPdfSchreiben(ErgebnisblattAufbauen(daten), pdf);
        } catch (const std::bad_alloc &) {
            fehler = DateiFehler::ausErrno(ENOMEM);
        }
        if (fehler) {
            fortschritt.platzMachen();
            fehlerZeile(pdf, fehler->meldung());
            status = 1;
            continue;
        }
        const QByteArray natuerlich = TBlattNamen::name(ordner, basis);
        if (const QByteArray *frueher = namen.von(natuerlich); frueher && pdf != natuerlich) {
            fortschritt.platzMachen();
            fehlerZeile(datei, "Blatt als „" + RohnameFuerMeldung(pdf) + "“ geschrieben, denn „" +
                                   RohnameFuerMeldung(natuerlich) + "“ ist schon das Blatt von „" +
                                   RohnameFuerMeldung(*frueher) + "“.");
        }
        namen.merken(pdf, datei);
        if (!massnahmenblatt(datei, daten, pdf)) {
            fortschritt.platzMachen();
            status = 1;
        }
    }
    return status;
}

int gebaeudeuebersicht(const TAufruf &aufruf)
{
    const QByteArray ordner = aufruf.eingaben.value(0);
    struct stat info {};
    const bool vorhanden = ::stat(ordner.constData(), &info) == 0;
    if (!vorhanden || !S_ISDIR(info.st_mode)) {
        fehlerZeile(ordner, vorhanden ? QStringLiteral("Kein Ordner.")
                                      : QStringLiteral("Ordner nicht gefunden"));
        return 1;
    }
    const QByteArray &ziel = aufruf.ziel;
    if (!ziel.isEmpty() && !ordnerVorhanden(OrdnerVon(AbsoluterPfad(ziel))))
        return 1;
    if (!ziel.isEmpty() && ::stat(ziel.constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
        fehlerZeile(ziel, QStringLiteral("Ein Ordner, keine Datei; nichts geschrieben."));
        return 1;
    }
    TUebersichtFortschritt fortschritt;
    const TGebaeude gebaeude = fortschritt.Lesen(ordner);
    fortschritt.platzMachen();
    if (!gebaeude.fehler.isEmpty()) {
        fehlerZeile(ordner, gebaeude.fehler);
        return 1;
    }
    int status = 0;
    std::optional<DateiFehler> fehler;
    if (ziel.toLower().endsWith(".pdf")) {
        const TBlatt blatt = UebersichtblattAufbauen(QFile::decodeName(AbsoluterPfad(ordner)), gebaeude.einheiten,
                                                     gebaeude.summe, TForm5().Logo(), QDate::currentDate());
        fehler = BlattPdfSchreiben(blatt, ziel, QPageLayout::Landscape, QStringLiteral("Gebäudeübersicht"),
                                   fortschritt.Seiten(blatt.seiten));
        fortschritt.platzMachen();
    } else if (!ziel.isEmpty()) {
        fehler = DauerhaftSchreiben(ziel, GebaeudeCsv(gebaeude));
    } else {
        const QByteArray csv = GebaeudeCsv(gebaeude);
        errno = 0;
        if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) ||
            std::fflush(stdout) != 0) {
            fehlerZeile("Standardausgabe", DateiFehler::ausErrno(errno != 0 ? errno : EIO).meldung());
            status = 1;
        }
    }
    if (fehler) {
        fehlerZeile(ziel, fehler->meldung());
        status = 1;
    }
    // The table is whole, but a unit that gave no record is a failure, named
    // with the reason that its row notes.
    for (const TEinheit &einheit : gebaeude.einheiten) {
        if (!einheit.gelesen) {
            fehlerZeile(einheit.pfad, einheit.text[SpalteHinweis]);
            status = 1;
        }
    }
    // a mistyped folder must not look like success
    if (gebaeude.einheiten.isEmpty()) {
        fehlerZeile(ordner, QStringLiteral("keine Projektdateien (*.lkz) gefunden"));
        status = 1;
    }
    return status;
}

} // namespace

int StapelAusfuehren(const TAufruf &aufruf, int argc, char **argv)
{
    // No window is shown: no display is needed, and Qt's own messages (about
    // the platform, fonts or a missing runtime folder) are not for this user.
    SignaleAbfangen();
    qInstallMessageHandler(stumm);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return aufruf.stapel == TAufruf::Stapel::Pdf ? ergebnisblaetter(aufruf) : gebaeudeuebersicht(aufruf);
}

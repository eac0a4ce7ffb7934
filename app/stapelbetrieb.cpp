#include "app/stapelbetrieb.h"

#include "building/formularabbild.h"
#include "building/gebaeudecsv.h"
#include "project/dauerhaftschreiben.h"
#include "project/projektdatei.h"
#include "reference/adressen.h"
#include "reference/konzept.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "report/logofenster.h"
#include "report/uebersichtblatt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace ventoris;

namespace {

void stumm(QtMsgType, const QMessageLogContext &, const QString &) {}

void fehlerZeile(const QString &datei, const QString &text)
{
    std::fprintf(stderr, "ventoris: %s: %s\n", QFile::encodeName(datei).constData(), text.toUtf8().constData());
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
    void zeigen(int nr, const QString &name)
    {
        if (m_an)
            std::fprintf(stderr, "\r\033[K%d/%d %s", nr, m_gesamt, QFile::encodeName(name).constData());
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

bool ordnerVorhanden(const QString &ordner)
{
    if (QFileInfo(ordner).isDir())
        return true;
    fehlerZeile(ordner, QStringLiteral("Ausgabeordner nicht gefunden; nichts geschrieben."));
    return false;
}

int ergebnisblaetter(const TAufruf &aufruf)
{
    if (!aufruf.ziel.isEmpty() && !ordnerVorhanden(aufruf.ziel))
        return 1;
    // the pictures of the sheet, as a freshly started program has them
    const QImage logo = TForm5().Logo();
    const QImage uebersicht = TForm6().Uebersicht();
    TFortschritt fortschritt(int(aufruf.eingaben.size()));
    int status = 0;
    int nr = 0;
    for (const QString &datei : aufruf.eingaben) {
        const QFileInfo info(datei);
        fortschritt.zeigen(++nr, info.fileName());
        const SatzLeseErgebnis gelesen = SatzLesen(datei);
        std::optional<DateiFehler> fehler;
        if (!gelesen.satz) {
            fortschritt.platzMachen();
            fehlerZeile(datei, gelesen.fehler.meldung());
            status = 1;
            continue;
        }
        const QString ordner = aufruf.ziel.isEmpty() ? info.absolutePath() : aufruf.ziel;
        const QString pdf = QDir(ordner).filePath(info.completeBaseName() + QStringLiteral(".pdf"));
        try {
            fehler = ErgebnisPdfSchreiben(ErgebnisblattAufbauen(blattDaten(*gelesen.satz, logo, uebersicht)), pdf);
        } catch (const std::bad_alloc &) {
            fehler = DateiFehler::ausErrno(ENOMEM);
        }
        if (fehler) {
            fortschritt.platzMachen();
            fehlerZeile(pdf, fehler->meldung());
            status = 1;
        }
    }
    return status;
}

int gebaeudeuebersicht(const TAufruf &aufruf)
{
    const QString ordner = aufruf.eingaben.value(0);
    if (!QFileInfo(ordner).isDir()) {
        fehlerZeile(ordner, QFileInfo::exists(ordner) ? QStringLiteral("Kein Ordner.")
                                                      : DateiFehler::ausCode(FehlerDateiNichtGefunden).meldung());
        return 1;
    }
    const QString ziel = aufruf.ziel;
    if (!ziel.isEmpty() && !ordnerVorhanden(QFileInfo(ziel).absolutePath()))
        return 1;
    const TGebaeude gebaeude = GebaeudeLesen(ordner);
    if (!gebaeude.fehler.isEmpty()) {
        fehlerZeile(ordner, gebaeude.fehler);
        return 1;
    }
    std::optional<DateiFehler> fehler;
    if (ziel.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        const TBlatt blatt = UebersichtblattAufbauen(QDir::toNativeSeparators(QDir(ordner).absolutePath()),
                                                     gebaeude.einheiten, gebaeude.summe, TForm5().Logo(),
                                                     QDate::currentDate());
        fehler = BlattPdfSchreiben(blatt, ziel, QPageLayout::Landscape, QStringLiteral("Gebäudeübersicht"));
    } else if (!ziel.isEmpty()) {
        fehler = DauerhaftSchreiben(ziel, GebaeudeCsv(gebaeude));
    } else {
        const QByteArray csv = GebaeudeCsv(gebaeude);
        errno = 0;
        if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) ||
            std::fflush(stdout) != 0)
            fehler = DateiFehler::ausErrno(errno != 0 ? errno : EIO);
        if (fehler) {
            fehlerZeile(QStringLiteral("Standardausgabe"), fehler->meldung());
            return 1;
        }
    }
    if (fehler) {
        fehlerZeile(ziel, fehler->meldung());
        return 1;
    }
    return 0;
}

} // namespace

int StapelAusfuehren(const TAufruf &aufruf, int argc, char **argv)
{
    // No window is shown: no display is needed, and Qt's own messages (about
    // the platform, fonts or a missing runtime folder) are not for this user.
    qInstallMessageHandler(stumm);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return aufruf.stapel == TAufruf::Stapel::Pdf ? ergebnisblaetter(aufruf) : gebaeudeuebersicht(aufruf);
}

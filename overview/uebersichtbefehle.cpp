// The building overview's commands: opening it from the main window, printing,
// the preview, the PDF and the CSV.
#include "app/arbeitsordner.h"
#include "app/tform1.h"
#include "building/gebaeudecsv.h"
#include "overview/gebaeudeuebersicht.h"
#include "project/dateifehler.h"
#include "project/dauerhaftschreiben.h"
#include "report/druckbefehle.h"
#include "report/logofenster.h"
#include "report/uebersichtblatt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

using namespace ventoris;

void TForm1::Gebaeudeuebersicht1Click()
{
    QFileDialog dialog(this, QStringLiteral("Gebäudeübersicht – Ordner wählen"));
    dialog.setObjectName(QStringLiteral("OrdnerDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString ordner = DateiDialogZeigen(dialog, AktuellesProjekt);
    if (ordner.isEmpty())
        return;
    DialogOrdnerMerken(ordner);
    GebaeudeuebersichtOeffnen(ordner);
}

TGebaeudeuebersicht *TForm1::GebaeudeuebersichtOeffnen(const QString &ordner)
{
    auto *fenster = new TGebaeudeuebersicht(QDir(ordner).absolutePath(), this);
    fenster->LogoQuelle = [this] { return Form5->Logo(); };
    connect(fenster, &TGebaeudeuebersicht::Oeffnen, this, [this](const QByteArray &pfad) {
        ProjektOeffnen(pfad);
        raise();
        activateWindow();
    });
    fenster->show();
    return fenster;
}

namespace ventoris {

TBlatt TGebaeudeuebersicht::blatt() const
{
    return UebersichtblattAufbauen(QDir::toNativeSeparators(m_ordner), Filter->AngezeigteEinheiten(),
                                   Modell->AngezeigteSumme(), LogoQuelle ? LogoQuelle() : QImage(),
                                   QDate::currentDate(), Suche->text());
}

QPrinter &TGebaeudeuebersicht::drucker()
{
    // A printer of its own: the table prints in landscape, the result sheet
    // in portrait on the main window's printer.
    if (!m_drucker) {
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_drucker->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    }
    return *m_drucker;
}

QString TGebaeudeuebersicht::vorschlag(const QString &endung) const
{
    return QDir(m_ordner).filePath(QStringLiteral("Gebäudeübersicht.") + endung);
}

void TGebaeudeuebersicht::drucken()
{
    QPrintDialog dialog(&drucker(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    drucker().setPrintRange(QPrinter::AllPages);
    drucker().setPageRanges(QPageRanges());
    BlattDrucken(this, drucker(), blatt());
}

void TGebaeudeuebersicht::seitenansicht()
{
    BlattSeitenansicht(this, drucker(), blatt());
}

void TGebaeudeuebersicht::pdfSpeichern()
{
    BlattAlsPdfSpeichern(
        this, QStringLiteral("Gebäudeübersicht als PDF speichern"), [this] { return blatt(); },
        QPageLayout::Landscape, QStringLiteral("Gebäudeübersicht"), vorschlag(QStringLiteral("pdf")),
        vorschlag(QStringLiteral("pdf")));
}

void TGebaeudeuebersicht::csvSpeichern()
{
    QFileDialog dialog(this, QStringLiteral("Gebäudeübersicht als CSV speichern"));
    dialog.setObjectName(QStringLiteral("CsvSpeichernDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("CSV-Datei (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // the overview's files start in the building's folder
    const QString pfad = DateiDialogZeigen(dialog, vorschlag(QStringLiteral("csv")), vorschlag(QStringLiteral("csv")));
    if (pfad.isEmpty())
        return;
    if (const auto fehler = DauerhaftSchreiben(pfad, GebaeudeCsv(Gebaeude())))
        AllgemeinerFehlerbericht(this, *fehler);
}

} // namespace ventoris

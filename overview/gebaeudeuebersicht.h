#pragma once

#include "building/gebaeude.h"
#include "overview/gebaeudemodell.h"
#include "overview/uebersichttabelle.h"
#include "report/blatt.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QPushButton;
class QThread;

namespace ventoris {

// The building overview: every unit of one folder in a table that follows the
// folder by itself. It reads the folder on a thread of its own, so the window
// stays responsive; it never writes to the units' files.
class TGebaeudeuebersicht : public QWidget
{
    Q_OBJECT
public:
    TGebaeudeuebersicht(const QString &ordner, QWidget *eltern);
    ~TGebaeudeuebersicht() override;

    const QString &Ordner() const { return m_ordner; }
    const TGebaeude &Gebaeude() const;
    // Whether a reading is under way.
    bool Liest() const { return m_leser != nullptr; }

    // The company logo of the printed overview, as the result sheet has it.
    std::function<QImage()> LogoQuelle;

    TGebaeudeModell *Modell = nullptr;
    TGebaeudeFilter *Filter = nullptr;
    TUebersichtTabelle *Tabelle = nullptr;
    QLineEdit *Suche = nullptr;
    QProgressBar *Fortschritt = nullptr;
    QPushButton *Abbrechen = nullptr;
    QLabel *Status = nullptr;
    QPushButton *Drucken = nullptr, *Seitenansicht = nullptr, *PdfSpeichern = nullptr, *CsvSpeichern = nullptr;

signals:
    // A unit's file, chosen with a double click or Return; its path in the
    // file system's own bytes, which need not be UTF-8.
    void Oeffnen(const QByteArray &lokalerPfad);
    // A reading has been shown.
    void Gelesen();

private:
    void lesen();
    void gelesen(const std::shared_ptr<TGebaeude> &ergebnis);
    void fortschrittZeigen();
    void zeileGewaehlt(const QModelIndex &index);
    // the total and the status line for the rows that the filter shows
    void angezeigtZaehlen();
    void drucken();
    void seitenansicht();
    void pdfSpeichern();
    void csvSpeichern();
    // what prints, previews and PDFs show: the rows on screen, in their order,
    // under their total, with the filter named
    TBlatt blatt() const;
    QPrinter &drucker();
    // a file in the building's folder, for the save dialogs to propose
    QString vorschlag(const QString &endung) const;

    QString m_ordner;
    QThread *m_leser = nullptr;
    std::shared_ptr<TLeseFortschritt> m_fortschritt;
    bool m_nochmal = false; // the reading under way is stale
    QString m_lesestand;    // what the status line says of the last reading
    QTimer m_fortschrittsUhr;
    QTimer m_aenderung;
    std::unique_ptr<QPrinter> m_drucker;
};

} // namespace ventoris

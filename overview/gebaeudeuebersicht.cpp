#include "overview/gebaeudeuebersicht.h"

#include "overview/ordnerwaechter.h"
#include "reference/einpassung.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace ventoris {

namespace {

// Folders with more files than this show a progress bar while they are read.
constexpr int FortschrittAb = 300;

QPushButton *knopf(const char *name, const QString &text, QWidget *eltern)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    return k;
}

// The narrowest width at which a header fits its two lines.
int zweizeilig(const QString &kopf, const QFontMetrics &masse)
{
    const QStringList woerter = kopf.split(QLatin1Char(' '));
    int breite = masse.horizontalAdvance(kopf);
    for (qsizetype i = 1; i < woerter.size(); ++i)
        breite = std::min(breite, std::max(masse.horizontalAdvance(woerter.mid(0, i).join(QLatin1Char(' '))),
                                           masse.horizontalAdvance(woerter.mid(i).join(QLatin1Char(' ')))));
    return breite;
}

} // namespace

TGebaeudeuebersicht::TGebaeudeuebersicht(const QString &ordner, QWidget *eltern)
    : QWidget(eltern, Qt::Window), m_ordner(ordner)
{
    setObjectName(QStringLiteral("Gebaeudeuebersicht"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Gebäudeübersicht – ") + QDir::toNativeSeparators(ordner));
    resize(1200, 640);

    Modell = new TGebaeudeModell(this);
    Filter = new TGebaeudeFilter(Modell, this);

    Suche = new QLineEdit(this);
    Suche->setObjectName(QStringLiteral("Suche"));
    Suche->setPlaceholderText(QStringLiteral("Zeilen filtern …"));
    Suche->setClearButtonEnabled(true);
    Suche->setAccessibleName(QStringLiteral("Filter"));
    connect(Suche, &QLineEdit::textChanged, this, [this](const QString &text) {
        Filter->setFilterFixedString(text);
        angezeigtZaehlen();
    });
    auto *suchen = new QShortcut(QKeySequence::Find, this);
    connect(suchen, &QShortcut::activated, this, [this] {
        Suche->setFocus(Qt::ShortcutFocusReason);
        Suche->selectAll();
    });

    Tabelle = new TUebersichtTabelle(this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setAccessibleName(QStringLiteral("Nutzungseinheiten"));
    Tabelle->setModel(Filter);
    Tabelle->setSortingEnabled(true);
    Tabelle->sortByColumn(-1, Qt::AscendingOrder);
    connect(Tabelle, &QTableView::activated, this, &TGebaeudeuebersicht::zeileGewaehlt);

    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setFormat(QStringLiteral("%v von %m Dateien gelesen"));
    Abbrechen = knopf("Abbrechen", QStringLiteral("Abbrechen"), this);
    connect(Abbrechen, &QPushButton::clicked, this, [this] {
        // what has been read is shown; the next change reads the folder anew
        if (m_fortschritt)
            m_fortschritt->abbrechen = true;
        m_nochmal = false;
        m_aenderung.stop();
    });
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));

    // Alt with the underlined letter presses a button; Alt+F goes to the filter
    Drucken = knopf("Drucken", QStringLiteral("&Drucken …"), this);
    Seitenansicht = knopf("Seitenansicht", QStringLiteral("&Seitenansicht …"), this);
    PdfSpeichern = knopf("PdfSpeichern", QStringLiteral("Als &PDF speichern …"), this);
    CsvSpeichern = knopf("CsvSpeichern", QStringLiteral("Als &CSV speichern …"), this);
    connect(Drucken, &QPushButton::clicked, this, &TGebaeudeuebersicht::drucken);
    connect(Seitenansicht, &QPushButton::clicked, this, &TGebaeudeuebersicht::seitenansicht);
    connect(PdfSpeichern, &QPushButton::clicked, this, &TGebaeudeuebersicht::pdfSpeichern);
    connect(CsvSpeichern, &QPushButton::clicked, this, &TGebaeudeuebersicht::csvSpeichern);

    auto *oben = new QHBoxLayout;
    auto *filterText = new QLabel(QStringLiteral("&Filter:"), this);
    filterText->setBuddy(Suche);
    oben->addWidget(filterText);
    oben->addWidget(Suche, 1);
    auto *unten = new QHBoxLayout;
    unten->addWidget(Status, 1);
    unten->addWidget(Fortschritt);
    unten->addWidget(Abbrechen);
    for (QPushButton *k : {Drucken, Seitenansicht, PdfSpeichern, CsvSpeichern})
        unten->addWidget(k);
    auto *spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Tabelle, 1);
    spalte->addLayout(unten);
    Fortschritt->hide();
    Abbrechen->hide();
    EinpassenEinrichten(this);

    // Changes by this or another program come in bursts; one reading follows.
    m_aenderung.setSingleShot(true);
    m_aenderung.setInterval(250);
    connect(&m_aenderung, &QTimer::timeout, this, &TGebaeudeuebersicht::lesen);
    auto *waechter = new TOrdnerWaechter(ordner, this);
    connect(waechter, &TOrdnerWaechter::Geaendert, this, [this] {
        // A reading under way may have listed the folder before the change;
        // one that the user stops ends as it is.
        if (m_leser && m_fortschritt->abbrechen && !m_nochmal)
            return;
        if (m_leser)
            m_nochmal = true;
        m_aenderung.start();
    });
    // the row of a renamed file follows it at once, selection and all
    connect(waechter, &TOrdnerWaechter::Umbenannt, this, [this](const QByteArray &alt, const QByteArray &neu) {
        Modell->Umbenennen({alt, neu});
        angezeigtZaehlen();
    });

    m_fortschrittsUhr.setInterval(50);
    connect(&m_fortschrittsUhr, &QTimer::timeout, this, &TGebaeudeuebersicht::fortschrittZeigen);
    lesen();
}

TGebaeudeuebersicht::~TGebaeudeuebersicht()
{
    if (m_leser) {
        m_fortschritt->abbrechen = true;
        m_leser->disconnect(this);
        m_leser->wait();
        delete m_leser;
    }
}

const TGebaeude &TGebaeudeuebersicht::Gebaeude() const
{
    return Modell->Gebaeude();
}

void TGebaeudeuebersicht::lesen()
{
    if (m_leser) {
        // a change during a reading: that reading is stale, read once more
        m_nochmal = true;
        m_fortschritt->abbrechen = true;
        return;
    }
    m_fortschritt = std::make_shared<TLeseFortschritt>();
    auto ergebnis = std::make_shared<TGebaeude>();
    m_leser = QThread::create([ordner = m_ordner, fortschritt = m_fortschritt, ergebnis] {
        *ergebnis = GebaeudeLesen(ordner, fortschritt.get());
    });
    connect(m_leser, &QThread::finished, this, [this, ergebnis] { gelesen(ergebnis); });
    m_leser->start();
    m_fortschrittsUhr.start();
}

void TGebaeudeuebersicht::gelesen(const std::shared_ptr<TGebaeude> &ergebnis)
{
    m_leser->wait();
    delete m_leser;
    m_leser = nullptr;
    m_fortschrittsUhr.stop();
    Fortschritt->hide();
    Abbrechen->hide();
    if (m_nochmal) {
        // the next reading follows at once, or when the changes have settled
        m_nochmal = false;
        if (!m_aenderung.isActive())
            lesen();
        return;
    }
    const bool erstes = Modell->Gebaeude().ordner.isEmpty();
    Modell->Setzen(*ergebnis);
    if (erstes) {
        // columns as wide as their texts, the long sentences within reason
        Tabelle->horizontalHeader()->setResizeContentsPrecision(200);
        Tabelle->resizeColumnsToContents();
        const int ziffern = Tabelle->fontMetrics().horizontalAdvance(QStringLiteral("Intensivlüftung")) + 12;
        for (int k = 0; k < SpaltenAnzahl; ++k) {
            const int hoechstens =
                IstZahlenspalte(k) ? std::max(ziffern, zweizeilig(SpaltenKoepfe()[k], Tabelle->fontMetrics()) + 12)
                                   : 260;
            Tabelle->setColumnWidth(k, std::min(Tabelle->columnWidth(k), hoechstens));
        }
    }
    if (!ergebnis->fehler.isEmpty())
        m_lesestand = ergebnis->fehler;
    else if (ergebnis->abgebrochen)
        m_lesestand = QStringLiteral("Lesen abgebrochen: %1 von %2 Dateien gelesen.")
                          .arg(ergebnis->einheiten.size())
                          .arg(m_fortschritt->gesamt.load());
    else
        m_lesestand = QStringLiteral("%1 Dateien gelesen.").arg(ergebnis->einheiten.size());
    angezeigtZaehlen();
    emit Gelesen();
}

void TGebaeudeuebersicht::angezeigtZaehlen()
{
    // The engine's own total over the rows on screen; over all of them that
    // is the one the reading brought.
    const qsizetype angezeigt = Filter->rowCount() - 1, alle = Gebaeude().einheiten.size();
    Modell->SummeSetzen(angezeigt == alle ? Gebaeude().summe : SummeBilden(Filter->AngezeigteEinheiten()));
    QString status = m_lesestand;
    if (!Suche->text().isEmpty() && Gebaeude().fehler.isEmpty()) {
        const QString zahl = QStringLiteral("%1 von %2 Nutzungseinheiten angezeigt").arg(angezeigt).arg(alle);
        status = Gebaeude().abgebrochen ? status + QLatin1Char(' ') + zahl : zahl;
    }
    Status->setText(status);
}

void TGebaeudeuebersicht::fortschrittZeigen()
{
    const int gesamt = m_fortschritt->gesamt;
    if (gesamt <= FortschrittAb)
        return;
    Fortschritt->setRange(0, gesamt);
    Fortschritt->setValue(m_fortschritt->fertig);
    Fortschritt->show();
    Abbrechen->show();
}

void TGebaeudeuebersicht::zeileGewaehlt(const QModelIndex &index)
{
    const int zeile = Filter->mapToSource(index).row();
    if (zeile < 0 || Modell->IstSumme(zeile))
        return;
    emit Oeffnen(Modell->Einheit(zeile).pfad);
}

} // namespace ventoris

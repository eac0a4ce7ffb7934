#include "measure/massnahmeform.h"

#include "app/steuerelemente.h"
#include "app/tform1.h"
#include "project/dateifehler.h"
#include "project/massnahmestand.h"
#include "reference/einpassung.h"
#include "report/blattdaten.h"
#include "report/druckbefehle.h"
#include "report/massnahmenblatt.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ventoris {

namespace {

enum RaumSpalte { SpalteRaum, SpalteArt, SpalteStrom };

// A field whose text cannot be used is marked, in colour and in words.
void markieren(QWidget *feld, bool falsch)
{
    QPalette farben = feld->parentWidget() ? feld->parentWidget()->palette() : feld->palette();
    if (falsch) {
        farben.setColor(QPalette::Base, QColor(255, 205, 205));
        farben.setColor(QPalette::Text, Qt::black);
    }
    feld->setPalette(farben);
    feld->setToolTip(falsch ? QStringLiteral("Keine gültige Zahl (erwartet: 0 oder mehr, bei ALD mehr als 0)")
                            : QString());
    feld->setAccessibleDescription(falsch ? QStringLiteral("ungültige Eingabe") : QString());
}

// A result, named for screen readers by what it shows.
QLabel *ergebnis(const char *name, const QString &bedeutung, QWidget *eltern)
{
    auto *l = new QLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(bedeutung);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// The label of a row whose field stands in a layout with other widgets: its
// mnemonic and the screen reader's name go to that field.
QLabel *beschriftung(const QString &text, QWidget *feld)
{
    auto *l = new QLabel(text, feld->parentWidget());
    l->setBuddy(feld);
    return l;
}

QPushButton *knopf(const char *name, const QString &text, QWidget *eltern)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    return k;
}

QString artenLegende()
{
    QStringList teile;
    QString quelle;
    for (const massnahme::TAbluftArt &art : massnahme::AbluftArten()) {
        if (art.quelle != quelle) {
            if (!quelle.isEmpty())
                teile.last() += QStringLiteral(" (") + quelle + QLatin1Char(')');
            teile << QString();
            quelle = art.quelle;
        }
        QString &t = teile.last();
        t += (t.isEmpty() ? QString() : QStringLiteral(", ")) + art.name + QLatin1Char(' ') +
             QString::number(art.volumenstrom);
    }
    teile.last() += QStringLiteral(" (") + quelle + QLatin1Char(')');
    return QStringLiteral("Vorgaben in m³/h: ") + teile.join(QStringLiteral("; ")) +
           QStringLiteral(". Jeder Wert ist änderbar.");
}

} // namespace

TMassnahmeForm::TMassnahmeForm(TForm1 &hauptfenster, TMassnahmeStand &stand)
    : QWidget(&hauptfenster, Qt::Window), m_haupt(hauptfenster), m_stand(stand)
{
    setObjectName(QStringLiteral("TMassnahmeForm"));
    aufbauen();
    verbinden();
    laden();
}

void TMassnahmeForm::aufbauen()
{
    SystemWahl = new QComboBox(this);
    SystemWahl->setObjectName(QStringLiteral("SystemWahl"));
    SystemWahl->addItems(massnahme::Systeme());
    Stufe = ergebnis("Stufe", QStringLiteral("Auslegungsstufe"), this);
    StufeWert = ergebnis("StufeWert", QStringLiteral("Auslegungsstufe in m³/h"), this);
    InfiltrationBerechnet = ergebnis("InfiltrationBerechnet", QStringLiteral("berechnete Infiltration in m³/h"), this);
    Infiltration = new QLineEdit(this);
    Infiltration->setObjectName(QStringLiteral("Infiltration"));
    ZuDecken = ergebnis("ZuDecken", QStringLiteral("Zu deckender Volumenstrom in m³/h"), this);
    AldVolumenstrom = new QLineEdit(this);
    AldVolumenstrom->setObjectName(QStringLiteral("AldVolumenstrom"));
    AldVolumenstrom->setPlaceholderText(QStringLiteral("aus dem Datenblatt des Produkts"));
    Druckdifferenz = new QLineEdit(this);
    Druckdifferenz->setObjectName(QStringLiteral("Druckdifferenz"));
    DruckQuelle = ergebnis("DruckQuelle", QStringLiteral("Herkunft der Druckdifferenz"), this);
    AldJeSeite = ergebnis("AldJeSeite", QStringLiteral("ALD je Fassadenseite"), this);
    AldAnzahl = ergebnis("AldAnzahl", QStringLiteral("Anzahl ALD (zu bestellen)"), this);
    AbluftSumme = ergebnis("AbluftSumme", QStringLiteral("Summe Abluft in m³/h"), this);
    Nennlueftung = ergebnis("Nennlueftung", QStringLiteral("Nennlüftung in m³/h"), this);
    DateiHinweis = ergebnis("DateiHinweis", QStringLiteral("Hinweis zur Maßnahmendatei"), this);
    DateiHinweis->setWordWrap(true);

    auto *bilanz = new QGroupBox(QStringLiteral("Bilanz"), this);
    auto *form = new QFormLayout(bilanz);
    form->addRow(QStringLiteral("&System:"), SystemWahl);
    auto *stufe = new QHBoxLayout;
    stufe->addWidget(Stufe);
    stufe->addWidget(StufeWert);
    stufe->addWidget(new QLabel(QStringLiteral("m³/h"), bilanz));
    stufe->addStretch();
    form->addRow(QStringLiteral("Auslegungsstufe:"), stufe);
    auto *infiltration = new QHBoxLayout;
    infiltration->addWidget(Infiltration);
    infiltration->addWidget(new QLabel(QStringLiteral("m³/h, berechnet:"), bilanz));
    infiltration->addWidget(InfiltrationBerechnet);
    form->addRow(beschriftung(QStringLiteral("angerechnete &Infiltration – Annahme, änderbar:"), Infiltration),
                 infiltration);
    form->addRow(QStringLiteral("Zu deckender Volumenstrom in m³/h:"), ZuDecken);

    auto *ald = new QGroupBox(QStringLiteral("Außenluftdurchlässe (ALD)"), this);
    ald->setObjectName(QStringLiteral("AldGruppe"));
    auto *aldForm = new QFormLayout(ald);
    aldForm->addRow(QStringLiteral("&Volumenstrom je ALD in m³/h (Datenblatt):"), AldVolumenstrom);
    auto *druck = new QHBoxLayout;
    druck->addWidget(Druckdifferenz);
    druck->addWidget(DruckQuelle);
    aldForm->addRow(beschriftung(QStringLiteral("Auslegungs&druckdifferenz in Pa:"), Druckdifferenz), druck);
    aldForm->addRow(QStringLiteral("ALD je Fassadenseite:"), AldJeSeite);
    aldForm->addRow(QStringLiteral("Anzahl ALD (zu bestellen):"), AldAnzahl);

    auto *abluft = new QGroupBox(QStringLiteral("Ablufträume"), this);
    auto *abluftLayout = new QVBoxLayout(abluft);
    Raeume = new QTableWidget(0, 3, abluft);
    Raeume->setObjectName(QStringLiteral("Raeume"));
    Raeume->setAccessibleName(QStringLiteral("Ablufträume"));
    Raeume->setHorizontalHeaderLabels(
        {QStringLiteral("Raum"), QStringLiteral("Art"), QStringLiteral("Volumenstrom in m³/h")});
    Raeume->horizontalHeader()->setSectionResizeMode(SpalteRaum, QHeaderView::Stretch);
    Raeume->horizontalHeader()->setSectionResizeMode(SpalteArt, QHeaderView::ResizeToContents);
    Raeume->horizontalHeader()->setSectionResizeMode(SpalteStrom, QHeaderView::ResizeToContents);
    Raeume->verticalHeader()->hide();
    Raeume->setTabKeyNavigation(false);
    abluftLayout->addWidget(Raeume);
    auto *legende = new QLabel(artenLegende(), abluft);
    legende->setWordWrap(true);
    abluftLayout->addWidget(legende);
    auto *raumKnoepfe = new QHBoxLayout;
    RaumHinzu = knopf("RaumHinzu", QStringLiteral("Raum &hinzufügen"), abluft);
    RaumWeg = knopf("RaumWeg", QStringLiteral("Raum &entfernen"), abluft);
    raumKnoepfe->addWidget(RaumHinzu);
    raumKnoepfe->addWidget(RaumWeg);
    raumKnoepfe->addStretch();
    abluftLayout->addLayout(raumKnoepfe);
    auto *summen = new QFormLayout;
    summen->addRow(QStringLiteral("Summe Abluft in m³/h:"), AbluftSumme);
    summen->addRow(QStringLiteral("Nennlüftung (NL) in m³/h:"), Nennlueftung);
    abluftLayout->addLayout(summen);

    auto *hinweis = new QLabel(massnahme::Hinweis, this);
    hinweis->setObjectName(QStringLiteral("Hinweis"));
    hinweis->setWordWrap(true);

    auto *knoepfe = new QHBoxLayout;
    Speichern = knopf("Speichern", QStringLiteral("&Speichern"), this);
    Drucken = knopf("Drucken", QStringLiteral("&Drucken …"), this);
    Seitenansicht = knopf("Seitenansicht", QStringLiteral("Seiten&ansicht …"), this);
    PdfSpeichern = knopf("PdfSpeichern", QStringLiteral("Als &PDF speichern …"), this);
    for (QPushButton *k : {Speichern, Drucken, Seitenansicht, PdfSpeichern})
        knoepfe->addWidget(k);
    knoepfe->addStretch();

    auto *inhalt = new QWidget;
    auto *layout = new QVBoxLayout(inhalt);
    layout->addWidget(DateiHinweis);
    layout->addWidget(bilanz);
    layout->addWidget(ald);
    layout->addWidget(abluft, 1);
    layout->addWidget(hinweis);
    layout->addLayout(knoepfe);
    // on a small screen the window fits it and its content scrolls
    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(RollflaecheAnlegen(inhalt, inhalt->sizeHint(), this));
    resize(720, 760);
    EinpassenEinrichten(this);
}

void TMassnahmeForm::verbinden()
{
    connect(SystemWahl, &QComboBox::currentTextChanged, this, &TMassnahmeForm::geaendert);
    for (QLineEdit *feld : {Infiltration, AldVolumenstrom, Druckdifferenz})
        connect(feld, &QLineEdit::textEdited, this, &TMassnahmeForm::geaendert);
    connect(Raeume, &QTableWidget::itemChanged, this, &TMassnahmeForm::geaendert);
    connect(RaumHinzu, &QPushButton::clicked, this, [this] {
        const massnahme::TAbluftArt &art = massnahme::AbluftArten().constFirst();
        raumAnfuegen({QString(), art.name, QString::number(art.volumenstrom)});
        Raeume->setCurrentCell(Raeume->rowCount() - 1, SpalteRaum);
        Raeume->setFocus();
        geaendert();
    });
    connect(RaumWeg, &QPushButton::clicked, this, [this] {
        const int zeile = Raeume->currentRow();
        if (zeile < 0)
            return;
        Raeume->removeRow(zeile);
        geaendert();
    });
    connect(&m_stand, &TMassnahmeStand::Geladen, this, &TMassnahmeForm::laden);
    connect(&m_haupt, &TForm1::Neuberechnet, this, &TMassnahmeForm::zeigen);
    connect(Speichern, &QPushButton::clicked, this, &TMassnahmeForm::speichern);
    connect(Drucken, &QPushButton::clicked, this, &TMassnahmeForm::drucken);
    connect(Seitenansicht, &QPushButton::clicked, this,
            [this] { BlattSeitenansicht(this, m_haupt.Drucker(), Blatt()); });
    connect(PdfSpeichern, &QPushButton::clicked, this, [this] {
        const QString projekt = m_haupt.AktuellesProjekt;
        const QString vorschlag = projekt.isEmpty()
            ? QString()
            : QFileInfo(projekt).absolutePath() + QLatin1Char('/') + QFileInfo(projekt).completeBaseName() +
                  QStringLiteral("-massnahme.pdf");
        BlattAlsPdfSpeichern(this, QStringLiteral("Maßnahmenblatt als PDF speichern"), [this] { return Blatt(); },
                             QPageLayout::Portrait, QStringLiteral("Maßnahmenblatt"), projekt, vorschlag);
    });
}

void TMassnahmeForm::raumAnfuegen(const TMassnahmeEingaben::TRaum &raum)
{
    const QSignalBlocker stumm(Raeume);
    const int zeile = Raeume->rowCount();
    Raeume->insertRow(zeile);
    Raeume->setItem(zeile, SpalteRaum, new QTableWidgetItem(raum.raum));
    Raeume->setItem(zeile, SpalteStrom, new QTableWidgetItem(raum.volumenstrom));
    auto *art = new QComboBox(Raeume);
    art->setAccessibleName(QStringLiteral("Art"));
    for (const massnahme::TAbluftArt &a : massnahme::AbluftArten())
        art->addItem(a.name);
    art->setCurrentText(raum.art);
    Raeume->setCellWidget(zeile, SpalteArt, art);
    // A new kind brings its default flow; the user may change it afterwards.
    connect(art, &QComboBox::currentTextChanged, this, [this, art](const QString &name) {
        for (int z = 0; z < Raeume->rowCount(); ++z)
            if (Raeume->cellWidget(z, SpalteArt) == art)
                if (const massnahme::TAbluftArt *a = massnahme::AbluftArtZu(name))
                    Raeume->item(z, SpalteStrom)->setText(QString::number(a->volumenstrom));
        geaendert();
    });
}

void TMassnahmeForm::laden()
{
    m_laedt = true;
    const TMassnahmeEingaben &e = m_stand.Eingaben();
    SystemWahl->setCurrentText(e.system);
    Infiltration->setText(e.angerechneteInfiltration);
    AldVolumenstrom->setText(e.aldVolumenstrom);
    Druckdifferenz->setText(e.druckdifferenz);
    Raeume->setRowCount(0);
    for (const TMassnahmeEingaben::TRaum &raum : e.abluftraeume)
        raumAnfuegen(raum);
    DateiHinweis->setText(m_stand.Hinweis() + QStringLiteral(
        " – es gelten die Vorgaben; die Datei bleibt unverändert, bis Sie speichern."));
    DateiHinweis->setVisible(!m_stand.Hinweis().isEmpty());
    m_laedt = false;
    zeigen();
}

TMassnahmeEingaben TMassnahmeForm::eingaben() const
{
    TMassnahmeEingaben e;
    e.system = SystemWahl->currentText();
    e.angerechneteInfiltration = Infiltration->text();
    e.aldVolumenstrom = AldVolumenstrom->text();
    e.druckdifferenz = Druckdifferenz->text();
    for (int z = 0; z < Raeume->rowCount(); ++z) {
        const auto *art = qobject_cast<QComboBox *>(Raeume->cellWidget(z, SpalteArt));
        e.abluftraeume.append({Raeume->item(z, SpalteRaum) ? Raeume->item(z, SpalteRaum)->text() : QString(),
                               art ? art->currentText() : QString(),
                               Raeume->item(z, SpalteStrom) ? Raeume->item(z, SpalteStrom)->text() : QString()});
    }
    return e;
}

void TMassnahmeForm::geaendert()
{
    if (m_laedt)
        return;
    m_stand.Aendern(eingaben());
    zeigen();
}

TMassnahmeBilanz TMassnahmeForm::Bilanz() const
{
    return MassnahmeBilanzieren(eingaben(), {m_haupt.Label27->text(), m_haupt.Label38->text(),
                                             m_haupt.Label39->text(), m_haupt.Label28->text(),
                                             m_haupt.ComboBox2->currentText()});
}

void TMassnahmeForm::zeigen()
{
    const TMassnahmeBilanz b = Bilanz();
    setWindowTitle(QStringLiteral("Lüftungstechnische Maßnahme – ") +
                   MassnahmeEinheitName(m_haupt.AktuellesProjekt, m_haupt.Edit2->text()));
    Stufe->setText(b.stufe);
    StufeWert->setText(b.stufeWert);
    InfiltrationBerechnet->setText(b.infiltrationBerechnet);
    Infiltration->setPlaceholderText(b.infiltrationBerechnet == QStringLiteral("–") ? QString()
                                                                                  : b.infiltrationBerechnet);
    ZuDecken->setText(b.zuDecken);
    AldVolumenstrom->setEnabled(b.mitAld);
    Druckdifferenz->setEnabled(b.mitAld);
    Druckdifferenz->setPlaceholderText(b.druckdifferenzVorgabe.isEmpty() ? QStringLiteral("bitte angeben")
                                                                         : b.druckdifferenzVorgabe);
    DruckQuelle->setText(b.druckdifferenzVorgabe.isEmpty() || !Druckdifferenz->text().trimmed().isEmpty()
                             ? QString()
                             : QStringLiteral("Vorgabe: ") + b.druckdifferenzQuelle);
    AldJeSeite->setText(b.jeFassadenseite ? b.aldJeSeite : QStringLiteral("–"));
    AldAnzahl->setText(b.mitAld ? b.aldAnzahl : QStringLiteral("entfällt (Zu- und Abluft)"));
    AbluftSumme->setText(b.abluftSumme.isEmpty() ? QStringLiteral("0,0") : b.abluftSumme);
    Nennlueftung->setText(b.nennlueftung);
    markieren(Infiltration, b.infiltrationFalsch);
    markieren(AldVolumenstrom, b.aldFalsch);
    markieren(Druckdifferenz, b.druckFalsch);
    for (int z = 0; z < Raeume->rowCount() && z < b.raumFalsch.size(); ++z) {
        if (QTableWidgetItem *strom = Raeume->item(z, SpalteStrom)) {
            const QSignalBlocker stumm(Raeume);
            strom->setBackground(b.raumFalsch[z] ? QBrush(QColor(255, 205, 205)) : QBrush());
            strom->setForeground(b.raumFalsch[z] ? QBrush(Qt::black) : QBrush());
            strom->setToolTip(b.raumFalsch[z] ? QStringLiteral("Keine gültige Zahl (erwartet: 0 oder mehr)")
                                              : QString());
        }
    }
}

TBlatt TMassnahmeForm::Blatt() const
{
    return MassnahmenblattAufbauen(m_haupt.BlattDaten(), eingaben(), Bilanz(),
                                   MassnahmeEinheitName(m_haupt.AktuellesProjekt, m_haupt.Edit2->text()));
}

void TMassnahmeForm::speichern()
{
    // A unit that has no file yet is saved as a whole, the balance with it.
    m_stand.Aendern(eingaben());
    if (m_haupt.AktuellesProjekt.isEmpty()) {
        m_haupt.Speichern1Click();
        return;
    }
    if (const std::optional<DateiFehler> fehler = m_stand.Speichern(m_haupt.AktuellesProjekt))
        AllgemeinerFehlerbericht(this, *fehler);
    else
        DateiHinweis->hide();
}

void TMassnahmeForm::drucken()
{
    QPrintDialog dialog(&m_haupt.Drucker(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted)
        BlattDrucken(this, m_haupt.Drucker(), Blatt());
}

} // namespace ventoris

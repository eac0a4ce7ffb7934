// Construction of the main window's work view: panels, captions and inputs at
// their designed positions.
#include "app/steuerelemente.h"
#include "app/tform1.h"

#include "app/lesbarkeit.h"
#include "assessment/auswahltexte.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace ventoris;

namespace {

QLineEdit *editErzeugen(const QString &name, const QRect &lage, QWidget *parent,
                        const QString &text = QString())
{
    auto *feld = new QLineEdit(text, parent);
    feld->setObjectName(name);
    feld->setGeometry(lage);
    return feld;
}

QPushButton *knopfErzeugen(const QString &name, const QString &text, const QRect &lage,
                           QWidget *parent)
{
    auto *knopf = new QPushButton(text, parent);
    knopf->setObjectName(name);
    knopf->setGeometry(lage);
    return knopf;
}

QLabel *kopfErzeugen(const QString &text, QWidget *panel)
{
    QLabel *kopf = LabelErzeugen(text, QPoint(8, 5), panel);
    Benennen(panel, {text});
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    LabelHoeheAnpassen(kopf);
    return kopf;
}

// A caption followed by a subscript set slightly lower, e.g. "A" with "NE".
QLabel *tiefgestelltErzeugen(const QLabel *nach, const QString &basis, const QString &text,
                             QWidget *parent, const QString &name = QString())
{
    const int x = nach->x() + nach->fontMetrics().horizontalAdvance(basis) + 1;
    QLabel *tief = LabelErzeugen(text, QPoint(x, nach->y() + 6), parent, name);
    QFont f = tief->font();
    f.setPixelSize(qMax(7, f.pixelSize() > 0 ? f.pixelSize() - 3 : 8));
    tief->setFont(f);
    LabelHoeheAnpassen(tief);
    tief->resize(tief->fontMetrics().horizontalAdvance(text) + 2, tief->height());
    return tief;
}

QFont fett(QFont f)
{
    f.setBold(true);
    return f;
}

void fettSetzen(QLabel *label)
{
    label->setFont(fett(label->font()));
    LabelHoeheAnpassen(label);
}

} // namespace

void TForm1::panelsAufbauen()
{
    Panel9 = PanelErzeugen("Panel9", QRect(8, 8, 345, 217), Panel1);
    Panel10 = PanelErzeugen("Panel10", QRect(360, 8, 257, 217), Panel1);
    Panel3 = PanelErzeugen("Panel3", QRect(624, 8, 345, 217), Panel1);
    Panel2 = PanelErzeugen("Panel2", QRect(8, 232, 345, 233), Panel1);
    Panel11 = PanelErzeugen("Panel11", QRect(360, 232, 257, 153), Panel1);
    Panel5 = PanelErzeugen("Panel5", QRect(624, 232, 345, 257), Panel1);
    Panel12 = PanelErzeugen("Panel12", QRect(360, 392, 257, 209), Panel1);
    Panel4 = PanelErzeugen("Panel4", QRect(8, 472, 345, 129), Panel1);
    Panel13 = PanelErzeugen("Panel13", QRect(624, 504, 345, 97), Panel1);
    Panel8 = PanelErzeugen("Panel8", QRect(8, 608, 961, 81), Panel1);

    objektdatenAufbauen();
    abfrageAufbauen();
    luftdichtheitAufbauen();
    gebaeudeAufbauen();
    anforderungenAufbauen();
    ergebnisseAufbauen();
    hinweiseAufbauen();
    waermeschutzAufbauen();
    uebersichtAufbauen();
    urteilAufbauen();

    for (QFrame *p : {Panel2, Panel3, Panel4, Panel5, Panel11})
        p->hide();
}

void TForm1::objektdatenAufbauen()
{
    kopfErzeugen("Objektdaten:", Panel9);
    struct Zeile {
        const char *beschriftung;
        const char *name;
    };
    const Zeile zeilen[] = {{"Objektbezeichnung:", "Edit2"}, {"Strasse, Nr.", "Edit1"},
                            {"PLZ, Ort", "Edit4"},           {"Bearbeitungsdatum:", "datum"},
                            {"Bearbeiter:", "Edit7"},        {"Firmenname:", "Edit3"},
                            {"Firmenadresse:", "Edit9"}};
    QLineEdit **felder[] = {&Edit2, &Edit1, &Edit4, nullptr, &Edit7, &Edit3, &Edit9};
    int y = 28;
    for (int i = 0; i < 7; ++i, y += 26) {
        const QString beschriftung = QString::fromUtf8(zeilen[i].beschriftung);
        LabelErzeugen(beschriftung, QPoint(8, y + 3), Panel9);
        const QRect lage(128, y, 207, 22);
        if (felder[i]) {
            *felder[i] = editErzeugen(zeilen[i].name, lage, Panel9);
        } else {
            datum = new QDateEdit(Panel9);
            datum->setObjectName("datum");
            datum->setCalendarPopup(true);
            datum->setDisplayFormat("dd.MM.yyyy");
            datum->setGeometry(QRect(128, y, 110, 22));
        }
        Benennen(felder[i] ? *felder[i] : static_cast<QWidget *>(datum), {beschriftung});
    }
    Edit2->setText("123456789123456789123456789");
}

void TForm1::abfrageAufbauen()
{
    kopfErzeugen("Abfrage:", Panel10);
    RadioGroup1 = new TRadioGroup("RadioGroup1", QString::fromUtf8("Gibt es fensterlose Räume ?"),
                                  Panel10);
    RadioGroup1->setGeometry(8, 24, 241, 46);
    fettSetzen(LabelErzeugen(QString::fromUtf8("Fensterlose Räume:"), QPoint(8, 76), Panel10));
    Label50 = LabelErzeugen("Auslegung erfolgt nach DIN 18017-3", QPoint(8, 92), Panel10, "Label50");
    Label57 = LabelErzeugen(QString::fromUtf8("Lüftung von Bädern und Toilettenräumen"), QPoint(8, 107),
                            Panel10, "Label57");
    Label58 = LabelErzeugen(QString::fromUtf8("ohne Außenfenster, mit Ventilatoren"), QPoint(8, 122),
                            Panel10, "Label58");
    RadioGroup2 = new TRadioGroup("RadioGroup2", "Weitere Anforderungen an Nutzungseinheit ?",
                                  Panel10);
    RadioGroup2->setGeometry(8, 146, 241, 46);
    RadioGroup2->SetItemIndex(1);
    RadioGroup2->hide();
}

void TForm1::luftdichtheitAufbauen()
{
    kopfErzeugen("Luftdichtheit:", Panel3);
    const QLabel *messwert = LabelErzeugen(
        QString::fromUtf8("Messwert oder Vorgabewert Gebäude-Luftdichtheit ?"), QPoint(8, 30), Panel3);
    ComboBox5 = new TAuswahlfeld("ComboBox5", auswahl::JaNein(), auswahl::Nein, Panel3);
    ComboBox5->setGeometry(272, 26, 63, 22);
    Benennen(ComboBox5, {messwert->text()});
    Label19 = LabelErzeugen(QString::fromUtf8("Vorgabewert Auslegungsluftwechsel n     :"), QPoint(8, 56),
                            Panel3, "Label19");
    const QString vorgabewert = QString::fromUtf8("Vorgabewert Auslegungsluftwechsel n");
    Label62 = tiefgestelltErzeugen(Label19, vorgabewert, "50", Panel3, "Label62");
    Label62->hide();
    ComboBox6 = new TAuswahlfeld("ComboBox6", auswahl::Vorgabekategorien(),
                                 auswahl::FreieLueftungNeubau, Panel3);
    ComboBox6->setGeometry(8, 74, 327, 22);
    Benennen(ComboBox6, {vorgabewert, Label62->text(), ":"});
    Button2 = knopfErzeugen("Button2", "Hinweise aus DIN 1946-6", QRect(8, 102, 170, 24), Panel3);
    QLabel *n = LabelErzeugen("n", QPoint(8, 140), Panel3);
    const QLabel *n50 = tiefgestelltErzeugen(n, "n", "50", Panel3);
    Edit8 = editErzeugen("Edit8", QRect(128, 136, 70, 22), Panel3);
    Benennen(Edit8, {n->text(), n50->text()});
    LabelErzeugen("1/h", QPoint(204, 140), Panel3);
    const QLabel *exponent = LabelErzeugen("Druckexponent n", QPoint(8, 168), Panel3);
    Edit10 = editErzeugen("Edit10", QRect(128, 164, 70, 22), Panel3, "0,667");
    Benennen(Edit10, {exponent->text()});
    LabelErzeugen("Standardwert 2/3=0,667", QPoint(128, 190), Panel3);
}

void TForm1::gebaeudeAufbauen()
{
    kopfErzeugen(QString::fromUtf8("Gebäudeangaben:"), Panel2);
    const QLabel *typ = LabelErzeugen(QString::fromUtf8("Gebäudetyp:"), QPoint(8, 30), Panel2);
    ComboBox1 = new TAuswahlfeld("ComboBox1", auswahl::Gebaeudetypen(), auswahl::EfhMehrgeschossig,
                                 Panel2);
    ComboBox1->setGeometry(92, 26, 245, 22);
    Benennen(ComboBox1, {typ->text()});
    const QLabel *lage = LabelErzeugen(QString::fromUtf8("Gebäudelage:"), QPoint(8, 56), Panel2);
    ComboBox2 = new TAuswahlfeld("ComboBox2", auswahl::Gebaeudelagen(), auswahl::Windschwach, Panel2);
    ComboBox2->setGeometry(92, 52, 120, 22);
    Benennen(ComboBox2, {lage->text()});
    Button3 = knopfErzeugen("Button3", "Auswahl regionale  Windgebiete", QRect(92, 78, 190, 24), Panel2);

    QLabel *flaeche = LabelErzeugen(QString::fromUtf8("Fläche Nutzungseinheit A"), QPoint(8, 114), Panel2);
    const QLabel *flaecheNE = tiefgestelltErzeugen(flaeche, QString::fromUtf8("Fläche Nutzungseinheit A"), "NE", Panel2);
    Edit6 = editErzeugen("Edit6", QRect(190, 110, 80, 22), Panel2);
    Benennen(Edit6, {flaeche->text(), flaecheNE->text()});
    LabelErzeugen(QString::fromUtf8("m²"), QPoint(276, 114), Panel2);

    // The air volume is kept with the project but never shown.
    QLabel *volumen = LabelErzeugen("Luftvolumen Nutzungseinheit V   ", QPoint(8, 140), Panel2);
    QLabel *volumenNE = tiefgestelltErzeugen(volumen, "Luftvolumen Nutzungseinheit V", "NE", Panel2);
    Edit5 = editErzeugen("Edit5", QRect(190, 136, 80, 22), Panel2);
    Benennen(Edit5, {volumen->text(), volumenNE->text()});
    QLabel *m3 = LabelErzeugen(QString::fromUtf8("m³"), QPoint(276, 140), Panel2);
    for (QWidget *w : std::initializer_list<QWidget *>{volumen, volumenNE, Edit5, m3})
        w->hide();

    QFont klein = Panel2->font();
    klein.setPixelSize(10);
    const char *hinweise[] = {"eingeschossige Nutzungseinheit (NE) typisch z.B. im Mehrfamilienhaus",
                              "mehrgeschossige Nutzungseinheit (NE) typisch z.B. im Einfamilienhaus ",
                              "A     = Fläche aller direkt oder indirekt beheizten Räume einer NE ",
                              "innerhalb der Gebäudehülle"};
    fettSetzen(LabelErzeugen("Hinweise:", QPoint(8, 146), Panel2));
    int y = 164;
    for (const char *text : hinweise) {
        QLabel *l = LabelErzeugen(QString::fromUtf8(text), QPoint(8, y), Panel2);
        l->setFont(klein);
        LabelHoeheAnpassen(l);
        if (text[0] == 'A') {
            QLabel *ne = tiefgestelltErzeugen(l, "A", "NE", Panel2);
            ne->move(ne->x(), y + 10);
            y += 6;
        }
        y += 14;
    }
}

void TForm1::anforderungenAufbauen()
{
    QLabel *titel = LabelErzeugen("Anforderungen an Schall, Hygiene, Effizienz ?", QPoint(8, 6), Panel11);
    fettSetzen(titel);
    LabelErzeugen("Die Anforderungen beziehen sich auf ", QPoint(8, 24), Panel11);
    LabelErzeugen(QString::fromUtf8("das Lüftungssystem ! "), QPoint(8, 39), Panel11);
    CheckListBox1 = new TCheckListBox("CheckListBox1", auswahl::Anforderungen(), Panel11);
    CheckListBox1->setGeometry(8, 58, 241, 86);
    Benennen(CheckListBox1, {titel->text()});
    Benennen(Panel11, {titel->text()});
    QFont liste = CheckListBox1->font();
    liste.setPixelSize(10);
    CheckListBox1->setFont(liste);
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TForm1::ergebnisseAufbauen()
{
    const QFont f = fett(Panel5->font());
    auto zeile = [&](const QString &text, int y) {
        QLabel *l = LabelErzeugen(text, QPoint(8, y), Panel5);
        fettSetzen(l);
        return l;
    };
    // A result field beside its caption, read out with the caption and unit.
    auto ergebnis = [&](const char *name, const char *platzhalter, const QString &beschriftung, int y,
                        bool einheit) {
        const QString m3h = QString::fromUtf8("m³/h");
        auto *l = new TErgebnisfeld(QString::fromUtf8(platzhalter), zeile(beschriftung, y)->text(),
                                    einheit ? m3h : QString(), Panel5);
        l->setObjectName(name);
        l->setFont(f);
        l->setGeometry(236, y, 64, l->fontMetrics().height() + 1);
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        l->hide();
        if (einheit)
            fettSetzen(LabelErzeugen(m3h, QPoint(306, y), Panel5));
        return l;
    };
    Benennen(Panel5, {zeile("Ergebnisse:", 6)->text()});
    Label26 = ergebnis("Label26", "Ergebnis WS", QString::fromUtf8("Qualität Wärmeschutz nach  DIN 1946-6"), 36,
                       false);
    Label28 = ergebnis("Label28", "Ergebnis I", QString::fromUtf8("wirksame Lüftung durch Infiltration:"), 66,
                       true);
    zeile(QString::fromUtf8("Lüftungsstufen:"), 104);
    Label27 = ergebnis("Label27", "Ergebnis FS", QString::fromUtf8("notwendige Lüftung zum Feuchteschutz:"), 128,
                       true);
    Label38 = ergebnis("Label38", "Ergebnis RL", QString::fromUtf8("reduzierte Lüftung:"), 158, true);
    Label39 = ergebnis("Label39", "Ergebnis NL", QString::fromUtf8("Nennlüftung:"), 188, true);
    Label74 = ergebnis("Label74", "Ergebnis IL", QString::fromUtf8("Intensivlüftung:"), 218, true);
}

void TForm1::hinweiseAufbauen()
{
    const char *zeilen[] = {"Für Neubau oder zu modernisierende Gebäude",
                            "mit lüftungstechnisch relevanten Änderungen ist ",
                            "ein  Lüftungskonzept  zu  erstellen.",
                            "Eine Modernisierung eines Gebäudes ist lüftungs-",
                            "technisch relevant, wenn im",
                            "EFH/MFH Austausch von mehr als 1/3 der Fenster",
                            "EFH Abdichtung von mehr als 1/3  der  Dachfläche",
                            "Das Lüftungskonzept kann von jedem Fachmann   ",
                            "erstellt werden, der in der Planung, der Ausführung",
                            "oder der Instandhaltung von lüftungstechnischen ",
                            "Maßnahmen oder in der Planung",
                            "und Modernisierung von Gebäuden tätig ist. "};
    QFont f = Panel12->font();
    f.setPixelSize(10);
    int y = 8;
    for (const char *text : zeilen) {
        QLabel *l = LabelErzeugen(QString::fromUtf8(text), QPoint(8, y), Panel12);
        l->setFont(f);
        LabelHoeheAnpassen(l);
        y += 16;
    }
}

void TForm1::waermeschutzAufbauen()
{
    kopfErzeugen(QString::fromUtf8("Wärmeschutz:"), Panel4);
    const QLabel *neubau = LabelErzeugen("Neubau ?", QPoint(8, 34), Panel4);
    ComboBox7 = new TAuswahlfeld("ComboBox7", auswahl::JaNein(), auswahl::Ja, Panel4);
    ComboBox7->setGeometry(232, 30, 63, 22);
    Benennen(ComboBox7, {neubau->text()});
    Label21 = LabelErzeugen("Baujahr", QPoint(8, 62), Panel4, "Label21");
    Edit11 = editErzeugen("Edit11", QRect(232, 58, 63, 22), Panel4);
    Benennen(Edit11, {Label21->text()});
    Label29 = LabelErzeugen("Sanierung mind. nach WSVO 1995 ?", QPoint(8, 90), Panel4, "Label29");
    ComboBox8 = new TAuswahlfeld("ComboBox8", auswahl::JaNein(), auswahl::Ja, Panel4);
    ComboBox8->setGeometry(232, 86, 63, 22);
    Benennen(ComboBox8, {Label29->text()});
    for (QWidget *w : std::initializer_list<QWidget *>{Label21, Edit11, Label29, ComboBox8})
        w->hide();
}

void TForm1::uebersichtAufbauen()
{
    const char *texte[] = {"Erläuterung und allgemeine Hinweise  zur Wahl der  Lüftungs-",
                           "technischen Maßnahme (Lüftungssysteme) :"};
    LabelErzeugen(QString::fromUtf8(texte[0]), QPoint(8, 8), Panel13);
    LabelErzeugen(QString::fromUtf8(texte[1]), QPoint(8, 24), Panel13);
    Button4 = knopfErzeugen("Button4", QString::fromUtf8("Übersicht Lüftungstechnische Maßnahmen"),
                            QRect(8, 52, 329, 28), Panel13);
}

void TForm1::urteilAufbauen()
{
    QFont f = Panel8->font();
    f.setBold(true);
    f.setPixelSize(15);
    const char *namen[] = {"Label31", "Label49", "Label63"};
    const char *platzhalter[] = {"Ergebnis", "Kommentar1", "Kommentar2"};
    QLabel **labels[] = {&Label31, &Label49, &Label63};
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(platzhalter[i], Panel8);
        l->setObjectName(namen[i]);
        l->setFont(f);
        l->setGeometry(8, 4 + i * 25, 945, 22);
        l->hide();
        *labels[i] = l;
    }
    FarbeLesbarHalten(Panel8, {Label31, Label49, Label63}, Qt::red);
}

// The main window's reactions: the input flow of a planning case.
#include "app/tform1.h"

#include "app/steuerelemente.h"
#include "assessment/auswahltexte.h"
#include "assessment/urteil.h"
#include "assessment/zahlen.h"
#include "project/massnahmestand.h"
#include "reference/adressen.h"
#include "reference/einpassung.h"

#include <QDateEdit>
#include <QIcon>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

using namespace ventoris;

void TextSetzen(QLineEdit *feld, const QString &text)
{
    if (feld->text() != text)
        feld->setText(text);
}

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("TForm1");
    setWindowTitle(QString::fromUtf8(
        "Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
    setWindowIcon(QIcon(":/bilder/ventoris.png"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    setFont(schrift);
    resize(1009, 765);
    move(128, 223);

    // The work view scrolls where the window is smaller than its panels.
    auto *flaeche = new QWidget;
    setCentralWidget(RollflaecheAnlegen(flaeche, QSize(8 + 985 + 8, 8 + 697 + 8), this));
    EinpassenEinrichten(this);
    Panel1 = PanelErzeugen("Panel1", QRect(8, 8, 985, 697), flaeche);
    Panel1->setFrameShape(QFrame::NoFrame);

    menueAufbauen();
    panelsAufbauen();
    startseiteAufbauen();
    tabulatorfolgeSetzen();
    FormCreate();
    reaktionenVerbinden();
    verweiseVerbinden();
    druckVerbinden();
    massnahmeVerbinden();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    Label30->setText(VersionText);
    datum->setDate(QDate::currentDate());
}

void TForm1::reaktionenVerbinden()
{
    connect(Image7, &TBild::Click, this, &TForm1::Image7Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Neu1, &QAction::triggered, this, &TForm1::Neu1Click);
    connect(Startseite2, &QAction::triggered, this, &TForm1::Startseite2Click);
    connect(Beenden1, &QAction::triggered, this, &TForm1::Beenden1Click);
    connect(ffnen1, &QAction::triggered, this, &TForm1::ffnen1Click);
    connect(Speichern1, &QAction::triggered, this, &TForm1::Speichern1Click);
    connect(Gebaeudeuebersicht1, &QAction::triggered, this, &TForm1::Gebaeudeuebersicht1Click);

    connect(RadioGroup1, &TRadioGroup::Click, this, &TForm1::RadioGroup1Click);
    connect(RadioGroup2, &TRadioGroup::Click, this, &TForm1::RadioGroup2Click);
    connect(CheckListBox1, &TCheckListBox::Click, this, &TForm1::CheckListBox1Click);

    connect(ComboBox5, &TAuswahlfeld::Change, this, &TForm1::ComboBox5Change);
    connect(ComboBox6, &TAuswahlfeld::Change, this, &TForm1::ComboBox6Change);
    connect(ComboBox2, &TAuswahlfeld::Change, this, &TForm1::Neuberechnung);
    connect(ComboBox7, &TAuswahlfeld::Change, this, [this] { ComboBox7Change(ComboBox7); });
    connect(ComboBox8, &TAuswahlfeld::Change, this, [this] { ComboBox7Change(ComboBox8); });
    connect(ComboBox1, &TAuswahlfeld::Change, this, [this] { ComboBox1Change(ComboBox1); });
    connect(Edit11, &QLineEdit::textChanged, this, &TForm1::Edit11Change);
    for (QLineEdit *feld : {Edit6, Edit5, Edit8, Edit10})
        connect(feld, &QLineEdit::textChanged, this, &TForm1::Neuberechnung);
}

void TForm1::tabulatorfolgeSetzen()
{
    // Group by group, top to bottom, in the order of the window's inputs.
    const QList<QWidget *> folge = {
        Edit2,     Edit1,     Edit4,  datum,     Edit7,       Edit3,
        Edit9,     ComboBox1, ComboBox2, Button3, Edit6,      ComboBox5,
        ComboBox6, Button2,   Edit8,  Edit10,    ComboBox7,   Edit11,
        ComboBox8, RadioGroup1->Knopf(0), RadioGroup1->Knopf(1), RadioGroup2->Knopf(0),
        RadioGroup2->Knopf(1), CheckListBox1, Button4};
    for (int i = 0; i + 1 < folge.size(); ++i)
        setTabOrder(folge[i], folge[i + 1]);
}

// ---------------------------------------------------------------- routines

void TForm1::ProjektZuruecksetzen()
{
    // Each emptied field that held text runs its own reaction.
    for (QLineEdit *feld : {Edit1, Edit2, Edit3, Edit4, Edit7, Edit9, Edit6, Edit5, Edit11, Edit8, Edit10})
        TextSetzen(feld, QString());
    ComboBox1->TextSetzen(auswahl::EfhMehrgeschossig);
    ComboBox2->TextSetzen(auswahl::Windschwach);
    ComboBox7->TextSetzen(auswahl::Ja);
    ComboBox8->TextSetzen(auswahl::Ja);
    ComboBox5->TextSetzen(auswahl::Nein);
    ComboBox6->TextSetzen(auswahl::FreieLueftungNeubau);
    RadioGroup1->SetItemIndex(-1);
    RadioGroup2->SetItemIndex(1);
    keineAnforderungAnhaken();
    eingabegruppenZeigen(false);
    Panel11->show();
    for (QLabel *l : {Label31, Label49, Label63})
        l->hide();
    MassnahmeStand->Zuruecksetzen();
}

void TForm1::Neuberechnung()
{
    ++NeuberechnungLaeufe;
    Label31->hide();
    Label49->hide();
    const TBerechnung b = Berechnen(Eingaben(), m_ergebnis);

    waermeschutzZeigen(b.Waermeschutz);
    if (b.Label26)
        Label26->setText(*b.Label26);
    Label26->show();

    // Writing the preset values runs the fields' reactions, which recalculate
    // with the same inputs; the texts then no longer change.
    if (b.Edit8Vorgabe)
        TextSetzen(Edit8, *b.Edit8Vorgabe);
    if (b.Edit10Vorgabe)
        TextSetzen(Edit10, *b.Edit10Vorgabe);

    if (b.FluesseGeschrieben) {
        const std::pair<QLabel *, QString> fluesse[] = {
            {Label27, b.Label27}, {Label28, b.Label28}, {Label38, b.Label38},
            {Label39, b.Label39}, {Label74, b.Label74}};
        for (const auto &[label, text] : fluesse) {
            label->setText(text);
            label->show();
        }
    }

    urteilSetzen(b.Urteil);

    for (QLineEdit *feld : {Edit6, Edit8, Edit10})
        TextSetzen(feld, KommaStattPunkt(feld->text()));
    emit Neuberechnet();
}

// --------------------------------------------------------------- reactions

void TForm1::Image7Click()
{
    ProjektZuruecksetzen();
    Button1Click();
}

void TForm1::Button1Click() { Panel6->hide(); }

void TForm1::Neu1Click()
{
    ProjektZuruecksetzen();
    Button1Click();
}

void TForm1::Startseite2Click()
{
    Panel6->show();
    Image7->setFocus();
}

void TForm1::Beenden1Click() { close(); }

void TForm1::RadioGroup1Click()
{
    const int antwort = RadioGroup1->ItemIndex();
    if (antwort == 1) {
        RadioGroup2->SetItemIndex(1);
        keineAnforderungAnhaken();
        eingabegruppenZeigen(true);
        RadioGroup2->hide();
        Panel11->show();
        for (QLabel *l : {Label31, Label49, Label63}) {
            l->clear();
            l->hide();
        }
        ComboBox5Change();
        Neuberechnung();
    } else if (antwort == 0) {
        RadioGroup2->SetItemIndex(1);
        keineAnforderungAnhaken();
        eingabegruppenZeigen(false);
        for (QWidget *w : std::initializer_list<QWidget *>{Label50, Label57, Label58, RadioGroup2, Panel11})
            w->show();
        urteilSetzen(FensterloseRaeumeUrteil());
    }
}

void TForm1::RadioGroup2Click()
{
    const int antwort = RadioGroup2->ItemIndex();
    if (antwort == 1) {
        keineAnforderungAnhaken();
        eingabegruppenZeigen(false);
        Panel11->show();
        const TUrteil w = FensterloseRaeumeUrteil();
        Label31->setText(w.Label31);
        Label49->setText(w.Label49);
        Label31->show();
        Label49->show();
    } else if (antwort == 0) {
        keineAnforderungAnhaken();
        eingabegruppenZeigen(true);
        Panel11->show();
        for (QLabel *l : {Label31, Label49}) {
            l->clear();
            l->hide();
        }
    }
}

void TForm1::CheckListBox1Click()
{
    TAnforderungen a;
    for (int i = 0; i < 4; ++i)
        a.Haken[i] = CheckListBox1->Checked(i);
    a = AnforderungenBereinigt(a);
    for (int i = 0; i < 4; ++i)
        CheckListBox1->SetChecked(i, a.Haken[i]);
    Neuberechnung();
    if (a.Haken[0]) {
        if (RadioGroup1->ItemIndex() == 0)
            urteilSetzen(FensterloseRaeumeUrteil());
    } else {
        urteilSetzen(AnforderungsUrteil(a));
    }
}

void TForm1::ComboBox5Change()
{
    LuftdichtheitAussehen();
    if (ComboBox5->currentText() == auswahl::Ja)
        Neuberechnung();
    else
        ComboBox6Change();
}

void TForm1::ComboBox6Change() { Neuberechnung(); }

void TForm1::ComboBox7Change(QObject *)
{
    const TVorauswahl v = Vorauswahl(Eingaben(), m_ergebnis);
    ComboBox6->TextSetzen(v.ComboBox6);
    waermeschutzZeigen(v.Waermeschutz);
    if (v.Label26)
        Label26->setText(*v.Label26);
    Label26->show();
    Neuberechnung();
}

void TForm1::ComboBox1Change(QObject *sender) { ComboBox7Change(sender); }

void TForm1::Edit11Change() { ComboBox7Change(Edit11); }

// ----------------------------------------------------------------- helpers

void TForm1::eingabegruppenZeigen(bool an)
{
    for (QFrame *p : {Panel2, Panel4, Panel3, Panel5})
        p->setVisible(an);
}

void TForm1::keineAnforderungAnhaken()
{
    CheckListBox1->SetChecked(0, true);
    for (int i = 1; i < 4; ++i)
        CheckListBox1->SetChecked(i, false);
}

void TForm1::urteilSetzen(const TUrteil &urteil)
{
    Label49->setText(urteil.Label49);
    Label31->setText(urteil.Label31);
    Label63->setText(urteil.Label63);
    if (urteil.zeigen) {
        Label31->show();
        Label49->show();
        Label63->show();
    }
}

void TForm1::waermeschutzZeigen(const TWaermeschutzSicht &sicht)
{
    Label21->setVisible(sicht.Baujahr);
    Edit11->setVisible(sicht.Baujahr);
    Label29->setVisible(sicht.Wsvo);
    ComboBox8->setVisible(sicht.Wsvo);
}

void TForm1::LuftdichtheitAussehen()
{
    const bool gemessen = ComboBox5->currentText() == auswahl::Ja;
    for (QWidget *w : std::initializer_list<QWidget *>{Label19, Label62, ComboBox6})
        w->setVisible(!gemessen);
    for (QLineEdit *feld : {Edit8, Edit10}) {
        QPalette p = palette();
        if (!gemessen) {
            p.setColor(QPalette::Base, QColor(128, 128, 128));
            p.setColor(QPalette::Text, Qt::black);
        }
        feld->setPalette(p);
    }
}

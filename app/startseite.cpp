// The start page over the work view, and the main menu.
#include "app/steuerelemente.h"
#include "app/tform1.h"
#include "app/zuletztgeoeffnet.h"

#include "reference/adressen.h"

#include <QMenuBar>
#include <QPushButton>

using namespace ventoris;

namespace {

QLabel *zeile(const QString &text, int y, int pixel, bool fett, QWidget *panel)
{
    auto *l = new QLabel(text, panel);
    QFont f = l->font();
    f.setPixelSize(pixel);
    f.setBold(fett);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(0, y, panel->width(), QFontMetrics(f).height() + 2);
    return l;
}

QPushButton *verborgenerKnopf(const char *name, const QString &text, QWidget *parent)
{
    auto *knopf = new QPushButton(text, parent);
    knopf->setObjectName(name);
    knopf->hide();
    return knopf;
}

} // namespace

void TForm1::startseiteAufbauen()
{
    Panel6 = new QFrame(Panel1);
    Panel6->setObjectName("Panel6");
    Panel6->setGeometry(0, 0, 985, 697);
    Panel6->setAutoFillBackground(true);
    QPalette weiss = Panel6->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    // The design fixes the background, so the text colour is fixed with it,
    // legible under any desktop theme.
    weiss.setColor(QPalette::WindowText, Qt::black);
    Panel6->setPalette(weiss);

    Image5 = new TBild("Image5", ":/bilder/image5.jpg", Panel6);
    Image5->setGeometry(8, 8, 272, 220);
    Image3 = new TBild("Image3", ":/bilder/image3.jpg", Panel6);
    Image3->setGeometry(8, 238, 272, 220);
    Image4 = new TBild("Image4", ":/bilder/image4.jpg", Panel6);
    Image4->setGeometry(8, 468, 272, 220);
    for (TBild *b : {Image5, Image3, Image4})
        b->setCursor(Qt::ArrowCursor);

    Panel7 = new QFrame(Panel6);
    Panel7->setObjectName("Panel7");
    Panel7->setGeometry(288, 0, 430, 697);
    Panel7->setAutoFillBackground(true);
    QPalette silber = Panel7->palette();
    silber.setColor(QPalette::Window, QColor(192, 192, 192));
    silber.setColor(QPalette::WindowText, Qt::black);
    Panel7->setPalette(silber);
    zeile("Ventoris ", 40, 44, true, Panel7);
    zeile(QString::fromUtf8("Lüftungskonzept"), 92, 44, true, Panel7);
    zeile(QString::fromUtf8("Notwendigkeit lüftungstechnischer "), 180, 24, true, Panel7);
    zeile(QString::fromUtf8("Maßnahmen nach DIN 1946-6"), 210, 24, true, Panel7);
    zeile("(Kapitel 4.2) Ausgabe Mai 2009", 256, 17, true, Panel7);
    Label30 = zeile("Version", 300, 14, false, Panel7);
    Label30->setObjectName("Label30");
    zeile("Hinweis:", 540, 14, true, Panel7);
    zeile("Detailliertes Auslegungsprogramm", 560, 14, true, Panel7);
    zeile(QString::fromUtf8("nach DIN 1946-6 in Zusammenarbeit mit %1").arg(EntwicklerName), 580, 14,
          true, Panel7);
    zeile("Informationen und Bestellung", 600, 14, true, Panel7);
    zeile(QString("unter %1").arg(VerlagWebadresse), 620, 14, true, Panel7);

    Image2 = new TBild("Image2", ":/bilder/image2.jpg", Panel6);
    Image2->setGeometry(731, 24, 240, 110);
    Image7 = new TBild("Image7", ":/bilder/image7.jpg", Panel6);
    Image7->setGeometry(780, 200, 143, 169);
    Label13 = new QLabel(QString::fromUtf8("Alle Rechte bei %1").arg(EntwicklerName), Panel6);
    Label13->setObjectName("Label13");
    Label13->setGeometry(735, 556, 240, 28);
    Label13->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Image1 = new TBild("Image1", ":/bilder/image1.jpg", Panel6);
    Image1->setGeometry(751, 590, 200, 80);

    // The pictures that act are reachable with Tab, top to bottom; START has
    // the focus whenever the start page shows.
    Image2->TastaturBedienbar(QString("%1 %2").arg(VerlagName, VerlagWebadresse));
    Image7->TastaturBedienbar(QStringLiteral("START"));
    Image1->TastaturBedienbar(QString("%1 %2").arg(EntwicklerName, EntwicklerWebadresse));
    setTabOrder(Image2, Image7);
    setTabOrder(Image7, Image1);
    Image7->setFocus();

    Button1 = verborgenerKnopf("Button1", "Programmstart", Panel6);
    Button5 = verborgenerKnopf("Button5", VerlagWebadresse, Panel6);
    Button7 = verborgenerKnopf("Button7", VerlagWebadresse, Panel6);
    Button6 = verborgenerKnopf("Button6", EntwicklerWebadresse, Panel6);
}

bool TForm1::focusNextPrevChild(bool next)
{
    // The start page covers the work view: Tab stays among its own pictures.
    if (!Panel6->isVisible())
        return QMainWindow::focusNextPrevChild(next);
    const QList<QWidget *> ziele = {Image2, Image7, Image1};
    const int jetzt = ziele.indexOf(focusWidget());
    const int n = int(ziele.size());
    const int weiter = jetzt < 0 ? 1 : (jetzt + (next ? 1 : n - 1)) % n;
    ziele[weiter]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TForm1::menueAufbauen()
{
    auto eintrag = [this](QMenu *menue, const char *name, const QString &text) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        return a;
    };
    // Alt with the underlined letter opens a menu, as on every German desktop
    Programm1 = menuBar()->addMenu("&Datei");
    Programm1->setObjectName("Programm1");
    Neu1 = eintrag(Programm1, "Neu1", "Neu");
    ffnen1 = eintrag(Programm1, "ffnen1", QString::fromUtf8("Öffnen"));
    Speichern1 = eintrag(Programm1, "Speichern1", "Speichern");
    Zuletzt = new TZuletztGeoeffnet(*this, Speichern1);
    ZuletztGeoeffnet1 = Zuletzt->Menue();
    Gebaeudeuebersicht1 = eintrag(Programm1, "Gebaeudeuebersicht1", QString::fromUtf8("Gebäudeübersicht …"));
    Massnahme1 = eintrag(Programm1, "Massnahme1", QString::fromUtf8("Lüftungstechnische Maßnahme …"));
    Druckereinstellung1 = eintrag(Programm1, "Druckereinstellung1", "Druckereinstellung");
    Drucken1 = eintrag(Programm1, "Drucken1", "Ergebnis drucken");
    Seitenansicht1 = eintrag(Programm1, "Seitenansicht1", QString::fromUtf8("Seitenansicht …"));
    PdfSpeichern1 = eintrag(Programm1, "PdfSpeichern1", QString::fromUtf8("Ergebnis als PDF speichern …"));
    Beenden1 = eintrag(Programm1, "Beenden1", "Beenden");

    berlassungsbedingungen1 = menuBar()->addMenu("&?");
    berlassungsbedingungen1->setObjectName("berlassungsbedingungen1");
    Logoeinbindung1 = eintrag(berlassungsbedingungen1, "Logoeinbindung1", "Logoeinbindung");
    InformationenzurDIN194661 =
        eintrag(berlassungsbedingungen1, "InformationenzurDIN194661", "Informationen zur DIN 1946-6");
    Info1 = eintrag(berlassungsbedingungen1, "Info1", "Info zu Tessarix");
    Kontakt1 = eintrag(berlassungsbedingungen1, "Kontakt1", "Kontakt zum LKZ");
    berlassungsbedingungen3 = eintrag(berlassungsbedingungen1, "berlassungsbedingungen3",
                                      QString::fromUtf8("Überlassungsbedingungen"));

    Startseite2 = menuBar()->addAction("Startseite");
    Startseite2->setObjectName("Startseite2");

    // The desktop's own keys for the usual commands, shown beside the items.
    Neu1->setShortcuts(QKeySequence::New);
    ffnen1->setShortcuts(QKeySequence::Open);
    Speichern1->setShortcuts(QKeySequence::Save);
    Drucken1->setShortcuts(QKeySequence::Print);
    Beenden1->setShortcuts(QKeySequence::Quit);
    // Some platforms name no key for quitting; the usual one then.
    if (Beenden1->shortcuts().isEmpty())
        Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

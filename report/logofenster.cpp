#include "report/logofenster.h"

#include "app/arbeitsordner.h"
#include "project/dauerhaftschreiben.h"

#include "reference/bildfeld.h"
#include "reference/bilder.h"
#include "reference/fensterhilfe.h"

#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

TForm5::TForm5(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TForm5", QStringLiteral("Logo"), 849, 244);

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setAutoFillBackground(true);
    QPalette silber = Panel3->palette();
    silber.setColor(QPalette::Window, QColor(192, 192, 192));
    // fixed with the background, legible under any desktop theme
    silber.setColor(QPalette::WindowText, Qt::black);
    Panel3->setPalette(silber);
    Panel3->setGeometry(13, 13, 820, 185);

    Image1 = new TBildfeld(Panel3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 600, 150);
    // Drawn on first use, so that start-up stays quick.
    Image1->setBildQuelle(&ventoris::Standardfirmenlogo);

    Button3 = new QPushButton(QStringLiteral("Logo laden"), Panel3);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(640, 16, 161, 25);
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);

    Button1 = new QPushButton(QStringLiteral("Schliessen"), Panel3);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(640, 104, 161, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);

    Label7 = new QLabel(QStringLiteral("Firmenlogo mit 600 x 150 Pixel"), Panel3);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->move(640, 152);
    Label7->adjustSize();
}

void TForm5::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

QImage TForm5::Logo() const
{
    return Image1->bild();
}

void TForm5::Button3Click()
{
    // Qt's file dialog never changes the process's working directory, so
    // "Logo.bmp" below lands where the program was started.
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Logo-Datei (*.bmp)"));

    const QString datei = DateiDialogZeigen(dialog, Projektdatei ? Projektdatei() : QString());
    if (!datei.isEmpty()) {
        QImageReader leser(datei);
        const QImage bild = leser.read();
        if (bild.isNull()) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("Die Datei „%1“ kann nicht als Bild gelesen werden.\n"
                                                "Das bisherige Logo bleibt erhalten.")
                                     .arg(QDir::toNativeSeparators(datei)));
            return;
        }
        Image1->setBild(bild);
    }
    LogoDateiSchreiben();
}

void TForm5::Button1Click()
{
    hide();
}

bool TForm5::LogoDateiSchreiben()
{
    const QString pfad = QDir::current().absoluteFilePath(QStringLiteral("Logo.bmp"));
    // A failed write leaves an existing "Logo.bmp" whole.
    const auto fehler = ventoris::DauerhaftSchreiben(pfad, [this](QIODevice &datei) {
        return QImageWriter(&datei, "bmp").write(Logo());
    });
    if (fehler) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.\n%2\n"
                                            "Das Logo bleibt für den Ausdruck im Programm erhalten.")
                                 .arg(QDir::toNativeSeparators(pfad), fehler->meldung()));
    }
    return !fehler;
}

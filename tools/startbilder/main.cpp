// Draws the pictures of the start page and the window icon of Ventoris into the
// resources folder, and the icons that the installed program brings along (the
// program's and its project files', at the sizes of the desktop's icon theme)
// into packaging/icons. Every picture is drawn with QPainter, so the files can
// be made again at any time:
//
//   QT_QPA_PLATFORM=offscreen startbilder [output folder]
//
// Without an argument the files go to the repository's folders; with one, all
// of them go below that folder. After writing, each file is read back and its
// size is checked.

#include "startbilder.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QSize>
#include <QString>
#include <QTextStream>

#include <functional>
#include <vector>

using namespace startbilder;

namespace {

constexpr int JpegQualitaet = 85;

struct Bild {
    QString datei; // relative to its output folder
    std::function<QImage()> zeichnen;
    QSize sollGroesse;
    bool symbol = false; // an icon of the installed program
};

// The icons in the folders of the freedesktop icon theme "hicolor".
void symboleAnhaengen(std::vector<Bild> &bilder)
{
    for (const int n : {16, 24, 32, 48, 64, 128, 256}) {
        const QString ordner = QStringLiteral("hicolor/%1x%1/").arg(n);
        bilder.push_back({ordner + QStringLiteral("apps/example.tessarix.ventoris.png"),
                          [n] { return bildSymbol(n); }, QSize(n, n), true});
        bilder.push_back({ordner + QStringLiteral("mimetypes/application-x-ventoris-projekt.png"),
                          [n] { return bildDateisymbol(n); }, QSize(n, n), true});
    }
}

// Every picture of the resources once more with twice the pixels, as
// "name@2x": Qt picks these by itself on a screen at 200 %.
void doppelteAnhaengen(std::vector<Bild> &bilder)
{
    const size_t anzahl = bilder.size();
    for (size_t i = 0; i < anzahl; ++i) {
        const Bild b = bilder[i];
        const int punkt = b.datei.lastIndexOf(QLatin1Char('.'));
        const QString datei = b.datei.left(punkt) + QStringLiteral("@2x") + b.datei.mid(punkt);
        const bool symbol = b.datei.endsWith(QLatin1String(".png"));
        bilder.push_back({datei,
                          [b, symbol] {
                              if (symbol)
                                  return bildSymbol(2 * b.sollGroesse.width());
                              massstab = 2;
                              const QImage bild = b.zeichnen();
                              massstab = 1;
                              return bild;
                          },
                          2 * b.sollGroesse});
    }
}

bool schreiben(const QString &pfad, const QImage &bild)
{
    const bool jpeg = pfad.endsWith(QLatin1String(".jpg"));
    QImageWriter schreiber(pfad, jpeg ? "jpeg" : "png");
    if (jpeg) {
        schreiber.setQuality(JpegQualitaet);
        schreiber.setOptimizedWrite(true);
    }
    return schreiber.write(jpeg ? bild.convertToFormat(QImage::Format_RGB32) : bild);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream aus(stdout);

    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VENTORIS_RESOURCES_DIR);
    const QString symbolziel = argc > 1 ? ziel : QStringLiteral(VENTORIS_ICONS_DIR);

    std::vector<Bild> bilder = {
        {QStringLiteral("image5.jpg"), bildWohnung, QSize(272, 220)},
        {QStringLiteral("image3.jpg"), bildLueftungsschema, QSize(272, 220)},
        {QStringLiteral("image4.jpg"), bildHaus, QSize(272, 220)},
        {QStringLiteral("image2.jpg"), bildVerlagslogo, QSize(240, 110)},
        {QStringLiteral("image7.jpg"), bildStart, QSize(143, 169)},
        {QStringLiteral("image1.jpg"), bildEntwicklerlogo, QSize(200, 80)},
        {QStringLiteral("ventoris.png"), [] { return bildSymbol(); }, QSize(64, 64)},
    };
    doppelteAnhaengen(bilder);
    symboleAnhaengen(bilder);

    bool allesGut = true;
    qint64 summe = 0;
    for (const Bild &b : bilder) {
        const QString pfad = QDir(b.symbol ? symbolziel : ziel).filePath(b.datei);
        if (!QDir().mkpath(QFileInfo(pfad).absolutePath()) || !schreiben(pfad, b.zeichnen())) {
            aus << b.datei << ": nicht geschrieben" << Qt::endl;
            allesGut = false;
            continue;
        }
        // Read the file back to make sure it decodes and has the intended size.
        QImageReader leser(pfad);
        const QByteArray format = leser.format();
        const QImage gelesen = leser.read();
        const qint64 bytes = QFileInfo(pfad).size();
        summe += bytes;
        const bool passt = !gelesen.isNull() && gelesen.size() == b.sollGroesse;
        aus << b.datei << ": " << gelesen.width() << " x " << gelesen.height() << " px, " << bytes
            << " Bytes, " << (format.isEmpty() ? QByteArray("?") : format)
            << (passt ? "" : "  FEHLER") << Qt::endl;
        allesGut = allesGut && passt;
    }
    aus << "zusammen " << summe << " Bytes" << Qt::endl;
    return allesGut ? 0 : 1;
}

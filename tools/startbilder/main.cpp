// Draws the pictures of the start page and the window icon of Ventoris and writes
// them into the resources folder. Every picture is drawn with QPainter (see
// bilder_gebaeude.cpp and bilder_zeichen.cpp), so the files can be made again at
// any time:
//
//   QT_QPA_PLATFORM=offscreen startbilder [output folder]
//
// Without an argument the files go to the resources folder of the repository.
// After writing, each file is read back and its size is checked.

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
    QString datei;
    std::function<QImage()> zeichnen;
    QSize sollGroesse;
};

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
    if (!QDir().mkpath(ziel)) {
        aus << "Ordner nicht anlegbar: " << ziel << Qt::endl;
        return 1;
    }

    const std::vector<Bild> bilder = {
        {QStringLiteral("image5.jpg"), bildWohnung, QSize(272, 220)},
        {QStringLiteral("image3.jpg"), bildLueftungsschema, QSize(272, 220)},
        {QStringLiteral("image4.jpg"), bildHaus, QSize(272, 220)},
        {QStringLiteral("image2.jpg"), bildVerlagslogo, QSize(240, 110)},
        {QStringLiteral("image7.jpg"), bildStart, QSize(143, 169)},
        {QStringLiteral("image1.jpg"), bildEntwicklerlogo, QSize(200, 80)},
        {QStringLiteral("ventoris.png"), bildSymbol, QSize(64, 64)},
    };

    bool allesGut = true;
    qint64 summe = 0;
    for (const Bild &b : bilder) {
        const QString pfad = QDir(ziel).filePath(b.datei);
        if (!schreiben(pfad, b.zeichnen())) {
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

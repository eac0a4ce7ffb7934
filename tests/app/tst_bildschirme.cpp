// The windows on today's screens: a small laptop screen, 200 % scaling and a
// dark desktop theme. Each case runs where its screen is at hand (see
// CMakeLists.txt) and is skipped elsewhere.
#include "bedienung.h"

#include "reference/bilder.h"
#include "reference/bildfeld.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"
#include "report/blattdaten.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

#include <cmath>

namespace {

QList<QWidget *> alleFenster(TForm1 &f)
{
    return {&f, f.Form2, f.Form3, f.Form4, f.Windeinstufung, f.Form5, f.Form6, f.HinweiseForm};
}

// WCAG 2 relative luminance and contrast ratio.
double leuchtdichte(QRgb c)
{
    auto k = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * k(qRed(c)) + 0.7152 * k(qGreen(c)) + 0.0722 * k(qBlue(c));
}

double kontrast(QRgb a, QRgb b)
{
    const double x = leuchtdichte(a), y = leuchtdichte(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The contrast of a text as drawn: its background is the commonest colour of
// its area inside any frame, its colour the one that stands out most.
double gezeichneterKontrast(const QImage &bild)
{
    QHash<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            ++anzahl[bild.pixel(x, y)];
    QRgb grund = 0;
    for (auto it = anzahl.cbegin(); it != anzahl.cend(); ++it)
        if (it.value() > anzahl.value(grund))
            grund = it.key();
    double bester = 1;
    for (auto it = anzahl.cbegin(); it != anzahl.cend(); ++it)
        bester = std::max(bester, kontrast(it.key(), grund));
    return bester;
}

bool zeigtText(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return !l->text().trimmed().isEmpty() && l->pixmap().isNull();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return !b->text().isEmpty();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return !e->text().isEmpty();
    return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QListWidget *>(w) ||
           qobject_cast<const QGroupBox *>(w);
}

} // namespace

class TestBildschirme : public QObject
{
    Q_OBJECT

private slots:
    void kleinerSchirm();
    void doppelteDichte();
    void dunklesThema();
};

void TestBildschirme::kleinerSchirm()
{
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    if (QGuiApplication::platformName() == "offscreen" || frei.height() > 800)
        QSKIP("braucht einen echten kleinen Bildschirm (Xvfb 1366 x 768)");
    auto f = ProgrammStarten();
    f->Neu1->trigger();
    KnopfKlicken(f->RadioGroup1, 1);
    for (QWidget *fenster : alleFenster(*f)) {
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QVERIFY2(frei.contains(fenster->frameGeometry()), qPrintable(fenster->objectName()));
        // the lowest control comes into view when it takes the focus
        QWidget *unten = nullptr;
        for (QWidget *w : fenster->findChildren<QWidget *>()) {
            if (w->window() == fenster && w->isVisible() && w->focusPolicy() & Qt::TabFocus &&
                (!unten || w->mapTo(fenster, QPoint(0, w->height())).y() > unten->mapTo(fenster, QPoint(0, unten->height())).y()))
                unten = w;
        }
        QVERIFY(unten);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        unten->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY2(fenster->rect().contains(QRect(unten->mapTo(fenster, QPoint()), unten->size())),
                     qPrintable(unten->objectName()));
    }
}

void TestBildschirme::doppelteDichte()
{
    if (qApp->devicePixelRatio() != 2)
        QSKIP("braucht 200 % (QT_SCALE_FACTOR=2)");
    auto f = ProgrammStarten();
    f->Form6->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->Form6));
    // the picture is drawn anew at twice the pixels, not scaled up
    const QImage gezeigt = f->Form6->Image1->grab().toImage().convertToFormat(QImage::Format_RGB888);
    QCOMPARE(gezeigt.size(), QSize(2 * 947, 2 * 670));
    QImage scharf = ventoris::Uebersichtsbild(2);
    scharf.setDevicePixelRatio(gezeigt.devicePixelRatio());
    QVERIFY(gezeigt == scharf);
    // the start page's pictures come in double resolution
    QCOMPARE(f->Image7->pixmap().size(), QSize(2 * 143, 2 * 169));
    QCOMPARE(f->windowIcon().pixmap(QSize(64, 64)).size(), QSize(128, 128));
    // the printed sheet is the same at any scaling
    const ventoris::TBlattDaten d = f->BlattDaten();
    QCOMPARE(d.Uebersicht.size(), QSize(947, 670));
    QCOMPARE(d.Uebersicht.devicePixelRatio(), 1.0);
    QCOMPARE(d.Logo.size(), QSize(600, 150));
}

void TestBildschirme::dunklesThema()
{
    QApplication::setStyle("Fusion");
    QPalette dunkel(QColor(53, 53, 53));
    dunkel.setColor(QPalette::Base, QColor(35, 35, 35));
    dunkel.setColor(QPalette::Text, Qt::white);
    dunkel.setColor(QPalette::WindowText, Qt::white);
    dunkel.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dunkel);
    auto f = ProgrammStarten();
    f->Neu1->trigger();
    KnopfKlicken(f->RadioGroup1, 1);
    QTest::keyClicks(f->Edit6, "100");
    // the work view, the start page, then every other window
    for (int schritt = 0; schritt < 3; ++schritt) {
        if (schritt == 1)
            f->Startseite2->trigger();
        const QList<QWidget *> fenster = schritt < 2 ? QList<QWidget *>{f.get()} : alleFenster(*f).mid(1);
        for (QWidget *w : fenster) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QImage bild = w->grab().toImage();
            for (QWidget *t : w->findChildren<QWidget *>()) {
                const bool startseite = f->Panel6->isAncestorOf(t);
                if (t->window() != w || !t->isVisible() || !zeigtText(t) || (w == f.get() && startseite != (schritt == 1)))
                    continue;
                const QRect r = QRect(t->mapTo(w, QPoint()), t->size()).adjusted(3, 3, -3, -3).intersected(w->rect());
                const double k = gezeichneterKontrast(bild.copy(r));
                QVERIFY2(k >= 4.5, qPrintable(w->objectName() + " " + QString("%1: %2").arg(t->objectName() + '/' + t->metaObject()->className()).arg(k)));
            }
        }
    }
    QApplication::setPalette(QPalette());
}

QTEST_MAIN(TestBildschirme)
#include "tst_bildschirme.moc"

// The secondary reference windows as the main window uses them: created hidden
// beside it, opened any number of times, hidden by their close buttons and by
// the title bar, keeping what the user typed.

#include "reference/bildfeld.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"

#include <QLabel>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

// Types the text key by key; QTest::keyClicks takes only Latin-1 letters
// that map to keys, so umlauts go as key events that carry their text.
void Tippen(QWidget *ziel, const QString &text)
{
    for (const QChar zeichen : text) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(zeichen));
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &druck);
        QApplication::sendEvent(ziel, &los);
    }
}

} // namespace

class TstReferenzfenster : public QObject
{
    Q_OBJECT

private:
    // The main window stands in as parent, as at program start.
    std::unique_ptr<QWidget> m_haupt;
    TForm2 *m_form2 = nullptr;
    TForm3 *m_form3 = nullptr;
    TForm4 *m_form4 = nullptr;
    TWindeinstufung *m_wind = nullptr;
    TForm6 *m_form6 = nullptr;
    THinweiseForm *m_hinweise = nullptr;

    QWidget *Fenster(const QString &name) const
    {
        return m_haupt->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    }

    void Oeffnen(QWidget *fenster) const
    {
        if (auto *f = qobject_cast<TForm2 *>(fenster))
            f->Oeffnen();
        else if (auto *f = qobject_cast<TForm3 *>(fenster))
            f->Oeffnen();
        else if (auto *f = qobject_cast<TForm4 *>(fenster))
            f->Oeffnen();
        else if (auto *f = qobject_cast<TWindeinstufung *>(fenster))
            f->Oeffnen();
        else if (auto *f = qobject_cast<TForm6 *>(fenster))
            f->Oeffnen();
        else if (auto *f = qobject_cast<THinweiseForm *>(fenster))
            f->Oeffnen();
        else
            QFAIL("unbekanntes Fenster");
    }

    QPushButton *Schliessknopf(const QString &fenster) const
    {
        if (fenster == QLatin1String("TForm2"))
            return m_form2->Button1;
        if (fenster == QLatin1String("TForm3"))
            return m_form3->Button3;
        if (fenster == QLatin1String("TForm4"))
            return m_form4->Button1;
        if (fenster == QLatin1String("TWindeinstufung"))
            return m_wind->Button1;
        if (fenster == QLatin1String("TForm6"))
            return m_form6->Button1;
        return m_hinweise->Schliessen;
    }

    static int SichtbareFenster(const QString &name)
    {
        int anzahl = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                ++anzahl;
        return anzahl;
    }

    static void AlleFensterNamen()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"TForm2", "TForm3", "TForm4", "TWindeinstufung", "TForm6", "THinweiseForm"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

private slots:
    void init()
    {
        m_haupt = std::make_unique<QWidget>();
        m_haupt->setObjectName(QStringLiteral("TForm1"));
        m_form2 = new TForm2(m_haupt.get());
        m_form3 = new TForm3(m_haupt.get());
        m_form4 = new TForm4(m_haupt.get());
        m_wind = new TWindeinstufung(m_haupt.get());
        m_form6 = new TForm6(m_haupt.get());
        m_hinweise = new THinweiseForm(m_haupt.get());
        m_haupt->show();
    }

    void cleanup() { m_haupt.reset(); }

    void fensterWieEntworfen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Überlassungsbedingungen") << "TForm2" << QStringLiteral("Überlassungsbedingungen") << QSize(1078, 856);
        QTest::newRow("DIN-Information") << "TForm3" << QStringLiteral("Information zur DIN 1946-6") << QSize(1024, 892);
        QTest::newRow("Programminfo") << "TForm4" << QStringLiteral("Tessarix") << QSize(603, 265);
        QTest::newRow("Windeinstufung") << "TWindeinstufung" << QStringLiteral("Windeinstufung") << QSize(1000, 776);
        QTest::newRow("Lüftungssysteme") << "TForm6" << QStringLiteral("Lüftungssysteme") << QSize(972, 753);
        QTest::newRow("Hinweise") << "THinweiseForm"
                                  << QStringLiteral("Hinweise zum Vorgabewert des Auslegungsluftwechsels n50 ")
                                  << QSize(590, 603);
    }

    void fensterWieEntworfen()
    {
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QFETCH(QSize, groesse);
        QWidget *fenster = Fenster(name);
        QVERIFY(fenster);
        QCOMPARE(fenster->windowTitle(), titel);
        QCOMPARE(fenster->size(), groesse);
        // A top-level window of its own beside the main window, never modal,
        // and hidden until it is opened.
        QVERIFY(fenster->isWindow());
        QVERIFY(fenster->windowFlags().testFlag(Qt::Window));
        QCOMPARE(fenster->parentWidget(), m_haupt.get());
        QVERIFY(!fenster->isModal());
        QCOMPARE(fenster->windowModality(), Qt::NonModal);
        QVERIFY(fenster->isHidden());
    }

    void oeffnenZeigtEinFenster_data() { AlleFensterNamen(); }
    void oeffnenZeigtEinFenster()
    {
        QFETCH(QString, name);
        QWidget *fenster = Fenster(name);
        Oeffnen(fenster);
        Oeffnen(fenster);
        QVERIFY(fenster->isVisible());
        QCOMPARE(SichtbareFenster(name), 1);
        // The main window stays usable beside it.
        QVERIFY(m_haupt->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void schliessknopfVerbirgtNur_data() { AlleFensterNamen(); }
    void schliessknopfVerbirgtNur()
    {
        QFETCH(QString, name);
        QPointer<QWidget> fenster = Fenster(name);
        Oeffnen(fenster);
        QPushButton *knopf = Schliessknopf(name);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(fenster);
        QVERIFY(fenster->isHidden());
        Oeffnen(fenster);
        QVERIFY(fenster->isVisible());
    }

    void titelleisteVerbirgtNur_data() { AlleFensterNamen(); }
    void titelleisteVerbirgtNur()
    {
        QFETCH(QString, name);
        QPointer<QWidget> fenster = Fenster(name);
        Oeffnen(fenster);
        QVERIFY(fenster->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenster);
        QVERIFY(fenster->isHidden());
        QVERIFY(m_haupt->isVisible());
        Oeffnen(fenster);
        QCOMPARE(SichtbareFenster(name), 1);
    }

    void schliessknopfBeschriftung_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("knopfName");
        QTest::addColumn<QString>("text");
        QTest::newRow("TForm2") << "TForm2" << "Button1" << QStringLiteral("Schließen");
        QTest::newRow("TForm3") << "TForm3" << "Button3" << QStringLiteral("Schließen");
        QTest::newRow("TForm4") << "TForm4" << "Button1" << QStringLiteral("Schliessen");
        QTest::newRow("TWindeinstufung") << "TWindeinstufung" << "Button1" << QStringLiteral("Schliessen");
        QTest::newRow("TForm6") << "TForm6" << "Button1" << QStringLiteral("Schliessen");
        QTest::newRow("THinweiseForm") << "THinweiseForm" << "Schliessen" << QStringLiteral("Schliessen");
    }

    void schliessknopfBeschriftung()
    {
        QFETCH(QString, name);
        QFETCH(QString, knopfName);
        QFETCH(QString, text);
        auto *knopf = Fenster(name)->findChild<QPushButton *>(knopfName);
        QVERIFY(knopf);
        QCOMPARE(knopf, Schliessknopf(name));
        QCOMPARE(knopf->text(), text);
    }

    void getippterTextBleibt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("feld");
        QTest::newRow("Memo2") << "TForm2" << 0;
        QTest::newRow("Memo1 DIN") << "TForm3" << 0;
        QTest::newRow("Windliste Kasten 1") << "TWindeinstufung" << 1;
        QTest::newRow("Windliste Kasten 2") << "TWindeinstufung" << 2;
        QTest::newRow("Windliste Kasten 3") << "TWindeinstufung" << 3;
        QTest::newRow("Windliste Memo1") << "TWindeinstufung" << 4;
    }

    void getippterTextBleibt()
    {
        QFETCH(QString, name);
        QFETCH(int, feld);
        QPlainTextEdit *kasten = nullptr;
        if (name == QLatin1String("TForm2"))
            kasten = m_form2->Memo2;
        else if (name == QLatin1String("TForm3"))
            kasten = m_form3->Memo1;
        else
            kasten = QList<QPlainTextEdit *>{m_wind->Spalte1, m_wind->Spalte2, m_wind->Spalte3, m_wind->Memo1}.at(feld - 1);
        QWidget *fenster = Fenster(name);
        Oeffnen(fenster);
        const QString vorher = kasten->toPlainText();

        QTest::mouseClick(kasten->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(kasten, Qt::Key_Home, Qt::ControlModifier);
        Tippen(kasten, QStringLiteral("Notiz für später: Größe "));
        QTest::mouseClick(Schliessknopf(name), Qt::LeftButton);
        QVERIFY(fenster->isHidden());
        Oeffnen(fenster);

        QCOMPARE(kasten->toPlainText(), QStringLiteral("Notiz für später: Größe ") + vorher);
    }

    void textfelderUmbrechenOhneRollbalken()
    {
        const QList<QPlainTextEdit *> kaesten = {m_form2->Memo2,   m_form3->Memo1,   m_wind->Spalte1,
                                                 m_wind->Spalte2, m_wind->Spalte3, m_wind->Memo1};
        for (QPlainTextEdit *kasten : kaesten) {
            QCOMPARE(kasten->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(kasten->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(kasten->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QVERIFY(!kasten->isReadOnly());
        }
        QCOMPARE(m_form2->Memo2->geometry(), QRect(5, 5, 1057, 769));
        QCOMPARE(m_form3->Memo1->geometry(), QRect(8, 8, 1001, 790));
        QVERIFY(m_form3->Memo1->font().bold());
        QCOMPARE(m_form2->Memo2->objectName(), QStringLiteral("Memo2"));
        QCOMPARE(m_form3->Memo1->objectName(), QStringLiteral("Memo1"));
    }

    void programminfoZeigtVersionBeiJedemOeffnen()
    {
        QCOMPARE(m_form4->Label6->text(), QStringLiteral("Version"));
        m_form4->Oeffnen();
        QCOMPARE(m_form4->Label6->text(), QStringLiteral("Version 1.0.0.11"));

        m_form4->Label6->setText(QStringLiteral("Version 0.0"));
        QTest::mouseClick(m_form4->Button1, Qt::LeftButton);
        QVERIFY(m_form4->isHidden());
        m_form4->Oeffnen();
        QCOMPARE(m_form4->Label6->text(), QStringLiteral("Version 1.0.0.11"));

        // Opening while visible rewrites it too.
        m_form4->Label6->clear();
        m_form4->Oeffnen();
        QCOMPARE(m_form4->Label6->text(), QStringLiteral("Version 1.0.0.11"));
    }

    void programminfoInhalt()
    {
        QCOMPARE(m_form4->Label1->text(), QStringLiteral("Programm Ventoris DIN 1946-6"));
        QVERIFY(m_form4->Label7->text().isEmpty());
        QVERIFY(m_form4->Label2->text().contains(QStringLiteral("Tessarix")));
        QCOMPARE(m_form4->Label9->text(), QStringLiteral("www.tessarix.example"));
        // The web address is plain text, not a link.
        QCOMPARE(m_form4->Label9->textFormat() == Qt::RichText, false);
        QVERIFY(!m_form4->Label9->openExternalLinks());
        for (QLabel *l : {m_form4->Label2, m_form4->Label3, m_form4->Label4, m_form4->Label5, m_form4->Label8})
            QVERIFY2(!l->text().trimmed().isEmpty(), qPrintable(l->objectName()));
        QCOMPARE(m_form4->Panel1->size(), QSize(577, 217));
        QCOMPARE(m_form4->Button1->size(), QSize(249, 25));
        // Top to bottom on the left as laid out.
        const QList<QLabel *> reihe = {m_form4->Label1, m_form4->Label6, m_form4->Label2, m_form4->Label3,
                                       m_form4->Label4, m_form4->Label5, m_form4->Label9, m_form4->Label8};
        for (int i = 1; i < reihe.size(); ++i)
            QVERIFY2(reihe.at(i - 1)->y() < reihe.at(i)->y(), qPrintable(reihe.at(i)->objectName()));
        // Label7 stands beside Label6, the close button below the logo.
        QCOMPARE(m_form4->Label7->y(), m_form4->Label6->y());
        QVERIFY(m_form4->Label7->x() > m_form4->Label6->x());
        QVERIFY(m_form4->Button1->y() >= m_form4->Image1->geometry().bottom());
    }

    void bilderInIhrenFeldern()
    {
        QCOMPARE(m_form6->Image1->size(), QSize(947, 670));
        QCOMPARE(m_hinweise->Image1->size(), QSize(545, 471));
        QCOMPARE(m_form4->Image1->size(), QSize(249, 105));
        QCOMPARE(m_form6->Button1->size(), QSize(265, 25));
        QCOMPARE(m_hinweise->Schliessen->size(), QSize(225, 25));
        // Close buttons stand below their pictures.
        QVERIFY(m_form6->Button1->y() > m_form6->Image1->geometry().bottom());
        QVERIFY(m_hinweise->Schliessen->y() > m_hinweise->Image1->geometry().bottom());
    }

    void uebersichtIstDasGezeigteBild()
    {
        const QImage bild = m_form6->Uebersicht();
        QCOMPARE(bild.size(), QSize(947, 670));
        QCOMPARE(bild.format(), QImage::Format_RGB888);
        m_form6->Oeffnen();
        // The window shows the same picture unscaled from its top-left corner.
        const QImage gezeigt = m_form6->Image1->grab().toImage().convertToFormat(QImage::Format_RGB888);
        QCOMPARE(gezeigt.size(), QSize(947, 670));
        QCOMPARE(gezeigt, bild);
        // Asking again gives the same picture, also after showing.
        QCOMPARE(m_form6->Uebersicht(), bild);
    }
};

QTEST_MAIN(TstReferenzfenster)
#include "tst_referenzfenster.moc"

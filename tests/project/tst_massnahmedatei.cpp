// The balance of the measure in its file beside the unit: the documented
// keys, files that cannot be used, and the file following the unit through
// "Speichern", "Öffnen" and "Neu" while the unit's own file stays as it was.
#include "app/start.h"
#include "measure/massnahmeform.h"
#include "project/massnahmedatei.h"
#include "tests/app/bedienung.h"
#include "tests/reference/modalhelfer.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace ventoris;

namespace {

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

} // namespace

class TestMassnahmedatei : public QObject
{
    Q_OBJECT

    QTemporaryDir ordner;

private slots:
    void schluesselWieBeschrieben()
    {
        TMassnahmeEingaben e;
        e.system = massnahme::Querlueftung;
        e.aldVolumenstrom = QStringLiteral("10,5");
        e.druckdifferenz = QStringLiteral("4");
        e.abluftraeume = {{QStringLiteral("Bad OG"), QStringLiteral("Bad"), QStringLiteral("45")}};
        const QJsonObject w = QJsonDocument::fromJson(MassnahmeJson(e)).object();
        QCOMPARE(w.value("format").toString(), QStringLiteral("ventoris-massnahme"));
        QCOMPARE(w.value("version").toInt(), 1);
        QCOMPARE(w.value("system").toString(), QStringLiteral("freie Lüftung: Querlüftung"));
        QVERIFY(w.value("angerechneteInfiltration").isNull());
        QCOMPARE(w.value("ald").toObject().value("volumenstrom").toDouble(), 10.5);
        QCOMPARE(w.value("ald").toObject().value("druckdifferenz").toDouble(), 4.0);
        const QJsonObject raum = w.value("abluftraeume").toArray().at(0).toObject();
        QCOMPARE(raum.value("raum").toString(), QStringLiteral("Bad OG"));
        QCOMPARE(raum.value("art").toString(), QStringLiteral("Bad"));
        QCOMPARE(raum.value("volumenstrom").toDouble(), 45.0);
        // and back, as the window shows the numbers
        const std::optional<TMassnahmeEingaben> zurueck = MassnahmeAusJson(MassnahmeJson(e), nullptr);
        QVERIFY(zurueck);
        QCOMPARE(zurueck->aldVolumenstrom, QStringLiteral("10,5"));
        QCOMPARE(zurueck->angerechneteInfiltration, QString());
        QCOMPARE(zurueck->abluftraeume.value(0).raum, QStringLiteral("Bad OG"));
        QCOMPARE(MassnahmePfad(QByteArray("/a/Wohnung 3.lkz")), QByteArray("/a/Wohnung 3.massnahme"));
    }

    void unbrauchbar_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("hinweis");
        const QByteArray anfang = R"({"format": "ventoris-massnahme", )";
        QTest::newRow("kein JSON") << QByteArray("{\"format\": ") << "Maßnahmendatei beschädigt";
        QTest::newRow("anderes Format") << QByteArray(R"({"format": "x", "version": 1})") << "Maßnahmendatei beschädigt";
        QTest::newRow("neuere Version") << anfang + R"("version": 2, "system": "neu"})"
                                        << "Maßnahmendatei aus einer neueren Programmversion (Version 2)";
        QTest::newRow("unbekanntes System") << anfang + R"("version": 1, "system": "Fensterlüftung"})"
                                            << "Maßnahmendatei mit unbekanntem System „Fensterlüftung“";
        QTest::newRow("unbekannte Raumart")
            << anfang + R"("version": 1, "system": "ventilatorgestützt: Abluft", "abluftraeume": [{"art": "Sauna"}]})"
            << "Maßnahmendatei mit unbekannter Raumart „Sauna“";
    }

    void unbrauchbar()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, hinweis);
        const QString datei = ordner.filePath(QStringLiteral("u.massnahme"));
        schreiben(datei, inhalt);
        const TMassnahmeGelesen g = MassnahmeLesen(QFile::encodeName(datei));
        QVERIFY(g.vorhanden && !g.eingaben);
        QCOMPARE(g.hinweis, hinweis);
    }

    // Saved with the unit, back with it, kept while it cannot be read and the
    // user changed nothing; the unit's file the same with or without it.
    void folgtDerEinheit()
    {
        const QString lkz = ordner.filePath(QStringLiteral("Wohnung 3.lkz")),
                      sidecar = ordner.filePath(QStringLiteral("Wohnung 3.massnahme")),
                      ohne = ordner.filePath(QStringLiteral("ohne.lkz"));
        auto f = ProgrammStarten();
        EingabenOeffnen(*f);
        FeldTippen(f->Edit6, QStringLiteral("50"));
        auto speichern = [&](const QString &pfad) {
            ModalFolge folge({dateiWaehlen(pfad)});
            f->Speichern1->trigger();
            QVERIFY(abwarten(folge));
        };
        speichern(ohne);
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("ohne.massnahme"))));

        f->Massnahme1->trigger();
        TMassnahmeForm *m = f->MassnahmeForm;
        QVERIFY(m && m->isVisible());
        m->SystemWahl->setCurrentText(massnahme::Abluft);
        FeldTippen(m->AldVolumenstrom, QStringLiteral("30"));
        speichern(lkz);
        QCOMPARE(lesen(lkz), lesen(ohne));
        QCOMPARE(QJsonDocument::fromJson(lesen(sidecar)).object().value("ald").toObject().value("volumenstrom").toDouble(),
                 30.0);

        f->Neu1->trigger();
        QCOMPARE(m->AldVolumenstrom->text(), QString());
        f->ProjektOeffnen(lkz);
        QCOMPARE(m->SystemWahl->currentText(), massnahme::Abluft);
        QCOMPARE(m->windowTitle(), QStringLiteral("Lüftungstechnische Maßnahme – Wohnung 3"));
        // a new building of 50 m²: NL 75,0 less an infiltration of
        // 0,1^(2/3) * 0,5 * 50 * 2,5 * 1,5 = 20,2 is 54,8 m³/h: 2 ALDs of 30
        QCOMPARE(m->ZuDecken->text(), QStringLiteral("54,8"));
        QCOMPARE(m->AldAnzahl->text(), QStringLiteral("2"));

        schreiben(sidecar, "kaputt");
        f->ProjektOeffnen(lkz);
        QVERIFY(m->DateiHinweis->isVisibleTo(m));
        QVERIFY(m->DateiHinweis->text().startsWith(QStringLiteral("Maßnahmendatei beschädigt")));
        QCOMPARE(m->AldVolumenstrom->text(), QString());
        speichern(lkz);
        QCOMPARE(lesen(sidecar), QByteArray("kaputt"));
        // once the user saves the balance, it replaces the damaged file
        QTest::mouseClick(m->Speichern, Qt::LeftButton);
        QCOMPARE(QJsonDocument::fromJson(lesen(sidecar)).object().value("system").toString(),
                 massnahme::Querlueftung);
        QVERIFY(!m->DateiHinweis->isVisibleTo(m));
    }
};

QTEST_MAIN(TestMassnahmedatei)
#include "tst_massnahmedatei.moc"

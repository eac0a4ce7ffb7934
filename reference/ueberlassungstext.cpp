#include "reference/texte.h"

#include "reference/adressen.h"

namespace ventoris {

QStringList Ueberlassungsbedingungen()
{
    const QString verlag = QString::fromUtf8(VerlagName);
    return {
        QString(),
        QStringLiteral("Überlassungsbedingungen für das Ventoris  Lüftungskozept:"),
        QString(),
        QStringLiteral("%1 räumt dem Käufer an dem Programm Ventoris Lüftungskonzept ein einfaches, "
                       "nicht ausschließliches und nicht übertragbares Recht zur Nutzung ein.").arg(verlag),
        QStringLiteral("Das Programm darf auf einem Arbeitsplatz installiert und genutzt werden. "
                       "Eine Weitergabe, Vermietung oder Vervielfältigung über eine Sicherungskopie hinaus ist nicht gestattet."),
        QStringLiteral("Mit der Installation oder der ersten Nutzung des Programms erkennt der Käufer die folgenden Bedingungen an."),
        QString(),
        QStringLiteral("Gewährleistung"),
        QString(),
        QStringLiteral("1.\t%1 gewährleistet, dass das Programm im Sinne der Programmbeschreibung grundsätzlich brauchbar ist. "
                       "Eine Eignung für andere Zwecke wird nicht zugesichert.").arg(verlag),
        QStringLiteral("\tNach dem Stand der Technik ist es nicht möglich, Programme so zu erstellen, "
                       "dass sie in allen Anwendungen und Kombinationen fehlerfrei arbeiten."),
        QString(),
        QStringLiteral("2.\tDie Gewährleistungsfrist beträgt ein Jahr ab Übergabe des Programms. "
                       "Zeigt sich innerhalb dieser Frist ein Mangel, wird das Programm durch eine mangelfreie Fassung ersetzt."),
        QStringLiteral("\tGelingt die Ersatzlieferung nicht, kann der Käufer nach seiner Wahl die Herabsetzung des Kaufpreises "
                       "(Minderung) oder die Rückgängigmachung des Vertrags (Rücktritt) verlangen."),
        QStringLiteral("\tMängel sind innerhalb der Gewährleistungsfrist mit einer nachvollziehbaren Beschreibung des Fehlers zu melden."),
        QString(),
        QStringLiteral("3.\tEine weitergehende Gewährleistung ist ausgeschlossen. Insbesondere wird nicht gewährleistet, "
                       "dass das Programm den besonderen Anforderungen des Käufers genügt"),
        QStringLiteral("\toder mit anderen vom Käufer genutzten Programmen zusammenarbeitet."),
        QString(),
        QStringLiteral("Haftung"),
        QString(),
        QStringLiteral("1.\t%1 haftet nur für den vertragstypischen, vorhersehbaren Schaden, in keinem Fall jedoch über den "
                       "Kaufpreis oder die Lizenzgebühr ohne Mehrwertsteuer hinaus.").arg(verlag),
        QString(),
        QStringLiteral("2.\tDie Haftung für entgangenen Gewinn, für ausgebliebene Einsparungen sowie für mittelbare Schäden "
                       "und Folgeschäden ist ausgeschlossen."),
        QStringLiteral("\tDer Käufer prüft die Ergebnisse des Programms in eigener Verantwortung und sichert seine Daten regelmäßig."),
        QString(),
        QStringLiteral("3.\tDiese Haftungsbeschränkungen gelten nicht bei der Verletzung von Leben, Körper oder Gesundheit, "
                       "bei Vorsatz und grober Fahrlässigkeit sowie für Ansprüche nach dem Produkthaftungsgesetz."),
        QString(),
        QStringLiteral("Widerrufsbelehrung"),
        QStringLiteral("(gilt nur für Verbraucher)"),
        QString(),
        QStringLiteral("Widerrufsrecht:"),
        QStringLiteral("Sie können Ihre Vertragserklärung innerhalb von zwei Wochen ohne Angabe von Gründen in Textform "
                       "(z. B. Brief, E-Mail) oder, wenn Ihnen die Sache vor Fristablauf überlassen wird, durch Rücksendung der Sache widerrufen."),
        QStringLiteral("Die Frist beginnt nach Erhalt dieser Belehrung in Textform. Zur Wahrung der Widerrufsfrist genügt "
                       "die rechtzeitige Absendung des Widerrufs oder der Sache."),
        QStringLiteral("Der Widerruf ist zu richten an:"),
        verlag,
        QString::fromUtf8(VerlagStrasse),
        QString::fromUtf8(VerlagOrt),
        QStringLiteral("E-Mail: %1").arg(QString::fromUtf8(VerlagEmail)),
        QString(),
        QStringLiteral("Widerrufsfolgen: "),
        QStringLiteral("Im Falle eines wirksamen Widerrufs sind die beiderseits empfangenen Leistungen zurückzugewähren "
                       "und gegebenenfalls gezogene Nutzungen herauszugeben."),
        QStringLiteral("Können Sie uns die empfangene Leistung ganz oder teilweise nicht oder nur in verschlechtertem Zustand "
                       "zurückgewähren, müssen Sie uns insoweit gegebenenfalls Wertersatz leisten."),
        QStringLiteral("Das gilt nicht, wenn die Verschlechterung der Sache ausschließlich auf ihre Prüfung zurückzuführen ist, "
                       "wie sie Ihnen etwa im Ladengeschäft möglich gewesen wäre."),
        QStringLiteral("Die Pflicht zum Wertersatz können Sie vermeiden, indem Sie die Sache nicht wie ein Eigentümer in Gebrauch nehmen "
                       "und alles unterlassen, was ihren Wert beeinträchtigt."),
        QStringLiteral("Verpflichtungen zur Erstattung von Zahlungen müssen innerhalb von 30 Tagen erfüllt werden."),
        QStringLiteral("Die Frist beginnt für Sie mit der Absendung Ihrer Widerrufserklärung oder der Sache, für uns mit deren Empfang."),
        QString(),
        QStringLiteral("Besondere Hinweise:"),
        QStringLiteral("Ihr Widerrufsrecht erlischt vorzeitig, wenn der Vertrag von beiden Seiten auf Ihren ausdrücklichen Wunsch "
                       "vollständig erfüllt ist, bevor Sie Ihr Widerrufsrecht ausgeübt haben."),
        QStringLiteral("Ein Widerrufsrecht besteht nicht, sobald Sie den versiegelten Datenträger mit dem Programm entsiegelt haben."),
        QString(),
        QStringLiteral("Ende der Widerrufsbelehrung"),
        QString(),
        QStringLiteral("Informationen zum Support: "),
        QStringLiteral("Fragen zum Programm und zu seiner Bedienung richten Sie bitte per E-Mail an:"),
        QString::fromUtf8(EntwicklerSupportEmail),
        QStringLiteral("Bitte nennen Sie dabei die Versionsnummer des Programms, die Sie im Fenster \"Info zu Tessarix\" finden."),
        QStringLiteral("Bei einer Fehlermeldung hilft uns eine kurze Beschreibung der Eingaben, die zu dem Fehler geführt haben."),
        QString(),
        QStringLiteral("Über Hinweise, Anregungen und Verbesserungsvorschläge freuen wir uns."),
        QStringLiteral("Schreiben Sie uns Ihre Erfahrungen mit dem Programm gerne an dieselbe Adresse."),
        QString(),
        QString(),
        QStringLiteral("Aktualisierungen und Erweiterungen des Programms finden Sie auf den Internetseiten %1 und %2.")
            .arg(QString::fromUtf8(VerlagWebadresse), QString::fromUtf8(EntwicklerWebadresse)),
    };
}

} // namespace ventoris

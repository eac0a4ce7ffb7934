#include "app/meldungsfilter.h"

#include <QRegularExpression>
#include <QtGlobal>

#include <cstring>

namespace {

QtMessageHandler vorheriger = nullptr;

bool harmlos(QtMsgType art, const QMessageLogContext &ort, const QString &text)
{
    // as Qt's accessibility of item views prints it, with qWarning() in the
    // default category
    static const QRegularExpression muster(QStringLiteral("^QAccessibleTable::child: Invalid index at: -?\\d+ -?\\d+$"));
    return art == QtWarningMsg && ort.category && std::strcmp(ort.category, "default") == 0 &&
           muster.match(text).hasMatch();
}

void filtern(QtMsgType art, const QMessageLogContext &ort, const QString &text)
{
    if (vorheriger && !harmlos(art, ort, text))
        vorheriger(art, ort, text);
}

} // namespace

void MeldungsfilterEinrichten()
{
    static const bool eingerichtet = [] {
        // Qt returns its own handler when none was installed
        vorheriger = qInstallMessageHandler(filtern);
        return true;
    }();
    Q_UNUSED(eingerichtet);
}

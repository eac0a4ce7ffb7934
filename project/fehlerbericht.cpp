#include "project/dateifehler.h"

// The message box lives apart from the error codes, so that the file reading
// and writing code needs no widgets.

#include <QCoreApplication>
#include <QMessageBox>

namespace ventoris {

void AllgemeinerFehlerbericht(QWidget *parent, const DateiFehler &fehler)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    fehler.meldung(), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("AllgemeinerFehlerbericht"));
    box.exec();
}

} // namespace ventoris

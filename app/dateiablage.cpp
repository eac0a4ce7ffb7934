#include "app/dateiablage.h"

#include "app/tform1.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The one local project file a drag carries, or an empty text.
QString projektdatei(const QMimeData *daten)
{
    if (!daten || !daten->hasUrls())
        return {};
    const QList<QUrl> urls = daten->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QString pfad = urls.constFirst().toLocalFile();
    return QFileInfo(pfad).suffix().compare(QLatin1String("lkz"), Qt::CaseInsensitive) == 0 ? pfad
                                                                                          : QString();
}

class TDateiablage : public QObject
{
public:
    explicit TDateiablage(TForm1 &fenster) : QObject(&fenster), m_fenster(fenster) {}

protected:
    bool eventFilter(QObject *ziel, QEvent *ereignis) override
    {
        switch (ereignis->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *zug = static_cast<QDragMoveEvent *>(ereignis);
            annehmen(*zug, !projektdatei(zug->mimeData()).isEmpty());
            return true;
        }
        case QEvent::Drop: {
            auto *ablage = static_cast<QDropEvent *>(ereignis);
            const QString pfad = projektdatei(ablage->mimeData());
            annehmen(*ablage, !pfad.isEmpty());
            // Opened once the drop is over: its messages must not keep the
            // file manager waiting.
            if (!pfad.isEmpty())
                QTimer::singleShot(0, &m_fenster, [f = &m_fenster, pfad] { f->ProjektOeffnen(pfad); });
            return true;
        }
        default:
            return QObject::eventFilter(ziel, ereignis);
        }
    }

private:
    // A copy only: a move would let the file manager delete the file.
    static void annehmen(QDropEvent &ereignis, bool ja)
    {
        if (ja) {
            ereignis.setDropAction(Qt::CopyAction);
            ereignis.accept();
        } else {
            ereignis.ignore();
        }
    }

    TForm1 &m_fenster;
};

} // namespace

void DateiablageEinrichten(TForm1 &fenster)
{
    // The drop goes to the window as a whole: fields that would take a
    // dragged text or path drop it no more.
    for (QWidget *w : fenster.findChildren<QWidget *>()) {
        if (w->window() == &fenster)
            w->setAcceptDrops(false);
    }
    fenster.setAcceptDrops(true);
    fenster.installEventFilter(new TDateiablage(fenster));
}

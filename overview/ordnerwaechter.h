#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;

namespace ventoris {

// Tells when anything in one folder changes: a file added, removed, renamed,
// or written in place. One watch on the folder serves any number of files
// (Linux inotify reports writes to the files inside a watched folder; Qt's
// folder watch does not), so watching a folder of 10,000 units costs nothing.
// Where inotify is not at hand, Qt's folder watch serves, without the writes
// and without telling renames.
class TOrdnerWaechter : public QObject
{
    Q_OBJECT
public:
    TOrdnerWaechter(const QString &ordner, QObject *eltern);
    ~TOrdnerWaechter() override;

signals:
    void Geaendert();
    // A project file renamed within the folder (both names end in ".lkz"),
    // as paths in the file system's own bytes; told before Geaendert.
    void Umbenannt(const QByteArray &alt, const QByteArray &neu);

private:
    void lesen();

    QByteArray m_basis; // the folder's path with a closing "/"
    // names moved away, by the cookie that pairs them with their new name
    QHash<uint32_t, QByteArray> m_weg;
    int m_fd = -1;
    QSocketNotifier *m_melder = nullptr;
    QFileSystemWatcher *m_ersatz = nullptr;
};

} // namespace ventoris

#include "overview/ordnerwaechter.h"

#include "building/gebaeude.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

namespace ventoris {

TOrdnerWaechter::TOrdnerWaechter(const QString &ordner, QObject *eltern)
    : QObject(eltern), m_basis(QFile::encodeName(ordner))
{
    if (!m_basis.endsWith('/'))
        m_basis += '/';
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    constexpr uint32_t ereignisse = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                    IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
    if (m_fd >= 0 && ::inotify_add_watch(m_fd, QFile::encodeName(ordner).constData(), ereignisse) >= 0) {
        m_melder = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_melder, &QSocketNotifier::activated, this, &TOrdnerWaechter::lesen);
        return;
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_ersatz = new QFileSystemWatcher({ordner}, this);
    connect(m_ersatz, &QFileSystemWatcher::directoryChanged, this, &TOrdnerWaechter::Geaendert);
}

TOrdnerWaechter::~TOrdnerWaechter()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void TOrdnerWaechter::lesen()
{
    // Any event means a new reading; a rename within the folder comes as a
    // pair of events with one cookie, which lets the rows follow the file.
    alignas(inotify_event) char puffer[4096];
    bool etwas = false;
    ssize_t n;
    while ((n = ::read(m_fd, puffer, sizeof puffer)) > 0) {
        etwas = true;
        for (ssize_t i = 0; i + ssize_t(sizeof(inotify_event)) <= n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(puffer + i);
            i += ssize_t(sizeof(inotify_event) + e->len);
            if (e->len == 0 || !ProjektdateiName(e->name))
                continue;
            if (e->mask & IN_MOVED_FROM) {
                // a name moved out of the folder never pairs; keep few
                if (m_weg.size() > 64)
                    m_weg.clear();
                m_weg.insert(e->cookie, QByteArray(e->name));
            } else if (e->mask & IN_MOVED_TO) {
                const auto alt = m_weg.constFind(e->cookie);
                if (alt != m_weg.constEnd()) {
                    emit Umbenannt(m_basis + *alt, m_basis + QByteArray(e->name));
                    m_weg.erase(alt);
                }
            }
        }
    }
    if (etwas)
        emit Geaendert();
}

} // namespace ventoris

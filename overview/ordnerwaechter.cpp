#include "overview/ordnerwaechter.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

namespace ventoris {

TOrdnerWaechter::TOrdnerWaechter(const QString &ordner, QObject *eltern) : QObject(eltern)
{
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
    // The events themselves do not matter, only that there were some.
    alignas(inotify_event) char puffer[4096];
    bool etwas = false;
    while (::read(m_fd, puffer, sizeof puffer) > 0)
        etwas = true;
    if (etwas)
        emit Geaendert();
}

} // namespace ventoris

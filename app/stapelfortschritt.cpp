#include "app/stapelfortschritt.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace ventoris;

TUebersichtFortschritt::TUebersichtFortschritt() : m_an(::isatty(STDERR_FILENO)) {}

TUebersichtFortschritt::~TUebersichtFortschritt()
{
    platzMachen();
}

void TUebersichtFortschritt::platzMachen()
{
    if (m_an)
        std::fputs("\r\033[K", stderr);
}

TGebaeude TUebersichtFortschritt::Lesen(const QByteArray &ordner)
{
    if (!m_an)
        return GebaeudeLesen(ordner);
    // read beside, so that the line can move while a file is read
    TLeseFortschritt fortschritt;
    std::atomic<bool> fertig{false};
    TGebaeude gebaeude;
    std::thread leser([&] {
        gebaeude = GebaeudeLesen(ordner, &fortschritt);
        fertig = true;
    });
    while (!fertig) {
        std::fprintf(stderr, "\r\033[KLesen %d/%d", fortschritt.fertig.load(), fortschritt.gesamt.load());
        std::fflush(stderr);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    leser.join();
    std::fprintf(stderr, "\r\033[KLesen %d/%d", fortschritt.fertig.load(), fortschritt.gesamt.load());
    return gebaeude;
}

std::function<void(int)> TUebersichtFortschritt::Seiten(int gesamt)
{
    if (!m_an)
        return {};
    return [gesamt](int seite) {
        std::fprintf(stderr, "\r\033[KSeite %d/%d", seite, gesamt);
        std::fflush(stderr);
    };
}

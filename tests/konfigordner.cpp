// Linked into every test program: before main() runs, the program gets a
// configuration folder of its own, empty at its start and removed at its end.
// Whatever the program or Qt remembers (QSettings, the file dialogs' state)
// lands there, never in the user's own configuration, however the test is
// started.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class TKonfigordner
{
public:
    TKonfigordner()
    {
        std::error_code fehler;
        const std::filesystem::path basis = std::filesystem::temp_directory_path(fehler);
        m_pfad = ((fehler ? std::filesystem::path("/tmp") : basis) / "ventoris-test-XXXXXX").string();
        if (!mkdtemp(m_pfad.data()) || setenv("XDG_CONFIG_HOME", m_pfad.c_str(), 1) != 0) {
            std::perror("ventoris test: configuration folder");
            std::abort();
        }
    }
    ~TKonfigordner()
    {
        std::error_code fehler;
        std::filesystem::remove_all(m_pfad, fehler);
    }
    TKonfigordner(const TKonfigordner &) = delete;
    TKonfigordner &operator=(const TKonfigordner &) = delete;

private:
    std::string m_pfad;
};

const TKonfigordner konfigordner;

} // namespace

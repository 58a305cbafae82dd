// ampelor-batch as a process, on descriptors that fail: a full device, a closed or read-only
// standard output, a pipe whose reader has gone, a connection reset under its input; and driven
// line by line through pipes, as a co-process is.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

extern char **environ;

namespace {

using testing::HasSubstr;
using testing::MatchesRegex;

constexpr int Bez = -1; // no descriptor at all: the child's standard output is closed

// A descriptor of the test's own, closed at the end of its scope. Every one is opened with
// close-on-exec: the program must hold only the ends it is given, or it would never see the end
// of its input.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd &&inny) noexcept : fd_(inny.fd_) { inny.fd_ = -1; }
    Fd &operator=(Fd &&inny) noexcept
    {
        std::swap(fd_, inny.fd_);
        return *this;
    }
    ~Fd() { zamknij(); }
    operator int() const { return fd_; }
    void zamknij()
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

  private:
    int fd_ = -1;
};

struct Rura {
    Fd odczyt;
    Fd zapis;
};

Rura rura()
{
    int fd[2] = {-1, -1};
    EXPECT_EQ(pipe2(fd, O_CLOEXEC), 0);
    return {Fd(fd[0]), Fd(fd[1])};
}

const std::string Odpowiedz1 = "5\t15\t 680 Ohm\t 1.8 kOhm\t 270 Ohm\t\n";  // for "1\t5\t15"
const std::string Odpowiedz0 = "5\t0\t 560 Ohm\t 146.21 Ohm\t 240 Ohm\t\n"; // for "0\t5\t0"

struct Koniec {
    int status = -1;   // the exit status, when it exited
    int sygnal = 0;    // the signal that ended it, when one did
    std::string bledy; // its standard error
};

// One run of ampelor-batch with the given descriptors as its standard input and output;
// standard error is always read.
class Batch {
  public:
    Batch(int wejscie, int wyjscie, std::vector<std::string> argumenty = {},
          bool sigpipeDomyslny = true)
    {
        Rura bledy = rura();
        posix_spawn_file_actions_t akcje;
        posix_spawn_file_actions_init(&akcje);
        posix_spawn_file_actions_adddup2(&akcje, wejscie, 0);
        if (wyjscie == Bez)
            posix_spawn_file_actions_addclose(&akcje, 1);
        else
            posix_spawn_file_actions_adddup2(&akcje, wyjscie, 1);
        posix_spawn_file_actions_adddup2(&akcje, bledy.zapis, 2);
        posix_spawnattr_t atrybuty;
        posix_spawnattr_init(&atrybuty);
        sigset_t domyslne;
        sigemptyset(&domyslne);
        if (sigpipeDomyslny)
            sigaddset(&domyslne, SIGPIPE);
        posix_spawnattr_setsigdefault(&atrybuty, &domyslne);
        posix_spawnattr_setflags(&atrybuty, POSIX_SPAWN_SETSIGDEF);

        argumenty.insert(argumenty.begin(), AMPELOR_BATCH);
        std::vector<char *> argv;
        for (auto &a : argumenty)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid_, AMPELOR_BATCH, &akcje, &atrybuty, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&akcje);
        posix_spawnattr_destroy(&atrybuty);
        bledy_ = std::move(bledy.odczyt);
    }

    ~Batch()
    {
        if (pid_ > 0) { // a test that failed half way: no process is left behind
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    Koniec zakoncz()
    {
        Koniec k;
        char blok[4096];
        for (ssize_t n; (n = read(bledy_, blok, sizeof blok)) > 0;)
            k.bledy.append(blok, static_cast<std::size_t>(n));
        int status = 0;
        EXPECT_EQ(waitpid(pid_, &status, 0), pid_);
        pid_ = 0;
        if (WIFEXITED(status))
            k.status = WEXITSTATUS(status);
        if (WIFSIGNALED(status))
            k.sygnal = WTERMSIG(status);
        return k;
    }

  private:
    pid_t pid_ = 0;
    Fd bledy_;
};

// A file with the text, open for reading from its start.
Fd plikZ(const std::string &tekst)
{
    std::FILE *plik = std::tmpfile();
    std::fwrite(tekst.data(), 1, tekst.size(), plik);
    std::fflush(plik);
    Fd fd(fcntl(fileno(plik), F_DUPFD_CLOEXEC, 0));
    std::fclose(plik); // the file lives on while fd is open
    lseek(fd, 0, SEEK_SET);
    return fd;
}

Fd otworz(const char *sciezka, int tryb)
{
    return Fd(open(sciezka, tryb | O_CLOEXEC));
}

std::string powtorz(const std::string &wiersz, int ile)
{
    std::string tekst;
    for (int i = 0; i < ile; ++i)
        tekst += wiersz;
    return tekst;
}

// Reads one answer line, or nothing within the time given.
std::optional<std::string> wierszZ(int fd, int ms = 10000)
{
    std::string wiersz;
    char z;
    while (wiersz.empty() || wiersz.back() != '\n') {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, ms) != 1 || read(fd, &z, 1) != 1)
            return std::nullopt;
        wiersz += z;
    }
    return wiersz;
}

void pisz(int fd, const std::string &tekst)
{
    ASSERT_EQ(write(fd, tekst.data(), tekst.size()), static_cast<ssize_t>(tekst.size()));
}

class BatchTest : public testing::Test {
  protected:
    // The test's own writes to a pipe whose reader is gone must fail, not end the test program.
    void SetUp() override { signal(SIGPIPE, SIG_IGN); }
};

// --- standard output that cannot take the answers --------------------------------------------

enum class Cel { pelneUrzadzenie, zamkniete, tylkoDoOdczytu };

struct Zapis {
    Cel cel;
    std::string wiersz;
    int wierszy;
    const char *opis;
};

void PrintTo(const Zapis &z, std::ostream *os)
{
    *os << z.opis;
}

class BatchBladZapisu : public BatchTest, public testing::WithParamInterface<Zapis> {};

// Whether the answers fill a block or not, and wherever the write fails, the run ends with
// status 3 and says what failed at which line, instead of reporting success.
TEST_P(BatchBladZapisu, stopsWithStatus3AndTheLineWhoseAnswerWasLost)
{
    const Zapis &z = GetParam();
    const Fd wejscie = plikZ(powtorz(z.wiersz, z.wierszy));
    const Fd wyjscie = z.cel == Cel::pelneUrzadzenie  ? otworz("/dev/full", O_WRONLY)
                       : z.cel == Cel::tylkoDoOdczytu ? otworz("/dev/null", O_RDONLY)
                                                      : Fd(Bez);

    const Koniec k = Batch(wejscie, wyjscie).zakoncz();

    EXPECT_EQ(k.status, 3);
    EXPECT_THAT(k.bledy, MatchesRegex("ampelor-batch: wiersz 1: błąd zapisu wyjścia: .+\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, BatchBladZapisu,
    testing::Values(
        // One answer, written only when the input ends.
        Zapis{Cel::pelneUrzadzenie, "1\t5\t15\n", 1, "one line to /dev/full"},
        // 1927 answers stay just below a 64 KiB block, 1928 just pass it.
        Zapis{Cel::pelneUrzadzenie, "1\t5\t15\n", 1927, "just below a block to /dev/full"},
        Zapis{Cel::pelneUrzadzenie, "1\t5\t15\n", 1928, "just past a block to /dev/full"},
        // 8-byte lines: the first read ends exactly at the end of a line, at 64 KiB.
        Zapis{Cel::pelneUrzadzenie, "1\t5\t15\r\n", 8192, "input of exactly a block"},
        Zapis{Cel::pelneUrzadzenie, "0\t5\t0\n", 20000, "many blocks to /dev/full"},
        Zapis{Cel::zamkniete, "1\t5\t15\n", 1, "one line to a closed descriptor"},
        Zapis{Cel::zamkniete, "1\t5\t15\n", 1928, "a block to a closed descriptor"},
        Zapis{Cel::tylkoDoOdczytu, "1\t5\t15\n", 20000, "many blocks to a read-only one"}));

TEST_F(BatchTest, pipeWithoutReaderEndsItBySigpipeAsAFilterEnds)
{
    Rura r = rura();
    r.odczyt.zamknij();
    const Koniec k = Batch(plikZ("1\t5\t15\n"), r.zapis).zakoncz();
    EXPECT_EQ(k.sygnal, SIGPIPE);
}

TEST_F(BatchTest, pipeWithoutReaderGivesStatus3WhenSigpipeIsIgnored)
{
    Rura r = rura();
    r.odczyt.zamknij();
    const Koniec k = Batch(plikZ("1\t5\t15\n"), r.zapis, {}, false).zakoncz();
    EXPECT_EQ(k.status, 3);
    EXPECT_THAT(k.bledy, MatchesRegex("ampelor-batch: wiersz 1: błąd zapisu wyjścia: .+\n"));
}

TEST_F(BatchTest, readerLeavingHalfWayNamesTheFirstAnswerNotDelivered)
{
    Rura r = rura();
    Batch batch(plikZ(powtorz("1\t5\t15\n", 20000)), r.zapis, {}, false);
    r.zapis.zamknij();
    // Take the first ten answers whole, then go away.
    std::string przeczytane;
    for (int i = 0; i < 10; ++i)
        przeczytane += wierszZ(r.odczyt).value_or("");
    r.odczyt.zamknij();
    const Koniec k = batch.zakoncz();

    EXPECT_EQ(przeczytane, powtorz(Odpowiedz1, 10));
    EXPECT_EQ(k.status, 3);
    std::size_t wiersz = 0;
    EXPECT_EQ(std::sscanf(k.bledy.c_str(), "ampelor-batch: wiersz %zu:", &wiersz), 1) << k.bledy;
    EXPECT_THAT(k.bledy, HasSubstr("błąd zapisu wyjścia"));
    EXPECT_GT(wiersz, 10u);
    EXPECT_LE(wiersz, 20000u);
}

TEST_F(BatchTest, nothingToWriteToAClosedOutputIsNoFault)
{
    const Koniec k = Batch(plikZ(""), Bez).zakoncz();
    EXPECT_EQ(k.status, 0);
    EXPECT_EQ(k.bledy, "");
}

TEST_F(BatchTest, helpThatCannotBeWrittenFails)
{
    const Koniec k = Batch(plikZ(""), otworz("/dev/full", O_WRONLY), {"--help"}).zakoncz();
    EXPECT_EQ(k.status, 3);
    EXPECT_THAT(k.bledy, MatchesRegex("ampelor-batch: błąd zapisu wyjścia: .+\n"));
}

TEST_F(BatchTest, helpGoesToStandardOutputWithStatus0)
{
    Rura r = rura();
    Batch batch(plikZ(""), r.zapis, {"--help"});
    r.zapis.zamknij();
    const auto pierwszy = wierszZ(r.odczyt);
    EXPECT_EQ(batch.zakoncz().status, 0);
    EXPECT_EQ(pierwszy, "Użycie: ampelor-batch < przypadki.tsv\n");
}

// --- input that fails ------------------------------------------------------------------------

// A TCP connection on the loopback interface: the test writes to one end, the program reads
// the other.
struct Polaczenie {
    Fd nadawca;
    Fd odbiorca;
};

Polaczenie polacz()
{
    Fd sluchacz(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dlugosc = sizeof adres;
    auto *ogolny = reinterpret_cast<sockaddr *>(&adres);
    if (bind(sluchacz, ogolny, sizeof adres) != 0 || listen(sluchacz, 1) != 0 ||
        getsockname(sluchacz, ogolny, &dlugosc) != 0)
        return {};
    Fd nadawca(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (connect(nadawca, ogolny, sizeof adres) != 0)
        return {};
    Fd odbiorca(accept4(sluchacz, nullptr, nullptr, SOCK_CLOEXEC));
    return {std::move(nadawca), std::move(odbiorca)};
}

TEST_F(BatchTest, readErrorWritesTheAnswersBeforeItThenNamesTheLine)
{
    Polaczenie p = polacz();
    ASSERT_GE(p.odbiorca, 0) << std::strerror(errno);
    Rura r = rura();
    Batch batch(p.odbiorca, r.zapis);
    p.odbiorca.zamknij();
    r.zapis.zamknij();

    pisz(p.nadawca, "1\t5\t15\n0\t5\t0\n");
    EXPECT_EQ(wierszZ(r.odczyt), Odpowiedz1);
    EXPECT_EQ(wierszZ(r.odczyt), Odpowiedz0);
    // Closing with a zero linger time resets the connection: the program's next read fails.
    const linger natychmiast{1, 0};
    setsockopt(p.nadawca, SOL_SOCKET, SO_LINGER, &natychmiast, sizeof natychmiast);
    p.nadawca.zamknij();
    const Koniec k = batch.zakoncz();

    EXPECT_EQ(k.status, 3);
    EXPECT_THAT(k.bledy, MatchesRegex("ampelor-batch: wiersz 3: błąd odczytu wejścia: .+\n"));
    EXPECT_EQ(wierszZ(r.odczyt, 1000), std::nullopt); // and nothing more
}

// --- line by line, as a co-process ----------------------------------------------------------

TEST_F(BatchTest, answersEachLineBeforeTheNextIsSent)
{
    Rura wejscie = rura();
    Rura wyjscie = rura();
    Batch batch(wejscie.odczyt, wyjscie.zapis);
    wejscie.odczyt.zamknij();
    wyjscie.zapis.zamknij();

    const std::vector<std::pair<std::string, std::string>> rozmowa{
        {"1\t5\t15\n", Odpowiedz1},
        {"0\t5\t0\r\n", Odpowiedz0},
        {"0\t31\t0\n", "0\t0\t-\t-\t-\tNapięcie powinno zawierać się w zakresie 1.25V do 30V.\n"},
        {"1\t5\t5.001\n", "0\t0\t-\t-\t-\tZakres regulacji jest zbyt wąski.\n"}};
    for (const auto &[pytanie, odpowiedz] : rozmowa) {
        pisz(wejscie.zapis, pytanie);
        EXPECT_EQ(wierszZ(wyjscie.odczyt), odpowiedz) << "no answer in time to " << pytanie;
    }
    // A line that arrives in two pieces is answered once, when it is whole.
    pisz(wejscie.zapis, "1\t5");
    EXPECT_EQ(wierszZ(wyjscie.odczyt, 300), std::nullopt);
    pisz(wejscie.zapis, "\t15\n");
    EXPECT_EQ(wierszZ(wyjscie.odczyt), Odpowiedz1);

    wejscie.zapis.zamknij();
    const Koniec k = batch.zakoncz();
    EXPECT_EQ(k.status, 0);
    EXPECT_EQ(k.bledy, "");
}

} // namespace

// Starts a bare Qt window and the game alternately under a private Xvfb and
// compares what a player notices of a start: the time from exec to the
// window being mapped and to its first paint, the resident memory 2 s after
// the start, and the CPU used while both sit idle after that. Prints the
// medians and the game's ratios to the bare window's.
//
// The map is seen as the X server's MapNotify on the root window, received
// by this program as an X client, of a window whose _NET_WM_PID is the
// started process; the first paint as the first time the middle of that
// window shows anything but the root's colour, looked at every half
// millisecond. Each program runs from a copy in a temporary folder,
// with a home and runtime folder of its own, so that no settings file
// outside it changes; the game starts with its default settings unless
// told otherwise.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

namespace {

struct TOptions {
    int Runs = 10;
    fs::path Game = PEGLORE_BIN_DIR "/peglore";
    fs::path Bare = PEGLORE_BIN_DIR "/BareWindow";
    double MemoryAfterSeconds = 2.0;
    double IdleSeconds = 3.0;
    bool AlsaNull = false;
    bool Verbose = false;
    fs::path Settings;  // copied as the game's Peglore.ini before each start
};

void Usage()
{
    std::printf("usage: StartupBench [--runs N] [--game PATH] [--bare PATH] [--idle SECONDS]\n"
                "                    [--alsa-null] [--settings FILE] [--verbose]\n"
                "  --runs N       starts of each program, alternating (default 10, after one\n"
                "                 warm-up start of each)\n"
                "  --game PATH    the game's executable; Peglore.mid and Peglore.hlp are taken\n"
                "                 from its folder (default: this build's)\n"
                "  --bare PATH    the bare window's executable (default: this build's)\n"
                "  --idle S       seconds of idle CPU measured after the memory (default 3)\n"
                "  --alsa-null    give both programs ALSA's null device as the default sound\n"
                "                 card, so that the music really plays (into nothing); that\n"
                "                 device takes sound as fast as it is made, so the game's\n"
                "                 idle CPU then is the synthesizer running unpaced\n"
                "  --settings F   start the game with F as its Peglore.ini instead of none\n"
                "  --verbose      every start's figures\n");
}

bool ParseOptions(int argc, char** argv, TOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--runs") {
            const char* value = next();
            if (!value || (options.Runs = std::atoi(value)) < 1)
                return false;
        } else if (arg == "--game") {
            const char* value = next();
            if (!value)
                return false;
            options.Game = value;
        } else if (arg == "--bare") {
            const char* value = next();
            if (!value)
                return false;
            options.Bare = value;
        } else if (arg == "--idle") {
            const char* value = next();
            if (!value || (options.IdleSeconds = std::atof(value)) <= 0)
                return false;
        } else if (arg == "--settings") {
            const char* value = next();
            if (!value)
                return false;
            options.Settings = value;
        } else if (arg == "--alsa-null") {
            options.AlsaNull = true;
        } else if (arg == "--verbose") {
            options.Verbose = true;
        } else {
            return false;
        }
    }
    return true;
}

// Xvfb on a display number it picks itself and reports through a pipe.
class TXvfb {
public:
    TXvfb()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        FPid = fork();
        if (FPid == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c = 0;
        while (FPid > 0 && poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty())
            FDisplay = ":" + number;
    }
    ~TXvfb()
    {
        if (FPid > 0) {
            kill(FPid, SIGTERM);
            waitpid(FPid, nullptr, 0);
        }
    }
    const std::string& Display() const { return FDisplay; }

private:
    pid_t FPid = -1;
    std::string FDisplay;
};

// An X connection that hears of every window mapped on the root.
class TMapWatcher {
public:
    explicit TMapWatcher(const std::string& display)
    {
        FConnection = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(FConnection))
            return;
        FRoot = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(FConnection, FRoot, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(FConnection, xcb_intern_atom(FConnection, 0, sizeof name - 1, name), nullptr);
        if (atom) {
            FPidAtom = atom->atom;
            std::free(atom);
        }
        xcb_flush(FConnection);
    }
    ~TMapWatcher() { xcb_disconnect(FConnection); }
    bool Ok() const { return !xcb_connection_has_error(FConnection) && FPidAtom != XCB_NONE; }

    void Drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(FConnection))
            std::free(event);
    }

    struct TMapped {
        xcb_window_t Window = XCB_NONE;
        TClock::time_point At;
    };

    // Waits up to timeout for a window of process pid to be mapped; the
    // window and the time it was heard of, or nothing.
    std::optional<TMapped> WaitForMap(pid_t pid, std::chrono::milliseconds timeout)
    {
        const TClock::time_point end = TClock::now() + timeout;
        while (TClock::now() < end) {
            pollfd p{xcb_get_file_descriptor(FConnection), POLLIN, 0};
            poll(&p, 1, 50);
            while (xcb_generic_event_t* event = xcb_poll_for_event(FConnection)) {
                const TClock::time_point heard = TClock::now();
                std::optional<xcb_window_t> mapped;
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY)
                    mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                std::free(event);
                if (mapped && PidOf(*mapped) == pid)
                    return TMapped{*mapped, heard};
            }
            if (xcb_connection_has_error(FConnection) || waitpid(pid, nullptr, WNOHANG) == pid)
                return std::nullopt;
        }
        return std::nullopt;
    }

    // Paints the root window in a colour no program here paints, so that a
    // window not yet painted shows it through.
    void PaintRoot()
    {
        const std::uint32_t colour = Unpainted;
        xcb_change_window_attributes(FConnection, FRoot, XCB_CW_BACK_PIXEL, &colour);
        xcb_clear_area(FConnection, 0, FRoot, 0, 0, 0, 0);
        xcb_flush(FConnection);
    }

    // Waits up to timeout for the middle of window to show anything but the
    // root's colour; the time it was seen, or nothing. Looks every half
    // millisecond.
    std::optional<TClock::time_point> WaitForPaint(xcb_window_t window, std::chrono::milliseconds timeout)
    {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(FConnection, xcb_get_geometry(FConnection, window), nullptr);
        if (!geometry)
            return std::nullopt;
        const int size = 8;
        const std::int16_t x = std::int16_t(geometry->width / 2 - size / 2);
        const std::int16_t y = std::int16_t(geometry->height / 2 - size / 2);
        std::free(geometry);
        const TClock::time_point end = TClock::now() + timeout;
        while (TClock::now() < end) {
            xcb_get_image_reply_t* image = xcb_get_image_reply(
                FConnection, xcb_get_image(FConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, size, size, ~0u),
                nullptr);
            if (!image)
                return std::nullopt;
            const TClock::time_point seen = TClock::now();
            const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
            const int count = xcb_get_image_data_length(image) / 4;
            bool painted = false;
            for (int i = 0; i < count && !painted; ++i)
                painted = (pixels[i] & 0xFFFFFF) != Unpainted;
            std::free(image);
            if (painted)
                return seen;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return std::nullopt;
    }

private:
    static constexpr std::uint32_t Unpainted = 0xFF00FF;

    pid_t PidOf(xcb_window_t window)
    {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(FConnection, 0, window, FPidAtom, XCB_ATOM_CARDINAL, 0, 1);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(FConnection, cookie, nullptr);
        pid_t pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = pid_t(*static_cast<std::uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    xcb_connection_t* FConnection = nullptr;
    xcb_window_t FRoot = XCB_NONE;
    xcb_atom_t FPidAtom = XCB_NONE;
};

// A field of /proc/PID/status in kiB, or -1.
long StatusKiB(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1);
    return -1;
}

// User and system time of the whole process, in clock ticks, or -1.
long CpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::atol(field.c_str());
        else if (i == 15)
            stime = std::atol(field.c_str());
    }
    return utime + stime;
}

struct TSample {
    double MapMs = 0;
    double PaintMs = 0;
    double RssMiB = 0;
    double IdleCpuPercent = 0;
};

class TLauncher {
public:
    TLauncher(TMapWatcher& watcher, std::vector<std::string> environment, const TOptions& options)
        : FWatcher(watcher), FEnvironment(std::move(environment)), FOptions(options)
    {
    }

    std::optional<TSample> Run(const fs::path& program)
    {
        std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
        std::vector<char*> envp;
        for (std::string& entry : FEnvironment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

        FWatcher.Drain();
        pid_t pid = -1;
        const TClock::time_point start = TClock::now();
        const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed) {
            std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(failed));
            return std::nullopt;
        }
        std::optional<TSample> sample;
        if (const auto mapped = FWatcher.WaitForMap(pid, std::chrono::seconds(20))) {
            TSample s;
            s.MapMs = std::chrono::duration<double, std::milli>(mapped->At - start).count();
            const auto painted = FWatcher.WaitForPaint(mapped->Window, std::chrono::seconds(20));
            s.PaintMs = painted ? std::chrono::duration<double, std::milli>(*painted - start).count() : -1;
            std::this_thread::sleep_until(start + std::chrono::duration<double>(FOptions.MemoryAfterSeconds));
            s.RssMiB = double(StatusKiB(pid, "VmRSS")) / 1024.0;
            const long ticks = CpuTicks(pid);
            const TClock::time_point idleStart = TClock::now();
            std::this_thread::sleep_for(std::chrono::duration<double>(FOptions.IdleSeconds));
            const long idleTicks = CpuTicks(pid) - ticks;
            const double idleSeconds = std::chrono::duration<double>(TClock::now() - idleStart).count();
            s.IdleCpuPercent = 100.0 * double(idleTicks) / double(sysconf(_SC_CLK_TCK)) / idleSeconds;
            if (s.RssMiB > 0 && ticks >= 0)
                sample = s;
        } else {
            std::fprintf(stderr, "%s mapped no window\n", program.c_str());
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return sample;
    }

private:
    TMapWatcher& FWatcher;
    std::vector<std::string> FEnvironment;
    const TOptions& FOptions;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool CopyInto(const fs::path& file, const fs::path& folder)
{
    std::error_code error;
    fs::copy_file(file, folder / file.filename(), fs::copy_options::overwrite_existing, error);
    if (error)
        std::fprintf(stderr, "cannot copy %s: %s\n", file.c_str(), error.message().c_str());
    return !error;
}

}  // namespace

int main(int argc, char** argv)
{
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        Usage();
        return 2;
    }

    char pattern[] = "/tmp/peglore-startup-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path top = pattern;
    const fs::path gameFolder = top / "game", bareFolder = top / "bare", home = top / "home", runtime = top / "run";
    for (const fs::path& folder : {gameFolder, bareFolder, home, runtime})
        fs::create_directory(folder);
    fs::permissions(runtime, fs::perms::owner_all);
    bool copied = CopyInto(options.Game, gameFolder) && CopyInto(options.Bare, bareFolder);
    for (const char* name : {"Peglore.mid", "Peglore.hlp"})
        copied = copied && CopyInto(options.Game.parent_path() / name, gameFolder);
    if (options.AlsaNull)
        std::ofstream(home / ".asoundrc") << "pcm.!default { type null }\n";

    int status = 1;
    if (copied) {
        TXvfb server;
        if (server.Display().empty()) {
            std::fprintf(stderr, "Xvfb did not start\n");
        } else if (TMapWatcher watcher(server.Display()); !watcher.Ok()) {
            std::fprintf(stderr, "cannot watch display %s\n", server.Display().c_str());
        } else {
            watcher.PaintRoot();
            std::vector<std::string> environment{
                "PATH=/usr/local/bin:/usr/bin:/bin",
                "DISPLAY=" + server.Display(),
                "QT_QPA_PLATFORM=xcb",
                "HOME=" + home.string(),
                "XDG_RUNTIME_DIR=" + runtime.string(),
                "LANG=C.UTF-8",
            };
            // Found by their own folders, as the game finds its files.
            if (chdir("/") != 0)
                std::perror("chdir");
            TLauncher launcher(watcher, environment, options);
            const fs::path game = gameFolder / options.Game.filename();
            const fs::path bare = bareFolder / options.Bare.filename();
            const fs::path settings = gameFolder / "Peglore.ini";
            std::vector<TSample> bareSamples, gameSamples;
            bool ok = true;
            const auto runGame = [&](bool keep) {
                fs::remove(settings);
                if (!options.Settings.empty())
                    fs::copy_file(options.Settings, settings);
                const std::optional<TSample> s = launcher.Run(game);
                ok = ok && s;
                if (s && keep)
                    gameSamples.push_back(*s);
                if (s && options.Verbose)
                    std::printf("game  map %7.1f ms, paint %7.1f ms, %6.1f MiB, %5.1f %%%s\n", s->MapMs, s->PaintMs,
                                s->RssMiB, s->IdleCpuPercent, keep ? "" : "  (warm-up)");
            };
            const auto runBare = [&](bool keep) {
                const std::optional<TSample> s = launcher.Run(bare);
                ok = ok && s;
                if (s && keep)
                    bareSamples.push_back(*s);
                if (s && options.Verbose)
                    std::printf("bare  map %7.1f ms, paint %7.1f ms, %6.1f MiB, %5.1f %%%s\n", s->MapMs, s->PaintMs,
                                s->RssMiB, s->IdleCpuPercent, keep ? "" : "  (warm-up)");
            };
            runBare(false);
            runGame(false);
            // Alternating, each going first every other time.
            for (int i = 0; i < options.Runs && ok; ++i) {
                if (i % 2 == 0) {
                    runBare(true);
                    runGame(true);
                } else {
                    runGame(true);
                    runBare(true);
                }
            }
            if (ok) {
                const auto column = [](const std::vector<TSample>& samples, double TSample::*field) {
                    std::vector<double> values;
                    for (const TSample& s : samples)
                        values.push_back(s.*field);
                    return Median(values);
                };
                const double bareMap = column(bareSamples, &TSample::MapMs);
                const double gameMap = column(gameSamples, &TSample::MapMs);
                const double bareRss = column(bareSamples, &TSample::RssMiB);
                const double gameRss = column(gameSamples, &TSample::RssMiB);
                std::printf("%d alternating starts each on Xvfb %s, %s; medians:\n", options.Runs,
                            server.Display().c_str(),
                            options.AlsaNull ? "sound to ALSA's null device" : "this machine's sound devices");
                std::printf("                     bare      game     ratio\n");
                const double barePaint = column(bareSamples, &TSample::PaintMs);
                const double gamePaint = column(gameSamples, &TSample::PaintMs);
                std::printf("time to map (ms) %8.1f  %8.1f  %8.2f\n", bareMap, gameMap, gameMap / bareMap);
                std::printf("first paint (ms) %8.1f  %8.1f  %8.2f\n", barePaint, gamePaint, gamePaint / barePaint);
                std::printf("memory (MiB)     %8.1f  %8.1f  %8.2f\n", bareRss, gameRss, gameRss / bareRss);
                std::printf("idle CPU (%%)     %8.1f  %8.1f\n", column(bareSamples, &TSample::IdleCpuPercent),
                            column(gameSamples, &TSample::IdleCpuPercent));
                status = 0;
            }
        }
    }
    std::error_code ignored;
    fs::remove_all(top, ignored);
    return status;
}

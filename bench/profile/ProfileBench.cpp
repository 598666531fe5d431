// Times loading and saving the game's ten settings keys in a 50 MB settings
// file, the way the game does it (one read of all keys, one write of all
// keys), with the foreign lines in several places, and reports the peak
// memory of the process. Usage: ProfileBench [folder] (default: a new folder
// under /tmp, removed at the end).

#include "platform/profile/TProfileFile.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace peglore;

namespace {

constexpr std::size_t FileSize = 50u * 1000u * 1000u;
constexpr int Rounds = 3;

const std::array<TProfileKey, 10> Keys{{
    {"Options", "Music"},
    {"Options", "SmartHints"},
    {"Options", "AutoCheck"},
    {"Statistics", "TotalGames"},
    {"Statistics", "GamesWon"},
    {"Statistics", "GamesLost"},
    {"Statistics", "UnfinishedGames"},
    {"Level Settings", "CustomColumns"},
    {"Level Settings", "CustomRows"},
    {"Level Settings", "DifficultyLevel"},
}};

const std::string Mine = "[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\n"
                         "[Statistics]\nTotalGames=7\nGamesWon=3\nGamesLost=2\nUnfinishedGames=2\n"
                         "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=2\n";

// Lines of 40 to 90 bytes under the header, up to SIZE bytes.
void Foreign(std::ostream& out, const std::string& header, std::size_t size)
{
    out << header;
    std::size_t written = header.size();
    for (int i = 0; written < size; ++i) {
        const std::string line =
            "note" + std::to_string(i) + " = " + std::string(40 + i % 50, char('a' + i % 26)) + "\n";
        out << line;
        written += line.size();
    }
}

// Written straight to disk, so that the peak memory is the profile layer's.
struct TCase {
    const char* Name;
    std::function<void(std::ostream&)> Write;
};

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv)
{
    std::string folder;
    bool own = false;
    if (argc > 1) {
        folder = argv[1];
    } else {
        char pattern[] = "/tmp/ProfileBench-XXXXXX";
        if (!::mkdtemp(pattern)) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = pattern;
        own = true;
    }
    const std::string path = folder + "/Peglore.ini";

    const std::vector<TCase> cases{
        {"keys first, 50 MB of foreign lines after",
         [](std::ostream& out) {
             out << Mine;
             Foreign(out, "[Notes]\n", FileSize);
         }},
        {"50 MB of foreign lines, keys last",
         [](std::ostream& out) {
             Foreign(out, "[Notes]\n", FileSize);
             out << Mine;
         }},
        {"50 MB of foreign keys inside [Options]",
         [](std::ostream& out) {
             Foreign(out, "[Options]\n", FileSize);
             out << Mine.substr(10);
         }},
        {"one line of 50 MB, then the keys",
         [](std::ostream& out) {
             for (std::size_t i = 0; i < FileSize / 1000; ++i)
                 out << std::string(1000, 'x');
             out << "\n" << Mine;
         }},
    };

    std::printf("%-44s %10s %10s %12s %10s\n", "file", "load ms", "save ms", "no-op save ms", "bytes ok");
    int status = 0;
    for (const TCase& c : cases) {
        std::vector<double> loads, saves, idle;
        bool ok = true;
        for (int round = 0; round < Rounds; ++round) {
            {
                std::ofstream out(path, std::ios::binary | std::ios::trunc);
                c.Write(out);
            }
            struct stat before {};
            ::stat(path.c_str(), &before);
            TProfileFile file(path);

            auto start = std::chrono::steady_clock::now();
            const auto values = file.ReadStrings(Keys);
            loads.push_back(Seconds(std::chrono::steady_clock::now() - start));
            ok = ok && values[9] == std::optional<std::string>("2");

            // What a close after a game writes: a counter and an option changed.
            std::array<std::string, 10> texts{"1", "1", "1", "8", "4", "2", "2", "4", "10", "2"};
            std::array<TProfileEntry, 10> entries;
            for (std::size_t i = 0; i < Keys.size(); ++i)
                entries[i] = {Keys[i].Section, Keys[i].Key, texts[i]};
            start = std::chrono::steady_clock::now();
            ok = file.WriteStrings(entries) && ok;
            saves.push_back(Seconds(std::chrono::steady_clock::now() - start));

            start = std::chrono::steady_clock::now();
            ok = file.WriteStrings(entries) && ok;
            idle.push_back(Seconds(std::chrono::steady_clock::now() - start));

            struct stat status {};
            // The changed values keep their lengths, so the size stays.
            ok = ok && ::stat(path.c_str(), &status) == 0 && status.st_size == before.st_size;
        }
        std::sort(loads.begin(), loads.end());
        std::sort(saves.begin(), saves.end());
        std::sort(idle.begin(), idle.end());
        std::printf("%-44s %10.1f %10.1f %12.1f %10s\n", c.Name, loads[Rounds / 2] * 1e3, saves[Rounds / 2] * 1e3,
                    idle[Rounds / 2] * 1e3, ok ? "yes" : "NO");
        status |= ok ? 0 : 1;
    }
    std::printf("(medians of %d rounds)\n", Rounds);

    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory of the whole run: %ld KiB\n", usage.ru_maxrss);
    if (own) {
        ::unlink(path.c_str());
        ::rmdir(folder.c_str());
    }
    return status;
}

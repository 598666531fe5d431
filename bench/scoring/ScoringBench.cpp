// Scores every secret of four holes against every guess and reports the
// time per pair. Links the game core alone: it builds without Qt.

#include <array>
#include <chrono>
#include <cstdio>

#include "game/PegColors.h"
#include "game/Scoring.h"

int main()
{
    using namespace peglore;
    std::array<TColor, 4> secret{}, guess{};
    const auto decode = [](int code, std::array<TColor, 4>& out) {
        for (auto& peg : out) {
            peg = PegColors[static_cast<std::size_t>(code % 8)];
            code /= 8;
        }
    };
    long long total = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < 4096; ++s) {
        decode(s, secret);
        for (int g = 0; g < 4096; ++g) {
            decode(g, guess);
            total += CountBlacks(guess, secret) * 8 + CountWhites(guess, secret);
        }
    }
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("pairs: %d, checksum: %lld, %.1f ns per pair\n", 4096 * 4096, total,
                elapsed.count() / (4096.0 * 4096.0));
    return 0;
}

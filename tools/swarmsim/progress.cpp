// The progress bar. It redraws its line in place with a carriage return.
#include "tools/swarmsim/progress.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

constexpr int kBarCells = 40;

}  // namespace

Progress StartProgress(uint64_t total) {
    Progress progress;
    progress.total = total;
    progress.shown = total > 0 && isatty(fileno(stderr));
    return progress;
}

void ShowProgress(Progress& progress, uint64_t done) {
    if (!progress.shown) return;
    const int permille = static_cast<int>(static_cast<double>(done) / progress.total * 1000.0);
    if (permille == progress.lastPermille) return;
    progress.lastPermille = permille;
    const int filled = permille * kBarCells / 1000;
    char bar[kBarCells + 1];
    for (int i = 0; i < kBarCells; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kBarCells] = '\0';
    std::fprintf(stderr, "\r[%s] %5.1f%% %llu/%llu frames", bar, permille / 10.0,
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(progress.total));
    std::fflush(stderr);
}

void EndProgress(Progress& progress) {
    if (progress.shown) std::fputc('\n', stderr);
    progress.shown = false;
}

// A one-line progress bar on standard error, shown only when it is a terminal.
#pragma once
#include <cstdint>

struct Progress {
    bool shown = false;
    uint64_t total = 0;
    int lastPermille = -1;  // what the line shows now
};

Progress StartProgress(uint64_t total);
// Redraws the line when the shown tenth of a percent changes.
void ShowProgress(Progress& progress, uint64_t done);
// Ends the line.
void EndProgress(Progress& progress);

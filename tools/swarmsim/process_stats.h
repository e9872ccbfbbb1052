// What a run cost the process: the time since it started and its peak
// resident memory, for the start-up figures that --fps reports.
#pragma once
#include <optional>

// Seconds from the process's creation to now; nothing where the system
// does not say when the process started.
std::optional<double> SecondsSinceProcessStart();

// The largest resident set the process has had, in MiB.
std::optional<double> PeakResidentMiB();

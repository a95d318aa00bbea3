#pragma once
// Start-up measurement. When the environment variable TALLYSCOPE_FIRST_PAINT_FD
// names an open file descriptor, the program writes "painted\n" to it as soon as
// its first window has been painted, and ends at once (its peak memory is then the
// start-up's). bench/startup_bench launches the program and a bare frame this way.
// Without the variable nothing is installed.
void installFirstPaintProbe();

// Start-up figures: the headless driver's first frames, beside merely decoding the pictures it loads.
#pragma once

#include <string>

struct StartupFigures {
    std::string problem;      // empty when the driver ran
    int runs = 0;             // driver runs that reported both times
    double firstFrameMs = 0;  // medians, milliseconds after the driver's start
    double menuFrameMs = 0;
    int decodedFiles = 0;  // of the start-up pictures found
    int decodeRepetitions = 0;
    double decodeMs = 0;  // median time to decode all of them once
    std::string decodeProblem;
};

// `buildDir` holds tools/driver and the program folder game/.
StartupFigures measureStartup(const std::string& buildDir, int driverRuns, int decodeRepetitions);

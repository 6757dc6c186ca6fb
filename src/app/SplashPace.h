#pragma once

// How fast the splash's time runs: as the clock does, or, for tests that start the program
// many times, sixteen times faster.
enum class TSplashPace { Whole, Quick };

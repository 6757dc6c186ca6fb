#pragma once

// The opening of the display the viewer's windows show on. Where none can be opened (none is
// set, or the one set does not answer), the toolkit would end the program with a core dump and
// a page of advice; the viewer says so in one line and exits with kExitNoDisplay instead.
// Everything else the toolkit says meanwhile goes where it went before.
class TDisplayOpening {
public:
    TDisplayOpening();
    ~TDisplayOpening();
    TDisplayOpening(const TDisplayOpening&) = delete;
    TDisplayOpening& operator=(const TDisplayOpening&) = delete;
};

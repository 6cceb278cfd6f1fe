#pragma once

#include <cstdio>
#include <unistd.h>

// A one-line progress bar on stderr, shown only on a terminal. Main thread.
class ProgressBar
{
  public:
    explicit ProgressBar(bool wanted) : shown(wanted && isatty(STDERR_FILENO) != 0) {}
    ~ProgressBar()
    {
        if (shown && drawn >= 0)
            std::fputs("\n", stderr);
    }

    void update(double done)
    {
        if (!shown)
            return;
        const int width = 40;
        const int filled = static_cast<int>(done * width);
        if (filled == drawn)
            return;
        drawn = filled;
        std::fprintf(stderr, "\rrendering [%.*s%*s] %3d%%", filled,
                     "########################################", width - filled, "",
                     static_cast<int>(done * 100.0));
        std::fflush(stderr);
    }

  private:
    bool shown;
    int drawn = -1;
};

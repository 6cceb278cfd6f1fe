#pragma once

#include "RenderCommand.h"

#include <string>
#include <vector>

// `chordwell-host render --output-dir DIR [--suffix TEXT] IN...`: every input (a folder gives
// the audio files directly in it) rendered with the same options into DIR, NAME + suffix +
// the format's extension, on several threads. One line per file as it finishes, then a
// summary; a file that fails does not stop the others. Main thread (it starts the workers).

// The outputs of the inputs, or nothing with the reason in error: no input, a folder that
// cannot be listed, two inputs that would write the same output, an output that is an input.
struct BatchJob
{
    std::string input;
    std::string output;
};
std::vector<BatchJob> planBatch(const std::vector<std::string>& inputs,
                                const std::string& outputDir, const std::string& suffix,
                                const std::string& extension, std::string& error);

// Exit status: 0 every file done; otherwise the highest status of a file (1 a file could not
// be read or written, 2 a file's content or the command line was refused).
int runBatchRender(const RenderOptions& options);

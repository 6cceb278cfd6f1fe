#include "AudioFile.h"

#include <sndfile.h>

#include <cstdio>
#include <unistd.h>

bool readAudioFile(const std::string& path, AudioBuffer& audio, std::string& error)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
    {
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > 2)
    {
        error = "'" + path + "' has " + std::to_string(info.channels) +
                " channels; only 1 or 2 are supported";
        sf_close(file);
        return false;
    }
    const auto frames = static_cast<size_t>(info.frames);
    std::vector<float> interleaved(frames * static_cast<size_t>(info.channels));
    const sf_count_t got = sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    if (got < 0)
    {
        error = "cannot read the samples of '" + path + "'";
        return false;
    }
    audio.sampleRate = info.samplerate;
    audio.channels.assign(static_cast<size_t>(info.channels),
                          std::vector<float>(static_cast<size_t>(got)));
    for (size_t i = 0; i < static_cast<size_t>(got); ++i)
        for (size_t c = 0; c < audio.channels.size(); ++c)
            audio.channels[c][i] = interleaved[i * audio.channels.size() + c];
    return true;
}

bool writeFloatWav(const std::string& path, const AudioBuffer& audio, std::string& error)
{
    const std::string temporary = path + ".part-" + std::to_string(getpid());
    SF_INFO info{};
    info.samplerate = static_cast<int>(audio.sampleRate);
    info.channels = static_cast<int>(audio.channels.size());
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(temporary.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
    {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    const size_t frames = audio.frames();
    const size_t count = audio.channels.size();
    std::vector<float> interleaved(frames * count);
    for (size_t i = 0; i < frames; ++i)
        for (size_t c = 0; c < count; ++c)
            interleaved[i * count + c] = audio.channels[c][i];
    const sf_count_t written =
        sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(frames));
    const int closed = sf_close(file);
    if (written != static_cast<sf_count_t>(frames) || closed != 0 ||
        std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

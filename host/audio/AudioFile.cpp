#include "AudioFile.h"

#include <cerrno>
#include <cstring>

bool acceptAudioShape(const std::string& path, int channels, double sampleRate, std::string& error)
{
    if (channels < 1 || channels > 2)
    {
        error = "'" + path + "' has " + std::to_string(channels) +
                " channels; only 1 or 2 are supported";
        return false;
    }
    if (!(sampleRate >= 1.0))
    {
        error = "'" + path + "' is not a valid audio file: its sample rate is 0";
        return false;
    }
    return true;
}

int WavWriter::openDestination(const std::string& target, std::string& error)
{
    path = target;
    if (!output.open(path, error))
        return -1;
    if (!output.isDirect())
        return output.descriptor();
    staging = openScratchFile(path, error);
    return staging;
}

bool WavWriter::prepare(std::string& error)
{
    if (prepared)
        return true;
    if (!complete(error))
        return false;
    // The finished file goes to the device in one pass.
    if (staging >= 0 && !copyFromStart(staging, output.descriptor()))
    {
        error = "cannot write '" + path + "': " + std::strerror(errno);
        return false;
    }
    prepared = output.prepare(error);
    return prepared;
}

bool WavWriter::commit(std::string& error)
{
    return prepare(error) && output.commit(error);
}

bool readAudioFile(const std::string& path, AudioBuffer& audio, std::string& error)
{
    AudioReader reader;
    if (!reader.open(path, error))
        return false;
    const auto channels = static_cast<size_t>(reader.channels());
    if (reader.frames() > (uint64_t{1} << 31) / channels)
    {
        error = "'" + path + "' is too long to hold in memory";
        return false;
    }
    std::vector<float> interleaved(static_cast<size_t>(reader.frames()) * channels);
    const size_t got = reader.read(interleaved.data(), static_cast<size_t>(reader.frames()));
    audio.sampleRate = reader.sampleRate();
    audio.channels.assign(channels, std::vector<float>(got));
    for (size_t i = 0; i < got; ++i)
        for (size_t c = 0; c < channels; ++c)
            audio.channels[c][i] = interleaved[i * channels + c];
    return true;
}

bool writeFloatWav(const std::string& path, const AudioBuffer& audio, std::string& error)
{
    WavWriter writer;
    const size_t count = audio.channels.size();
    if (!writer.open(path, audio.sampleRate, static_cast<int>(count), error))
        return false;
    const size_t frames = audio.frames();
    std::vector<float> interleaved(frames * count);
    for (size_t i = 0; i < frames; ++i)
        for (size_t c = 0; c < count; ++c)
            interleaved[i * count + c] = audio.channels[c][i];
    if (!writer.write(interleaved.data(), frames))
    {
        error = "cannot write '" + path + "': " + writer.writeFailure();
        return false;
    }
    return writer.commit(error);
}

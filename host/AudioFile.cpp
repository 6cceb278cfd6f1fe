#include "AudioFile.h"

#include <sndfile.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

AudioReader::~AudioReader()
{
    if (file != nullptr)
        sf_close(file);
}

bool AudioReader::open(const std::string& path, std::string& error)
{
    const int fd = openRegularFile(path, error);
    if (fd < 0)
        return false;
    SF_INFO info{};
    file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (file == nullptr)
    {
        ::close(fd);
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > 2)
    {
        error = "'" + path + "' has " + std::to_string(info.channels) +
                " channels; only 1 or 2 are supported";
        return false;
    }
    if (info.samplerate < 1)
    {
        error = "'" + path + "' has no sample rate";
        return false;
    }
    channelCount = info.channels;
    rate = info.samplerate;
    frameCount = info.frames > 0 ? static_cast<uint64_t>(info.frames) : 0;
    return true;
}

size_t AudioReader::read(float* interleaved, size_t frames)
{
    if (file == nullptr)
        return 0;
    const sf_count_t got = sf_readf_float(file, interleaved, static_cast<sf_count_t>(frames));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

WavWriter::~WavWriter()
{
    if (file != nullptr)
        sf_close(file);
    if (staging >= 0)
        ::close(staging);
}

bool WavWriter::open(const std::string& target, double sampleRate, int channels, std::string& error)
{
    path = target;
    if (!output.open(path, error))
        return false;
    int fd = output.descriptor();
    if (output.isDirect())
    {
        staging = ::open("/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (staging < 0)
        {
            error = "cannot write '" + path + "': no room for the file in /tmp";
            return false;
        }
        fd = staging;
    }
    SF_INFO info{};
    info.samplerate = static_cast<int>(sampleRate);
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (file == nullptr)
    {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    sf_command(file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    return true;
}

bool WavWriter::write(const float* interleaved, size_t frames)
{
    if (file == nullptr || failed)
        return false;
    failed = sf_writef_float(file, interleaved, static_cast<sf_count_t>(frames)) !=
             static_cast<sf_count_t>(frames);
    return !failed;
}

bool WavWriter::commit(std::string& error)
{
    if (file == nullptr)
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    const int closed = sf_close(file);
    file = nullptr;
    if (failed || closed != 0)
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    if (staging >= 0)
    {
        // The finished file goes to the device in one pass.
        char buffer[65536];
        ::lseek(staging, 0, SEEK_SET);
        ssize_t got = 0;
        while ((got = ::read(staging, buffer, sizeof buffer)) > 0)
            for (ssize_t done = 0; done < got;)
            {
                const ssize_t wrote =
                    ::write(output.descriptor(), buffer + done, static_cast<size_t>(got - done));
                if (wrote < 0 && errno == EINTR)
                    continue;
                if (wrote <= 0)
                {
                    error = "cannot write '" + path + "'";
                    return false;
                }
                done += wrote;
            }
    }
    return output.commit(error);
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
        error = "cannot write '" + path + "'";
        return false;
    }
    return writer.commit(error);
}

#include "AudioFile.h"

#include <sndfile.h>

#include <unistd.h>

struct AudioReader::Decoder
{
    SNDFILE* file = nullptr;
    ~Decoder()
    {
        if (file != nullptr)
            sf_close(file);
    }
};

struct WavWriter::Encoder
{
    SNDFILE* file = nullptr;
    ~Encoder()
    {
        if (file != nullptr)
            sf_close(file);
    }
};

AudioReader::AudioReader() = default;
AudioReader::~AudioReader() = default;

bool AudioReader::open(const std::string& path, std::string& error)
{
    const int fd = openRegularFile(path, error);
    if (fd < 0)
        return false;
    SF_INFO info{};
    decoder = std::make_unique<Decoder>();
    decoder->file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (decoder->file == nullptr)
    {
        ::close(fd);
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (!acceptAudioShape(path, info.channels, info.samplerate, error))
        return false;
    channelCount = info.channels;
    rate = info.samplerate;
    frameCount = info.frames > 0 ? static_cast<uint64_t>(info.frames) : 0;
    return true;
}

size_t AudioReader::read(float* interleaved, size_t frames)
{
    if (!decoder || decoder->file == nullptr)
        return 0;
    const sf_count_t got =
        sf_readf_float(decoder->file, interleaved, static_cast<sf_count_t>(frames));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

WavWriter::WavWriter() = default;

WavWriter::~WavWriter()
{
    encoder.reset();
    if (staging >= 0)
        ::close(staging);
}

bool WavWriter::open(const std::string& target, double sampleRate, int channels, std::string& error)
{
    const int fd = openDestination(target, error);
    if (fd < 0)
        return false;
    SF_INFO info{};
    info.samplerate = static_cast<int>(sampleRate);
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    encoder = std::make_unique<Encoder>();
    encoder->file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (encoder->file == nullptr)
    {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    sf_command(encoder->file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    return true;
}

bool WavWriter::write(const float* interleaved, size_t frames)
{
    if (!encoder || encoder->file == nullptr || failed)
        return false;
    failed = sf_writef_float(encoder->file, interleaved, static_cast<sf_count_t>(frames)) !=
             static_cast<sf_count_t>(frames);
    return !failed;
}

bool WavWriter::commit(std::string& error)
{
    if (!encoder || encoder->file == nullptr)
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    const int closed = sf_close(encoder->file);
    encoder->file = nullptr;
    if (failed || closed != 0)
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    return finish(error);
}

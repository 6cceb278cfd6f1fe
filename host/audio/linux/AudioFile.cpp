#include "audio/AudioFile.h"

#include "audio/Dither.h"
#include "audio/WavFile.h"

#include <sndfile.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

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
    bool dithered = false;
    size_t channels = 1;
    TpdfDither dither;
    std::vector<float> scratch;
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
    refused = true;
    if (decoder->file == nullptr)
    {
        // libsndfile has closed the descriptor.
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        std::string ignored;
        const int again = openRegularFile(path, ignored);
        if (again < 0)
            return false;
        // libsndfile's words for a WAV it will not open are about its own structures: the
        // host's WAV reader tells what is wrong with the file.
        const auto readAt = [again](uint64_t offset, uint8_t* into, size_t count) -> size_t
        {
            const ssize_t got = ::pread(again, into, count, static_cast<off_t>(offset));
            return got > 0 ? static_cast<size_t>(got) : 0;
        };
        struct stat status
        {
        };
        std::string wavError;
        const auto layout =
            ::fstat(again, &status) == 0
                ? wav::readLayout(readAt, static_cast<uint64_t>(status.st_size), wavError)
                : std::nullopt;
        ::close(again);
        if (layout)
            acceptAudioShape(path, layout->channels, layout->sampleRate, error);
        return false;
    }
    if (!acceptAudioShape(path, info.channels, info.samplerate, error))
        return false;
    refused = false;
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

bool WavWriter::open(const std::string& target, double sampleRate, int channels, std::string& error,
                     OutputFormat format)
{
    const int fd = openDestination(target, error);
    if (fd < 0)
        return false;
    SF_INFO info{};
    info.samplerate = static_cast<int>(sampleRate);
    info.channels = channels;
    switch (format)
    {
    case OutputFormat::Float32:
        info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
        break;
    case OutputFormat::Pcm24:
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
        break;
    case OutputFormat::Pcm16:
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        break;
    case OutputFormat::Flac:
        info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
        break;
    }
    encoder = std::make_unique<Encoder>();
    encoder->file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (encoder->file == nullptr)
    {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    sf_command(encoder->file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    // Integers clip at full scale rather than wrap around.
    if (format != OutputFormat::Float32)
        sf_command(encoder->file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    encoder->channels = static_cast<size_t>(channels);
    encoder->dithered = format == OutputFormat::Pcm16;
    return true;
}

bool WavWriter::write(const float* interleaved, size_t frames)
{
    if (!encoder || encoder->file == nullptr || failed)
        return false;
    if (encoder->dithered)
    {
        const size_t samples = frames * encoder->channels;
        encoder->scratch.assign(interleaved, interleaved + samples);
        for (float& sample : encoder->scratch)
            sample += encoder->dither.next();
        interleaved = encoder->scratch.data();
    }
    errno = 0;
    failed = sf_writef_float(encoder->file, interleaved, static_cast<sf_count_t>(frames)) !=
             static_cast<sf_count_t>(frames);
    if (failed)
        failure = errno != 0 ? std::strerror(errno) : sf_strerror(encoder->file);
    return !failed;
}

bool WavWriter::complete(std::string& error)
{
    if (!encoder || encoder->file == nullptr)
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    errno = 0;
    const int closed = sf_close(encoder->file);
    encoder->file = nullptr;
    if (failed || closed != 0)
    {
        error = "cannot write '" + path + "': " +
                (failed ? failure
                        : std::string(errno != 0 ? std::strerror(errno) : sf_error_number(closed)));
        return false;
    }
    return true;
}

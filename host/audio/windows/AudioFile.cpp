#include "audio/AudioFile.h"

#include "audio/WavFile.h"

#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace
{
// Reads up to size bytes at the descriptor's position; how many it read.
size_t readFully(int fd, uint8_t* into, size_t size)
{
    size_t done = 0;
    while (done < size)
    {
        const int got =
            _read(fd, into + done, static_cast<unsigned>(std::min<size_t>(size - done, 1u << 30)));
        if (got <= 0)
            break;
        done += static_cast<size_t>(got);
    }
    return done;
}
} // namespace

struct AudioReader::Decoder
{
    int fd = -1;
    wav::Layout layout;
    uint64_t framesLeft = 0;
    std::vector<uint8_t> bytes;
    ~Decoder()
    {
        if (fd >= 0)
            _close(fd);
    }
};

struct WavWriter::Encoder
{
    int fd = -1; // the output's, or the staging file's: not this one's to close
    int channels = 0;
    uint32_t sampleRate = 0;
    uint64_t frames = 0;
    std::vector<uint8_t> bytes;
};

AudioReader::AudioReader() = default;
AudioReader::~AudioReader() = default;

bool AudioReader::open(const std::string& path, std::string& error)
{
    decoder = std::make_unique<Decoder>();
    decoder->fd = openRegularFile(path, error);
    if (decoder->fd < 0)
        return false;
    const int fd = decoder->fd;
    const __int64 size = _filelengthi64(fd);
    const auto readAt = [fd](uint64_t offset, uint8_t* into, size_t count) -> size_t
    {
        if (_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0)
            return 0;
        return readFully(fd, into, count);
    };
    refused = true;
    const auto layout = wav::readLayout(readAt, size > 0 ? static_cast<uint64_t>(size) : 0, error);
    if (!layout)
    {
        error = "cannot read '" + path + "': " + error;
        return false;
    }
    const double layoutRate = layout->sampleRate <= INT_MAX ? layout->sampleRate : 0.0;
    if (!acceptAudioShape(path, layout->channels, layoutRate, error))
        return false;
    refused = false;
    if (_lseeki64(fd, static_cast<__int64>(layout->dataOffset), SEEK_SET) < 0)
    {
        error = "cannot read '" + path + "'";
        return false;
    }
    decoder->layout = *layout;
    decoder->framesLeft = layout->frames;
    channelCount = layout->channels;
    rate = layoutRate;
    frameCount = layout->frames;
    return true;
}

size_t AudioReader::read(float* interleaved, size_t frames)
{
    if (!decoder || decoder->fd < 0 || decoder->framesLeft == 0)
        return 0;
    const size_t frameBytes = decoder->layout.frameBytes();
    const auto wanted = static_cast<size_t>(std::min<uint64_t>(frames, decoder->framesLeft));
    decoder->bytes.resize(wanted * frameBytes);
    const size_t got =
        readFully(decoder->fd, decoder->bytes.data(), decoder->bytes.size()) / frameBytes;
    wav::decode(decoder->layout.encoding, decoder->bytes.data(),
                got * static_cast<size_t>(channelCount), interleaved);
    decoder->framesLeft = got < wanted ? 0 : decoder->framesLeft - got;
    return got;
}

WavWriter::WavWriter() = default;

WavWriter::~WavWriter()
{
    encoder.reset();
    if (staging >= 0)
        _close(staging);
}

bool WavWriter::open(const std::string& target, double sampleRate, int channels, std::string& error,
                     OutputFormat format)
{
    // The host's own WAV writer knows 32-bit float alone.
    if (format != OutputFormat::Float32)
    {
        error =
            std::string("this build writes 32-bit float WAV only, not ") + outputFormatName(format);
        return false;
    }
    const int fd = openDestination(target, error);
    if (fd < 0)
        return false;
    encoder = std::make_unique<Encoder>();
    encoder->fd = fd;
    encoder->channels = channels;
    encoder->sampleRate = static_cast<uint32_t>(static_cast<int>(sampleRate));
    // The sizes are filled in when the file is complete.
    const std::vector<uint8_t> header = wav::floatHeader(channels, encoder->sampleRate, 0);
    if (!writeAll(fd, header.data(), header.size()))
    {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

bool WavWriter::write(const float* interleaved, size_t frames)
{
    if (!encoder || failed)
        return false;
    const size_t samples = frames * static_cast<size_t>(encoder->channels);
    encoder->bytes.resize(samples * sizeof(float));
    wav::encodeFloats(interleaved, samples, encoder->bytes.data());
    const bool tooLong = (encoder->frames + frames) * static_cast<uint64_t>(encoder->channels) * 4 >
                         kMaxWavDataBytes;
    errno = 0;
    failed = tooLong || !writeAll(encoder->fd, encoder->bytes.data(), encoder->bytes.size());
    if (failed)
        failure = tooLong ? "more than a WAV file holds" : std::strerror(errno != 0 ? errno : EIO);
    encoder->frames += frames;
    return !failed;
}

bool WavWriter::complete(std::string& error)
{
    if (!encoder || failed)
    {
        error = "cannot write '" + path + "'" + (failure.empty() ? "" : ": " + failure);
        return false;
    }
    const std::vector<uint8_t> header =
        wav::floatHeader(encoder->channels, encoder->sampleRate, encoder->frames);
    encoder.reset();
    const int fd = staging >= 0 ? staging : output.descriptor();
    if (_lseeki64(fd, 0, SEEK_SET) != 0 || !writeAll(fd, header.data(), header.size()))
    {
        error = "cannot write '" + path + "': " + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

// The host's own WAV coding (what the Windows build reads and writes with) against libsndfile,
// which the Linux build uses: equal files must come out of both and read to equal floats.
#include "HostFolderTest.h"

#include <audio/WavFile.h>

#include <sndfile.h>

namespace
{
class WavFile : public HostFolderTest<>
{
  protected:
    // Writes samples (interleaved) with libsndfile as the Linux host does; the file's bytes.
    std::vector<uint8_t> sndfileWrite(int format, int channels, int rate,
                                      const std::vector<float>& samples, bool peak = true)
    {
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = format;
        SNDFILE* file = sf_open(path("made.wav").c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        if (file == nullptr)
            return {};
        if (!peak)
            sf_command(file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
        sf_writef_float(file, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
        sf_close(file);
        return bytesOf("made.wav");
    }
};

wav::ReadAt over(const std::vector<uint8_t>& bytes)
{
    return [&bytes](uint64_t offset, uint8_t* into, size_t size) -> size_t
    {
        if (offset >= bytes.size())
            return 0;
        const size_t n = std::min<size_t>(size, bytes.size() - static_cast<size_t>(offset));
        std::memcpy(into, bytes.data() + offset, n);
        return n;
    };
}

// Everything a float can be: extremes, tiny values, both zeros, NaN and infinities.
std::vector<float> awkwardSamples(size_t count)
{
    std::vector<float> samples(count);
    // 1e-45 is the smallest subnormal.
    const float special[] = {1.0f,     -1.0f, 0.0f,      -0.0f,     1.0e-30f,
                             1.0e-45f, NAN,   -INFINITY, 0.999999f, -0.5f};
    for (size_t i = 0; i < count; ++i)
        samples[i] =
            i < std::size(special) ? special[i] : std::sin(static_cast<float>(i) * 0.37f) * 0.9f;
    return samples;
}

TEST_F(WavFile, the_float_file_is_byte_for_byte_what_libsndfile_writes_without_its_peak_chunk)
{
    for (int channels : {1, 2, 3})
        for (int rate : {8000, 44100, 384000})
            for (size_t frames : {size_t{0}, size_t{1}, size_t{1001}})
            {
                const auto samples = awkwardSamples(frames * static_cast<size_t>(channels));
                const auto expected =
                    sndfileWrite(SF_FORMAT_WAV | SF_FORMAT_FLOAT, channels, rate, samples, false);
                std::vector<uint8_t> ours =
                    wav::floatHeader(channels, static_cast<uint32_t>(rate), frames);
                const size_t header = ours.size();
                ours.resize(header + samples.size() * sizeof(float));
                wav::encodeFloats(samples.data(), samples.size(), ours.data() + header);
                EXPECT_EQ(ours, expected)
                    << channels << " channels, " << rate << " Hz, " << frames << " frames";
            }
}

TEST_F(WavFile, what_libsndfile_writes_in_any_sample_coding_reads_to_the_floats_it_reads)
{
    const int codings[] = {SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, SF_FORMAT_PCM_24,
                           SF_FORMAT_PCM_32, SF_FORMAT_FLOAT,  SF_FORMAT_DOUBLE};
    const int containers[] = {SF_FORMAT_WAV, SF_FORMAT_WAVEX, SF_FORMAT_RF64};
    for (int container : containers)
        for (int coding : codings)
            for (int channels : {1, 2})
            {
                std::vector<float> samples = awkwardSamples(777 * static_cast<size_t>(channels));
                // Integer codings clip; NaN has no integer.
                if (coding != SF_FORMAT_FLOAT && coding != SF_FORMAT_DOUBLE)
                    for (float& s : samples)
                        s = std::isfinite(s) ? s : 0.25f;
                const auto bytes = sndfileWrite(container | coding, channels, 22050, samples);
                SF_INFO info{};
                SNDFILE* file = sf_open(path("made.wav").c_str(), SFM_READ, &info);
                ASSERT_NE(file, nullptr);
                std::vector<float> expected(static_cast<size_t>(info.frames * info.channels));
                sf_readf_float(file, expected.data(), info.frames);
                sf_close(file);
                std::string error;
                const auto layout = wav::readLayout(over(bytes), bytes.size(), error);
                ASSERT_TRUE(layout) << std::hex << (container | coding) << ": " << error;
                EXPECT_EQ(layout->channels, channels);
                EXPECT_EQ(layout->sampleRate, 22050u);
                ASSERT_EQ(layout->frames, static_cast<uint64_t>(info.frames));
                std::vector<float> ours(expected.size());
                wav::decode(layout->encoding, bytes.data() + layout->dataOffset, ours.size(),
                            ours.data());
                EXPECT_EQ(0, std::memcmp(ours.data(), expected.data(), ours.size() * sizeof(float)))
                    << std::hex << (container | coding);
            }
}

TEST_F(WavFile, a_file_cut_short_reads_what_is_left_and_damage_is_refused_within_the_bytes)
{
    const auto whole =
        sndfileWrite(SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 2, 48000, awkwardSamples(2 * 500));
    std::string error;
    const auto full = wav::readLayout(over(whole), whole.size(), error);
    ASSERT_TRUE(full) << error;
    // Every cut: refused while the header is incomplete, then the whole frames that are left,
    // as libsndfile counts them; never a frame beyond the bytes.
    for (size_t size = 0; size < whole.size(); size += 7)
    {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        const auto layout = wav::readLayout(over(cut), cut.size(), error);
        if (!layout)
            continue;
        EXPECT_GE(size, full->dataOffset);
        EXPECT_LE(layout->dataOffset + layout->frames * layout->frameBytes(), size);
        EXPECT_EQ(layout->frames, (size - full->dataOffset) / full->frameBytes()) << size;
    }

    // Sizes that point far outside the file, unknown codings, other containers.
    std::vector<uint8_t> huge = whole;
    std::memset(huge.data() + 16, 0xFF, 4); // the fmt chunk's size
    EXPECT_FALSE(wav::readLayout(over(huge), huge.size(), error));
    std::vector<uint8_t> adpcm =
        sndfileWrite(SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 1, 8000, awkwardSamples(100));
    EXPECT_FALSE(wav::readLayout(over(adpcm), adpcm.size(), error));
    EXPECT_NE(error.find("format 0x0011"), std::string::npos) << error;
    const auto aiff = sndfileWrite(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 8000, awkwardSamples(9));
    EXPECT_FALSE(wav::readLayout(over(aiff), aiff.size(), error));
    const std::vector<uint8_t> empty;
    EXPECT_FALSE(wav::readLayout(over(empty), 0, error));
}
} // namespace

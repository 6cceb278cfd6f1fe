#include "OutputFormat.h"

#include "cli/NamedWords.h"

#include <cctype>

namespace
{
// The extension of the name's last component, lowered, without the dot ("" when none).
std::string extensionOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return "";
    std::string extension = name.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool isOtherAudioExtension(const std::string& extension)
{
    for (const char* other : {"aif", "aiff", "aifc", "caf", "w64", "rf64", "au", "snd", "ogg",
                              "oga", "opus", "mp3", "m4a", "aac", "wma", "wv", "ape"})
        if (extension == other)
            return true;
    return false;
}
} // namespace

std::optional<OutputFormat> parseOutputFormat(const std::string& word)
{
    static constexpr NamedWord<OutputFormat> kWords[] = {
        {"float32", OutputFormat::Float32},
        {"pcm24", OutputFormat::Pcm24},
        {"pcm16", OutputFormat::Pcm16},
        {"flac", OutputFormat::Flac},
    };
    return valueOfWord(kWords, word);
}

const char* outputFormatName(OutputFormat format)
{
    switch (format)
    {
    case OutputFormat::Float32:
        return "32-bit float WAV";
    case OutputFormat::Pcm24:
        return "24-bit WAV";
    case OutputFormat::Pcm16:
        return "16-bit WAV (dithered)";
    case OutputFormat::Flac:
        return "24-bit FLAC";
    }
    return "";
}

bool isWritableFormat(OutputFormat format)
{
#if defined(_WIN32)
    return format == OutputFormat::Float32;
#else
    (void)format;
    return true;
#endif
}

std::optional<OutputFormat> chooseOutputFormat(const std::string& formatWord,
                                               const std::string& outPath, std::string& error)
{
    std::optional<OutputFormat> asked;
    if (!formatWord.empty())
    {
        asked = parseOutputFormat(formatWord);
        if (!asked)
        {
            error = "unknown --format '" + formatWord + "' (use float32, pcm24, pcm16 or flac)";
            return std::nullopt;
        }
    }
    const std::string extension = extensionOf(outPath);
    if (isOtherAudioExtension(extension))
    {
        error = "'" + outPath + "' names a ." + extension +
                " file; this host writes WAV (.wav) and FLAC (.flac)";
        return std::nullopt;
    }
    if (extension == "flac")
    {
        if (!isWritableFormat(OutputFormat::Flac))
        {
            error = "this build writes 32-bit float WAV only, not FLAC";
            return std::nullopt;
        }
        if (asked && *asked != OutputFormat::Flac)
        {
            error = "'" + outPath + "' names a FLAC file but --format is " + formatWord +
                    ": name it .wav or use --format flac";
            return std::nullopt;
        }
        return OutputFormat::Flac;
    }
    if (extension == "wav" && asked == OutputFormat::Flac)
    {
        error = "'" + outPath + "' names a WAV file but --format is flac: name it .flac";
        return std::nullopt;
    }
    const OutputFormat chosen = asked.value_or(OutputFormat::Float32);
    if (!isWritableFormat(chosen))
    {
        error =
            std::string("this build writes 32-bit float WAV only, not ") + outputFormatName(chosen);
        return std::nullopt;
    }
    return chosen;
}

#include "PluginDescription.h"

int32_t ComponentDescription::property(int32_t id, int32_t fallback) const
{
    for (const auto& [key, value] : properties)
        if (key == id)
            return value;
    return fallback;
}

AAX_CCreateProc EffectDescription::proc(int32_t selector) const
{
    for (const auto& [key, value] : procs)
        if (key == selector)
            return value;
    return nullptr;
}

std::string fourCCText(AAX_CTypeID id)
{
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i)
    {
        const auto c = static_cast<char>((id >> (24 - 8 * i)) & 0xFF);
        text[static_cast<size_t>(i)] = c >= 32 && c < 127 ? c : '?';
    }
    return text;
}

const char* fieldKindName(FieldKind kind)
{
    switch (kind)
    {
    case FieldKind::AudioIn:
        return "audio input";
    case FieldKind::AudioOut:
        return "audio output";
    case FieldKind::BufferLength:
        return "buffer length";
    case FieldKind::SampleRate:
        return "sample rate";
    case FieldKind::Meters:
        return "meters";
    case FieldKind::DataInPort:
        return "data input port";
    case FieldKind::PrivateData:
        return "private data";
    }
    return "?";
}

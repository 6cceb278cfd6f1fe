#include "ORL_LV2_UI.h"

#include "ChordwellLv2.h"
#include "ORL_LV2_Plugin.h"

#include <HostValue.h>
#include <ORLFrame.h>
#include <ORLShellController.h>

#include <PrivateToolkit.h>
#include <ToolkitPump.h>
#include <lv2/instance-access/instance-access.h>

#include <cstring>
#include <string>

namespace
{
// The private toolkit runs while any UI of the library is open, on the host's UI thread.
void toolkitUp()
{
    orl::startPrivateToolkit();
    orl::toolkitpump::adoptThisThread();
}
} // namespace

ORL_LV2_UI::ORL_LV2_UI(ORL_LV2_Plugin& plugin, LV2UI_Write_Function write,
                       LV2UI_Controller controller, const HostFeatures& features)
    : plugin(&plugin), write(write), controller(controller), touch(features.touch),
      resize(features.resize), scaleOption(features.map)
{
    for (float& w : written)
        w = -1.0f;
}

ORL_LV2_UI::~ORL_LV2_UI() = default;

bool ORL_LV2_UI::open(uintptr_t parent)
{
    ORLShellController& master = plugin->masterController();
    master.setHostParameters(this);
    connect(master);
    attached(reinterpret_cast<void*>(parent), Steinberg::kPlatformTypeX11EmbedWindowID);
    if (!isOpen())
    {
        close();
        return false;
    }
    showConnected();
    return true;
}

uintptr_t ORL_LV2_UI::window()
{
    return getFrame() != nullptr ? reinterpret_cast<uintptr_t>(getFrame()->getWindowHandle()) : 0;
}

void ORL_LV2_UI::close()
{
    if (plugin != nullptr)
    {
        plugin->masterController().setHostParameters(nullptr);
    }
    removed();
    disconnect();
    plugin = nullptr;
}

uint32_t ORL_LV2_UI::setOptions(const LV2_Options_Option* options)
{
    float scale = reportedScale;
    const uint32_t status = scaleOption.take(options, scale);
    if (scale != reportedScale)
    {
        setHostScale(scale);
        reportedScale = getHostScale();
    }
    return status;
}

uint32_t ORL_LV2_UI::getOptions(LV2_Options_Option* options)
{
    return scaleOption.describe(options, reportedScale);
}

bool ORL_LV2_UI::requestWindowSize(int width, int height)
{
    // The window is our own X11 window and takes the size itself (false); the host is told so
    // that what it shows around it follows.
    if (resize != nullptr && resize->ui_resize != nullptr)
        resize->ui_resize(resize->handle, width, height);
    return false;
}

void ORL_LV2_UI::portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer)
{
    if (port >= 8 || format != 0 || size != sizeof(float) || buffer == nullptr)
        return;
    float value;
    std::memcpy(&value, buffer, sizeof value);
    // The knob shows what the engine hears: clamped, and nothing new for a NaN.
    if (!hostvalue::normalized(value, value))
        return;
    // Our own write coming back: the knob shows it already.
    if (value == written[port])
        return;
    written[port] = -1.0f;
    updateDisplay(static_cast<int32_t>(port), static_cast<double>(value));
}

int ORL_LV2_UI::idleTick()
{
    if (plugin == nullptr)
        return 1;
    orl::toolkitpump::pumpAll();
    deliverEchoes();
    return 0;
}

void ORL_LV2_UI::deliverEchoes()
{
    if (plugin != nullptr)
        echoes.deliver(plugin->masterController(),
                       [this](int32_t slot, double value) { updateDisplay(slot, value); });
}

void ORL_LV2_UI::touchParameter(int32_t) {}

void ORL_LV2_UI::setParameterValue(int32_t slot, double value)
{
    // The master controller's re-send of an echo: the port has that value already.
    if (echoes.isResend(slot) || slot < 0 || slot >= 8)
        return;
    const float port = static_cast<float>(value);
    written[slot] = port;
    write(controller, static_cast<uint32_t>(slot), sizeof port, 0, &port);
    echoes.owe(slot, value);
}

void ORL_LV2_UI::releaseParameter(int32_t) {}

void ORL_LV2_UI::beginGesture(int32_t slot)
{
    if (touch != nullptr)
        touch->touch(touch->handle, static_cast<uint32_t>(slot), true);
}

void ORL_LV2_UI::endGesture(int32_t slot)
{
    if (touch != nullptr)
        touch->touch(touch->handle, static_cast<uint32_t>(slot), false);
}

// --- the C interface ---------------------------------------------------------------------------

namespace
{
ORL_LV2_UI* self(LV2UI_Handle handle)
{
    return static_cast<ORL_LV2_UI*>(handle);
}

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                         LV2UI_Write_Function write, LV2UI_Controller controller,
                         LV2UI_Widget* widget, const LV2_Feature* const* features)
{
    void* parent = nullptr;
    ORL_LV2_Plugin* plugin = nullptr;
    ORL_LV2_UI::HostFeatures host;
    const LV2_Options_Option* options = nullptr;
    for (auto f = features; f != nullptr && *f != nullptr; ++f)
    {
        const char* uri = (*f)->URI;
        if (std::strcmp(uri, LV2_UI__parent) == 0)
            parent = (*f)->data;
        else if (std::strcmp(uri, LV2_INSTANCE_ACCESS_URI) == 0)
            plugin = static_cast<ORL_LV2_Plugin*>((*f)->data);
        else if (std::strcmp(uri, LV2_UI__touch) == 0)
            host.touch = static_cast<const LV2UI_Touch*>((*f)->data);
        else if (std::strcmp(uri, LV2_UI__resize) == 0)
            host.resize = static_cast<const LV2UI_Resize*>((*f)->data);
        else if (std::strcmp(uri, LV2_URID__map) == 0)
            host.map = static_cast<const LV2_URID_Map*>((*f)->data);
        else if (std::strcmp(uri, LV2_OPTIONS__options) == 0)
            options = static_cast<const LV2_Options_Option*>((*f)->data);
    }
    // Only our own plug-in's instance is ours to share, and only a live one.
    if (parent == nullptr || !isChordwellInstance(plugin) || write == nullptr ||
        widget == nullptr || pluginUri == nullptr ||
        std::strncmp(pluginUri, chordwell::lv2::kUriBase, std::strlen(chordwell::lv2::kUriBase)) !=
            0)
        return nullptr;
    toolkitUp();
    auto* ui = new ORL_LV2_UI(*plugin, write, controller, host);
    // The window opens at the host's scale: no resize to ask for.
    ui->setOptions(options);
    if (!ui->open(reinterpret_cast<uintptr_t>(parent)))
    {
        ui->release();
        orl::stopPrivateToolkit();
        return nullptr;
    }
    *widget = reinterpret_cast<LV2UI_Widget>(ui->window());
    return ui;
}

void cleanup(LV2UI_Handle handle)
{
    self(handle)->close();
    self(handle)->release();
    orl::stopPrivateToolkit();
}

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format,
               const void* buffer)
{
    self(handle)->portEvent(port, size, format, buffer);
}

int idle(LV2UI_Handle handle)
{
    return self(handle)->idleTick();
}

uint32_t getOptions(LV2_Handle handle, LV2_Options_Option* options)
{
    return self(handle)->getOptions(options);
}

uint32_t setOptions(LV2_Handle handle, const LV2_Options_Option* options)
{
    return self(handle)->setOptions(options);
}

const void* extensionData(const char* uri)
{
    static const LV2UI_Idle_Interface idleInterface{idle};
    static const LV2_Options_Interface optionsInterface{getOptions, setOptions};
    if (uri != nullptr && std::strcmp(uri, LV2_UI__idleInterface) == 0)
        return &idleInterface;
    if (uri != nullptr && std::strcmp(uri, LV2_OPTIONS__interface) == 0)
        return &optionsInterface;
    return nullptr;
}

const std::string kUiUri = std::string(chordwell::lv2::kUriBase) + "#ui";
const LV2UI_Descriptor kUiDescriptor{kUiUri.c_str(), instantiate, cleanup, portEvent,
                                     extensionData};
} // namespace

const LV2UI_Descriptor* chordwellUiDescriptor(uint32_t index)
{
    return index == 0 ? &kUiDescriptor : nullptr;
}

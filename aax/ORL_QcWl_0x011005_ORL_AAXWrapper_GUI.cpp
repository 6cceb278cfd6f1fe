#include "ORL_QcWl_0x011005_ORL_AAXWrapper_GUI.h"

#include "ORL_AAX_EditorWrapper.h"
#include "ORL_QcWl_0x011005_AAX_Parameters_Wrapper.h"

#include <AAX_IHostInterfaces.h>
#include <InstanceCore.h>
#include <ParameterTable.h>

#include <cstring>

namespace
{
// The latency is the same for every instance: probed once per process.
bool latencyReported = false;
int32_t latencySamples = 0;
int32_t probes = 0;
} // namespace

ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::ORL_QcWl_0x011005_ORL_AAXWrapper_GUI() = default;

ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::~ORL_QcWl_0x011005_ORL_AAXWrapper_GUI()
{
    if (editor == nullptr)
        return;
    unwire();
    editor->closeWindow();
    editor->release();
}

int32_t ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::latencyProbeCount()
{
    return probes;
}

void ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::unwire()
{
    editor->disconnect();
    editor->setGUI(nullptr);
}

void ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::CreateViewContainerContents()
{
    const int32_t type = ViewContainerType();
    if (type != AAX_eViewContainer_Type_NativeWindow && type != AAX_eViewContainer_Type_NSView)
        return;
    native = NativeView();

    // Made with the first view: a GUI object that only answers questions needs no toolkit.
    if (editor == nullptr)
        editor = new ORL_AAX_EditorWrapper;
    auto* parameters =
        dynamic_cast<ORL_QcWl_0x011005_AAX_Parameters_Wrapper*>(GetEffectParameters());
    ORLShellController* master = parameters ? &parameters->masterController() : nullptr;
    editor->setGUI(this);
    editor->setHostScale(viewScale);
    if (master != nullptr)
        editor->connect(*master);
    else
        editor->disconnect();
    // Type 1 is the platform's native view object: here a component of the shared toolkit.
    editor->open(native, type == AAX_eViewContainer_Type_NSView);
    editor->showConnected();
    reportLatency();
}

void ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::DeleteViewContainerContents()
{
    if (editor != nullptr)
        editor->closeWindow();
}

void ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::reportLatency()
{
    AAX_IController* host = GetController();
    if (!latencyReported)
    {
        float rate = 44100.0f;
        if (host != nullptr)
            host->GetSampleRate(&rate);
        latencySamples = static_cast<int32_t>(InstanceCore::latencySamples(rate));
        latencyReported = true;
        ++probes;
    }
    if (host != nullptr)
        host->SetSignalLatency(latencySamples);
}

AAX_Result ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::GetViewSize(AAX_Point* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    // Known before any view exists (the host's scale and the user's stored zoom): hosts size
    // their frame from this answer before they open the view.
    const Steinberg::ViewRect wanted =
        Orlund::ORLVSTGUIEditorWrapperV2::sizeBeforeOpening(viewScale);
    size->horz = static_cast<float>(wanted.getWidth());
    size->vert = static_cast<float>(wanted.getHeight());
    if (editor == nullptr)
        return AAX_SUCCESS;
    ORLRect r = editor->viewRect();
    if (!(r.right - r.left > 0) || !(r.bottom - r.top > 0))
    {
        const Steinberg::ViewRect& frame = editor->getRect();
        r = {static_cast<double>(frame.left), static_cast<double>(frame.top),
             static_cast<double>(frame.right), static_cast<double>(frame.bottom)};
    }
    size->horz = static_cast<float>(r.right - r.left);
    size->vert = static_cast<float>(r.bottom - r.top);
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::NotificationReceived(AAX_CTypeID type,
                                                                      const void* data,
                                                                      uint32_t size)
{
    if (type != AAX_eNotificationEvent_ViewScale || data == nullptr || size != sizeof(float))
        return AAX_SUCCESS;
    std::memcpy(&viewScale, data, sizeof viewScale);
    if (editor != nullptr)
        editor->setHostScale(viewScale);
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::ParameterUpdated(AAX_CParamID id)
{
    AAX_IEffectParameters* parameters = GetEffectParameters();
    if (id == nullptr || editor == nullptr || parameters == nullptr)
        return AAX_SUCCESS;
    const int32_t slot = findParameterSlot(id);
    double value = 0.0;
    if (slot >= 0 && parameters->GetParameterNormalizedValue(id, &value) == AAX_SUCCESS)
        editor->updateDisplay(slot, value);
    return AAX_SUCCESS;
}

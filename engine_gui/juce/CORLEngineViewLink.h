#pragma once

#include "CORLControlView.h"
#include "CORLOffscreenContextWrapper.h"

namespace Orlund
{
// The ORLEngineView operations every control view answers the same way.
// Main (UI) thread.
template <typename Interface> class CORLEngineViewLink : public CORLControlView, public Interface
{
  public:
    CORLEngineViewLink(ORLBaseControl* c, CORLControlListener* l, ORLMasterGraphicalEngine* e)
        : CORLControlView(c, l, e)
    {
        link(this);
    }

    void invalid() override { repaint(); }
    void valueChanged() override { reportValue(); }
    void setHint(const char* text) override { setHintText(text); }
    void reserved() override {}
    void setValue(double value) override { setViewValue(value); }
    void setViewSize(const ORLRect& r) override { resizeTo(r); }
    bool isAttached() override { return getParentComponent() != nullptr; }
    std::unique_ptr<ORLOffscreenContext> createOffscreen(int32_t width, int32_t height) override
    {
        return CORLOffscreenContextWrapper::create(width, height);
    }
};
} // namespace Orlund

// Interface identifiers of the plug-in view glue. The SDK defines them in a file that also
// drags in the whole VST 3 processing API, which the runtime does not need.
#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivstplugview.h"

namespace Steinberg
{
DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
DEF_CLASS_IID(IPlugViewContentScaleSupport)
namespace Vst
{
DEF_CLASS_IID(IParameterFinder)
}
} // namespace Steinberg

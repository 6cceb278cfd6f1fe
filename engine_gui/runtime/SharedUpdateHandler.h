#pragma once

namespace Steinberg
{
class UpdateHandler;
}

// The SDK's update handler of the process, made on first use. Its singleton is kept here in
// the runtime, so every library of the process shares it and an unloaded plug-in leaves no
// registration behind. Main thread.
Steinberg::UpdateHandler* orlSharedUpdateHandler();

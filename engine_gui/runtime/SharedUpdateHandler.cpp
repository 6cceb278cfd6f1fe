#include "SharedUpdateHandler.h"

#include "base/source/updatehandler.h"

Steinberg::UpdateHandler* orlSharedUpdateHandler()
{
    return Steinberg::UpdateHandler::instance();
}

#include "ObjectFactories.h"

#include "ORL_AAX_DirectData.h"
#include "ORL_QcWl_0x011005_AAX_Parameters_Wrapper.h"
#include "ORL_QcWl_0x011005_ORL_AAXWrapper_GUI.h"

#include <new>

// No exception crosses into the host: a failed creation is a null object.
void* ORL_CreateParameters()
{
    try
    {
        return static_cast<AAX_IEffectParameters*>(new ORL_QcWl_0x011005_AAX_Parameters_Wrapper);
    }
    catch (...)
    {
        return nullptr;
    }
}

void* ORL_CreateDirectData()
{
    try
    {
        return static_cast<AAX_IEffectDirectData*>(new ORL_AAX_DirectData);
    }
    catch (...)
    {
        return nullptr;
    }
}

void* ORL_CreateGUI()
{
    try
    {
        return static_cast<AAX_IEffectGUI*>(new ORL_QcWl_0x011005_ORL_AAXWrapper_GUI);
    }
    catch (...)
    {
        return nullptr;
    }
}

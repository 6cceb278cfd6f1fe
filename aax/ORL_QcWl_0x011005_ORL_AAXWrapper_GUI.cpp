#include "ORL_QcWl_0x011005_ORL_AAXWrapper_GUI.h"

AAX_Result ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::GetViewSize(AAX_Point* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    size->horz = kWidth;
    size->vert = kHeight;
    return AAX_SUCCESS;
}

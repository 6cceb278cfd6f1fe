#include "AAX.h"

const char* AAX_ResultName(AAX_Result result)
{
    switch (result)
    {
    case AAX_SUCCESS:
        return "AAX_SUCCESS";
    case AAX_ERROR_INVALID_PARAMETER_ID:
        return "AAX_ERROR_INVALID_PARAMETER_ID";
    case AAX_ERROR_NULL_OBJECT:
        return "AAX_ERROR_NULL_OBJECT";
    case AAX_ERROR_INVALID_CHUNK_INDEX:
        return "AAX_ERROR_INVALID_CHUNK_INDEX";
    case AAX_ERROR_INVALID_CHUNK_ID:
        return "AAX_ERROR_INVALID_CHUNK_ID";
    case AAX_ERROR_UNIMPLEMENTED:
        return "AAX_ERROR_UNIMPLEMENTED";
    case AAX_ERROR_INCORRECT_CHUNK_SIZE:
        return "AAX_ERROR_INCORRECT_CHUNK_SIZE";
    case AAX_ERROR_INVALID_FIELD_DATA:
        return "AAX_ERROR_INVALID_FIELD_DATA";
    case AAX_ERROR_FIELD_ACCESS_OUT_OF_BOUNDS:
        return "AAX_ERROR_FIELD_ACCESS_OUT_OF_BOUNDS";
    case AAX_ERROR_UNEXPECTED:
        return "AAX_ERROR_UNEXPECTED";
    default:
        return "unknown result";
    }
}

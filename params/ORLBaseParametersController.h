#pragma once

#include <cstdint>

// A product's parameter controller: told of parameter changes, and the keeper of the state
// image that travels in the host's state chunk. The slot order is fixed. Main thread.
class ORLBaseParametersController
{
  public:
    virtual ~ORLBaseParametersController() = default;
    // Main thread.
    virtual void parameterChanged(int32_t index, double value) = 0;
    // Main thread. Points *image at the state image (valid until the next call) and returns
    // its size in bytes; 0 when there is none.
    virtual int32_t getStateImage(const void** image) = 0;
    // Main thread. Restores from `size` bytes of data; chunkHeader is the header it came in.
    // False when the image was refused and nothing changed.
    virtual bool setStateImage(const void* data, int32_t size, const void* chunkHeader) = 0;
    // Main thread. Unused by this product.
    virtual void reserved() = 0;
};

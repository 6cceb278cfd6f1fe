#pragma once

#include <cstddef>
#include <cstdint>

// The editor's seven images, stored inside the library as PNG data.
struct ORLArtworkImage
{
    int32_t resource;
    const unsigned char* data;
    size_t size;
};

// The PNG bytes of a resource number, or null for a number without an image. Any thread.
const ORLArtworkImage* findArtworkImage(int32_t resource);

#pragma once

// The two channel pointers of one audio block, in the sample type of the operation.
// Channel 0 is always given; channel 1 may be null (read as channel 0 on input,
// folded into a single channel on output). The engine never owns the arrays.
template <typename Sample> struct ChannelPair
{
    Sample* channel0 = nullptr;
    Sample* channel1 = nullptr;
};

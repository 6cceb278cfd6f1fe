#pragma once

#include <ChordwellInstance.h>

#include <pluginterfaces/vst/ivstaudioprocessor.h>

// Renders one block the host hands over, 32- or 64-bit, through the instance with the host's
// timed parameter points, and sets the output's silence flags. Audio thread: allocates
// nothing, locks nothing.
void renderHostBlock(ChordwellInstance& instance, Steinberg::Vst::ProcessData& data);

#pragma once

#include "ChordwellLv2.h"

#include <ChordwellInstance.h>

#include <lv2/core/lv2.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <array>
#include <cstdint>

// One instance of the LV2 plug-in: the plug-in instance's render path fed from the eight
// control ports, and its preset bank, which the session state saves and restores. The host's
// port values are the values the engine hears; the bank is kept for the session.
//
// Threads, as LV2 has them: run() on the host's audio thread, real-time safe (no allocation,
// no lock, no system call); connectPort() on the audio thread or between runs; every other
// call (instantiation class) on a host thread while run() is not running.
class ORL_LV2_Plugin
{
  public:
    // Instantiation class. Makes the engine and the bank (allocates); rate is clamped by the
    // engine. map (optional) is the host's URID map: without it there is no session state.
    ORL_LV2_Plugin(const chordwell::lv2::LayoutInfo& layout, double rate, const LV2_URID_Map* map);
    ORL_LV2_Plugin(const ORL_LV2_Plugin&) = delete;
    ORL_LV2_Plugin& operator=(const ORL_LV2_Plugin&) = delete;

    // Audio thread or instantiation class. An unknown port index is ignored.
    void connectPort(uint32_t port, void* data);
    // Instantiation class. Silences the strings.
    void activate();
    // Audio thread. Real-time safe. Any frame count, 0 included; unconnected audio ports
    // make the block silent work (nothing is read or written).
    void run(uint32_t frames);

    // Instantiation class. Stores the whole bank as one property of our own type.
    LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle);
    // Instantiation class. A bank of another type, another size or damaged inside is refused
    // and nothing changes. A factory preset's place (a host applying one of the bundle's
    // presets) makes that preset current in the bank.
    LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);

    // Instantiation class. The master controller the bank belongs to.
    ORLShellController& masterController() { return instance.masterController(); }

  private:
    const chordwell::lv2::LayoutInfo& layoutInfo;
    ChordwellInstance instance;
    std::array<const float*, 8> controls{};
    float* latency = nullptr;
    std::array<const float*, 2> inputs{};
    std::array<float*, 2> outputs{};
    LV2_URID bankKey = 0;
    LV2_URID bankType = 0;
    LV2_URID factoryPresetKey = 0;
    LV2_URID intType = 0;
    LV2_URID longType = 0;
};

// Any thread but the audio thread (takes a lock). Whether handle is a live instance of ours:
// a UI trusts the host's instance-access pointer only then (a host may pass something else).
bool isChordwellInstance(const void* handle);

// The three descriptors (mono, mono-stereo, stereo); index 3 and above give null.
// Any thread.
const LV2_Descriptor* chordwellDescriptor(uint32_t index);

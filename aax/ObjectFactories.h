#pragma once

// The procedures by which the host creates the effect's objects. Each returns the object as
// its host-facing interface (AAX_IEffectParameters*, AAX_IEffectDirectData*, AAX_IEffectGUI*)
// or null when it cannot be made. Main thread.
void* ORL_CreateParameters();
void* ORL_CreateDirectData();
void* ORL_CreateGUI();

#include "KeyboardChord.h"

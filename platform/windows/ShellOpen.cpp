#include "ShellOpen.h"

#include "CurrentFolder.h"

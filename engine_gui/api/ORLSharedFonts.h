#pragma once

#include "ORLFont.h"

// The process-wide fonts. The toolkit layer installs its font factory once (before the first
// editor opens); from then on the shared fonts exist: face "Arial" at sizes 12 (the default
// of labels and text edits), 11, 10 (value labels) and 9. Main thread only.

// Installs the factory (not owned; it must outlive every use) and makes the shared fonts.
// A second call with the same factory does nothing; another factory replaces the shared
// fonts (fonts still held by controls stay valid through their own references).
void ORLInstallFontFactory(ORLFontFactory* factory);

// One of the shared fonts (sizes 9 to 12, not remembered for the caller), or null when no
// factory is installed or the size is not shared.
ORLFont* ORLGetSharedFont(int size);

// A new counted font (count 1, the caller's), or null when no factory is installed.
ORLFont* ORLCreateFont(const char* name, double size);

#pragma once

// The number printer behind every value text. Rounds half away from zero at a threshold of
// 0.49999, then cuts (never rounds) the digits to `decimals` places within 8 characters.
// A value above 99999999 or below -9999999 writes nothing: text keeps what it held.
// Any thread.
void formatNumber(float value, int decimals, char* text);

// DPI awareness and the layout scale factors of the progress window.
#pragma once

// Logical pixels per inch divided by 96, per direction; 1.0 until
// InitDpiScaling replaces them.
extern float DpiScaleX;
extern float DpiScaleY;

// The factor for a screen of `logicalPixels` per inch, in single precision.
float DpiFactor(int logicalPixels);

// A 96-DPI layout value times `factor`, rounded to the nearest integer,
// halves to even (2 x 1.25 = 2.5 gives 2).
int ScaleByDpi(int value, float factor);

// Declares the process DPI-aware on Vista and later and, from XP on, reads
// the screen's logical pixels per inch into the two factors. Uses the
// process-wide OS code; never fails (each missing piece leaves things as
// they were).
void InitDpiScaling();

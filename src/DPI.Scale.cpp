// The scaling arithmetic; no system calls.
#include "DPI.h"

float DpiScaleX = 1.0f;
float DpiScaleY = 1.0f;

float DpiFactor(int logicalPixels) { return static_cast<float>(logicalPixels) / 96.0f; }

int ScaleByDpi(int value, float factor) {
    // In double, a product of a 32-bit value and a float is exact, so a tie
    // is a real tie and not an artefact of rounding.
    double product = static_cast<double>(value) * static_cast<double>(factor);
    if (product >= 2147483647.0) return 2147483647;
    if (product <= -2147483648.0) return -2147483647 - 1;
    double lower = static_cast<double>(static_cast<long long>(product));
    if (lower > product) lower -= 1.0;  // truncation went up for negatives
    double fraction = product - lower;
    long long result = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && (result & 1))) result++;
    return static_cast<int>(result);
}

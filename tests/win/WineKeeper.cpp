// Stays alive for the whole test run, so that Wine's service processes start
// once, with their output away from the tests' pipes.
#include <windows.h>

int main() {
    Sleep(INFINITE);
    return 0;
}

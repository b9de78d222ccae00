#!/bin/sh
# The main job: builds the uninstaller and uninstalls a sample product under
# Wine, showing every message box, every process started and the files left.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh win32 >/dev/null
./scripts/build.sh win64 >/dev/null
echo "32-bit uninstall.exe: $(stat -c %s build/win32/bin/uninstall.exe) bytes ($(file -b build/win32/bin/uninstall.exe | cut -d, -f1))"
prefix="$PWD/build/demo-prefix"
sh tests/wine/prefix.sh setup "$prefix" build/win64/bin/wine_keeper.exe >/dev/null
trap 'sh tests/wine/prefix.sh cleanup "$prefix" >/dev/null' EXIT
sample="Z:$(echo "$PWD/samples/uninstall.dat" | tr / '\\')"
# The x86_64 build runs here natively; the 32-bit one needs qemu (see README).
sh tests/wine/wine-exec.sh "$prefix" build/win64/bin/demo_runner.exe "$sample"

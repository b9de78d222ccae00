#!/bin/sh
# Prepares Wine for running the 32-bit uninstall.exe and prints, on its last
# line, the Wine bin folder to use. On stderr it says which way it went:
#   native   the kernel runs 32-bit code: Debian's wine32 as it is
#   qemu     it does not: Wine's 32-bit loader through qemu-i386 (qemu-user
#            from bookworm-backports, unpacked into a cache, not installed)
# KW_WINE32_MODE=native|qemu forces one way. Needs root for apt-get the first
# time; later runs use the cache.
set -eu
mode=${KW_WINE32_MODE:-auto}
cache=${KW_CACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/kestrelwyn-uninstaller}
mkdir -p "$cache"

say() { echo "wine32: $*" >&2; }

# A 32-bit Linux program of 84 bytes that exits with 42: if it runs, so does
# Wine's 32-bit loader.
ia32_works() {
    probe="$cache/ia32-probe"
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\142\000\000\000\142\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >"$probe"
    chmod +x "$probe"
    set +e
    "$probe" 2>/dev/null
    status=$?
    set -e
    [ "$status" -eq 42 ]
}

# Wine's 32-bit half (loader and DLLs) is needed either way.
ensure_wine32() {
    if dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
        return
    fi
    if [ "$(id -u)" -ne 0 ]; then
        say "wine32:i386 is missing and installing it needs root"
        exit 1
    fi
    say "installing wine32:i386"
    dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2
    apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
}

if [ "$mode" = auto ]; then
    if ia32_works; then mode=native; else mode=qemu; fi
    auto=" (detected)"
else
    auto=" (forced by KW_WINE32_MODE)"
fi
ensure_wine32

if [ "$mode" = native ]; then
    say "the kernel runs 32-bit code: 32-bit programs run with Debian's wine32$auto"
    echo /usr/lib/wine
    exit 0
fi

# qemu-user 7.2 of bookworm cannot map Wine's shared user data; 10.x can.
qemu="$cache/qemu/usr/bin/qemu-i386"
if [ ! -x "$qemu" ]; then
    say "fetching qemu-user from bookworm-backports into $cache/qemu"
    work="$cache/apt"
    rm -rf "$work"
    mkdir -p "$work/lists/partial" "$work/archives/partial"
    echo "deb http://deb.debian.org/debian bookworm-backports main" >"$work/sources.list"
    opts="-o Dir::Etc::sourcelist=$work/sources.list -o Dir::Etc::sourceparts=- -o Dir::State::lists=$work/lists -o Dir::Cache::archives=$work/archives -o APT::Sandbox::User=root"
    # shellcheck disable=SC2086
    apt-get $opts update -qq >&2
    # shellcheck disable=SC2086
    (cd "$work" && apt-get $opts download qemu-user/bookworm-backports >/dev/null)
    rm -rf "$cache/qemu"
    dpkg -x "$work"/qemu-user_*.deb "$cache/qemu"
    rm -rf "$work"
fi
"$qemu" --version >/dev/null 2>&1 || { say "qemu-i386 does not start"; exit 1; }

# A private Wine bin folder whose preloader hands the 32-bit loader to qemu.
# Wine finds its own files relative to the loader, so the loaders are copies
# and the rest are links.
root="$cache/wine-qemu"
rm -rf "$root"
mkdir -p "$root/lib/wine" "$root/share" "$root/lib/i386-linux-gnu" "$root/lib/x86_64-linux-gnu"
cp /usr/lib/wine/wine /usr/lib/wine/wine64 "$root/lib/wine/"
ln -s /usr/lib/wine/wineserver64 "$root/lib/wine/wineserver"
printf '#!/bin/sh\nexec "%s" "$@"\n' "$qemu" >"$root/lib/wine/wine-preloader"
chmod +x "$root/lib/wine/wine-preloader"
ln -s /usr/share/wine "$root/share/wine"
ln -s /usr/lib/i386-linux-gnu/wine "$root/lib/i386-linux-gnu/wine"
ln -s /usr/lib/x86_64-linux-gnu/wine "$root/lib/x86_64-linux-gnu/wine"
if [ "$mode" = qemu ] && [ -z "${KW_WINE32_MODE:-}" ]; then
    why="the kernel does not run 32-bit code"
else
    why="requested"
fi
say "$why: 32-bit programs run with Wine's 32-bit loader under $("$qemu" --version | head -n 1)$auto"
echo "$root/lib/wine"

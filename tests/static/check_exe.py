#!/usr/bin/env python3
"""Static checks of the shipped 32-bit uninstall.exe.

PE32 GUI program, subsystem and OS version 4.0, imports only from the system
DLLs and only functions listed in allowed-imports.txt (each of which Windows
95 and NT 4.0 have, or an exception with its reason), icon resource 1, and the
application manifest: asInvoker, Common Controls 6, supportedOS exactly
Vista, 7 and 8.

With the linker's map, also that none of the C++ library's heavy machinery
was linked: operator new, exception throwing, iostreams, locales.

Usage: check_exe.py EXE ALLOWED_IMPORTS [MAP]   (prints each check, exits 1 on failure)
"""
import re
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll",
               "ole32.dll", "comctl32.dll", "msvcrt.dll"}
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
}

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


class PE:
    def __init__(self, data):
        self.data = data
        (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
        if data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, opt_size, self.characteristics = struct.unpack_from(
            "<HHIIIHH", data, pe_offset + 4)
        opt = pe_offset + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        (self.os_major, self.os_minor, _, _, self.sub_major, self.sub_minor) = struct.unpack_from(
            "<HHHHHH", data, opt + 40)
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        dirs = opt + (96 if self.magic == 0x10B else 112)
        self.dirs = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + opt_size
        for i in range(sections):
            name, vsize, va, rawsize, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((va, max(vsize, rawsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError("RVA %x outside the sections" % rva)

    def cstring(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("ascii")

    def imports(self):
        rva, size = self.dirs[1]
        result = []
        o = self.offset(rva)
        while True:
            lookup, _, _, name, thunk = struct.unpack_from("<IIIII", self.data, o)
            if name == 0:
                break
            dll = self.cstring(name).lower()
            t = self.offset(lookup or thunk)
            while True:
                (entry,) = struct.unpack_from("<I", self.data, t)
                if entry == 0:
                    break
                if entry & 0x80000000:
                    result.append((dll, "#%d" % (entry & 0xFFFF)))
                else:
                    result.append((dll, self.cstring(entry + 2)))
                t += 4
            o += 20
        return result

    def resources(self):
        """Yields (type, name, bytes) of every resource."""
        rva, _ = self.dirs[2]
        if not rva:
            return
        base = self.offset(rva)

        def entries(at):
            _, _, _, _, named, ids = struct.unpack_from("<IIHHHH", self.data, base + at)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                yield ident, target

        for rtype, t1 in entries(0):
            for rname, t2 in entries(t1 & 0x7FFFFFFF):
                for _, t3 in entries(t2 & 0x7FFFFFFF):
                    data_rva, size, _, _ = struct.unpack_from("<IIII", self.data, base + (t3 & 0x7FFFFFFF))
                    o = self.offset(data_rva)
                    yield rtype, rname, self.data[o:o + size]


# What would mean the runtime grew, as the map names it (demangled): (what, text).
HEAVY = [("operator new", "operator new"), ("exception throwing", "__cxa_throw"),
         ("iostreams", "std::ios_base"), ("locales", "std::locale"),
         ("member of libstdc++", "libstdc++.a("), ("member of libsupc++", "libsupc++.a(")]


def main(exe, allowed_path, map_path=None):
    data = open(exe, "rb").read()
    pe = PE(data)
    check(pe.machine == 0x14C and pe.magic == 0x10B, "PE32 for i386")
    check(pe.subsystem == 2, "GUI subsystem (no console window)")
    check((pe.sub_major, pe.sub_minor) == (4, 0), "subsystem version 4.0 (is %d.%d)" % (pe.sub_major, pe.sub_minor))
    check((pe.os_major, pe.os_minor) == (4, 0), "OS version 4.0 (is %d.%d)" % (pe.os_major, pe.os_minor))

    allowed = set()
    for line in open(allowed_path):
        line = line.split("#", 1)[0].strip()
        if line:
            dll, function = line.split()
            allowed.add((dll.lower(), function))
    imports = pe.imports()
    dlls = sorted({dll for dll, _ in imports})
    check(set(dlls) <= SYSTEM_DLLS, "imports only system DLLs: " + ", ".join(dlls))
    unknown = [f"{d} {f}" for d, f in imports if (d, f) not in allowed]
    check(not unknown, "every import is in the list of imports that Windows 95 and NT 4.0 have"
          + ("" if not unknown else ": not listed: " + ", ".join(unknown)))

    resources = list(pe.resources())
    check(any(t == 14 and n == 1 for t, n, _ in resources), "icon resource 1")
    manifests = [d for t, _, d in resources if t == 24]
    check(len(manifests) == 1, "one application manifest")
    manifest = manifests[0].decode("utf-8", "replace") if manifests else ""
    check(re.search(r'requestedExecutionLevel\s+level="asInvoker"', manifest) is not None,
          "manifest requests asInvoker")
    check(re.search(r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"', manifest) is not None,
          "manifest depends on Common Controls 6")
    ids = {m.lower() for m in re.findall(r'supportedOS\s+Id="([^"]+)"', manifest)}
    count = len(re.findall(r"supportedOS", manifest))
    check(ids == SUPPORTED_OS and count == 3, "supportedOS exactly Vista, 7 and 8")
    if map_path:
        linked = open(map_path, errors="replace").read()
        for what, fragment in HEAVY:
            check(fragment not in linked, "no %s linked" % what)
    print("%d checks failed" % len(failures) if failures else "all static checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))

#!/usr/bin/env python3
"""Checks that Windows programs start on Windows 7 SP1: the loader refuses a program that
imports a function its system libraries lack, or that asks for a newer subsystem version,
before any of the program's code runs. Checks as well that the PE header carries the flags of
a program made with the platform's own tools: aware of Remote Desktop servers (else they apply
compatibility redirections to it), relocatable with high-entropy ASLR, and DEP.

    python3 scripts/check_imports.py OBJDUMP PROGRAM.exe...

OBJDUMP is the toolchain's objdump (x86_64-w64-mingw32-objdump). Prints each problem and
exits with 1 when there is one. The lists hold what Windows 7 lacks and a Windows program
built with mingw-w64 (its C and C++ runtime, winpthreads, our code) might import; functions
of later Windows belong behind GetProcAddress.
"""
import os
import re
import subprocess
import sys

# Libraries that Windows 7 does not have (or has only with an optional update).
LIBRARIES = re.compile(
    r"^(api-ms-win-.*|ext-ms-win-.*|shcore|ucrtbase|vcruntime140.*|msvcp140.*|dcomp|d3d12"
    r"|windows\.storage|combase|mincore|onecore|onecoreuap|windowsapp)\.dll$",
    re.IGNORECASE,
)

FUNCTIONS = {
    # user32: DPI for each monitor and window (Windows 8.1, mostly Windows 10 1607 and later)
    "AdjustWindowRectExForDpi", "AreDpiAwarenessContextsEqual", "EnableNonClientDpiScaling",
    "GetAwarenessFromDpiAwarenessContext", "GetDialogControlDpiChangeBehavior",
    "GetDialogDpiChangeBehavior", "GetDpiAwarenessContextForProcess",
    "GetDpiForSystem", "GetDpiForWindow", "GetDpiFromDpiAwarenessContext",
    "GetSystemDpiForProcess", "GetSystemMetricsForDpi", "GetThreadDpiAwarenessContext",
    "GetThreadDpiHostingBehavior", "GetWindowDpiAwarenessContext",
    "GetWindowDpiHostingBehavior", "IsValidDpiAwarenessContext",
    "LogicalToPhysicalPointForPerMonitorDPI", "PhysicalToLogicalPointForPerMonitorDPI",
    "SetDialogControlDpiChangeBehavior", "SetDialogDpiChangeBehavior",
    "SetProcessDpiAwarenessContext", "SetThreadDpiAwarenessContext",
    "SetThreadDpiHostingBehavior", "SystemParametersInfoForDpi", "InheritWindowMonitor",
    # shcore (the whole library is new in Windows 8.1)
    "GetDpiForMonitor", "GetProcessDpiAwareness", "SetProcessDpiAwareness",
    "GetScaleFactorForMonitor",
    # user32: pointer input, touch injection, display rotation (Windows 8)
    "EnableMouseInPointer", "GetPointerInfo", "GetPointerType", "GetPointerDevices",
    "GetPointerFrameInfo", "GetPointerTouchInfo", "GetPointerPenInfo",
    "InitializeTouchInjection", "InjectTouchInput", "RegisterPointerInputTarget",
    "SkipPointerFrameMessages", "GetCurrentInputMessageSource",
    "GetDisplayAutoRotationPreferences", "SetDisplayAutoRotationPreferences",
    "IsImmersiveProcess", "GetUnpredictedMessagePos",
    # kernel32: time, files, synchronisation, threads (Windows 8 and later)
    "GetSystemTimePreciseAsFileTime", "CreateFile2", "CopyFile2", "GetOverlappedResultEx",
    "WaitOnAddress", "WakeByAddressSingle", "WakeByAddressAll",
    "InitializeSynchronizationBarrier", "EnterSynchronizationBarrier",
    "DeleteSynchronizationBarrier", "GetCurrentThreadStackLimits",
    "SetThreadDescription", "GetThreadDescription", "SetThreadInformation",
    "GetThreadInformation", "SetProcessInformation", "GetProcessInformation",
    "GetProcessMitigationPolicy", "SetProcessMitigationPolicy", "GetFirmwareType",
    "CreateFileMappingFromApp", "MapViewOfFileFromApp", "CreateFileMapping2",
    "MapViewOfFile3", "VirtualAlloc2", "VirtualAllocFromApp", "PrefetchVirtualMemory",
    "DiscardVirtualMemory", "OfferVirtualMemory", "ReclaimVirtualMemory",
    "GetSystemCpuSetInformation", "SetThreadSelectedCpuSets", "IsWow64Process2",
    "GetTempPath2A", "GetTempPath2W", "CreatePseudoConsole", "GetMachineTypeAttributes",
    "GetUserDefaultGeoName", "RtlAddGrowableFunctionTable", "LoadPackagedLibrary",
    "GetCurrentPackageId", "GetCurrentPackageFullName", "GetCurrentPackageFamilyName",
    "GetPackageFamilyName", "GetPackageFullName", "GetOsManufacturingMode",
    "GetSystemTimeAdjustmentPrecise", "QueryInterruptTime", "QueryInterruptTimePrecise",
    "QueryUnbiasedInterruptTimePrecise", "CompareObjectHandles",
    "AppPolicyGetProcessTerminationMethod", "AppPolicyGetThreadInitializationType",
    "AppPolicyGetShowDeveloperDiagnostic", "AppPolicyGetWindowingModel",
    # kernel32 on Windows 7 only with the 2011 loader update (KB2533623)
    "SetDefaultDllDirectories", "AddDllDirectory", "RemoveDllDirectory",
}

# The newest subsystem and system version Windows 7 (6.1) starts.
WINDOWS_7 = (6, 1)

# The DllCharacteristics flags every program must carry, as objdump names them.
FLAGS = {
    0x8000: "TERMINAL_SERVER_AWARE",
    0x0040: "DYNAMIC_BASE",
    0x0020: "HIGH_ENTROPY_VA",
    0x0100: "NX_COMPAT",
}


def problems(objdump, program):
    # Its own words, whatever the system's language.
    text = subprocess.run(
        [objdump, "-p", program], check=True, capture_output=True, text=True,
        env={**os.environ, "LC_ALL": "C"},
    ).stdout
    found = []
    versions = {
        (kind, part): int(value)
        for part, kind, value in re.findall(
            r"^(Major|Minor)(Subsystem|OSystem)Version\s+(\d+)", text, re.M
        )
    }
    for kind in ("Subsystem", "OSystem"):
        version = (versions.get((kind, "Major"), 0), versions.get((kind, "Minor"), 0))
        if version > WINDOWS_7:
            found.append(f"{kind} version {version[0]}.{version[1]} is newer than Windows 7")
    characteristics = re.search(r"^DllCharacteristics\s+([0-9a-fA-F]+)", text, re.M)
    if characteristics is None:
        found.append("no DllCharacteristics read")
    else:
        value = int(characteristics.group(1), 16)
        found += [f"{name} is not set in the PE header"
                  for bit, name in FLAGS.items() if not value & bit]
    library = None
    imports = 0
    for line in text.splitlines():
        name = re.match(r"\s*DLL Name: (\S+)", line)
        if name:
            library = name.group(1)
            if LIBRARIES.match(library):
                found.append(f"{library}: a library Windows 7 does not have")
            continue
        if library is None:
            continue
        entry = re.match(r"\s*[0-9a-f]+\s+\d+\s+(\S+)\s*$", line)
        if entry:
            imports += 1
            if entry.group(1) in FUNCTIONS:
                found.append(f"{library}: {entry.group(1)} is not in Windows 7")
        elif line.startswith("The "):
            library = None  # the next table
    if imports == 0:
        found.append("no imports read: is this a Windows program?")
    return found


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    failed = False
    for program in sys.argv[2:]:
        for problem in problems(sys.argv[1], program):
            print(f"{program}: {problem}")
            failed = True
    if not failed:
        print("No import newer than Windows 7, and the flags", ", ".join(FLAGS.values()),
              "set:", ", ".join(sys.argv[2:]))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()

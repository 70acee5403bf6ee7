// The bench's suites beyond the splash.
#pragma once

#include <string>

namespace bench {

// The three dialogs worked end to end; REQUESTS lists what to compute, EXPECTED holds the console
// tool's raw answer for each (N.raw for the Nth request); each dialog is opened and closed `cycles`
// more times while its GDI objects are counted.
int dialogs(const wchar_t* exe, const std::wstring& outDir, const std::wstring& requestList,
            const std::wstring& expectedDir, int cycles);

// One sample road for the run command: splash, entry filled in, result; screenshots to OUTDIR.
int tour(const wchar_t* exe, const std::wstring& outDir);

}  // namespace bench

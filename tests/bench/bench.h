// The bench's suites beyond the splash.
#pragma once

#include <string>

namespace bench {

// The three dialogs worked end to end; REQUESTS lists what to compute, EXPECTED holds the console
// tool's answer for each (N.txt for the Nth request, one paragraph a line); each dialog is opened
// and closed `cycles` more times while its GDI objects are counted.
int dialogs(const wchar_t* exe, const std::wstring& outDir, const std::wstring& requestList,
            const std::wstring& expectedDir, int cycles);

// In the locale it runs in: the dialogs' base units and place, whole labels, drawable letters, and
// for each request of REQUESTS (EXPECTED\N.txt: the console tool's output) a result whose lines end
// inside the box and whose paragraphs and words are the tool's.
int layout(const wchar_t* exe, const std::wstring& requestList, const std::wstring& expectedDir);

// A person's path with real keyboard and mouse input: the splash opened by a click and by Enter,
// a date typed with Tab between the fields, a system chosen with the arrow keys, results computed
// by a click and by Space, the About box opened and closed, Escape out of the result and the
// program; after each step, what is up and focused and what the fields hold.
int realInput(const wchar_t* exe);

// One sample road for the run command, by the same input: splash, entry filled in, result;
// screenshots to OUTDIR.
int tour(const wchar_t* exe, const std::wstring& outDir);

}  // namespace bench

// The bench's person's path: kalmira.exe worked with real keyboard and mouse input (SendInput), so
// that focus, the tab order, hit-testing and what each key does to the focused control count.
#include <windows.h>

#include <string>

#include "resources/resource.h"
#include "tests/bench/bench.h"
#include "tests/bench/bench_support.h"
#include "tests/bench/driver.h"

namespace bench {

namespace {

// Where a person clicks the splash: in the middle of its lower part, clear of the dialog's place.
const POINT splashSpot{270, 200};

int selection(HWND entry) {
  return static_cast<int>(SendDlgItemMessageW(entry, IDC_TYPE_LIST, LB_GETCURSEL, 0, 0));
}

std::string fields(HWND entry) {
  return toUtf8(controlText(entry, IDC_DAY) + L"|" + controlText(entry, IDC_MONTH) + L"|" +
                controlText(entry, IDC_YEAR)) +
         ", selection " + std::to_string(selection(entry));
}

// Tab from the focused control of the birth-date dialog must bring the focus to `next`.
HWND tabTo(const Program& program, HWND entry, int from, int next, bool back = false) {
  pressKey(program, entry, from, VK_TAB, back);
  return expect(program, {Shows::entry, nullptr, next}, {entry});
}

// Types a date into the birth-date dialog as a person does, from the day field, with Tab between
// the fields, and chooses system `type` in the list with the arrow keys; the focus ends on the list.
void fillIn(Checks& checks, const Program& program, HWND entry, const wchar_t* day, const wchar_t* month,
            const wchar_t* year, int type) {
  typeText(program, entry, IDC_DAY, day);
  tabTo(program, entry, IDC_DAY, IDC_MONTH);
  typeText(program, entry, IDC_MONTH, month);
  tabTo(program, entry, IDC_MONTH, IDC_YEAR);
  typeText(program, entry, IDC_YEAR, year);
  checks.check(controlText(entry, IDC_DAY) == day && controlText(entry, IDC_MONTH) == month &&
                   controlText(entry, IDC_YEAR) == year,
               "the date typed with Tab between the fields stands in the three fields", fields(entry));
  // The tab order then runs over the compute and About buttons to the list.
  tabTo(program, entry, IDC_YEAR, IDC_COMPUTE);
  tabTo(program, entry, IDC_COMPUTE, IDC_ABOUT);
  tabTo(program, entry, IDC_ABOUT, IDC_TYPE_LIST);
  // Up on the first entry selects it, whatever the list's caret was; Down then moves one a press.
  pressKey(program, entry, IDC_TYPE_LIST, VK_UP);
  waitHandled(entry);
  bool stepped = selection(entry) == 0;
  for (int i = 1; stepped && i <= type; ++i) {
    pressKey(program, entry, IDC_TYPE_LIST, VK_DOWN);
    waitHandled(entry);
    stepped = selection(entry) == i;
  }
  checks.check(
      stepped,
      ("Up, then Down " + std::to_string(type) + " times, selects " + toUtf8(listTexts[type])).c_str(),
      fields(entry));
}

// Escape in the result: back at the birth-date dialog, the focus where it was, the input intact.
void escapeResult(Checks& checks, const Program& program, HWND entry, HWND result, int focus,
                  const std::string& input) {
  pressKey(program, result, IDC_RESULT_TEXT, VK_ESCAPE);
  checks.check(expect(program, {Shows::entry, nullptr, focus}, {result}) == entry,
               "Escape closes the result: back at the birth-date dialog, the focus where it was");
  checks.check(fields(entry) == input, "the birth-date dialog keeps its input", fields(entry));
}

}  // namespace

int realInput(const wchar_t* exe) {
  Checks checks;
  const wchar_t* const title = L"Cyklický horoskop (5. 9. 1980)";
  {
    Program program;
    if (!checks.check(start(exe, program), "kalmira.exe starts")) return checks.finish("input");
    const HWND splash = expect(program, {Shows::splash}, {}, firstStartLimit);
    clickAt(splash, splashSpot);
    // The first dialog of a fresh prefix loads its fonts for the first time: slow.
    const HWND entry = expect(program, {Shows::entry, nullptr, IDC_DAY}, {splash}, firstStartLimit);
    checks.check(!IsWindowEnabled(splash),
                 "a click on the splash opens the birth-date dialog, the focus in the day field");
    checks.check(fields(entry) == "||, selection -1", "its fields are empty, nothing selected",
                 fields(entry));

    fillIn(checks, program, entry, L"5", L"9", L"1980", 2);
    const std::string input = fields(entry);

    clickOn(entry, IDC_COMPUTE);
    HWND result = expect(program, {Shows::result, title, IDC_RESULT_TEXT}, {entry});
    const size_t shown = longText(GetDlgItem(result, IDC_RESULT_TEXT)).size();
    checks.check(shown > 100, "a click on the compute button opens the result, its text focused",
                 std::to_string(shown) + " characters");
    escapeResult(checks, program, entry, result, IDC_COMPUTE, input);

    pressKey(program, entry, IDC_COMPUTE, VK_SPACE);
    result = expect(program, {Shows::result, title, IDC_RESULT_TEXT}, {entry});
    checks.check(kindOf(result) == Shows::result,
                 "Space on the focused compute button opens the result again");
    pressKey(program, result, IDC_RESULT_TEXT, VK_RETURN);
    waitHandled(result);
    checks.check(expect(program, {Shows::result, title}, {result}) == result, "Enter leaves the result open");
    escapeResult(checks, program, entry, result, IDC_COMPUTE, input);

    clickOn(entry, IDC_ABOUT);
    HWND about = expect(program, {Shows::about, nullptr, IDCANCEL}, {entry});
    checks.check(kindOf(about) == Shows::about, "a click on the About button opens the About box");
    pressKey(program, about, IDCANCEL, VK_ESCAPE);
    checks.check(expect(program, {Shows::entry, nullptr, IDC_ABOUT}, {about}) == entry,
                 "Escape closes it, the focus back on the About button");
    pressKey(program, entry, IDC_ABOUT, VK_SPACE);
    about = expect(program, {Shows::about, nullptr, IDCANCEL}, {entry});
    checks.check(kindOf(about) == Shows::about, "Space on the focused About button opens it again");
    clickOn(about, IDCANCEL);
    checks.check(expect(program, {Shows::entry, nullptr, IDC_ABOUT}, {about}) == entry,
                 "a click on its Cancel button closes it");

    pressKey(program, entry, IDC_ABOUT, VK_ESCAPE);
    expect(program, {Shows::ended}, {entry, splash});
    checks.check(exitCodeOf(program) == 0,
                 "Escape in the birth-date dialog ends the program with exit code 0",
                 std::to_string(exitCodeOf(program)));
  }
  {
    Program program;
    if (!checks.check(start(exe, program), "kalmira.exe starts again")) return checks.finish("input");
    const HWND splash = expect(program, {Shows::splash}, {}, firstStartLimit);
    pressKey(program, splash, Want::itself, VK_RETURN);
    const HWND entry = expect(program, {Shows::entry, nullptr, IDC_DAY}, {splash});
    checks.check(fields(entry) == "||, selection -1", "Enter on the splash opens the birth-date dialog",
                 fields(entry));
    checks.check(tabTo(program, entry, IDC_DAY, IDCANCEL, true) == entry,
                 "Shift+Tab from the day field goes back to the Cancel button");
    pressKey(program, entry, IDCANCEL, VK_ESCAPE);
    expect(program, {Shows::ended}, {entry, splash});
    checks.check(exitCodeOf(program) == 0, "Escape ends the program with exit code 0");
  }
  return checks.finish("input");
}

int tour(const wchar_t* exe, const std::wstring& outDir) {
  Checks checks;
  Program program;
  if (!checks.check(start(exe, program), "kalmira.exe starts")) return checks.finish("run");
  const HWND splash = expect(program, {Shows::splash}, {}, firstStartLimit);
  clickAt(splash, splashSpot);
  const HWND entry = expect(program, {Shows::entry, nullptr, IDC_DAY}, {splash}, firstStartLimit);
  checks.check(entry != nullptr, "a click on the splash opens the birth-date dialog");
  settledCapture(splash).saveBmp(outDir + L"\\run-1-splash-and-entry.bmp");
  fillIn(checks, program, entry, L"5", L"9", L"1980", 0);
  settledCapture(entry).saveBmp(outDir + L"\\run-2-entry.bmp");
  clickOn(entry, IDC_COMPUTE);
  const HWND result = expect(program, {Shows::result, L"Európsky horoskop (5. 9. 1980)"}, {entry});
  checks.check(result != nullptr, "a click on the compute button opens the result");
  settledCapture(splash).saveBmp(outDir + L"\\run-3-result.bmp");  // it lies inside the splash
  pressKey(program, result, IDC_RESULT_TEXT, VK_ESCAPE);
  expect(program, {Shows::entry}, {result});
  pressKey(program, entry, IDC_COMPUTE, VK_ESCAPE);
  expect(program, {Shows::ended}, {entry, splash});
  checks.check(exitCodeOf(program) == 0, "Escape, Escape: the result closes, the program ends");
  return checks.finish("run");
}

}  // namespace bench

#pragma once
// Driving modal windows in tests. A launcher blocks in the window's own event
// loop, so what the test does inside the window is set up before the click
// that opens it:
//
//   naerModal([&](QWidget *w) {          // runs once the window is shown
//       QTest::keyClick(w, Qt::Key_Escape);
//   });
//   QTest::mouseClick(huvud.Button[2], Qt::LeftButton);
//
// The wait belongs to the running test: the harness cancels whatever is
// still waiting when the test ends, so nothing fires into the next one.
// Every test has one watchdog: a modal window still open after
// `Vakthund::tid` fails the test and is closed, so a test never hangs.
#include <QObject>
#include <QWidget>
#include <functional>

// Runs `steg` in the next modal window shown above the one active now,
// waiting for it up to `ms`; the test fails when none opens.
void naerModal(std::function<void(QWidget *)> steg, int ms = 5000);
// Closes the next modal window (a settings window or rule page opened by a
// click whose outcome the test does not look into).
void staengNaestaModal();

// Lives as long as the current test; timers and connections a test makes
// with it as context end with the test.
QObject *testkontext();

namespace Vakthund {
inline constexpr int tid = 30000;
}

// Installs the per-test context and watchdog (called by the window tests'
// main).
void installeraModalvakter();

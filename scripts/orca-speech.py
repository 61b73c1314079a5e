#!/usr/bin/python3
"""Takes a practice test with the Orca screen reader and prints what it said.

Run by scripts/orca-speech.sh on a private headless desktop. Starts Orca
with a preferences folder of its own and no speech server (every phrase it
would speak is written to its debug log, on lines with SPEECH OUTPUT), then
the program on a first run, and drives the program from the keyboard as a
blind user would (xdotool), printing Orca's speech after each step:

  the first-run licence, start-up, a question, choosing an answer, moving
  to the next question (also into the same answer slot), the result window,
  the review of each question, with its verdict.

Exits 1 when Orca did not say what each step must say (the question, the
verdict, the figures...).

Usage: orca-speech.py PROGRAM WORK_FOLDER
"""

import os
import re
import subprocess
import sys
import time

# What Orca speaks; the echo of a key pressed is logged as "'left alt ' {".
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\{")

# Started as a module of this interpreter, Orca runs under the name of
# Python: it neither refuses to start beside nor stops another user's Orca.
ORCA = r"""
import sys
log, prefs = sys.argv[1], sys.argv[2]
sys.argv = ["orca"]
from orca import debug
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log, "w", buffering=1)  # line by line: the log is read as it grows
from orca import speech
# No speech server: what Orca says is only written to the log.
speech.init = lambda: debug.println(debug.LEVEL_INFO, "SPEECH: logged only", True)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(prefs, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""


class OrcaLog:
    def __init__(self, path):
        self.path = path
        self.read = 0

    def said(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                lines = [m.group(1) for m in map(SPEECH.search, log) if m]
        except FileNotFoundError:
            return []
        new = lines[self.read:]
        self.read = len(lines)
        return new

    def wait_for(self, pattern, timeout=20):
        end = time.monotonic() + timeout
        heard = []
        while time.monotonic() < end:
            heard += self.said()
            if any(re.search(pattern, line) for line in heard):
                time.sleep(0.8)  # what follows at once belongs to the same step
                return heard + self.said()
            time.sleep(0.2)
        return heard


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.15)


missing = []


def step(log, title, *names, expect=".", timeout=10):
    """Presses the keys, then prints what Orca said; it must say expect."""
    keys(*names)
    heard = log.wait_for(expect, timeout)
    time.sleep(0.6)
    heard += log.said()
    print(f"== {title}" + (f"  [{' '.join(names)}]" if names else ""))
    for line in heard:
        print(f"   {line}")
    if not re.search(expect, " ".join(heard)):
        print(f"   (missing: {expect})")
        missing.append(f"{title}: {expect}")
    print(flush=True)
    return heard


def main():
    program, work = sys.argv[1], sys.argv[2]
    log = OrcaLog(os.path.join(work, "orca-debug.log"))
    prefs = os.path.join(work, "orca-prefs")
    os.makedirs(prefs, exist_ok=True)
    orca = subprocess.Popen([sys.executable, "-c", ORCA, log.path, prefs],
                            stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w"))
    environment = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"),
                       XDG_DATA_HOME=os.path.join(work, "data"),
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LANG="C.UTF-8", LC_ALL="C.UTF-8")
    app = None
    try:
        if not log.wait_for(r"^Screen reader on", 30):
            print("Orca did not start; see", os.path.join(work, "orca.err"))
            return 1
        app = subprocess.Popen([program], env=environment)

        question = r".* radio button.*Choose this answer"
        step(log, "the first-run licence (as the program opens)",
             expect=r"License dialog .*Accept or Not Accept.* Accept push button")
        step(log, "start-up, the licence accepted", "Return", expect=r"Start push button")
        step(log, "a question: Start", "alt+s", expect=r"Question 1 of 5\. " + question)
        step(log, "choosing B", "2", expect=r"^B\. .* selected radio button")
        step(log, "moving to the next question", "alt+n", expect=r"Question 2 of 5\. " + question)
        step(log, "choosing B", "2", expect=r"selected radio button")
        step(log, "moving to the next question", "alt+n", expect=r"Question 3 of 5\. " + question)
        step(log, "moving on, the focus staying in answer slot A", "alt+n",
             expect=r"Question 4 of 5\. .* A\. " + question)
        step(log, "back to the previous question", "alt+p", expect=r"Question 3 of 5\. ")
        step(log, "moving to the next question", "alt+n", expect=r"Question 4 of 5\. ")
        step(log, "choosing B", "2", expect=r"selected radio button")
        step(log, "moving to the last question", "alt+n", expect=r"Question 5 of 5\. ")
        step(log, "choosing B", "2", expect=r"selected radio button")
        step(log, "the result window: Finish", "alt+f",
             expect=r"Test Result dialog Question Total: 5\. Correct Questions: \d\. "
                    r"Percentage: \d+\.\d%\..* OK push button")
        verdict = r"(Correct\. You chose B|Wrong\. You chose B\. The correct answer is [A-D]" \
                  r"|Unanswered\. The correct answer is [A-D])\..* label"
        heard = step(log, "the review, the result window closed", "Return",
                     expect=r"Question 1 of 5\. .*" + verdict)
        for position in range(2, 6):
            if any(re.search(r"Wrong\.", line) for line in heard):
                break
            heard = step(log, f"the review: question {position}", "alt+n",
                         expect=rf"Question {position} of 5\. .*" + verdict)
        for _ in range(10):
            heard = step(log, "Shift+Tab, towards the size list", "shift+Tab")
            if any("combo box" in line for line in heard):
                break
        if not any("Practice Question Number: 5 Questions combo box" in line for line in heard):
            missing.append("the size list: Practice Question Number: 5 Questions combo box")
        step(log, "the next size", "Down",
             expect=r"Practice Question Number: 10 Questions combo box")
        keys("alt+x")
        app.wait(10)
        if missing:
            print("Orca did not say:", *missing, sep="\n  ")
        return 1 if missing else 0
    finally:
        for process in (app, orca):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())

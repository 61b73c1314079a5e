#!/usr/bin/python3
"""Takes a practice test in Veltrano Test through the accessibility bus only.

As a screen reader or switch access would: every control is found and
worked through AT-SPI (its name, role, states, relations and actions), never
through the keyboard or the mouse. The program starts on a first run, so
the licence agreement comes first. Checks that

  - every control shows its caption as its name, with the right role;
  - the question reaches screen readers with the focus on every move (the
    focused answer is labelled by "Question 2 of 5. ..."), also when the
    focus stays in the same answer slot (it is offered as a new object);
  - answers chosen with the Toggle action are recorded and scored;
  - the result window's figures are in its description;
  - the review puts the focus on the verdict, worded in full ("Wrong. You
    chose C. The correct answer is D.", "Unanswered. ..."), and reports
    its answers locked.

Prints the accessible tree and every step; exits 1 when a check fails.
Run it on a desktop with the AT-SPI bus (scripts/check-accessibility.sh
starts a headless one):  atspi_flow.py PROGRAM
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 15

failures = []


def check(condition, what):
    print(("ok   - " if condition else "FAIL - ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def pump(seconds=0.0):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_for(find, what, timeout=TIMEOUT):
    """Waits until find() gives something; fails the run if it never does."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        found = find()
        if found:
            return found
        time.sleep(0.05)
    print("FAIL - timed out waiting for " + what, flush=True)
    failures.append("timed out waiting for " + what)
    finish(1)


def states(accessible):
    return set(accessible.getState().getStates())


def showing(accessible):
    return pyatspi.STATE_SHOWING in states(accessible)


def descendants(root):
    for child in root:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None, match=None, only_showing=True):
    for accessible in descendants(root):
        if accessible.getRoleName() != role:
            continue
        if only_showing and not showing(accessible):
            continue
        if name is not None and accessible.name != name:
            continue
        if match is not None and not re.search(match, accessible.name or ""):
            continue
        return accessible
    return None


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def act(accessible, name):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            action.doAction(i)
            pump(0.2)
            return
    raise AssertionError(f"{accessible.getRoleName()} '{accessible.name}' has no action {name}")


def labelled_by(accessible):
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def dump(root, heading):
    print(f"--- {heading}", flush=True)

    def walk(accessible, depth):
        if not showing(accessible):
            return
        extra = []
        if accessible.description:
            extra.append(f"description={accessible.description!r}")
        labels = labelled_by(accessible)
        if labels:
            extra.append(f"labelled-by={labels!r}")
        print("  " * depth + f"{accessible.getRoleName()} {accessible.name!r} {' '.join(extra)}")
        for child in accessible:
            if child is not None:
                walk(child, depth + 1)

    walk(root, 0)
    print("---", flush=True)


class FocusEvents:
    """Records where the focus goes, with what the focused object says."""

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:focused")

    def heard(self, event):
        if not event.detail1:
            return
        source = event.source
        try:
            self.seen.append({"role": source.getRoleName(), "name": source.name,
                              "path": source.path, "labelled-by": labelled_by(source),
                              "object": source})
        except Exception:  # the object may be gone already
            pass

    def mark(self):
        return len(self.seen)

    def after(self, mark, role, match=""):
        for event in self.seen[mark:]:
            if event["role"] == role and re.search(match, event["name"] or ""):
                return event
        return None


program = None


def finish(code):
    if program and program.poll() is None:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
    print(f"\natspi flow: {len(failures)} failed" + (":" if failures else ""))
    for what in failures:
        print("  " + what)
    sys.exit(1 if failures or code else 0)


def main():
    global program
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    args = parser.parse_args()

    focus = FocusEvents()
    home = tempfile.TemporaryDirectory()
    environment = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home.name, "config"),
                       XDG_DATA_HOME=os.path.join(home.name, "data"),
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LANG="C.UTF-8", LC_ALL="C.UTF-8")
    program = subprocess.Popen([args.program], env=environment)

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a is not None
                                 and a.get_process_id() == program.pid), None),
                   "the program on the accessibility bus")

    # --- The first-run licence agreement
    licence = wait_for(lambda: find(app, "dialog", "License"), "the licence window")
    check("Accept or Not Accept" in licence.description,
          f"the licence window says what to do: {licence.description!r}")
    check(find(licence, "text", "License agreement") is not None,
          "the agreement is a text named 'License agreement'")
    accept = wait_for(lambda: find(licence, "push button", "Accept"), "Accept")
    check(find(licence, "push button", "Not Accept") is not None, "Not Accept is offered")
    act(accept, "Press")

    window = wait_for(lambda: find(app, "frame", match=r"^Veltrano Test"), "the main window")
    wait_for(lambda: find(app, "dialog", "License") is None, "the licence window to close")
    dump(window, "the main window at start-up")

    # --- Names and roles are the captions on screen
    for role, name in [("push button", "Start"), ("push button", "Redo Incorrect Questions"),
                       ("push button", "Clear Incorrect History"), ("push button", "Info Center"),
                       ("combo box", "5 Questions"),
                       ("label", "Practice Question Number: 5 Questions"),
                       ("label", "Ready for your citizenship test?"),
                       ("link", "Try a free sample test online"),
                       ("link", "Veltrano Test home page"),
                       ("menu item", "About"), ("menu item", "License"),
                       ("menu item", "Other Info"), ("menu item", "Voice"),
                       ("menu item", "Exit")]:
        check(find(window, role, name) is not None, f"{role} named '{name}'")
    sizes = find(window, "combo box", "5 Questions")
    check(labelled_by(sizes) == ["Practice Question Number: 5 Questions"],
          "the size list is labelled by its label, which says the size")
    for link in ("Try a free sample test online", "Veltrano Test home page"):
        accessible = find(window, "link", link)
        check("Press" in actions(accessible) and pyatspi.STATE_FOCUSABLE in states(accessible),
              f"the link '{link}' takes focus and can be followed")

    def every_control_named(where):
        unnamed = [a.getRoleName() for a in descendants(window) if showing(a)
                   and a.getRoleName() in ("push button", "check box", "radio button", "link",
                                           "combo box", "menu item")
                   and not a.name]
        check(not unnamed, f"every control is named ({where}){': ' + str(unnamed) if unnamed else ''}")

    every_control_named("start-up")

    # --- A test, through actions alone
    answer_letters = {1: "C", 2: "A", 4: "B", 5: "D"}  # question 3 is left unanswered
    mark = focus.mark()
    act(find(window, "push button", "Start"), "Press")
    event = wait_for(lambda: focus.after(mark, "radio button"), "focus on an answer after Start")
    question = wait_for(lambda: find(window, "panel", "Question 1 of 5"), "the question's frame")
    question_label = find(question, "label", match=r"^Question 1 of 5\. ")
    check(question_label is not None and
          question_label.name == "Question 1 of 5. " + question.description,
          f"the frame is named 'Question 1 of 5' and described by its question: "
          f"{question.description!r}")
    check(event["labelled-by"] == [question_label.name],
          f"the focused answer '{event['name']}' is labelled by the question "
          f"{event['labelled-by']!r}")
    check(find(window, "push button", "Restart") is not None, "Start is now named Restart")
    dump(window, "a running test")
    every_control_named("a running test")

    previous_focus = event
    for position in range(1, 6):
        if position > 1:
            mark = focus.mark()
            act(find(window, "push button", "Next"), "Press")
            event = wait_for(lambda: focus.after(mark, "radio button"),
                             f"focus on an answer of question {position}")
            heard = event["labelled-by"][0] if event["labelled-by"] else ""
            check(heard.startswith(f"Question {position} of 5. "),
                  f"moving to question {position}, the focused answer '{event['name']}' is "
                  f"labelled by {heard!r}")
            if event["name"][:1] == previous_focus["name"][:1]:
                check(event["path"] != previous_focus["path"],
                      f"the answer slot {event['name'][:1]} that keeps the focus is offered as "
                      f"a new object ({previous_focus['path']} -> {event['path']})")
            previous_focus = event
        letter = answer_letters.get(position)
        if letter is None:
            continue
        frame = find(window, "panel", f"Question {position} of 5")
        choice = find(frame, "radio button", match=rf"^{letter}\.")
        check("Toggle" in actions(choice), f"answer {letter} offers Toggle")
        act(choice, "Toggle")
        wait_for(lambda: pyatspi.STATE_CHECKED in states(choice), f"answer {letter} checked")
        check(True, f"question {position}: answer {letter} chosen by Toggle")

    # --- The score
    act(find(window, "push button", "Finish"), "Press")
    result = wait_for(lambda: find(app, "dialog", "Test Result"), "the result window")
    figures = re.fullmatch(r"Question Total: 5\. Correct Questions: (\d)\. "
                           r"Percentage: (\d+\.\d%)\.", result.description or "")
    check(figures is not None, f"the result window's description holds the figures: "
                               f"{result.description!r}")
    correct_figure = int(figures.group(1)) if figures else -1
    check(figures is not None and find(result, "label", figures.group(1)) is not None
          and find(result, "label", figures.group(2)) is not None,
          "the figures described are those shown")
    mark = focus.mark()
    act(find(result, "push button", "OK"), "Press")

    # --- The review: the verdict takes the focus
    verdicts = {}
    for position in range(1, 6):
        if position > 1:
            mark = focus.mark()
            act(find(window, "push button", "Next"), "Press")
        event = wait_for(lambda: focus.after(mark, "label", rf"^Question {position} of 5\. "),
                         f"focus on the verdict of question {position}")
        verdicts[position] = event["name"]
        print(f"       heard: {event['name']}")
        letter = answer_letters.get(position)
        if letter is None:
            check(re.search(r"\? Unanswered\. The correct answer is [A-D]\.", event["name"]),
                  f"question {position} is heard as unanswered")
        else:
            check(re.search(rf"\? (Correct\. You chose {letter}\.|Wrong\. You chose {letter}\. "
                            rf"The correct answer is [A-D]\.)", event["name"]),
                  f"question {position} is heard with its verdict on answer {letter}")
        frame = find(window, "panel", f"Question {position} of 5")
        choices = [a for a in descendants(frame) if a.getRoleName() == "radio button"]
        check(all(pyatspi.STATE_READ_ONLY in states(a) and pyatspi.STATE_SENSITIVE not in states(a)
                  and "Toggle" not in actions(a) for a in choices),
              f"question {position}'s answers are locked")
        marked = {a.name[:1]: a.description for a in choices if a.description}
        if letter is not None:
            check(marked.get(letter, "").startswith("Your answer, "),
                  f"answer {letter} is described as the answer given: {marked!r}")
    dump(window, "a review")
    every_control_named("a review")
    correct = sum(1 for said in verdicts.values() if re.search(r"\? Correct\.", said))
    check(correct == correct_figure,
          f"the verdicts heard ({correct} correct) agree with the score ({correct_figure})")

    # Only the wrong answers: the question it moves to is heard.
    mark = focus.mark()
    act(find(window, "check box", "View wrong answers only."), "Toggle")
    event = wait_for(lambda: focus.after(mark, "label", r"(Wrong|Unanswered)\."),
                     "focus on a wrong answer's verdict")
    check(True, f"ticking 'View wrong answers only.' is heard: {event['name']}")

    # Scores again, and back to the question on view.
    scores = find(window, "push button", "Scores")
    check(scores is not None, "Finish is now named Scores")
    act(scores, "Press")
    result = wait_for(lambda: find(app, "dialog", "Test Result"), "the result window again")
    mark = focus.mark()
    act(find(result, "push button", "OK"), "Press")
    wait_for(lambda: focus.after(mark, "label", r"(Wrong|Unanswered)\."),
             "the focus back on the verdict")
    check(True, "after the scores the focus is back on the question on view")

    act(find(window, "menu item", "Exit"), "Press")
    try:
        program.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        pass
    check(program.poll() is not None, "Exit ends the program")
    finish(0)


if __name__ == "__main__":
    main()

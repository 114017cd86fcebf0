#!/usr/bin/python3
# A screen-reader-like client for the end-to-end test: it listens on the accessibility bus and,
# after every text, caret and selection event of the editor, reads the text, the caret, the
# selections and the caret's line, checking that they agree with each other. Meanwhile it types
# seeded random batches of editor keys into the program. Prints RESULT=ok, or the failure with the
# batch that led to it; the program must stay alive and show no other window.
#   screen_reader.py PID SEED SECONDS
import os, random, subprocess, sys, threading, time
import pyatspi

pid, seed, secs = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
KEYS = ["End", "Home", "Right", "Left", "Up", "Down", "t", "x", "BackSpace", "Delete", "Return",
        "Tab", "shift+Tab", "shift+Right", "shift+Left", "shift+Down", "shift+Up", "shift+End",
        "ctrl+Right", "ctrl+Left", "ctrl+z", "shift+ctrl+z", "ctrl+shift+i", "ctrl+shift+u",
        "ctrl+shift+c", "ctrl+shift+n", "ctrl+shift+l", "ctrl+a", "ctrl+c", "ctrl+v", "ctrl+x"]
state = {"events": 0, "bad": None, "name": None}


def on_event(e):
    try:
        if not e.source or e.source.getRoleName() != "text":
            return
        state["events"] += 1
        state["name"] = e.source.name
        t = e.source.queryText()
        n = t.characterCount
        text = t.getText(0, -1)
        o = t.caretOffset
        if len(text) != n or not 0 <= o <= n:
            state["bad"] = "caret %d or text length %d of %d" % (o, len(text), n)
        for i in range(t.getNSelections()):
            b, f = t.getSelection(i)
            if not 0 <= b <= f <= n:
                state["bad"] = "selection %d..%d of %d" % (b, f, n)
        line, b, f = t.getTextAtOffset(o, pyatspi.TEXT_BOUNDARY_LINE_START)
        if not (b <= o and (o < f or f == n)) or text[b:f] != line:
            state["bad"] = "line %r at %d..%d for caret %d" % (line, b, f, o)
    except Exception as x:  # the bus may time out while the program is busy
        if "Timeout" not in str(x) and "NoReply" not in str(x):
            state["bad"] = "query failed: %s" % x


for kind in ("object:text-caret-moved", "object:text-changed:insert",
             "object:text-changed:delete", "object:text-selection-changed"):
    pyatspi.Registry.registerEventListener(on_event, kind)


def alive():
    try:
        return open("/proc/%d/stat" % pid).read().split()[2] != "Z"
    except OSError:
        return False


def windows():
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    return ids


def drive():
    random.seed(seed)
    main = windows()
    start = set(main)
    end = time.time() + secs
    verdict, batch, batches = "ok", [], 0
    while time.time() < end:
        batch = [random.choice(KEYS) for _ in range(15)]
        batches += 1
        if main:
            subprocess.run(["xdotool", "windowfocus", "--sync", main[-1]], capture_output=True)
        subprocess.run(["xdotool", "key", "--delay", "40"] + batch, capture_output=True)
        time.sleep(0.3)
        if not alive():
            verdict = "crashed"
            break
        if set(windows()) - start:
            verdict = "another window opened (an error box)"
            break
        if state["bad"]:
            verdict = state["bad"]
            break
    print("BATCHES=%d" % batches)
    print("EVENTS=%d" % state["events"])
    print("NAME=%s" % state["name"])
    print("RESULT=%s" % verdict)
    if verdict != "ok":
        print("BATCH=" + " ".join(batch))
    sys.stdout.flush()
    pyatspi.Registry.stop()


threading.Thread(target=drive).start()
pyatspi.Registry.start()

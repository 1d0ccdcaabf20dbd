#!/usr/bin/env python3
# WebKit, which every iPad runs: a smoke run of the page in Debian's
# WebKitGTK (under a virtual display): the menu shows, a shape window opens
# from its button, and a press on the metal spreads heat. Input goes in as
# the page's own pointer events (WebKitGTK takes no trusted input from a
# script); a screenshot of each step is written.
#   python3 webkit_smoke.py PAGE.html OUTPUT-FOLDER
# The program's layout, captions and colours come from the JSON file that
# VELMORA_FACTS names (describe-velmora's).
import json
import os
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

page, out = os.path.abspath(sys.argv[1]), sys.argv[2]
os.makedirs(out, exist_ok=True)
with open(os.environ["VELMORA_FACTS"], encoding="utf-8") as facts_file:
    facts = json.load(facts_file)
tee = next(card for card in facts["menu"]["cards"] if card["shape"] == "t")
heated = facts["colours"]["heatedMetal"]

# In the page: the window in front, a press and release at a point of its
# client area (twips), and what its metal shows.
HELPERS = """
const twipsPerPixel = %s;
window.front = () => [...document.querySelectorAll('.vm-window')]
    .filter((w) => w.style.display !== 'none')
    .sort((a, b) => b.style.zIndex - a.style.zIndex)[0];
window.pressAt = (x, y) => {
  const client = front().querySelector('.vm-client');
  const r = client.getBoundingClientRect();
  const at = { bubbles: true, cancelable: true, clientX: r.left + x / twipsPerPixel,
               clientY: r.top + y / twipsPerPixel,
               pointerId: 1, pointerType: 'mouse', button: 0, buttons: 1, isPrimary: true };
  const target = document.elementFromPoint(at.clientX, at.clientY);
  target.dispatchEvent(new PointerEvent('pointerdown', at));
  target.dispatchEvent(new PointerEvent('pointerup', { ...at, buttons: 0 }));
  target.dispatchEvent(new MouseEvent('click', at));
};
window.heated = () => {
  // What was drawn reaches the canvases at the page's next frame, which a
  // window nobody looks at may not get: painted now.
  Page.flush();
  let n = 0;
  for (const c of front().querySelectorAll('.vm-drawing')) {
    // Hidden boxes show nothing; the markers (with a picture) are no metal.
    const box = c.closest('.vm-picture-box');
    if (c.offsetParent === null || box.querySelector(':scope > .vm-picture')) continue;
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    for (let i = 0; i < d.length; i += 4) n += d[i] === %s && d[i + 1] === %s && d[i + 2] === %s;
  }
  return n;
};
""" % (facts["twipsPerPixel"], *heated)

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


window = Gtk.OffscreenWindow()
window.set_default_size(720, 520)
view = WebKit2.WebView()
view.get_settings().set_allow_file_access_from_file_urls(True)
window.add(view)
window.show_all()


def evaluate(script, then):
    def done(v, result):
        try:
            value = v.evaluate_javascript_finish(result)
            then(json.loads(value.to_json(0)) if not value.is_undefined() else None)
        except GLib.Error as error:
            check(False, f"{script}: {error.message}")
            Gtk.main_quit()

    view.evaluate_javascript(script, -1, None, None, None, done)


def snapshot(name, then):
    def done(v, result):
        v.get_snapshot_finish(result).write_to_png(os.path.join(out, name + ".png"))
        then()

    view.get_snapshot(WebKit2.SnapshotRegion.VISIBLE, WebKit2.SnapshotOptions.NONE, None, done)


def after(ms, then):
    GLib.timeout_add(ms, lambda: (then(), False)[1])


def run():
    evaluate(HELPERS + "document.title", menu_shown)


def menu_shown(title):
    check(title == facts["menu"]["caption"], "the menu shows")
    snapshot("webkit-menu",
             lambda: evaluate("pressAt(%s, %s); document.title" % tuple(tee["press"]), window_open))


def window_open(title):
    check(title == tee["window"], "the T window opens from its menu button")
    evaluate("heated()", lambda n: (check(n == 0, "its metal is cold"),
                                    evaluate("pressAt(900, 1260); true", pressed)))


def pressed(_):
    after(1500, lambda: evaluate("heated()", heat_seen))


def heat_seen(n):
    check(n > 0, f"a press on the metal spreads heat ({n} heated pixels)")
    snapshot("webkit-t-plate", Gtk.main_quit)


def loaded(v, event):
    if event == WebKit2.LoadEvent.FINISHED:
        after(1500, run)


view.connect("load-changed", loaded)
view.load_uri("file://" + page + "?actual-size")
GLib.timeout_add_seconds(60, lambda: (check(False, "finished in time"), Gtk.main_quit()))
Gtk.main()
print("every check passed" if not failures else f"{len(failures)} check(s) failed")
sys.exit(1 if failures else 0)

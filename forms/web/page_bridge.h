// The page's half of the web backend, written in JavaScript
// (page_bridge.js): each call does one thing to one element of the page.
// Elements are named by the number of the peer that owns them; lengths are
// CSS pixels, colours 0x00BBGGRR.
#pragma once

#include <cstdint>

extern "C" {

// A new element of this kind (forms::ControlKind) inside the element of
// `parent` (0: a window on the page), just beneath the element `below` of
// the same container (0: above all of them).
void page_create(int id, int kind, int parent, int below);
void page_destroy(int id);
// Lengths in CSS pixels of the window's contents: a control's edges are
// its device pixels divided by the window's pixel ratio, so the browser
// puts each edge on the very device pixel the core snapped it to.
void page_geometry(int id, double left, double top, double width, double height);
void page_visible(int id, int visible);
void page_raise(int id);
void page_caption(int id, const char* text);
void page_colours(int id, std::uint32_t back, std::uint32_t fore);
void page_font(int id, const char* family, int pixelSize, int bold);
// Pixels 0xAARRGGBB, row by row; `name` keys the page's copy of them. A
// null name: no picture.
void page_picture(int id, const char* name, const std::uint32_t* argb, int width, int height);
// A null name: the platform's arrow.
void page_cursor(int id, const char* name, const std::uint32_t* argb, int width, int height,
                 int hotX, int hotY);
void page_checked(int id, int checked);
// What a screen reader says of an element: its role (forms::AccessibleRole),
// name and description (empty: none). For a window, the name is its close
// box's.
void page_accessible(int id, int role, const char* name, const char* description);
// Said by a screen reader at once, through the page's live region.
void page_announce(const char* text);
// The picture box's canvas changed in an area of device pixels (right and
// bottom exclusive): the page fetches those pixels (velmora_canvas_*) when
// it next paints, and the whole canvas the first time or at a new size.
void page_drawing(int id, int left, int top, int right, int bottom);
void page_focus(int id);
// The toolkit's focus mark and aiming cross over a window: `count` runs of
// five ints (left, top, right, bottom in device pixels of the client area,
// right and bottom exclusive, then the colour), above every element; none
// clears it.
void page_overlay(int form, const int* runs, int count);
// A line from one end to the other, in pixels of its own box.
void page_line(int id, int x1, int y1, int x2, int y2, std::uint32_t colour);
void page_filled(int id, std::uint32_t fill, int outlined);
void page_timer_start(int id, int intervalMs);
void page_timer_stop(int id);
// Device pixels per CSS pixel of a window's contents: the screen's density
// times the zoom, times the window's fit to the page.
double page_pixel_ratio(int form);
// Full screen entered or left, for every window: the page asks the
// browser for the whole screen (where it can) and scales the window in
// front to fill it on a plain background of this colour.
void page_full_screen(int on, std::uint32_t surround);
// The name of the full-screen button in each window's title bar.
void page_full_screen_caption(const char* text);
// Paints what is waiting for the next frame now.
void page_flush();
// The program has ended: the page says so calmly and offers a new start.
void page_ended();
}

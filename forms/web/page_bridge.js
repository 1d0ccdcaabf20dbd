// The functions the backend's C++ calls (page_bridge.h), each handing one
// message to the page's elements (page_elements.js).
mergeInto(LibraryManager.library, {
  page_create: function (id, kind, parent, below) { Page.create(id, kind, parent, below); },
  page_destroy: function (id) { Page.destroy(id); },
  page_geometry: function (id, left, top, width, height) {
    Page.geometry(id, left, top, width, height);
  },
  page_visible: function (id, visible) { Page.visible(id, visible); },
  page_raise: function (id) { Page.raise(id); },
  page_caption: function (id, text) { Page.caption(id, UTF8ToString(text)); },
  page_colours: function (id, back, fore) { Page.colours(id, back, fore); },
  page_font: function (id, family, size, bold) {
    Page.font(id, UTF8ToString(family), size, bold);
  },
  page_picture: function (id, name, argb, width, height) {
    Page.picture(id, name ? UTF8ToString(name) : null, argb, width, height);
  },
  page_cursor: function (id, name, argb, width, height, hotX, hotY) {
    Page.cursor(id, name ? UTF8ToString(name) : null, argb, width, height, hotX, hotY);
  },
  page_checked: function (id, checked) { Page.checked(id, checked); },
  page_accessible: function (id, role, name, description) {
    Page.accessible(id, role, UTF8ToString(name), UTF8ToString(description));
  },
  page_announce: function (text) { Page.announce(UTF8ToString(text)); },
  page_drawing: function (id, left, top, right, bottom) {
    Page.drawing(id, left, top, right, bottom);
  },
  page_focus: function (id) { Page.focus(id); },
  page_overlay: function (form, runs, count) {
    Page.overlay(form, HEAP32.subarray(runs >> 2, (runs >> 2) + 5 * count));
  },
  page_line: function (id, x1, y1, x2, y2, colour) { Page.line(id, x1, y1, x2, y2, colour); },
  page_filled: function (id, fill, outlined) { Page.filled(id, fill, outlined); },
  page_timer_start: function (id, intervalMs) { Page.timerStart(id, intervalMs); },
  page_timer_stop: function (id) { Page.timerStop(id); },
  page_flush: function () { Page.flush(); },
  page_full_screen: function (on, surround) { Page.fullScreen(on, surround); },
  page_full_screen_caption: function (text) { Page.fullScreenCaption(UTF8ToString(text)); },
  page_pixel_ratio: function (id) { return Page.pixelRatio(id); },
  page_ended: function () { Page.ended(); }
});

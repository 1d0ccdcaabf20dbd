// The page's side of the conformance suite's probe (web_probe.cpp) where
// it reads what the page shows.
mergeInto(LibraryManager.library, {
  probe_cursor: function (form, x, y, out) {
    var client = Page.element(form).inside;
    var point = Page.pointOnScreen(form, x, y);
    var el = document.elementFromPoint(point.x, point.y);
    while (el && el !== client && !el.style.cursor) el = el.parentElement;
    var values = [0, 0, 0, 0, 0];
    var found = el && /^url\(.*\) (\d+) (\d+)/.exec(el.style.cursor);
    if (found && el.dataset.cursorSize) {
      var size = el.dataset.cursorSize.split(' ');
      values = [1, +found[1], +found[2], +size[0], +size[1]];
    }
    for (var i = 0; i < 5; ++i) HEAP32[(out >> 2) + i] = values[i];
  },
  probe_window: function (form, out) {
    var record = Page.element(form);
    var values = [record.inside.offsetWidth, record.inside.offsetHeight, record.shown ? 1 : 0,
                  record.picture ? 1 : 0];
    for (var i = 0; i < 4; ++i) HEAP32[(out >> 2) + i] = values[i];
    return allocateUTF8(record.title.textContent);
  },
  // What the page's semantics give a screen reader, as Chromium builds its
  // tree from them: "role\nname\ndescription".
  probe_accessible: function (id) {
    var record = Page.element(id);
    var el = record.box;
    var role = el.getAttribute('role') || (el.tagName === 'BUTTON' ? 'button' : '');
    var name = el.getAttribute('aria-label') || '';
    if (record.kind === 5) {
      role = 'text';
      name = name || el.textContent;
    }
    return allocateUTF8([role, name, el.getAttribute('aria-description') || ''].join('\n'));
  },
  probe_font: function (label, out) {
    var style = getComputedStyle(Page.element(label).box);
    HEAP32[out >> 2] = parseInt(style.fontSize, 10);
    HEAP32[(out >> 2) + 1] = parseInt(style.fontWeight, 10) >= 600 ? 1 : 0;
    return allocateUTF8(style.fontFamily.split(',')[0].trim().replace(/^["']|["']$/g, ''));
  }
});

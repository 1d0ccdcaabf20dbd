// The menu's first look, recorded at build time: the program run once
// under node, with no page, its messages to the page's elements
// (page_elements.js) kept instead of shown, up to the moment it waits for
// input. Written as JSON to the file VELMORA_FIRST_LOOK names; the page
// shows it through the same calls before its module is compiled.
Module.preRun = [].concat(Module.preRun || [], function () {
  'use strict';
  var messages = [];
  var pictures = {};
  var alive = new Set();

  // Pixels as runs: a count, then the word repeated that often.
  function pack(words) {
    var runs = [];
    for (var i = 0; i < words.length;) {
      var start = i;
      while (i < words.length && words[i] === words[start]) ++i;
      runs.push(i - start, words[start]);
    }
    return runs;
  }

  function keepPicture(name, argb, width, height) {
    if (name !== null && !pictures[name]) {
      var words = HEAPU32.subarray(argb >> 2, (argb >> 2) + width * height);
      pictures[name] = { width: width, height: height, runs: pack(words) };
    }
  }

  function kept(name) {
    return function () { messages.push([name].concat(Array.prototype.slice.call(arguments))); };
  }
  function ignored() {}

  var recorder = {
    create: function (id, kind, parent, below) {
      alive.add(id);
      messages.push(['create', id, kind, parent, below]);
    },
    destroy: function (id) {
      alive.delete(id);
      messages.push(['destroy', id]);
    },
    // The pixels go once, by the picture's name.
    picture: function (id, name, argb, width, height) {
      keepPicture(name, argb, width, height);
      messages.push(['picture', id, name, null, width, height]);
    },
    cursor: function (id, name, argb, width, height, hotX, hotY) {
      keepPicture(name, argb, width, height);
      messages.push(['cursor', id, name, null, width, height, hotX, hotY]);
    },
    // The screen the first look is recorded for: one device pixel a CSS
    // pixel (the page places it again at its own ratio).
    pixelRatio: function () { return 1; },
    // What only a running program does: timers, sounds for a screen
    // reader, the keyboard's marks, full screen, the end.
    drawing: ignored,
    announce: ignored,
    overlay: ignored,
    timerStart: ignored,
    timerStop: ignored,
    flush: ignored,
    fullScreen: ignored,
    ended: ignored
  };
  ['geometry', 'visible', 'raise', 'caption', 'colours', 'font', 'accessible', 'checked', 'focus',
   'line', 'filled', 'fullScreenCaption'].forEach(function (name) { recorder[name] = kept(name); });
  Page = recorder;

  // Once main has returned: where each element lies in twips, and each
  // picture box's drawing.
  Module.postRun = [].concat(Module.postRun || [], function () {
    var twips = {};
    var drawings = {};
    var out = _malloc(6 * 8);
    alive.forEach(function (id) {
      _velmora_control_twips(id, out);
      twips[id] = Array.from(HEAPF64.subarray(out >> 3, (out >> 3) + 6));
      var width = _velmora_canvas_width(id);
      var height = _velmora_canvas_height(id);
      if (width > 0 && height > 0) {
        var pixels = _velmora_canvas_pixels(id) >> 2;
        drawings[id] = {
          width: width, height: height, runs: pack(HEAPU32.subarray(pixels, pixels + width * height))
        };
      }
    });
    _free(out);
    var look = { messages: messages, pictures: pictures, twips: twips, drawings: drawings };
    // Inside the page's HTML: no '<' that could end its element.
    var json = JSON.stringify(look).replace(/</g, '\\u003c');
    require('fs').writeFileSync(process.env.VELMORA_FIRST_LOOK, json + '\n');
  });
});

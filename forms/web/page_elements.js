// The page's windows and controls: one element per peer of the toolkit,
// found by the peer's number. The core keeps every state and decides what
// input means; this file only shows what it is told and hands the
// browser's pointer, key and timer events back to the exported functions
// of web_backend.cpp (_velmora_*).
//
// The release page also runs this file on its own before the program's
// script, so the menu's first look paints before that script is even
// parsed; the copy inside the script then finds the page's Page and
// keeps it.
var Page = typeof Page !== 'undefined' ? Page : (function () {
  'use strict';

  // The toolkit's numbers (Toolkit, written by the build from its headers).
  var Kind = Toolkit.Kind, Key = Toolkit.Key, Button = Toolkit.Button, Held = Toolkit.Held;
  var FORM = Kind.FORM, PICTURE_BOX = Kind.PICTURE_BOX, IMAGE = Kind.IMAGE,
      COMMAND_BUTTON = Kind.COMMAND_BUTTON, OPTION_BUTTON = Kind.OPTION_BUTTON,
      LABEL = Kind.LABEL, LINE = Kind.LINE, FILLED_RECT = Kind.FILLED_RECT;
  // Screen reader roles as ARIA roles; a form, a label or an option keeps
  // the role its element has.
  var ARIA_ROLES = {};
  ARIA_ROLES[Toolkit.Role.BUTTON] = 'button';
  ARIA_ROLES[Toolkit.Role.PICTURE] = 'img';
  var TWIPS_PER_PIXEL = Toolkit.TWIPS_PER_PIXEL;

  var elements = new Map();  // peer number -> record of its element
  var intervals = new Map();  // timer number -> the page's interval
  var pictures = new Map();  // picture name -> canvas holding its pixels
  var waitingToPaint = new Set();
  var fullScreenOn = false;
  // The browser's answer to the last request to enter or leave its full
  // screen (it resizes the page before it answers).
  var fullScreenRequest = Promise.resolve();
  var fullScreenCaption = '';
  var frameAsked = false;
  var nextLayer = 1;
  // The menu is shown from the build's recording of it (showFirstLook)
  // while the module is still being compiled; until the program runs,
  // what the page would hand it waits here, in order.
  var programRunning = false;
  var waitingForProgram = [];
  var replaying = false;

  // A call into the program: at once once it runs, else when it starts, so
  // no press or key made on the first look is lost.
  function toProgram(call) {
    if (programRunning) {
      call();
    } else {
      waitingForProgram.push(call);
    }
  }

  function colour(c) {
    return 'rgb(' + (c & 255) + ',' + ((c >>> 8) & 255) + ',' + ((c >>> 16) & 255) + ')';
  }

  function make(tag, className) {
    var el = document.createElement(tag);
    if (className) el.className = className;
    return el;
  }

  // A picture's pixels (0xAARRGGBB from the program, at `argb` in its
  // memory or, for the first look, as an array) as a canvas, made once.
  function pictureCanvas(name, argb, width, height) {
    var known = pictures.get(name);
    if (known) return known;
    var canvas = make('canvas');
    canvas.width = width;
    canvas.height = height;
    var context = canvas.getContext('2d');
    var image = context.createImageData(width, height);
    var words = typeof argb === 'number' ? HEAPU32.subarray(argb >> 2, (argb >> 2) + width * height)
                                         : argb;
    // Each word's bytes B, G, R, A become R, G, B, A.
    var to = new Uint32Array(image.data.buffer);
    for (var i = 0; i < words.length; ++i) {
      var p = words[i];
      to[i] = (p & 0xFF00FF00) | ((p >>> 16) & 255) | ((p & 255) << 16);
    }
    context.putImageData(image, 0, 0);
    pictures.set(name, canvas);
    return canvas;
  }

  // A copy of a picture at its own size in CSS pixels; the browser scales
  // it smoothly on a screen of another pixel ratio.
  function pictureCopy(source, className) {
    var copy = make('canvas', className);
    copy.width = source.width;
    copy.height = source.height;
    copy.style.width = source.width + 'px';
    copy.style.height = source.height + 'px';
    copy.getContext('2d').drawImage(source, 0, 0);
    return copy;
  }

  // Where a window's client area is shown, in the page's CSS pixels, and
  // how many of them one of its own pixels takes (`scale`: the window's
  // enlargement, its own by default). The standard, and a transform, give
  // an element's rectangle as it is shown; WebKit before the standard
  // gives a zoomed one divided by its zoom: the known enlargement over the
  // measured one undoes either.
  function clientOnScreen(form, scale) {
    var client = form.inside;
    var r = client.getBoundingClientRect();
    var measured = client.offsetWidth > 0 && r.width > 0 ? r.width / client.offsetWidth : 1;
    var undo = (scale || form.scale || 1) / measured;
    return { left: r.left * undo, top: r.top * undo, scale: measured * undo };
  }

  // The point of a window's client area an event happened at, in twips.
  function twipsOf(record, event) {
    var client = clientOnScreen(record);
    return {
      x: (event.clientX - client.left) / client.scale * TWIPS_PER_PIXEL,
      y: (event.clientY - client.top) / client.scale * TWIPS_PER_PIXEL
    };
  }

  // The toolkit's mouse buttons by the browser's button numbers (0 left,
  // 1 middle, 2 right), and by the bits of the buttons held.
  var BUTTONS = [Button.LEFT, Button.MIDDLE, Button.RIGHT];
  var HELD_BITS = [1, 4, 2];

  // The one button that caused the event. A finger or a pen is the left
  // button.
  function buttonOf(event) {
    if (event.pointerType !== 'mouse') return Button.LEFT;
    return BUTTONS[event.button] || 0;
  }

  function shiftOf(event) {
    return (event.shiftKey ? Held.SHIFT : 0) | (event.ctrlKey ? Held.CTRL : 0) |
        (event.altKey ? Held.ALT : 0);
  }

  // Buttons and options keep their own pressed look and click; every
  // other press on a window goes to the core, which finds the control.
  function ownClick(event) {
    return event.target.closest && event.target.closest('.vm-system') !== null;
  }

  function makeWindow(record) {
    var win = make('div', 'vm-window');
    var bar = make('div', 'vm-title-bar');
    record.icon = make('span', 'vm-icon');
    record.title = make('span', 'vm-title');
    // Full screen, beside the close box, for the teacher with a projector
    // (hidden by the page's style where the browser has no full screen).
    var fullBox = make('button', 'vm-full-screen-box');
    fullBox.type = 'button';
    fullBox.tabIndex = -1;
    // Its title is both the tooltip and, the button having no text, the
    // name a screen reader says (once: an aria-label beside it would make
    // the title a description that repeats the name).
    fullBox.title = fullScreenCaption;
    fullBox.addEventListener('pointerdown', function (event) { event.preventDefault(); });
    fullBox.addEventListener('click', function () {
      toProgram(function () { _velmora_key(record.id, Key.FULL_SCREEN, 0); });
    });
    var closeBox = make('button', 'vm-close-box');
    closeBox.type = 'button';
    closeBox.tabIndex = -1;
    closeBox.textContent = '\u00d7';
    record.closeBox = closeBox;
    // The frame's button never takes the keyboard focus from the window.
    closeBox.addEventListener('pointerdown', function (event) { event.preventDefault(); });
    closeBox.addEventListener('click', function () {
      toProgram(function () { _velmora_close_box(record.id); });
    });
    bar.append(record.icon, record.title, fullBox, closeBox);
    var client = make('div', 'vm-client');
    win.append(bar, client);
    win.style.display = 'none';
    record.box = win;
    record.inside = client;

    client.addEventListener('pointerdown', function (event) {
      if (ownClick(event)) return;
      var button = buttonOf(event);
      if (!button) return;
      event.preventDefault();
      // The release comes back here even off the window (a pointer the
      // browser does not know, as a test's, cannot be held).
      try {
        client.setPointerCapture(event.pointerId);
      } catch (notActive) {}
      var at = twipsOf(record, event);
      var shift = shiftOf(event);
      toProgram(function () { _velmora_press(record.id, button, shift, at.x, at.y); });
    });
    client.addEventListener('pointerup', function (event) {
      if (ownClick(event)) return;
      var button = buttonOf(event);
      if (!button) return;
      var at = twipsOf(record, event);
      var shift = shiftOf(event);
      toProgram(function () { _velmora_release(record.id, button, shift, at.x, at.y); });
    });
    // A second mouse button pressed or let go while another is held.
    client.addEventListener('pointermove', function (event) {
      if (event.button < 0 || event.pointerType !== 'mouse' || ownClick(event)) return;
      var button = buttonOf(event);
      if (!button) return;
      var at = twipsOf(record, event);
      var held = (event.buttons & HELD_BITS[event.button]) !== 0;
      var shift = shiftOf(event);
      toProgram(function () {
        (held ? _velmora_press : _velmora_release)(record.id, button, shift, at.x, at.y);
      });
    });
    document.body.appendChild(win);
  }

  function makeChild(record, kind, parent, below) {
    var el;
    switch (kind) {
      case PICTURE_BOX:
        el = make('div', 'vm-picture-box');
        el.tabIndex = -1;
        record.drawing = make('canvas', 'vm-drawing');
        el.appendChild(record.drawing);
        break;
      case IMAGE:
        el = make('div', 'vm-image');
        break;
      case COMMAND_BUTTON:
        el = make('button', 'vm-button vm-system');
        el.type = 'button';
        el.tabIndex = -1;
        el.addEventListener('click', function () {
          toProgram(function () { _velmora_click(record.id); });
        });
        break;
      case OPTION_BUTTON:
        el = make('div', 'vm-option vm-system');
        el.tabIndex = -1;
        el.setAttribute('role', 'radio');
        record.radio = make('input');
        record.radio.type = 'radio';
        record.radio.tabIndex = -1;
        // Only its look: the option itself is the radio a screen reader hears.
        record.radio.setAttribute('aria-hidden', 'true');
        record.caption = make('span');
        el.append(record.radio, record.caption);
        el.addEventListener('click', function () {
          toProgram(function () { _velmora_click(record.id); });
          // The option shows what the core holds, never its own toggle.
          record.radio.checked = record.checked;
        });
        break;
      case LABEL:
        el = make('div', 'vm-label');
        break;
      case LINE:
        el = make('canvas', 'vm-line');
        break;
      case FILLED_RECT:
        el = make('div', 'vm-filled');
        break;
    }
    if (kind === COMMAND_BUTTON || kind === OPTION_BUTTON) {
      el.addEventListener('focus', function () {
        toProgram(function () { _velmora_focus_arrived(record.id); });
      });
    }
    record.box = el;
    record.inside = el;
    var parentRecord = elements.get(parent);
    record.form = parentRecord.kind === FORM ? parentRecord : parentRecord.form;
    // Where the core stacks it: beneath a windowed sibling, or on top.
    var beneath = elements.get(below);
    parentRecord.inside.insertBefore(el, beneath ? beneath.box : null);
  }

  // The release page fits each window to the screen; the toolkit's own
  // tests look at it 15 twips a pixel.
  function fitsScreen() {
    return document.documentElement.classList.contains('vm-fit') &&
        !/(^|[?&])actual-size($|&)/.test(location.search.slice(1));
  }

  // A window in the middle of the page. Fitted, it grows or shrinks as a
  // whole to fill the page, keeping its proportions: its twips, and so
  // the heat, stay as they are; only the screen pixels a twip takes change.
  function placeAtCentre(record) {
    var box = record.box;
    var scale = 1;
    if (fullScreenOn) {
      // Full screen: the client area alone (the frame is hidden) fills the
      // screen at its own proportions, whatever the page's fitting.
      scale = Math.min(window.innerWidth / box.offsetWidth, window.innerHeight / box.offsetHeight);
      setScale(box, scale);
    } else if (fitsScreen() && box.offsetWidth > 0 && box.offsetHeight > 0) {
      scale = Math.min(window.innerWidth / box.offsetWidth, window.innerHeight / box.offsetHeight);
      setScale(box, scale);
    } else {
      setScale(box, 1);
    }
    var left = (window.innerWidth - box.offsetWidth * scale) / 2;
    var top = (window.innerHeight - box.offsetHeight * scale) / 2;
    left = Math.max(0, scale === 1 ? Math.floor(left) : left);
    top = Math.max(0, scale === 1 ? Math.floor(top) : top);
    // A zoomed window's own left and top are zoomed with it.
    var own = zooms ? scale : 1;
    box.style.left = left / own + 'px';
    box.style.top = top / own + 'px';
    if (scale !== 1) {
      // The client area's corner on a whole device pixel, so every edge
      // the core snapped lands on one, not halfway for the browser to
      // round either way.
      var dpr = window.devicePixelRatio || 1;
      var corner = clientOnScreen(record, scale);
      var dx = (Math.round(corner.left * dpr) - corner.left * dpr) / dpr;
      var dy = (Math.round(corner.top * dpr) - corner.top * dpr) / dpr;
      box.style.left = (left + dx) / own + 'px';
      box.style.top = (top + dy) / own + 'px';
    }
    if (record.scale !== scale) {
      record.scale = scale;
      // Once the core that may have called here has returned.
      Promise.resolve().then(function () { tellRatio(record); });
    }
  }

  // A window is enlarged by zooming it, so the browser lays its contents
  // out at their final size and each edge the core snapped to a device
  // pixel stays on it (a transform would smear every edge across two).
  // Where zoom is unknown, a transform does it.
  var zooms = typeof CSS !== 'undefined' && CSS.supports && CSS.supports('zoom', '2');
  function setScale(box, scale) {
    if (scale === 1 && !box.style.getPropertyValue('--vm-scale')) return;
    box.style.setProperty('--vm-scale', scale);
    if (zooms) {
      box.style.zoom = scale;
      return;
    }
    box.style.transformOrigin = '0 0';
    box.style.transform = 'scale(' + scale + ')';
  }

  // Screen pixels per CSS pixel of a window's contents: the browser's
  // ratio times the window's fit, so its drawings stay sharp at any size.
  function ratioOf(record) {
    var form = record.kind === FORM ? record : record.form;
    return (window.devicePixelRatio || 1) * (form && form.scale ? form.scale : 1);
  }

  function tellRatio(form) {
    if (!programRunning) {
      placeFirstLook(form);
    } else if (form.shown && elements.has(form.id)) {
      _velmora_pixel_ratio(form.id, ratioOf(form));
    }
    elements.forEach(function (record) {
      if (record.kind === LINE && record.form === form) drawLine(record);
    });
  }

  function frontWindow() {
    var front = null;
    elements.forEach(function (record) {
      if (record.kind === FORM && record.shown && (!front || record.layer > front.layer)) {
        front = record;
      }
    });
    return front;
  }

  // The front window's caption is the page's title.
  function showTitle() {
    var front = frontWindow();
    if (front) document.title = front.title.textContent;
  }

  function drawLine(record) {
    var line = record.line;
    if (!line) return;
    var canvas = record.box;
    var ratio = ratioOf(record);
    var width = parseFloat(canvas.style.width) || 1;
    var height = parseFloat(canvas.style.height) || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    var context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.strokeStyle = colour(line.colour);
    context.lineWidth = 1;
    context.lineCap = 'butt';
    // Through the pixel centres, one screen pixel wide.
    context.beginPath();
    context.moveTo(line.x1 + 0.5, line.y1 + 0.5);
    context.lineTo(line.x2 + 0.5, line.y2 + 0.5);
    context.stroke();
  }

  // Copies only the pixels changed since the last paint: a heat tick
  // touches the ring the front grew by, not the whole metal. The canvas
  // keeps one image of its size, so a tick allocates nothing.
  function paintCanvas(id) {
    var record = elements.get(id);
    if (!record) return;
    var pixels = _velmora_canvas_pixels(id);
    var width = _velmora_canvas_width(id);
    var height = _velmora_canvas_height(id);
    if (!pixels || !width || !height) return;
    var canvas = record.drawing;
    var areas = record.changed || [];
    record.changed = null;
    if (!record.painted || canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      record.context = canvas.getContext('2d');
      record.image = record.context.createImageData(width, height);
      areas = [{ left: 0, top: 0, right: width, bottom: height }];
      record.painted = true;
    }
    // 0x00BBGGRR words are the bytes R, G, B, 0: opaque once the fourth
    // byte is set, in the same pass that copies them.
    var from = HEAPU32;
    var start = pixels >> 2;
    var to = new Uint32Array(record.image.data.buffer);
    areas.forEach(function (area) {
      var left = Math.max(0, area.left), top = Math.max(0, area.top);
      var right = Math.min(width, area.right), bottom = Math.min(height, area.bottom);
      if (right <= left || bottom <= top) return;
      for (var y = top; y < bottom; ++y) {
        for (var i = y * width + left, end = y * width + right; i < end; ++i) {
          to[i] = from[start + i] | 0xFF000000;
        }
      }
      record.context.putImageData(record.image, 0, 0, left, top, right - left, bottom - top);
    });
  }

  function paintWaiting() {
    frameAsked = false;
    checkPixelRatio();
    var ids = Array.from(waitingToPaint);
    waitingToPaint.clear();
    ids.forEach(paintCanvas);
  }

  var knownRatio = 1;  // the page's, from its start
  function tellPixelRatio() {
    knownRatio = window.devicePixelRatio || 1;
    elements.forEach(function (record) {
      if (record.kind === FORM) tellRatio(record);
    });
    watchPixelRatio();
  }

  // Not every change of the ratio is announced (an emulated screen is
  // not): it is looked at again on a resize and before painting.
  function checkPixelRatio() {
    if ((window.devicePixelRatio || 1) !== knownRatio) tellPixelRatio();
  }

  // Zoom or a move to a screen of another density changes the ratio. The
  // query is held, so its listener lives as long as it is needed.
  var ratioQuery = null;
  function watchPixelRatio() {
    if (ratioQuery) ratioQuery.removeEventListener('change', tellPixelRatio);
    ratioQuery = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
    ratioQuery.addEventListener('change', tellPixelRatio);
  }

  // The keys the toolkit handles, by the browser's names for them.
  var keys = {
    'Tab': Key.TAB, ' ': Key.SPACE, 'ArrowLeft': Key.LEFT, 'ArrowRight': Key.RIGHT,
    'ArrowUp': Key.UP, 'ArrowDown': Key.DOWN, 'Enter': Key.ENTER, 'F11': Key.FULL_SCREEN,
    'Escape': Key.ESCAPE
  };

  // The keys the toolkit handles go to the front window's core, once per
  // press, with Shift held or not; the browser's own handling of them is
  // swallowed, as no button must act twice.
  function keyDown(event) {
    var front = frontWindow();
    if (!front || event.ctrlKey || event.altKey || event.metaKey) return;
    // WebKitGTK can call Shift+Tab's key Unidentified (the left tab of X);
    // its code still says Tab.
    var key = keys[event.key === 'Unidentified' ? event.code : event.key];
    if (key === undefined) return;
    event.preventDefault();
    if (event.repeat) return;
    var shift = event.shiftKey ? Held.SHIFT : 0;
    toProgram(function () { _velmora_key(front.id, key, shift); });
  }

  function keyUp(event) {
    if (frontWindow() && (event.key === ' ' || event.key === 'Enter')) event.preventDefault();
  }

  // Full screen for every window, as the core says: the browser's whole
  // screen where it has one, and in any case the window in front scaled to
  // fill the page on a plain dark surround.
  function showFullScreen(on, surround) {
    fullScreenOn = !!on;
    var root = document.documentElement;
    root.classList.toggle('vm-full-screen', fullScreenOn);
    document.body.style.background = fullScreenOn ? colour(surround) : '';
    if (fullScreenOn && !document.fullscreenElement && root.requestFullscreen) {
      // Allowed from a key press or a click; otherwise the page alone.
      fullScreenRequest = root.requestFullscreen().catch(function () {});
    } else if (!fullScreenOn && document.fullscreenElement && document.exitFullscreen) {
      fullScreenRequest = document.exitFullscreen().catch(function () {});
    }
    elements.forEach(function (record) {
      if (record.kind === FORM && record.shown) placeAtCentre(record);
    });
  }

  // The browser left its full screen by itself (its own Escape, or its
  // own control): the program leaves it too.
  function browserFullScreenChanged() {
    var front = frontWindow();
    if (!document.fullscreenElement && fullScreenOn && front) {
      toProgram(function () { _velmora_key(front.id, Key.ESCAPE, 0); });
    }
  }

  // The page's one live region: what it is given, a screen reader says,
  // without moving the focus. Seen by no one: a pixel, clipped away.
  var live = null;
  function liveRegion() {
    if (live) return live;
    live = make('div', 'vm-announcement');
    live.setAttribute('role', 'status');
    live.setAttribute('aria-live', 'polite');
    live.style.cssText = 'position: absolute; width: 1px; height: 1px; margin: -1px; ' +
        'overflow: hidden; clip-path: inset(50%); white-space: nowrap;';
    document.body.appendChild(live);
    return live;
  }

  // The first look: the menu as the program first shows it, recorded by
  // the build from the program itself (first_look_recorder.js) as the
  // messages it sent the page while starting. They are shown through the
  // very calls the program makes, so the page holds the same elements,
  // names and roles at once, long before the module is compiled; the
  // program adopts each element when it makes its control.
  function showFirstLook(look) {
    replaying = true;
    look.messages.forEach(function (message) {
      var args = message.slice(1);
      if ((message[0] === 'picture' || message[0] === 'cursor') && args[1] !== null) {
        var picture = look.pictures[args[1]];
        args[2] = unpackPixels(picture.runs, picture.width * picture.height);
      }
      api[message[0]].apply(null, args);
      if (message[0] === 'create') elements.get(args[0]).twips = look.twips[args[0]];
    });
    // A drawing's words are the bytes R, G, B, 0: opaque as they unpack.
    Object.keys(look.drawings).forEach(function (id) {
      var drawing = look.drawings[id];
      var words = unpackPixels(drawing.runs, drawing.width * drawing.height, 0xFF000000);
      elements.get(Number(id)).firstLookDrawing =
          new ImageData(new Uint8ClampedArray(words.buffer), drawing.width, drawing.height);
    });
    replaying = false;
  }

  // Pixels packed as runs: a count, then the word repeated that often
  // (with the bits of `set` added).
  function unpackPixels(runs, count, set) {
    var words = new Uint32Array(count);
    for (var i = 0, at = 0; i + 1 < runs.length; i += 2) {
      words.fill((runs[i + 1] | (set || 0)) >>> 0, at, at + runs[i]);
      at += runs[i];
    }
    return words;
  }

  // Each element of the first look where the program will put it at the
  // window's ratio: every edge snapped to a device pixel from its place in
  // twips (its corner, its container's corner, its size), as the
  // toolkit's core snaps it, so nothing moves when the program takes the
  // window over. A drawing is stretched over its box's device pixels.
  function placeFirstLook(form) {
    var ratio = ratioOf(form);
    function snap(twips) { return Math.round(twips / TWIPS_PER_PIXEL * ratio); }
    elements.forEach(function (record) {
      var t = record.twips;
      if (!record.firstLook || record.form !== form || !t) return;
      var originX = snap(t[2]), originY = snap(t[3]);
      var left = snap(t[0]) - originX, top = snap(t[1]) - originY;
      var width = snap(t[0] + t[4]) - originX - left;
      var height = snap(t[1] + t[5]) - originY - top;
      // A line's box holds both its end pixels.
      var ends = record.kind === LINE ? 1 : 0;
      api.geometry(record.id, left / ratio, top / ratio, width / ratio + ends, height / ratio + ends);
      var drawing = record.firstLookDrawing;
      if (drawing && width > 0 && height > 0) {
        record.drawing.width = width;
        record.drawing.height = height;
        var context = record.drawing.getContext('2d');
        if (width === drawing.width && height === drawing.height) {
          context.putImageData(drawing, 0, 0);
        } else {
          var source = make('canvas');
          source.width = drawing.width;
          source.height = drawing.height;
          source.getContext('2d').putImageData(drawing, 0, 0);
          context.imageSmoothingEnabled = false;
          context.drawImage(source, 0, 0, width, height);
        }
        // The program paints the whole canvas again when it starts.
        record.painted = false;
      }
    });
  }

  // The program has made its first window: what it did not make again of
  // the first look goes, and what was done on the page meanwhile reaches it.
  function programStarted() {
    programRunning = true;
    elements.forEach(function (record, id) {
      if (record.firstLook) api.destroy(id);
      if (record.hiddenByProgram) api.visible(id, false);
    });
    document.documentElement.classList.add('vm-running');
    var calls = waitingForProgram;
    waitingForProgram = [];
    calls.forEach(function (call) { call(); });
  }

  // The Gothic faces the page's style sheet carries inside it, handed to
  // the browser as faces it holds already. Left to the style sheet, a face
  // is only read once the first layout has asked for it, so that layout
  // first searches the machine through each family's list of stand-ins
  // (one question to the browser per name, size and weight) and the text
  // is laid out and painted twice. The rules go once their faces are
  // added, so only one face answers to each family.
  function addEmbeddedFaces() {
    if (typeof FontFace === 'undefined' || !document.fonts) return;
    Array.prototype.forEach.call(document.styleSheets, function (sheet) {
      for (var i = sheet.cssRules.length - 1; i >= 0; --i) {
        var rule = sheet.cssRules[i];
        var source = rule.type === CSSRule.FONT_FACE_RULE &&
            /base64,([A-Za-z0-9+\/=]+)/.exec(rule.style.getPropertyValue('src'));
        if (!source) continue;
        var family = rule.style.getPropertyValue('font-family').replace(/^["']|["']$/g, '');
        var face = new FontFace(family, bytesOf(source[1]),
                                { display: rule.style.getPropertyValue('font-display') || 'auto' });
        document.fonts.add(face);
        sheet.deleteRule(i);
      }
    });
  }

  function bytesOf(base64) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
    var text = atob(base64);
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
  }

  // Once per page; false when the page had started already.
  var started = false;
  function start() {
    if (started) return false;
    started = true;
    knownRatio = window.devicePixelRatio || 1;
    addEmbeddedFaces();
    liveRegion();
    var firstLook = document.getElementById('vm-first-look');
    if (firstLook) showFirstLook(JSON.parse(firstLook.textContent));
    if (!document.fullscreenEnabled) document.documentElement.classList.add('vm-no-full-screen');
    document.addEventListener('fullscreenchange', browserFullScreenChanged);
    document.addEventListener('keydown', keyDown);
    document.addEventListener('keyup', keyUp);
    // A right press is the program's, never the browser's menu.
    document.addEventListener('contextmenu', function (event) { event.preventDefault(); });
    window.addEventListener('resize', function () {
      checkPixelRatio();
      elements.forEach(function (record) {
        if (record.kind === FORM && record.shown) placeAtCentre(record);
      });
    });
    watchPixelRatio();
    // From the school's server, the page keeps itself for the days
    // without network. Only a secure page has service workers (HTTPS, or
    // the machine itself): over plain http on the school's network the
    // page runs while the server is there, and says nothing. The worker
    // itself is always asked of the server, never of the browser's cache,
    // so a new release is found at the next opening.
    if (document.documentElement.classList.contains('vm-served') && navigator.serviceWorker) {
      navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(function () {});
    }
    return true;
  }

  var api = {
    create: function (id, kind, parent, below) {
      var known = elements.get(id);
      if (known && known.firstLook) {
        // The program takes over the element its first look showed.
        if (known.kind === kind) {
          known.firstLook = false;
          known.adopted = true;
          return;
        }
        api.destroy(id);
      }
      var record = { id: id, kind: kind, firstLook: replaying };
      elements.set(id, record);
      if (kind === FORM) {
        makeWindow(record);
      } else {
        makeChild(record, kind, parent, below);
      }
    },
    destroy: function (id) {
      var record = elements.get(id);
      if (!record) return;
      elements.delete(id);
      waitingToPaint.delete(id);
      record.box.remove();
      if (record.kind === FORM) showTitle();
    },
    geometry: function (id, left, top, width, height) {
      var record = elements.get(id);
      if (record.kind === FORM) {
        record.inside.style.width = width + 'px';
        record.inside.style.height = height + 'px';
        if (record.shown) placeAtCentre(record);
        return;
      }
      var style = record.box.style;
      style.left = left + 'px';
      style.top = top + 'px';
      style.width = width + 'px';
      style.height = height + 'px';
      if (record.kind === LINE) drawLine(record);
    },
    visible: function (id, visible) {
      var record = elements.get(id);
      // The program makes a window hidden before it shows it: one of the
      // first look stays up meanwhile, as hiding it would repaint it and
      // take the focus away and back. Hidden still when main returns, it
      // goes then.
      if (record.adopted && !programRunning) {
        record.hiddenByProgram = !visible;
        if (!visible) return;
      }
      record.box.style.display = visible ? '' : 'none';
      if (record.kind !== FORM) return;
      var wasShown = record.shown;
      record.shown = !!visible;
      if (visible && !wasShown) {
        record.layer = ++nextLayer;
        record.box.style.zIndex = record.layer;
        placeAtCentre(record);
        document.body.classList.remove('vm-ended');
      }
      showTitle();
    },
    raise: function (id) {
      var record = elements.get(id);
      record.layer = ++nextLayer;
      record.box.style.zIndex = record.layer;
      showTitle();
    },
    caption: function (id, text) {
      var record = elements.get(id);
      var el = record.kind === FORM ? record.title
                                    : record.kind === OPTION_BUTTON ? record.caption : record.box;
      // The same text again keeps its node.
      if (el.textContent !== text) el.textContent = text;
      if (record.kind === FORM) showTitle();
    },
    colours: function (id, back, fore) {
      var record = elements.get(id);
      if (record.kind === FORM) {
        record.inside.style.background = colour(back);
      } else if (record.kind === LABEL) {
        record.box.style.color = colour(fore);
      } else if (record.kind === PICTURE_BOX) {
        // The canvas is the whole box, background and all, on exactly the
        // box's device pixels; a colour beneath it would show at its edges
        // as a light seam wherever the browser smooths them.
        record.box.style.color = colour(fore);
      } else {
        record.box.style.background = colour(back);
        record.box.style.color = colour(fore);
      }
    },
    font: function (id, family, size, bold) {
      var style = elements.get(id).box.style;
      style.fontFamily = family;
      style.fontSize = size + 'px';
      style.fontWeight = bold ? 'bold' : 'normal';
    },
    picture: function (id, name, argb, width, height) {
      var record = elements.get(id);
      // The same picture again (as the program takes its first look over).
      if (record.picture && name === record.pictureName) return;
      if (record.picture) record.picture.remove();
      record.picture = null;
      record.pictureName = name;
      if (!name) return;
      var source = pictureCanvas(name, argb, width, height);
      if (record.kind === FORM) {
        record.picture = pictureCopy(source, 'vm-icon-picture');
        record.icon.appendChild(record.picture);
        // The window's icon is the page's too.
        var link = document.querySelector('link[rel="icon"]');
        if (link) link.href = source.toDataURL('image/png');
        return;
      }
      record.picture = pictureCopy(source, 'vm-picture');
      // Above the drawing, beneath every child.
      record.box.insertBefore(record.picture, record.drawing ? record.drawing.nextSibling
                                                             : record.box.firstChild);
    },
    cursor: function (id, name, argb, width, height, hotX, hotY) {
      var style = elements.get(id).box.style;
      if (!name) {
        style.cursor = '';
        delete elements.get(id).box.dataset.cursorSize;
        return;
      }
      var url = pictureCanvas(name, argb, width, height).toDataURL('image/png');
      style.cursor = 'url(' + url + ') ' + hotX + ' ' + hotY + ', auto';
      elements.get(id).box.dataset.cursorSize = width + ' ' + height;
    },
    // The name and description a screen reader says. A picture box's
    // drawing and children are then the picture or button itself.
    accessible: function (id, role, name, description) {
      var record = elements.get(id);
      var el = record.kind === FORM ? record.closeBox : record.box;
      if (record.kind === PICTURE_BOX || record.kind === IMAGE) {
        if (ARIA_ROLES[role]) {
          el.setAttribute('role', ARIA_ROLES[role]);
        } else {
          el.removeAttribute('role');
        }
        // Only a box the keyboard reaches is focusable: a marker is not.
        if (record.kind === PICTURE_BOX) {
          if (role === Toolkit.Role.BUTTON) {
            el.tabIndex = -1;
          } else {
            el.removeAttribute('tabindex');
          }
        }
      }
      if (name) {
        el.setAttribute('aria-label', name);
      } else {
        el.removeAttribute('aria-label');
      }
      if (description) {
        el.setAttribute('aria-description', description);
      } else {
        el.removeAttribute('aria-description');
      }
    },
    // Emptied first, so the same words said again are news again.
    announce: function (text) {
      var region = liveRegion();
      region.textContent = '';
      setTimeout(function () { region.textContent = text; }, 100);
    },
    checked: function (id, checked) {
      var record = elements.get(id);
      record.checked = !!checked;
      record.radio.checked = record.checked;
      record.box.setAttribute('aria-checked', record.checked ? 'true' : 'false');
    },
    drawing: function (id, left, top, right, bottom) {
      var record = elements.get(id);
      if (!record) return;
      // The areas are kept apart (a growing front's ring is many thin
      // ones); should frames stop coming, they fold into one.
      if (right > left && bottom > top) {
        var areas = record.changed || (record.changed = []);
        areas.push({ left: left, top: top, right: right, bottom: bottom });
        if (areas.length > 1024) {
          record.changed = [areas.reduce(function (all, area) {
            return {
              left: Math.min(all.left, area.left), top: Math.min(all.top, area.top),
              right: Math.max(all.right, area.right), bottom: Math.max(all.bottom, area.bottom)
            };
          })];
        }
      }
      waitingToPaint.add(id);
      if (!frameAsked) {
        frameAsked = true;
        window.requestAnimationFrame(paintWaiting);
      }
    },
    // Drawn at once into a canvas of the client's device pixels, above
    // every element and never in the way of a press; made only once a key
    // was pressed in the window.
    overlay: function (id, runs) {
      var record = elements.get(id);
      if (!record) return;
      if (!record.overlay) {
        record.overlay = make('canvas', 'vm-overlay');
        record.inside.appendChild(record.overlay);
      }
      var canvas = record.overlay;
      var ratio = ratioOf(record);
      var width = Math.round(record.inside.offsetWidth * ratio);
      var height = Math.round(record.inside.offsetHeight * ratio);
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      var context = canvas.getContext('2d');
      context.clearRect(0, 0, width, height);
      for (var i = 0; i + 4 < runs.length; i += 5) {
        var colour = runs[i + 4];
        context.fillStyle = 'rgb(' + (colour & 0xFF) + ',' + ((colour >> 8) & 0xFF) + ',' +
            ((colour >> 16) & 0xFF) + ')';
        context.fillRect(runs[i], runs[i + 1], runs[i + 2] - runs[i], runs[i + 3] - runs[i + 1]);
      }
    },
    focus: function (id) {
      elements.get(id).box.focus({ preventScroll: true });
    },
    line: function (id, x1, y1, x2, y2, c) {
      var record = elements.get(id);
      record.line = { x1: x1, y1: y1, x2: x2, y2: y2, colour: c };
      drawLine(record);
    },
    filled: function (id, fill, outlined) {
      var style = elements.get(id).box.style;
      style.background = colour(fill);
      style.border = outlined ? '1px solid #000' : 'none';
    },
    timerStart: function (id, intervalMs) {
      clearInterval(intervals.get(id));
      intervals.set(id, setInterval(function () { _velmora_timer_tick(id); }, intervalMs));
    },
    timerStop: function (id) {
      clearInterval(intervals.get(id));
      intervals.delete(id);
    },
    flush: paintWaiting,
    fullScreen: showFullScreen,
    fullScreenCaption: function (text) { fullScreenCaption = text; },
    // For the conformance suite's probe: an element's record, a key's name,
    // how many there are, and the ratio looked at again after a test
    // changed it.
    element: function (id) { return elements.get(id); },
    // The browser's name of a toolkit key (Shift+Tab's: Tab).
    keyName: function (key) {
      if (key === Key.BACK_TAB) key = Key.TAB;
      return Object.keys(keys).find(function (name) { return keys[name] === key; });
    },
    count: function () { return elements.size; },
    idOf: function (element) {
      var found = 0;
      elements.forEach(function (record, id) {
        if (record.box === element) found = id;
      });
      return found;
    },
    checkPixelRatio: checkPixelRatio,
    // Where the browser shows a point of a window's client area (twips).
    pointOnScreen: function (id, x, y) {
      var client = clientOnScreen(elements.get(id));
      return { x: client.left + x / TWIPS_PER_PIXEL * client.scale,
               y: client.top + y / TWIPS_PER_PIXEL * client.scale };
    },
    clientOnScreen: function (id) { return clientOnScreen(elements.get(id)); },
    fullScreenRequest: function () { return fullScreenRequest; },
    pixelRatio: function (id) {
      var record = elements.get(id);
      return record ? ratioOf(record) : window.devicePixelRatio || 1;
    },
    ended: function () {
      document.body.classList.add('vm-ended');
      document.title = 'Velmora';
    },
    start: start,
    programStarted: programStarted
  };
  return api;
})();

if (typeof document !== 'undefined' && Page.start()) {
  // When main returns, the program has made its first window. (The page's
  // own run of this file makes Module for the script to find.)
  if (typeof Module === 'undefined') Module = {};
  Module.postRun = [].concat(Module.postRun || [], function () { Page.programStarted(); });
}

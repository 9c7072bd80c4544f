// SPDX-License-Identifier: MIT
// The page's side of the browser front end, handed to Emscripten's linker as a
// library: the canvas, the label element and the page's events, with the keypad of
// keypad.js. It holds no exercise logic; the C++ side decides what an event means and
// what to draw.

mergeInto(LibraryManager.library, {
  $Page__deps: ['$Keypad'],
  $Page: {
    client: null, canvas: null, context: null, label: null,
    stopped: false,   // after a run-time error the page takes no more input
    size: [0, 0],     // the client area in device pixels
    scale: 1,         // device pixels per picture pixel
    place: [0, 0, 0, 0, 0], // the label: left, top, width, height, font size
    ratio: 1,
    query: null,
    colour: -1,       // the canvas's fill now, red << 16 | green << 8 | blue
    separator: '',    // the decimal separator of the browser's language, once learned
    // Device pixels of free page around the client area, room for its focus ring: a
    // whole number of CSS pixels that is a whole number of device pixels too, where
    // there is one, so that the canvas starts on a device pixel.
    margin: function () {
      for (var css = 3; css <= 20; ++css)
        if (Math.abs(css * Page.ratio - Math.round(css * Page.ratio)) < 1e-6) return Math.round(css * Page.ratio);
      return Math.ceil(3 * Page.ratio);
    },
    css: function (devicePixels) { return devicePixels / Page.ratio + 'px'; },
    layOut: function () {
      var m = Page.margin(), client = Page.client.style, label = Page.label.style;
      client.left = Page.css(m);
      client.top = Page.css(Keypad.layOut(m, Page.size[0], Page.size[1], Page.scale, Page.ratio));
      client.width = Page.canvas.style.width = Page.css(Page.size[0]);
      client.height = Page.canvas.style.height = Page.css(Page.size[1]);
      label.left = Page.css(Page.place[0]);
      label.top = Page.css(Page.place[1]);
      label.width = Page.css(Page.place[2]);
      label.height = Page.css(Page.place[3]);
      label.fontSize = Page.css(Page.place[4]);
    },
    // Tells the C++ side the room for the client area in device pixels, at every
    // change of size and of the device pixel ratio (zoom, another screen), and when
    // the keypad comes or goes.
    viewport: function () {
      // Whatever the browser says, a ratio that can be drawn at: no canvas of a
      // size no browser allocates.
      var ratio = window.devicePixelRatio;
      Page.ratio = ratio > 0 && ratio <= 16 ? ratio : 1;
      var m = 2 * Page.margin(), pad = Keypad.room(Page.ratio), landscape = Keypad.landscape();
      _fendrel_viewport(Page.ratio, Math.floor(innerWidth * Page.ratio) - m - (landscape ? pad : 0),
                        Math.floor(innerHeight * Page.ratio) - m - (landscape ? 0 : pad));
      if (Page.size[0]) Page.layOut();
      // Kept, so that the query lives on until the ratio changes.
      Page.query = window.matchMedia && matchMedia('(resolution: ' + Page.ratio + 'dppx)');
      if (Page.query && Page.query.addEventListener) Page.query.addEventListener('change', Page.viewport, {once: true});
    },
    // Where the browser tells the canvas's size in device pixels, and the layout gives
    // it other device pixels than asked for (at a ratio like 1.1), the canvas gets
    // exactly those, so that its pixels stay the screen's. Elsewhere (WebKit) the
    // canvas keeps the size the scale gives it, which the layout makes whole.
    followDevicePixels: function () {
      if (!window.ResizeObserverEntry || !('devicePixelContentBoxSize' in ResizeObserverEntry.prototype)) return;
      new ResizeObserver(function (entries) {
        var box = entries[0].devicePixelContentBoxSize[0];
        if (box.inlineSize === Page.canvas.width && box.blockSize === Page.canvas.height) return;
        Page.canvas.width = box.inlineSize;
        Page.canvas.height = box.blockSize;
        Page.colour = -1;
        _fendrel_repaint();
      }).observe(Page.canvas, {box: 'device-pixel-content-box'});
    },
    // Only the report needs it, and the first Intl call loads the browser's locale
    // data, which takes long enough to be seen at start: learned once the page is
    // idle, or when the report asks first. A language the browser cannot format
    // in gives a point.
    learnSeparator: function () {
      if (Page.separator) return;
      try {
        Page.separator = new Intl.NumberFormat(navigator.language).formatToParts(1.5).filter(function (part) {
          return part.type === 'decimal';
        })[0].value;
      } catch (e) {}
      Page.separator = Page.separator || '.';
    },
    at: function (event) {
      var box = Page.client.getBoundingClientRect();
      return [Math.floor((event.clientX - box.left) * Page.ratio), Math.floor((event.clientY - box.top) * Page.ratio)];
    },
    pressed: function (event) {
      if (Page.stopped) return;
      Page.client.focus();
      var at = Page.at(event);
      _fendrel_mouse_down(event.button, at[0], at[1], event.detail === 2);
    },
    // Released anywhere: outside the client area it completes no click.
    released: function (event) {
      if (Page.stopped) return;
      var at = Page.at(event);
      _fendrel_mouse_up(event.button, at[0], at[1]);
    },
    keyDown: function (code, shift) {
      if (!Page.stopped) _fendrel_key_down(code, shift);
    },
    // Windows' virtual-key codes for the keys the exercise knows; the keypad's Enter
    // is "Enter" too, and with Num Lock off its arrows are arrows.
    keyCodes: {ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Enter: 13},
  },

  // The page's elements, found as the script starts, after the page is parsed.
  $Page__postset: "Page.client = document.getElementById('fendrel');" +
    "Page.canvas = Page.client.querySelector('canvas');" +
    "Page.context = Page.canvas.getContext('2d', {alpha: false});" +
    "Page.label = document.getElementById('AnzeigeLbl');",

  fendrel_attach__deps: ['$Page'],
  fendrel_attach: function () {
    Page.client.addEventListener('mousedown', Page.pressed);
    window.addEventListener('mouseup', Page.released);
    // A finger or a pen, the primary one, by its pointer events; the mouse events a
    // browser would make of them follow no more. The mouse keeps its own, as on any
    // desktop.
    var touch = function (handle) {
      return function (event) {
        if (event.pointerType === 'mouse' || !event.isPrimary) return;
        event.preventDefault();
        handle(event);
      };
    };
    Page.client.addEventListener('pointerdown', touch(Page.pressed));
    window.addEventListener('pointerup', touch(Page.released));
    Page.client.addEventListener('contextmenu', function (event) { if (Keypad.shown()) event.preventDefault(); });
    Page.client.addEventListener('keydown', function (event) {
      var code = Page.keyCodes[event.key];
      if (code) event.preventDefault(); // no scrolling; other keys keep their meaning
      Page.keyDown(code || event.keyCode || 0, (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0));
    });
    Keypad.attach(function (code) { Page.keyDown(code, 0); }, Page.viewport);
    // The mouse passes through the label; a click that reaches it comes from
    // assistive technology, which activates the label as the press action does.
    Page.label.addEventListener('click', function () {
      if (!Page.stopped) _fendrel_label_activated();
    });
    addEventListener('resize', Page.viewport);
    Page.followDevicePixels();
    Page.viewport();
    Page.client.focus();
    pageStarting = false;
    (window.requestIdleCallback || setTimeout)(Page.learnSeparator);
    // Without one (a private window, say), the page still works, only not offline.
    if (navigator.serviceWorker) navigator.serviceWorker.register('sw.js').catch(function () {});
  },

  fendrel_client_size__deps: ['$Page'],
  fendrel_client_size: function (width, height, scale) {
    Page.size = [width, height];
    Page.scale = scale;
    Page.canvas.width = width;
    Page.canvas.height = height;
    Page.colour = -1; // a new size resets the context's fill
    Page.layOut();
  },

  fendrel_fill__deps: ['$Page'],
  fendrel_fill: function (x, y, width, height, red, green, blue) {
    var colour = red << 16 | green << 8 | blue;
    if (colour !== Page.colour) {
      Page.context.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
      Page.colour = colour;
    }
    Page.context.fillRect(x, y, width, height);
  },

  fendrel_label_caption__deps: ['$Page'],
  fendrel_label_caption: function (text) {
    Page.label.textContent = UTF8ToString(text);
  },

  fendrel_label_visible__deps: ['$Page'],
  fendrel_label_visible: function (visible) {
    Page.label.hidden = !visible;
  },

  fendrel_label_forecolor__deps: ['$Page'],
  fendrel_label_forecolor: function (red, green, blue) {
    Page.label.style.color = 'rgb(' + red + ',' + green + ',' + blue + ')';
  },

  fendrel_label_place__deps: ['$Page'],
  fendrel_label_place: function (left, top, width, height, fontPixels) {
    Page.place = [left, top, width, height, fontPixels];
    Page.layOut();
  },

  fendrel_decimal_separator__deps: ['$Page', 'malloc'],
  fendrel_decimal_separator: function () {
    Page.learnSeparator();
    var size = lengthBytesUTF8(Page.separator) + 1, text = _malloc(size);
    stringToUTF8(Page.separator, text, size);
    return text;
  },

  fendrel_show_error__deps: ['$Page'],
  fendrel_show_error: function (message) {
    Page.stopped = true;
    replaceClientWith(UTF8ToString(message));
  },
});

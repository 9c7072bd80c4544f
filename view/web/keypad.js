// SPDX-License-Identifier: MIT
// The page's keypad for phones and tablets, handed to Emscripten's linker as a library
// beside page.js. Its five keys send the exercise's own keys, the Windows virtual-key
// codes in their data-key, each exactly as the keyboard's would be sent; held, a key
// repeats as a held key does. Shown where the primary pointer is coarse (a finger),
// beside the client area in landscape and below it upright; on an upright phone,
// where the picture would be too small to read, a request to turn it goes above both.

mergeInto(LibraryManager.library, {
  $Keypad: {
    element: null, turn: null,
    coarse: null,   // the media query that tells a finger from a mouse
    key: 56,        // CSS pixels of a key, more than the 44 that WCAG 2.2 asks for
    gap: 8,         // CSS pixels between keys, and between the pad and the client area
    firstRepeat: 500, repeat: 33, // milliseconds, as a keyboard's repeat

    shown: function () { return !!Keypad.coarse && Keypad.coarse.matches; },
    landscape: function () { return innerWidth > innerHeight; },
    // The device pixels that the pad, with the gap before it, takes from the client
    // area's room: across in landscape, down upright.
    room: function (ratio) {
      return Keypad.shown() ? Math.ceil((3 * Keypad.key + 3 * Keypad.gap) * ratio) : 0;
    },
    // Places the request to turn the phone, and the pad beside or below the client
    // area, all in device pixels; gives the client area's top.
    layOut: function (margin, clientWidth, clientHeight, scale, ratio) {
      var shown = Keypad.shown(), landscape = Keypad.landscape(), css = function (pixels) { return pixels / ratio + 'px'; };
      Keypad.element.hidden = !shown;
      Keypad.turn.hidden = !shown || landscape || scale / ratio >= 0.5;
      Keypad.turn.style.left = Keypad.turn.style.top = css(margin);
      var top = margin + (Keypad.turn.hidden ? 0 : Math.ceil(Keypad.turn.getBoundingClientRect().height * ratio) + margin);
      var gap = Keypad.gap * ratio, pad = Keypad.element.style;
      pad.left = css(landscape ? margin + clientWidth + gap : margin);
      pad.top = css(landscape ? top : top + clientHeight + gap);
      return top;
    },
    // pressKey(code) sends a key; laidOut() is called when the pad comes or goes.
    attach: function (pressKey, laidOut) {
      Keypad.element.querySelectorAll('button').forEach(function (button) {
        var code = Number(button.dataset.key), timer = 0;
        // clearTimeout ends an interval as well: the two share their numbers.
        var release = function () { clearTimeout(timer); };
        button.addEventListener('pointerdown', function (event) {
          event.preventDefault(); // the keyboard stays with the client area
          // A finger is held by the key it touched; let go of, sliding off is seen.
          button.releasePointerCapture(event.pointerId);
          release();
          pressKey(code);
          timer = setTimeout(function () {
            pressKey(code);
            timer = setInterval(function () { pressKey(code); }, Keypad.repeat);
          }, Keypad.firstRepeat);
        });
        ['pointerup', 'pointerleave', 'pointercancel'].forEach(function (type) { button.addEventListener(type, release); });
        // A screen reader's activation comes as a click without a pointer.
        button.addEventListener('click', function (event) { if (event.detail === 0) pressKey(code); });
      });
      Keypad.element.addEventListener('contextmenu', function (event) { event.preventDefault(); });
      if (Keypad.coarse && Keypad.coarse.addEventListener) Keypad.coarse.addEventListener('change', laidOut);
    },
  },

  $Keypad__postset: "Keypad.element = document.getElementById('keypad');" +
    "Keypad.turn = document.getElementById('turn');" +
    "Keypad.coarse = window.matchMedia && matchMedia('(pointer: coarse)');",
});

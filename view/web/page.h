// SPDX-License-Identifier: MIT
#pragma once
// What the page's JavaScript (fendrel.js, handed to the linker as a library) does for
// the C++ side: the canvas, the label element and the page's events. Sizes and places
// are in device pixels; the page turns them into CSS pixels.

extern "C" {
// Listens to the client area's mouse, touch and keys, the keypad's keys, the label's
// activation by assistive technology, and changes of the viewport, of the device
// pixel ratio and of the pointer.
void fendrel_attach();
// Client area and canvas of this many device pixels, at this many per picture pixel;
// the canvas is then blank.
void fendrel_client_size(int width, int height, int scale);
void fendrel_fill(int x, int y, int width, int height, int red, int green, int blue);
// Sets the label element's text, as text, never as HTML.
void fendrel_label_caption(const char* text);
void fendrel_label_visible(bool visible);
void fendrel_label_forecolor(int red, int green, int blue);
void fendrel_label_place(int left, int top, int width, int height, int fontPixels);
// The decimal separator of the browser's language, as a string from malloc.
char* fendrel_decimal_separator();
// Puts the message in place of the client area; the page takes no more input.
void fendrel_show_error(const char* message);
}

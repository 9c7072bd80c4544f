// SPDX-License-Identifier: MIT
#pragma once
// What counts as a click, the same for every front end: the primary button pressed
// and released over the same control. The second press of a double click is no new
// click. The window's client area gets every mouse event; where the label is shown,
// the label is the control under the pointer.

enum class Control { None, Window, Label };
enum class MouseButton { Primary, Other };

// The control at (x, y) in a client area of the given size, all in device pixels of a
// window drawn at a whole-number display scale (a toolkit that scales for us: 1).
Control controlAt(int x, int y, int clientWidth, int clientHeight, int scale, bool labelVisible);

class ClickRule {
public:
    void press(MouseButton button, Control on);
    void doubleClick(MouseButton button);
    // The control that this release completes a click on, or Control::None.
    Control release(MouseButton button, Control on);
    // The front end lost the pointer (another window took it): no click can follow.
    void cancel();

private:
    Control m_pressedOn = Control::None;
};

// SPDX-License-Identifier: MIT
#pragma once
// The window's one text label: the start prompt, later the report.

#include "runtime/colour.h"

#include <string>

class DisplayLabel {
public:
    virtual ~DisplayLabel() = default;

    // Reads back exactly what was last written; CR LF breaks a line.
    virtual std::string Caption() const = 0;
    virtual void Caption(const std::string& text) = 0;
    virtual void Visible(bool visible) = 0;
    virtual void ForeColor(Colour colour) = 0;
};

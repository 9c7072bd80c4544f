// SPDX-License-Identifier: MIT
#pragma once
// The program's icon, rendered from the same SVG that the desktop's menu shows.

#include <QIcon>

QIcon appIcon();

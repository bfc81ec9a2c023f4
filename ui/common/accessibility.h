#pragma once

#include <QAccessible>

class QWidget;

namespace kolvenar {

// Draws a ring round `control` while it has the keyboard focus, for controls whose style shows
// no focus of its own (scroll bars, drawing areas) or shows it too faintly to find (lists).
// Nothing changes while the control is without the focus.
void ShowFocusRing(QWidget& control);

// Tells screen readers what kind of control `control` is where its class does not say it.
void SetAccessibleRole(QWidget& control, QAccessible::Role role);

// Puts the program's accessible interfaces before Qt's: list boxes that keep their accessible
// names, and the roles given with SetAccessibleRole. Every window calls it before it creates
// its controls, whose interfaces Qt keeps once made. Safe to call again.
void InstallAccessibleInterfaces();

}  // namespace kolvenar

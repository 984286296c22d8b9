#pragma once

class QObject;
class QWidget;

namespace forms {

// Gives screen readers the controls that forms draws itself, through Qt's accessibility
// interface: a label is a button when it can be clicked, dragged or worked with keys and
// static text otherwise, named by its caption unless it has an accessible name of its
// own (a label with nothing to say is left out); a picture is a graphic; a screen is a
// pane named by its title; the display is the window. Qt's own buttons and text fields
// keep Qt's interfaces.
// Installed once, when the first Display is made.
void installAccessibility();

// Tells screen readers that a widget's name has changed.
void notifyNameChanged(QWidget& widget);

} // namespace forms

#pragma once

class FormLoader;
class FormPropertyReader;
class QWidget;

// Teaches the loader the plain kinds a window description may use besides its own controls:
// Frame, PictureBox, TextBox, Label, CheckBox and Timer.
void addStandardFormClasses(FormLoader& loader);

// Reads ForeColor and BackColor (24-bit, red in the high byte) onto a widget's palette; for the
// owner's own factories of plain kinds.
void readFormColours(QWidget* widget, FormPropertyReader& properties);

#pragma once

class FormLoader;
class FormPropertyReader;
class QWidget;
class SkinImages;

// Teaches the loader the classes a window description may use: the skinned controls under their
// stored names and the plain kinds Frame, PictureBox, TextBox, Label, CheckBox and Timer.
void addBuiltInFormClasses(FormLoader& loader, SkinImages& skin);

// Reads ForeColor and BackColor (24-bit, red in the high byte) onto a widget's palette; for the
// owner's own factories of plain kinds.
void readFormColours(QWidget* widget, FormPropertyReader& properties);

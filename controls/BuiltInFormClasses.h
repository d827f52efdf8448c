#pragma once

class FormLoader;
class SkinImages;

// Teaches the loader the classes a window description may use: the skinned controls under their
// stored names and the plain kinds Frame, PictureBox, TextBox, Label, CheckBox and Timer.
void addBuiltInFormClasses(FormLoader& loader, SkinImages& skin);

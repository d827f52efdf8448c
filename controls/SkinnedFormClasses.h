#pragma once

class FormLoader;
class SkinImages;

// Teaches the loader the skinned controls under the names the window descriptions store them
// by: ZEV_Studio.SimpControl, .ScrollBar, .ShowNumber and .C_ProgressBar.
void addSkinnedFormClasses(FormLoader& loader, SkinImages& skin);

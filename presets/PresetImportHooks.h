#pragma once

// What the window (or the command-line tool) does around a preset import.
class PresetImportHooks
{
public:
    virtual ~PresetImportHooks() = default;

    // Show the imported store on every bound control (all kinds, every band).
    virtual void RefreshControls() = 0;
    // Restart the undo history; done after every import that got past the type check, also a
    // failed one.
    virtual void UndoRedoInit() = 0;
    // When the processor is online, upload the whole store, ending with the mode select.
    virtual void UploadAllWhenOnline() = 0;
};

#pragma once

#include <QString>

// What the user is told when an upload stops part-way: the processor keeps every block that
// reached it, so it holds some of the new settings and some of its old ones until a whole upload
// succeeds. Said after the link's own failure text.
namespace PartialUpload {

enum class Source
{
    Preset, // a preset being restored
    Window, // the settings the window shows (its upload button)
};

// framesReached: the upload's block writes the processor confirmed (BulkTransfer::blocksWritten);
// advice: what to do now, a sentence. Empty when the upload did not stop part-way: it wrote
// every block, or none (the processor holds what it held).
QString message(int framesReached, Source source, const QString& advice);

} // namespace PartialUpload

#pragma once

// How the simulated processor treats one frame it receives.
enum class SimFault
{
    None,        // acknowledgement, then the data frame
    Silent,      // the frame is lost: no answer, nothing applied
    AckOnly,     // acknowledged and applied, but the data frame never comes
    CorruptAck,  // one byte of the acknowledgement is damaged
    CorruptData, // one byte of the data frame is damaged
    NoiseFirst,  // noise bytes arrive before the acknowledgement
    Unplug,      // the processor is unplugged as the frame arrives
    SplitReply,  // the answer comes in pieces of a few bytes, each its own report
    LostWrite,   // answered as usual, but a write keeps the old value in the memory
};

inline constexpr int SimFaultKindCount = int(SimFault::LostWrite) + 1;

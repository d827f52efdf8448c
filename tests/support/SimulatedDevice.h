#pragma once

#include "DeviceLink.h"
#include "LinkMessages.h"
#include "ParamModel.h"
#include "RecordingMessages.h"
#include "SimProcessor.h"
#include "SimulatedComm.h"

// A store at factory defaults linked to a simulated processor at factory defaults. Time-outs are
// scaled by timeScale: tests that expect failures shrink them; tests that expect success keep
// them long, so that a busy machine cannot turn a success into a retry.
struct SimulatedDevice
{
    explicit SimulatedDevice(double timeScale = 1.0)
        : SimulatedDevice(timings(timeScale))
    {}

    explicit SimulatedDevice(const LinkTimings& timings)
        : comm(sim)
        , link(model, comm, timings)
        , linkMessages(link, messages)
    {
        model.InitDefaults(ParamModel::FactoryReset);
    }

    static LinkTimings timings(double scale)
    {
        LinkTimings t;
        t.scale = scale;
        return t;
    }

    // Frames of one type the processor received.
    int framesOfType(Frames::Type type) const
    {
        int count = 0;
        for (const auto& frame : sim.receivedFrames()) {
            count += frame.type == int(type) ? 1 : 0;
        }
        return count;
    }

    ParamModel model;
    SimProcessor sim;
    SimulatedComm comm;
    RecordingMessages messages;
    DeviceLink link;
    LinkMessages linkMessages;
};

#pragma once

// A fresh plug-in process state in front of the sandbox host's Microsoft-ABI
// objects: session and settings as at module load, App set as get_name sets it.

#include <gtest/gtest.h>

#include <vector>

#include "host/host_sdk.h"
#include "sandbox/host_bridge.h"
#include "state/session_state.h"
#include "state/settings.h"

class SandboxHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox_host_reset();
        SessionState = SessionStateRecord{};
        PluginSettings = PluginSettingsRecord{};
        SessionState.App = static_cast<HostApp*>(sandbox_host_app());
        host = sandbox_host_state();
    }

    // Every reference the plug-in obtained was released exactly once.
    void ExpectReferencesBalanced() const
    {
        EXPECT_EQ(host->sceneReferences, 0) << "scene references left";
        EXPECT_EQ(host->cameraReferences, 0) << "camera references left";
        EXPECT_EQ(host->figureWindowReferences, 0) << "figure-window references left";
        EXPECT_EQ(host->overReleases, 0) << "references released twice";
    }

    int Calls(SandboxOperation operation) const { return sandbox_host_count_calls(operation); }

    // The operations logged, in order, releases included.
    std::vector<int> CallSequence() const
    {
        std::vector<int> sequence;
        for (int i = 0; i < host->callCount && i < SandboxMaxCalls; ++i)
            sequence.push_back(host->calls[i].operation);
        return sequence;
    }

    SandboxHostState* host = nullptr;
};

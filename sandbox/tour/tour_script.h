#pragma once

// The scripted tour of the plug-in on the sandbox host: every gesture played
// with injected input at real screen points, the host's loop run until its
// effects have settled, and after each step a picture and a line of state.

#include <windows.h>

#include <string>
#include <vector>

#include "sandbox/host_bridge.h"
#include "sandbox/tour/tour_record.h"

struct TourStep {
    std::string name;
    TourState state;      // after the step
    std::string picture;  // the PNG written, empty when writing failed
};

// Where the tour places the host's main window, and its size.
constexpr POINT TourHostOrigin = {40, 40};
constexpr SIZE TourHostSize = {900, 640};

// Which steps a tour plays: all, or only those a host in another language
// shows differently (the modes' texts, the camera buttons, the configuration
// dialog) with the steps they build on.
enum class TourSteps { All, LanguageDependent };

// Attaches the component to a fresh host session and plays the tour, in the
// language the sandbox host's state gives the host, starting from the default
// settings with the control window shown below the host.
// Writes <folder>/NN-step-name.png and one line per step to <folder>/tour.txt,
// ends the session and puts the user's stored settings back. The steps come
// back in order, step 0 being the start.
std::vector<TourStep> PlayTour(const SandboxExports* exports, void* component, const std::string& folder,
                               TourSteps which = TourSteps::All);
